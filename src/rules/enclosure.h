// Enclosure capture: a connected group with no empty square next to any member is removed.
#pragma once

#include <cstddef>
#include <vector>

#include "rules/game_state.h"
#include "rules/sandwich.h"

namespace banzuri {

// The members of the group under the enclosure test, 1 on each square found so far. The scan
// owner keeps it; a scan that finds a liberty at once leaves it untouched.
struct GroupMarks {
    Board cells{};

    // Anything outside 0..9 reads 0; writes outside 1..9 are dropped.
    int at(int x, int y) const {
        if (x < 0 || x > 9 || y < 0 || y > 9) return 0;
        return cells[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
    }
    void set(int x, int y, int v) {
        if (x < 1 || x > 9 || y < 1 || y > 9) return;
        cells[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)] = v;
    }
    bool operator==(const GroupMarks&) const = default;
};

// ON when one of the orthogonal neighbours of (x, y) holds exactly `code`.
int 調査_四方状態(const GameState& g, int x, int y, int code);

// Growth steps of the group in `marks`: -1 when an empty square touches the group in that
// direction, otherwise the number of squares newly marked.
int 調査_向右(const GameState& g, int side, GroupMarks& marks);
int 調査_向左(const GameState& g, int side, GroupMarks& marks);
int 調査_向下(const GameState& g, int side, GroupMarks& marks);
int 調査_向上(const GameState& g, int side, GroupMarks& marks);

// ON when the group of `side` containing (x, y) is enclosed; `marks` then holds it.
int 調査_当たり2(const GameState& g, int x, int y, int side, GroupMarks& marks);

// ON when an `opponent` group next to (x, y) is enclosed; `marks` then holds the first found.
int 調査_当たり(const GameState& g, int x, int y, int mover, int opponent, GroupMarks& marks);

// The marked squares in removal order (column by column, top to bottom).
std::vector<Square> 当たり駒(const GroupMarks& marks);

}  // namespace banzuri
