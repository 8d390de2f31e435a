// Positions and helpers shared by the computer player's tests.
#pragma once

#include <string>

#include "../rules/fixtures.h"
#include "computer/evaluation.h"
#include "computer/influence.h"
#include "rules/game_state.h"

namespace banzuri::testing {

// An empty board in a game against the computer: the human (lower side) moves first, the
// computer (upper side) is to move.
inline GameState com_game(int level = 3) {
    GameState g;
    g.game_mode = MODE_COM;
    g.lower_order = FIRST_PLAYER;
    g.upper_order = SECOND_PLAYER;
    g.turn = SECOND_PLAYER;
    g.level = level;
    return g;
}

// The upper gold on (5, 4) under a lower pawn on (5, 3): a lower piece arriving on (5, 5)
// takes it. The lower gold on (7, 5) is two steps away, by (6, 5); the upper side can always
// move its gold away first.
inline GameState gold_two_steps_away() {
    GameState g = empty_game();
    g.set(9, 1, UPPER_OU);
    g.set(1, 9, LOWER_OU);
    g.set(5, 3, LOWER_HU);
    g.set(5, 4, UPPER_KIN);
    g.set(7, 5, LOWER_KIN);
    return g;
}

// The starting position in a game against the computer.
inline GameState com_start(int level = 3) {
    GameState g = com_game(level);
    初期配置(g);
    return g;
}

// Scores one trial the way the search does: the tables before the move are the snapshot, the
// piece is lifted from (fx, fy) (unless a drop) and `placed` stands on (tx, ty); the board is
// restored afterwards.
inline Score trial_score(GameState& g, int fx, int fy, int tx, int ty, int piece, int placed,
                         std::string* trace = nullptr) {
    ComputerState c;
    勢力調査(g, c);
    c.influence_lower_before = c.influence_lower;
    c.influence_upper_before = c.influence_upper;
    c.trial_piece = piece;
    const bool drop = fx == DROP_COLUMN;
    if (!drop) g.set(fx, fy, EMPTY);
    g.set(tx, ty, placed);
    勢力調査(g, c);
    const Score score = 盤評価(g, c, EMPTY, placed, fx, fy, tx, ty, trace);
    g.set(tx, ty, EMPTY);
    if (!drop) g.set(fx, fy, piece);
    return score;
}

}  // namespace banzuri::testing
