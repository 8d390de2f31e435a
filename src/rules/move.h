// Carrying out a move on the position, and where a captured piece goes.
#pragma once

#include "rules/game_state.h"

namespace banzuri {

// The position part of a move or a drop already judged legal: `piece` (the promoted code when
// the move promotes) goes to (tx, ty); the source square empties, or for a drop (fx =
// DROP_COLUMN, fy = the hand kind) one piece of that kind leaves the hand of the piece's side.
void 駒移動(GameState& g, int fx, int fy, int tx, int ty, int piece);

// A captured piece goes to the capturer's hand (a king decides the game).
void credit_capture(GameState& g, int code);

// The side whose groups the piece on (x, y) can enclose: the other side of its owner.
int enclosure_opponent(const GameState& g, int x, int y);

}  // namespace banzuri
