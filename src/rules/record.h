// The game record: the position before every move, and reading a recorded move back.
#pragma once

#include "rules/game_state.h"

namespace banzuri {

// Writes record entry rec_index: the board, both hands and the four clock values, then sets
// rec_last. The move itself (a drop's source given as DROP_COLUMN and the kind) is not stored. The
// record grows when the game outlasts it; rec_index is not advanced here.
void 手順保存(GameState& g, int fx, int fy, int tx, int ty, int piece, int target,
              double lower_before, double lower_after, double upper_before, double upper_after);

// The destination square and code of the move between entries n-1 and n: the first square
// (column by column, top to bottom) whose code changed and is not empty in entry n. ON when
// found; otherwise OFF and the out-arguments are left as they were.
int 調査_移動結果(const GameState& g, int n, int& x, int& y, int& code);

}  // namespace banzuri
