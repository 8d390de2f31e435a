// What the move list beside the board shows: whose turn it is and who plays each side, both
// clocks' totals, and the moves of the line in the notation of the game records, with the
// position shown. Read from the game; the panel that draws it only displays these texts.
#pragma once

#include <string>
#include <vector>

#include "rules/game.h"

namespace banzuri {

struct MoveList {
    std::string turn;  // "▲先手の番", "△後手の番", "▲先手の勝ち", or "対局前"
    std::string players;  // "▲先手：人間　△後手：COM LEVEL3"
    std::string clocks;   // "▲00:01:05　△00:00:42"
    // Row 0 is the start position, row n the position after move n: "  12 △３四歩(33)".
    std::vector<std::string> rows;
    int shown = 0;  // the row of the position the board shows
    bool operator==(const MoveList&) const = default;
};

MoveList move_list_of(const Game& game);

// The caption of row 0.
inline constexpr const char* START_ROW = "開始局面";

}  // namespace banzuri
