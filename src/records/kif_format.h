// KIF, the text layout of Japanese shogi records, as this game writes and reads it.
#pragma once

#include <string>
#include <string_view>

#include "records/game_record.h"

namespace banzuri::records {

// The header line that tells other programs the rules are not those of shogi.
inline constexpr std::string_view kRulesKey = "ルール";
inline constexpr std::string_view kRulesText =
    "ばんずり（駒は空いた升にだけ動き、挟むか囲むかで取る。王手はなく、玉を取れば勝ち）";
inline constexpr std::string_view kMovesHeading = "手数----指手---------消費時間--";

inline constexpr std::string_view kHumanName = "あなた";
inline constexpr std::string_view kComputerName = "コンピュータ LEVEL";  // + level digit
inline constexpr std::string_view kLowerHumanName = "下の対局者";
inline constexpr std::string_view kUpperHumanName = "上の対局者";

// The names of the two sides: 先手/後手, or 下手/上手 when the upper side moves first.
std::string_view lower_title(const StartPosition& start);
std::string_view upper_title(const StartPosition& start);

// The players: the names the record gives, or "あなた" and "コンピュータ LEVELn" against the
// computer, otherwise the two human sides.
std::string lower_player(const GameRecord& r);
std::string upper_player(const GameRecord& r);

// The word of a closing line: "投了", "詰み", ..., "中断" for none.
std::string_view ending_word(Ending ending);

// The notation of one move of `piece` (the code that moves), marked 不成 when it could have
// promoted and did not: "７六歩(77)", "５五歩打", "２二角成(88)", "３三銀不成(44)".
std::string move_text(const Move& m, int piece, bool could_promote);

// The time of a move and the mover's total: "( 0:03/00:00:03)".
std::string time_text(int seconds, int total);

// The whole record as UTF-8 KIF text, lines ending in LF: the headers (a named start by its
// 手合割, any other with its board diagram), one line per move with its time, the closing line
// (the ending's word, or 中断 when nothing decided the game) and the result line.
std::string write_kif(const GameRecord& r);

}  // namespace banzuri::records
