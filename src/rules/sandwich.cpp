#include "rules/sandwich.h"

#include "rules/movement.h"
#include "rules/promotion.h"

namespace banzuri {

namespace {

// Walks from (x, y) by (dx, dy) up to the board edge looking for a run of enemy pieces closed
// by one of the mover's own. The board edge never closes a run.
int scan(const GameState& g, int x, int y, int dx, int dy, int& far_x, int& far_y) {
    const int mover = 調査_駒手番(g, g.at(x, y));
    if (mover == TURN_NONE) return OFF;
    int count = 0;
    for (int i = x + dx, j = y + dy; i >= 1 && i <= 9 && j >= 1 && j <= 9; i += dx, j += dy) {
        const int code = g.at(i, j);
        if (調査_駒手番(g, code) == mover) {
            if (count == 0) return OFF;
            far_x = i;
            far_y = j;
            return ON;
        }
        if (code == EMPTY) return OFF;
        ++count;
    }
    return OFF;
}

int step_towards(int from, int to) {
    return from <= to ? 1 : -1;
}

bool reached(int v, int end, int step) {
    return step > 0 ? v > end : v < end;
}

}  // namespace

int 調査挟み_上(const GameState& g, int x, int y, int& far_x, int& far_y) {
    return scan(g, x, y, 0, -1, far_x, far_y);
}
int 調査挟み_下(const GameState& g, int x, int y, int& far_x, int& far_y) {
    return scan(g, x, y, 0, 1, far_x, far_y);
}
int 調査挟み_左(const GameState& g, int x, int y, int& far_x, int& far_y) {
    return scan(g, x, y, -1, 0, far_x, far_y);
}
int 調査挟み_右(const GameState& g, int x, int y, int& far_x, int& far_y) {
    return scan(g, x, y, 1, 0, far_x, far_y);
}

int 調査_挟めるか(const GameState& g, int x, int y) {
    using Scan = int (*)(const GameState&, int, int, int&, int&);
    for (Scan s : {&調査挟み_上, &調査挟み_下, &調査挟み_左, &調査挟み_右}) {
        int far_x = 0;
        int far_y = 0;
        if (s(g, x, y, far_x, far_y) == ON) return ON;
    }
    return OFF;
}

std::vector<Square> 挟まれる駒(const GameState& g, int x1, int y1, int x2, int y2) {
    std::vector<Square> removed;
    const int step_x = step_towards(x1, x2);
    const int step_y = step_towards(y1, y2);
    const int mover = 調査_駒手番(g, g.at(x1, y1));
    for (int i = x1; !reached(i, x2, step_x); i += step_x) {
        if (i < 0 || i > 9) break;
        for (int j = y1; !reached(j, y2, step_y); j += step_y) {
            if (j < 0 || j > 9) break;
            const int code = g.at(i, j);
            if (code != EMPTY && 調査_駒手番(g, code) != mover) removed.push_back({i, j});
        }
    }
    return removed;
}

void 石_取得_仮(GameState& g, int x1, int y1, int x2, int y2) {
    for (const Square& s : 挟まれる駒(g, x1, y1, x2, y2))
        g.set(s.x, s.y, EMPTY);
}

void 挟み処理_仮想(GameState& g, int x, int y) {
    挟み走査(g, x, y, [&g](int x1, int y1, int x2, int y2) { 石_取得_仮(g, x1, y1, x2, y2); });
}

int 調査_王を取れるか(GameState& g, int side, int x, int y) {
    const Board king_test_board = g.board;
    挟み処理_仮想(g, x, y);
    int result = OFF;
    if (side == g.lower_order)
        result = 存在チェック_駒(g, UPPER_OU) == OFF ? ON : OFF;
    else if (side == g.upper_order)
        result = 存在チェック_駒(g, LOWER_OU) == OFF ? ON : OFF;
    g.board = king_test_board;
    return result;
}

}  // namespace banzuri
