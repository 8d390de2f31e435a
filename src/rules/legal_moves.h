// Every move the two-click input accepts for one side, as between two humans, and what a move
// takes from the position: the piece that moves and the code it leaves on the destination.
#pragma once

#include <vector>

#include "rules/game_state.h"
#include "rules/move_type.h"

namespace banzuri {

// The source of a move as the five-integer procedures take it: the square, or for a drop
// DROP_COLUMN with the hand kind as its row.
inline Square source_of(const Move& m) {
    return m.is_drop() ? Square{DROP_COLUMN, m.drop} : m.from;
}

// The code the move of the side takes: the side's piece on the source square, or for a drop
// the unpromoted code of the kind when the side's hand holds one; EMPTY otherwise.
int moving_piece(const GameState& g, bool lower_side, const Move& m);

// The code on the destination after the move: the moving piece, promoted when the move
// promotes; EMPTY when there is no moving piece or it may not promote there. Legality is not
// judged.
int placed_code(const GameState& g, bool lower_side, const Move& m);

// The move is one that may promote, whether it does or not (never a drop).
bool may_promote(const GameState& g, bool lower_side, const Move& m);

// Another piece with the same code as the moving one could also go to the move's destination
// (never for a drop): Western notation then names the move's origin.
bool another_piece_reaches(const GameState& g, const Move& m);

// Board moves of every piece of the side (lower: negative codes), then drops of every kind
// it holds: the plain move unless the piece could never move again, the promoting move where
// promotion is allowed. Rebuilds the two-pawn flags; leaves the position as it was.
std::vector<Move> legal_moves(GameState& g, bool lower_side);

// Whether the move of the side is one of the list above. Rebuilds the two-pawn flags.
bool is_legal(GameState& g, bool lower_side, const Move& m);

}  // namespace banzuri
