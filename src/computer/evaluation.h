// The computer's board evaluation: scores one candidate move after it has been made on the
// board and the influence tables have been recounted. Higher is better.
#pragma once

#include <string>

#include "computer/computer_state.h"

namespace banzuri {

// Score of the candidate, in tenths. `captured` is the code that stood on the target before
// the move (always EMPTY), `piece` the code now on (x, y), (from_x, from_y) the origin (a drop:
// from_x = DROP_COLUMN and from_y = the hand kind). Reads level, hand_own and the four influence
// tables. The board is left as it was. When `trace` is given, every term that fired is appended to
// it as "name +1.5; ".
Score 盤評価(GameState& g, const ComputerState& c, int captured, int piece, int from_x, int from_y,
             int x, int y, std::string* trace = nullptr);

// A score in tenths as a decimal text: 109 -> "10.9", -1 -> "-0.1", 300 -> "30".
std::string score_text(Score score);

}  // namespace banzuri
