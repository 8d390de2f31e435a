// Piece ownership, promotion, captured pieces going to hand, and hand counts.
#pragma once

#include "rules/game_state.h"

namespace banzuri {

// Order token of the player owning `code`; TURN_NONE for EMPTY, +-111 and anything else.
int 調査_駒手番(const GameState& g, int code);

// The promoted code of `piece` when its board move from row `fy` to row `ty` may promote (it
// starts or ends in the opponent's camp); EMPTY when it may not.
int promoted_code(int piece, int fy, int ty);

// ON when the move may promote (never a drop: fx = DROP_COLUMN); then promoted_piece holds the
// promoted code.
int 調査_駒成(GameState& g, int fx, int fy, int tx, int ty, int piece);

// Credits a captured piece to the capturer's hand under its unpromoted kind, or, for a king,
// sets the winner. Leaves the board alone.
void 駒取得(GameState& g, int code);

// Number of pieces in the hand of the side with order token `side`.
int 調査_持駒数(const GameState& g, int side);

}  // namespace banzuri
