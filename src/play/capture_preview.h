// The pieces a move would take, found by playing it on a copy of the game: the same capture
// code as the move itself, nothing changed until the move is made.
#pragma once

#include <vector>

#include "rules/game.h"

namespace banzuri {

// Every piece the move would take, sandwiches first, then each enclosed group; none when the
// move is not legal.
std::vector<Square> captures_of(const Game& game, const Move& move);

}  // namespace banzuri
