// Positions shared by the rules tests.
#pragma once

#include "rules/game_state.h"

namespace banzuri::testing {

// An empty board, no game mode set beyond two humans, lower side first.
inline GameState empty_game() {
    GameState g;
    g.game_mode = MODE_MAN;
    g.lower_order = FIRST_PLAYER;
    g.upper_order = SECOND_PLAYER;
    g.turn = FIRST_PLAYER;
    return g;
}

// The starting position after the initial setup, lower side first between two humans.
inline GameState start_game() {
    GameState g = empty_game();
    初期設定(g);
    g.lower_order = FIRST_PLAYER;
    g.upper_order = SECOND_PLAYER;
    g.turn = FIRST_PLAYER;
    return g;
}

// The upper gold on (5, 1) has just arrived between two lower single-piece groups, each closed
// by upper pawns and the edge: (4, 1) and (6, 1).
inline GameState two_enclosed_groups() {
    GameState g = empty_game();
    g.set(5, 1, UPPER_KIN);
    g.set(4, 1, LOWER_HU);
    g.set(3, 1, UPPER_HU);
    g.set(4, 2, UPPER_HU);
    g.set(6, 1, LOWER_GIN);
    g.set(7, 1, UPPER_HU);
    g.set(6, 2, UPPER_HU);
    return g;
}

inline int pieces_on_board(const GameState& g) {
    int n = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (g.at(x, y) != EMPTY) ++n;
    return n;
}

}  // namespace banzuri::testing
