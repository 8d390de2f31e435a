// One game of the look-ahead against itself for the benchmarks: the first RANDOM_PLIES plies
// seeded random moves, then each side searches with its own limits; a game still running
// after MAX_PLIES plies is a draw.
#pragma once

#include <optional>
#include <random>
#include <stdexcept>
#include <vector>

#include "computer/look_ahead.h"
#include "rules/game.h"

namespace banzuri::bench {

inline constexpr int RANDOM_PLIES = 4;
inline constexpr int MAX_PLIES = 400;

// 1 when `first` (lower side, moving first) wins, 0 when it loses, 0.5 for a draw.
inline double self_play_game(const LookLimits& first, const LookLimits& second, std::mt19937& rng) {
    Game g;
    g.start(MODE_MAN, FIRST_PLAYER, FIRST_PLAYER);
    for (int ply = 0; ply < MAX_PLIES && !g.decided(); ++ply) {
        const bool lower = g.lower_to_move();
        std::optional<Move> m;
        if (ply < RANDOM_PLIES) {
            const std::vector<Move> moves = g.legal_moves();
            if (!moves.empty()) m = moves[rng() % moves.size()];
        } else {
            m = look_ahead(g.position(), lower, lower ? first : second).move;
        }
        if (!m) return lower ? 0.0 : 1.0;
        if (!g.play(*m, 0)) throw std::logic_error("the rules refused the search's move");
    }
    if (g.winner() == FIRST_PLAYER) return 1.0;
    if (g.winner() == SECOND_PLAYER) return 0.0;
    return 0.5;
}

}  // namespace banzuri::bench
