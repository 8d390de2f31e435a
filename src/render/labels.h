// Fixed texts the drawing procedures print: handicap labels, kanji numerals, piece names.
#pragma once

#include <optional>
#include <string>

#include "rules/move_type.h"
#include "settings/language.h"

namespace banzuri {

// Label printed by the label primitive for `code`: the handicap ladder -10..10 and 99 "手目";
// the empty text for any other code.
std::string label_text(int code, Language language = Language::JAPANESE);

// Kanji numeral "一".."九" for 1..9; the empty text otherwise.
std::string kanji_numeral(int value);

// What the number primitive prints for `value`: in mode 0 its digits after a blank (or its
// minus sign), otherwise the kanji numeral.
std::string number_text(int value, int mode, Language language = Language::JAPANESE);

// The rank of row 1..9 as Western notation writes it: "a" (the top row) .. "i".
std::string rank_letter(int row);

// The letter of a piece in Western notation, "+" before a promoted one: "P", "+R", "K"; the
// empty text for codes that are no piece.
std::string western_piece_letter(int code);

// A move in Western notation: the moving piece, "-" and the destination ("P-7f"), a drop with
// "*" ("P*5e"); "+" after a move that promotes, "=" after one that could promote and did not.
// With `origin`, the square the piece came from follows its letter ("G6i-5h"), as when another
// piece of its kind could have gone there too.
std::string western_move_text(const Move& m, int piece, bool could_promote, bool origin = false);

// What stands on (x, y) after a move, in Western notation: "P-7f", a drop "P*5e"; with the
// square the piece came from `from` when it is given ("G6i-5h").
std::string western_piece_text(int code, int x, int y, bool drop,
                               std::optional<Square> from = std::nullopt);

// Texts of labels, numerals and piece names (kanji numerals for 1001..1009).
std::string 文字列変換(int value);

// True when the picture set has a picture for `code`.
bool has_picture(int code);

}  // namespace banzuri
