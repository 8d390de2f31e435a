#include "rules/enclosure.h"

#include "rules/promotion.h"

namespace banzuri {

namespace {

// One growth step: walks the board in the direction of growth and marks every square of
// `side` next to the group on the side it came from. -1 as soon as an empty square touches it.
template <typename Visit>
int grow(const GameState& g, int side, GroupMarks& marks, Visit&& each_square) {
    int count = 0;
    bool liberty = false;
    each_square([&](int x, int y, int from_x, int from_y) {
        if (liberty || marks.at(from_x, from_y) <= 0 || marks.at(x, y) != 0) return;
        const int code = g.at(x, y);
        if (code == EMPTY) {
            liberty = true;
            return;
        }
        if (調査_駒手番(g, code) == side) {
            marks.set(x, y, 1);
            ++count;
        }
    });
    return liberty ? -1 : count;
}

}  // namespace

int 調査_四方状態(const GameState& g, int x, int y, int code) {
    if (x > 1 && g.at(x - 1, y) == code) return ON;
    if (x < 9 && g.at(x + 1, y) == code) return ON;
    if (y > 1 && g.at(x, y - 1) == code) return ON;
    if (y < 9 && g.at(x, y + 1) == code) return ON;
    return OFF;
}

int 調査_向右(const GameState& g, int side, GroupMarks& marks) {
    return grow(g, side, marks, [](auto&& visit) {
        for (int row = 1; row <= 9; ++row)
            for (int column = 2; column <= 9; ++column)
                visit(column, row, column - 1, row);
    });
}

int 調査_向左(const GameState& g, int side, GroupMarks& marks) {
    return grow(g, side, marks, [](auto&& visit) {
        for (int row = 1; row <= 9; ++row)
            for (int column = 8; column >= 1; --column)
                visit(column, row, column + 1, row);
    });
}

int 調査_向下(const GameState& g, int side, GroupMarks& marks) {
    return grow(g, side, marks, [](auto&& visit) {
        for (int column = 1; column <= 9; ++column)
            for (int row = 2; row <= 9; ++row)
                visit(column, row, column, row - 1);
    });
}

int 調査_向上(const GameState& g, int side, GroupMarks& marks) {
    return grow(g, side, marks, [](auto&& visit) {
        for (int column = 1; column <= 9; ++column)
            for (int row = 8; row >= 1; --row)
                visit(column, row, column, row + 1);
    });
}

int 調査_当たり2(const GameState& g, int x, int y, int side, GroupMarks& marks) {
    if (調査_四方状態(g, x, y, EMPTY) == ON) return OFF;
    marks = GroupMarks{};
    marks.set(x, y, 1);
    for (;;) {
        int total = 0;
        for (auto step : {&調査_向右, &調査_向左, &調査_向上, &調査_向下}) {
            const int grown = step(g, side, marks);
            if (grown < 0) return OFF;
            total += grown;
        }
        if (total == 0) return ON;
    }
}

int 調査_当たり(const GameState& g, int x, int y, int /*mover*/, int opponent, GroupMarks& marks) {
    const Square neighbours[] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
    const bool inside[] = {x > 1, x<9, y> 1, y < 9};
    for (int i = 0; i < 4; ++i) {
        const Square n = neighbours[i];
        if (!inside[i] || !is_piece(g.at(n.x, n.y))) continue;
        if (調査_駒手番(g, g.at(n.x, n.y)) == opponent &&
            調査_当たり2(g, n.x, n.y, opponent, marks) == ON)
            return ON;
    }
    return OFF;
}

std::vector<Square> 当たり駒(const GroupMarks& marks) {
    std::vector<Square> marked;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (marks.at(x, y) == ON) marked.push_back({x, y});
    return marked;
}

}  // namespace banzuri
