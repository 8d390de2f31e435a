#include "computer/danger.h"

#include "rules/movement.h"
#include "rules/promotion.h"

namespace banzuri {

namespace {

// The opponent owns the piece on (nx, ny) and can move onto the empty square (ex, ey).
bool sandwich_threat(const GameState& g, int side, int piece, int nx, int ny, int ex, int ey) {
    return 調査_駒手番(g, g.at(nx, ny)) == -side && 調査_敵駒移動可(g, ex, ey, piece) == ON;
}

}  // namespace

int 調査_敵駒移動可(const GameState& g, int x, int y, int code) {
    if (g.at(x, y) != EMPTY) return OFF;
    const int opponent = -調査_駒手番(g, code);
    for (int row = 1; row <= 9; ++row) {
        for (int column = 1; column <= 9; ++column) {
            const int piece = g.at(column, row);
            if (piece == EMPTY || 調査_駒手番(g, piece) != opponent) continue;
            if (移動チェック(g, column, row, x, y, piece) == ON) return ON;
        }
    }
    return OFF;
}

int 調査_危険(const GameState& g, int x, int y) {
    const int piece = g.at(x, y);
    const int side = 調査_駒手番(g, piece);
    if (x > 1 && x < 9) {
        if (sandwich_threat(g, side, piece, x - 1, y, x + 1, y)) return ON;
        if (sandwich_threat(g, side, piece, x + 1, y, x - 1, y)) return ON;
    }
    if (y > 1 && y < 9) {
        if (sandwich_threat(g, side, piece, x, y - 1, x, y + 1)) return ON;
        if (sandwich_threat(g, side, piece, x, y + 1, x, y - 1)) return ON;
    }
    return OFF;
}

int 調査_周辺状況(const GameState& g, int x, int y) {
    int result = 0;
    for (int column = x - 1; column <= x + 1; ++column) {
        for (int row = y - 1; row <= y + 1; ++row) {
            if (column < 1 || column > 9 || row < 1 || row > 9) continue;
            if (column == x && row == y) continue;
            if (g.at(column, row) >= UPPER_KAKU) --result;
        }
    }
    return result;
}

}  // namespace banzuri
