// A position as SFEN, the text shogi programs exchange ("局面をコピー"): ranks a..i are rows
// 1..9 from the top, each from column 1 (file 9) to column 9; uppercase is the lower side.
#pragma once

#include <string>

#include "rules/game_state.h"

namespace banzuri::records {

std::string position_sfen(const Board& board, const Hand& hand_lower, const Hand& hand_upper,
                          bool lower_to_move, int move_number);

}  // namespace banzuri::records
