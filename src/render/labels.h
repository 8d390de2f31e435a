// Fixed texts the drawing procedures print: handicap labels, kanji numerals, piece names.
#pragma once

#include <string>

namespace banzuri {

// Label printed by the label primitive for `code`: the handicap ladder -10..10 and 99 "手目";
// the empty text for any other code.
std::string label_text(int code);

// Kanji numeral "一".."九" for 1..9; the empty text otherwise.
std::string kanji_numeral(int value);

// What the number primitive prints for `value`: in mode 0 its digits after a blank (or its
// minus sign), otherwise the kanji numeral.
std::string number_text(int value, int mode);

// Texts of labels, numerals and piece names (kanji numerals for 1001..1009).
std::string 文字列変換(int value);

// True when the picture set has a picture for `code`.
bool has_picture(int code);

}  // namespace banzuri
