// Every move the two-click input accepts for one side, as between two humans.
#pragma once

#include <vector>

#include "rules/game_state.h"

namespace banzuri {

// A move in the form 駒移動 takes: a drop comes from column 11 with row kind + 2 (lower hand)
// or from column -1 with row kind (upper hand). `piece` is the code before promotion.
struct LegalMove {
    int fx = 0;
    int fy = 0;
    int tx = 0;
    int ty = 0;
    int piece = EMPTY;
    bool promote = false;
    int placed = EMPTY;  // the code that stands on the destination afterwards
    bool operator==(const LegalMove&) const = default;
};

inline bool is_drop(const LegalMove& m) {
    return m.fx == HAND_LOWER_COLUMN || m.fx == HAND_UPPER_COLUMN;
}

// Board moves of every piece of the side (lower: negative codes), then drops of every kind
// it holds: the plain move unless the piece could never move again, the promoting move where
// promotion is allowed. Rebuilds the two-pawn flags; leaves the position as it was.
std::vector<LegalMove> legal_moves(GameState& g, bool lower_side);

// Whether one move of the list above is legal: reads fx, fy, tx, ty and promote (a drop's
// kind from its source row), fills piece and placed. Rebuilds the two-pawn flags.
bool is_legal(GameState& g, bool lower_side, LegalMove& m);

}  // namespace banzuri
