// What the move list beside the board shows: whose turn it is and who plays each side, both
// clocks' totals, and the moves of the line in the notation of the game records, with the
// position shown. Read from the game; the panel that draws it only displays these texts.
#pragma once

#include <string>
#include <vector>

#include "computer/game_analysis.h"
#include "rules/game.h"
#include "settings/language.h"

namespace banzuri {

struct MoveList {
    std::string turn;  // "▲先手の番", "△後手の番", "▲先手の勝ち", or "対局前"
    std::string players;  // "▲先手：人間　△後手：COM LEVEL3"
    std::string clocks;   // "▲00:01:05　△00:00:42"
    // Row 0 is the start position, row n the position after move n: "  12 △３四歩(33)".
    std::vector<std::string> rows;
    int shown = 0;  // the row of the position the board shows
    // After the game was looked over: the score of each row's position in pawns, the lower
    // side's view (row 0 the start); moves that lost much are marked "疑問手" or "悪手".
    std::vector<double> scores;
    bool operator==(const MoveList&) const = default;
};

// The texts in `language`; in English the moves are in Western notation ("P-7f").
MoveList move_list_of(const Game& game, const GameAnalysis* analysis = nullptr,
                      Language language = Language::JAPANESE);

// The caption of row 0.
inline constexpr const char* START_ROW = "開始局面";

}  // namespace banzuri
