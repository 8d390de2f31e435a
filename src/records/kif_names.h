// The words of a KIF record: full-width file digits, kanji ranks and counts, piece names.
#pragma once

#include <string>
#include <string_view>

namespace banzuri::records {

// "１".."９" for files 1..9.
std::string file_text(int file);
// "一".."九" for ranks 1..9.
std::string rank_text(int rank);
// Kanji numerals 1..99 ("一", "十", "十八", "二十一").
std::string kanji_number(int n);

// Piece names in move text by the code's magnitude: 歩 と 香 成香 桂 成桂 銀 成銀 金 角 馬 飛
// 龍 玉; empty for anything else.
std::string move_piece_name(int code);
// One-character names on a board diagram: promoted lance, knight, silver are 杏 圭 全.
std::string diagram_piece_name(int code);

// Readers: each takes what it recognises off the front of `text` and answers 0 when the front
// holds none of it.
int take_file(std::string_view& text);  // full-width or ASCII digit 1..9
int take_rank(std::string_view& text);  // kanji, full-width or ASCII digit 1..9
// A piece name of a move or a diagram (both spellings, 竜 and 王 too): the upper-side code.
int take_piece_name(std::string_view& text);
// A kanji numeral 1..99; 0 when there is none.
int take_kanji_number(std::string_view& text);

// Takes `prefix` off the front of `text` when it is there.
bool take(std::string_view& text, std::string_view prefix);

// Removes ASCII and ideographic spaces from both ends.
std::string_view trimmed(std::string_view text);

}  // namespace banzuri::records
