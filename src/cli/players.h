// The computer players of the command-line tool by level, for either side: the one-ply search
// of levels 1 to 3 (which plays the upper side, so the lower side is searched on the board
// turned round) and the look-ahead search of levels 4 and 5.
#pragma once

#include <cstdint>
#include <optional>

#include "computer/look_ahead.h"
#include "computer/search.h"

namespace banzuri::cli {

// How long levels 4 and 5 think. Neither set: the levels' own node budgets. With
// `level5_thinks_longer` (matches) LEVEL5 gets three times the limit, as in the game.
struct ThinkLimits {
    std::int64_t nodes = 0;  // node budget
    int movetime_ms = 0;     // thinking time
    bool level5_thinks_longer = false;
};

LookLimits look_limits(int level, const ThinkLimits& t);

// The look-ahead's table of this run of the tool, made on first use and kept for every search.
LookTable& session_table();

// The move the level chooses for the lower or the upper side of `g`, or nothing when it has
// none.
std::optional<Move> computer_move(const GameState& g, bool lower_side, int level,
                                  const ThinkLimits& t, ComputerState& scratch);

// The position turned round: every square (x, y) moves to (10 - x, 10 - y) and changes side,
// and the hands change places.
GameState turned_round(const GameState& g);

}  // namespace banzuri::cli
