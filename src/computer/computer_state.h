// What the computer player keeps between the steps of one search: the influence tables, their
// snapshot from before any trial move, the piece being tried and the best score so far.
#pragma once

#include <array>
#include <cstddef>

#include "rules/game_state.h"

namespace banzuri {

// Counts per square (x, y), indices 1..9 used; reads outside the board answer 0.
struct InfluenceTable {
    std::array<std::array<int, 10>, 10> cells{};

    int operator()(int x, int y) const {
        if (x < 1 || x > 9 || y < 1 || y > 9) return 0;
        return cells[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
    }
    // Adds one reaching piece; squares off the board are never counted.
    void add(int x, int y) {
        if (x < 1 || x > 9 || y < 1 || y > 9) return;
        ++cells[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
    }
    void clear() { cells = {}; }
    bool operator==(const InfluenceTable&) const = default;
};

// Scores are kept in whole tenths, so that equal scores compare equal whatever order their
// terms were added in: 10.9 is held as 109.
using Score = int;
inline constexpr Score SCORE_UNIT = 10;  // one whole point
inline constexpr Score INITIAL_BEST_SCORE = -99999 * SCORE_UNIT;
inline constexpr Score KING_CAPTURE_SCORE = 1000 * SCORE_UNIT;

struct ComputerState {
    InfluenceTable influence_lower;         // how many lower-side pieces reach each square
    InfluenceTable influence_upper;         // the same for the upper side
    InfluenceTable influence_lower_before;  // both tables as they stood before any trial move
    InfluenceTable influence_upper_before;
    int trial_piece = EMPTY;  // the unpromoted code of the piece being tried
    int search_hand_total = 0;
    Score best_score = INITIAL_BEST_SCORE;
};

}  // namespace banzuri
