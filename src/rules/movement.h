// Piece movement: whether a move or a drop is legal on the current board. Pure queries.
#pragma once

#include "rules/game_state.h"

namespace banzuri {

// ON when the move (fx, fy) -> (tx, ty) of `piece` is legal. A source column of DROP_COLUMN is
// a drop of `piece` from its side's hand; the caller has rebuilt the two-pawn flags.
int 移動チェック(const GameState& g, int fx, int fy, int tx, int ty, int piece);

// ON when source and destination share a row or column with nothing strictly between.
int 移動チェック飛車(const GameState& g, int fx, int fy, int tx, int ty);

// ON when source and destination share a diagonal with nothing strictly between.
int 移動チェック角(const GameState& g, int fx, int fy, int tx, int ty);

// OFF when the unpromoted piece could never move again from row `row` (it must promote).
int 移動後チェック(int row, int piece);

// ON when some square of the board holds exactly `code`.
int 存在チェック_駒(const GameState& g, int code);

// Rebuilds pawn_file_lower / pawn_file_upper: 1 where a column holds an unpromoted pawn.
void 調査_2歩フラグ設定(GameState& g);

}  // namespace banzuri
