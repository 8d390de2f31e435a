// Enclosure capture: a connected group with no empty square next to any member is removed.
#pragma once

#include <vector>

#include "rules/game_state.h"
#include "rules/sandwich.h"

namespace banzuri {

// ON when one of the orthogonal neighbours of (x, y) holds exactly `code`.
int 調査_四方状態(const GameState& g, int x, int y, int code);

// Growth steps of the group in surround_mark: -1 when an empty square touches the group in
// that direction, otherwise the number of squares newly marked.
int 調査_向右(GameState& g, int side);
int 調査_向左(GameState& g, int side);
int 調査_向下(GameState& g, int side);
int 調査_向上(GameState& g, int side);

// ON when the group of `side` containing (x, y) is enclosed; surround_mark then holds it.
int 調査_当たり2(GameState& g, int x, int y, int side);

// ON when an `opponent` group next to (x, y) is enclosed (the first found stays marked).
int 調査_当たり(GameState& g, int x, int y, int mover, int opponent);

// The marked squares in removal order (column by column, top to bottom).
std::vector<Square> 当たり駒(const GameState& g);

}  // namespace banzuri
