// Positions and helpers shared by the computer player's tests.
#pragma once

#include <string>

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
