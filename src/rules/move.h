// Carrying out a move on the position, and the silent captures that follow it.
#pragma once

#include "rules/game_state.h"

namespace banzuri {

// The position part of a move or a drop already judged legal: `piece` (the promoted code when
// the move promotes) goes to (tx, ty); the source square empties, or for a drop (fx = 11 with
// fy = kind + 2, fx = -1 with fy = kind) one piece leaves that hand.
void 駒移動(GameState& g, int fx, int fy, int tx, int ty, int piece);

// A captured piece goes to the capturer's hand (a king decides the game).
void credit_capture(GameState& g, int code);

// The side whose groups the piece on (x, y) can enclose: the other side of its owner.
int enclosure_opponent(const GameState& g, int x, int y);

// Every capture of the piece that arrived on (tx, ty), taken silently in the order of
// CaptureSequence: the sandwiches, then every enclosed group next to it until none is left.
void captures_after_move(GameState& g, int tx, int ty);

// A move as the mouse makes it, without drawing and without the record: the move count, the
// move itself and every capture that follows.
void carry_out_move(GameState& g, int fx, int fy, int tx, int ty, int piece);

// The same with the record: the position before the move is saved first (the clocks as they
// stand) and rec_index advances.
void play_move(GameState& g, int fx, int fy, int tx, int ty, int piece);

}  // namespace banzuri
