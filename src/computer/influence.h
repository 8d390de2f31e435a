// Influence survey: for every square, how many pieces of each side reach it in one move.
#pragma once

#include "computer/computer_state.h"

namespace banzuri {

// Rebuilds influence_lower and influence_upper from the board alone.
void 勢力調査(const GameState& g, ComputerState& c);

// The shared patterns the survey adds: gold steps, diagonal lines and straight lines. Lines
// count every square up to and including the first occupied one, looking through the opposing
// king only. The straight lines pick the side's table by the sign of `code`.
void 勢力確定自金(ComputerState& c, int x, int y);
void 勢力確定敵金(ComputerState& c, int x, int y);
void 勢力確定自角(const GameState& g, ComputerState& c, int x, int y);
void 勢力確定敵角(const GameState& g, ComputerState& c, int x, int y);
void 勢力確定上直進(const GameState& g, ComputerState& c, int code, int x, int y);
void 勢力確定下直進(const GameState& g, ComputerState& c, int code, int x, int y);
void 勢力確定右直進(const GameState& g, ComputerState& c, int code, int x, int y);
void 勢力確定左直進(const GameState& g, ComputerState& c, int code, int x, int y);

}  // namespace banzuri
