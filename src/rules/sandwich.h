// Sandwich capture: a run of enemy pieces along the arriving piece's row or column closed by
// one of the mover's own pieces.
#pragma once

#include <vector>

#include "rules/game_state.h"
#include "rules/move_type.h"

namespace banzuri {

// ON when a sandwich exists from (x, y) in that direction; then (far_x, far_y) is the closing
// square. The out-arguments are written only on ON.
int 調査挟み_上(const GameState& g, int x, int y, int& far_x, int& far_y);
int 調査挟み_下(const GameState& g, int x, int y, int& far_x, int& far_y);
int 調査挟み_左(const GameState& g, int x, int y, int& far_x, int& far_y);
int 調査挟み_右(const GameState& g, int x, int y, int& far_x, int& far_y);

// ON when any of the four directions has a sandwich. Changes nothing.
int 調査_挟めるか(const GameState& g, int x, int y);

// The squares a sandwich from the mover (x1, y1) to the closing piece (x2, y2) removes, from
// the mover outwards: every occupied square of the segment whose owner differs from the
// mover's. The animated and the silent removal both take their squares from here.
std::vector<Square> 挟まれる駒(const GameState& g, int x1, int y1, int x2, int y2);

// Runs the four scans up, down, left, right from (x, y); after each scan that finds a
// sandwich, calls remove(x, y, far_x, far_y) before the next scan.
template <typename Remove>
void 挟み走査(GameState& g, int x, int y, Remove&& remove) {
    using Scan = int (*)(const GameState&, int, int, int&, int&);
    for (Scan scan : {&調査挟み_上, &調査挟み_下, &調査挟み_左, &調査挟み_右}) {
        int far_x = 0;
        int far_y = 0;
        if (scan(g, x, y, far_x, far_y) == ON) remove(x, y, far_x, far_y);
    }
}

// Silent twin of the sandwich removal: empties the squares, nothing else.
void 石_取得_仮(GameState& g, int x1, int y1, int x2, int y2);
void 挟み処理_仮想(GameState& g, int x, int y);

// ON when sandwiching from (x, y) would remove the other side's king; board, hands and winner
// are left exactly as they were.
int 調査_王を取れるか(GameState& g, int side, int x, int y);

}  // namespace banzuri
