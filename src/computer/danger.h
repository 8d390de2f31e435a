// Danger probes of the computer player: can a piece be sandwiched at the opponent's next move,
// can the opponent reach a square, and how crowded the computer's big pieces are.
#pragma once

#include "rules/game_state.h"

namespace banzuri {

// ON when (x, y) is empty and a piece of the side opposing the owner of `code` can legally
// move there.
int 調査_敵駒移動可(const GameState& g, int x, int y, int code);

// ON when the piece on (x, y) can be sandwiched at the opponent's next move: an opponent piece
// stands on one side and the opponent can move onto the empty square on the other side.
int 調査_危険(const GameState& g, int x, int y);

// Minus the number of squares around (x, y) holding the computer's bishop, rook, their
// promotions or its king; between -8 and 0.
int 調査_周辺状況(const GameState& g, int x, int y);

}  // namespace banzuri
