#include "rules/movement.h"

#include <cstdlib>

namespace banzuri {

namespace {

bool on_board(int x, int y) {
    return x >= 1 && x <= 9 && y >= 1 && y <= 9;
}
int sign(int v) {
    return (v > 0) - (v < 0);
}

int drop_check(const GameState& g, int tx, int ty, int piece) {
    if (!is_piece(piece)) return OFF;
    const auto column = static_cast<std::size_t>(tx);
    if (piece == LOWER_HU && g.pawn_file_lower[column] == 1) return OFF;
    if (piece == UPPER_HU && g.pawn_file_upper[column] == 1) return OFF;
    switch (piece) {
        case LOWER_HU:
        case LOWER_KYOU:
            return ty == 1 ? OFF : ON;
        case UPPER_HU:
        case UPPER_KYOU:
            return ty == 9 ? OFF : ON;
        case LOWER_KEI:
            return ty >= 3 ? ON : OFF;
        case UPPER_KEI:
            return ty <= 7 ? ON : OFF;
        default:
            return ON;
    }
}

// The lance's straight run forward; every square strictly between must be empty.
int lance_check(const GameState& g, int fx, int fy, int tx, int ty, int forward) {
    if (tx != fx || sign(ty - fy) != forward) return OFF;
    for (int y = fy + forward; y != ty; y += forward)
        if (g.at(fx, y) != EMPTY) return OFF;
    return ON;
}

int board_move_check(const GameState& g, int fx, int fy, int tx, int ty, int piece) {
    const int forward = piece < 0 ? -1 : 1;
    const int dx = tx - fx;
    const int dy = ty - fy;
    const int adx = std::abs(dx);
    const bool step = adx <= 1 && std::abs(dy) <= 1;
    switch (piece < 0 ? -piece : piece) {
        case 10:  // pawn
            return (dx == 0 && dy == forward) ? ON : OFF;
        case 20:  // lance
            return lance_check(g, fx, fy, tx, ty, forward);
        case 30:  // knight
            return (adx == 1 && dy == 2 * forward) ? ON : OFF;
        case 100:  // silver
            return ((adx <= 1 && dy == forward) || (adx == 1 && dy == -forward)) ? ON : OFF;
        case 110:
        case 11:
        case 21:
        case 31:
        case 101:  // gold and the pieces moving as gold
            return ((adx <= 1 && (dy == 0 || dy == forward)) || (dx == 0 && dy == -forward)) ? ON
                                                                                             : OFF;
        case 800:
            return 移動チェック角(g, fx, fy, tx, ty);
        case 801:
            return step ? ON : 移動チェック角(g, fx, fy, tx, ty);
        case 900:
            return 移動チェック飛車(g, fx, fy, tx, ty);
        case 901:
            return step ? ON : 移動チェック飛車(g, fx, fy, tx, ty);
        case 950:
            return step ? ON : OFF;
        default:
            return OFF;  // no piece
    }
}

}  // namespace

int 移動チェック(const GameState& g, int fx, int fy, int tx, int ty, int piece) {
    if (!on_board(tx, ty)) return OFF;
    if (fx == tx && fy == ty) return OFF;
    if (g.at(tx, ty) != EMPTY) return OFF;
    if (fx == DROP_COLUMN) return drop_check(g, tx, ty, piece);
    if (!on_board(fx, fy)) return OFF;
    return board_move_check(g, fx, fy, tx, ty, piece);
}

int 移動チェック飛車(const GameState& g, int fx, int fy, int tx, int ty) {
    if (fx != tx && fy != ty) return OFF;
    if (fy != ty) {
        const int step = ty > fy ? 1 : -1;
        for (int y = fy + step; y != ty; y += step)
            if (g.at(fx, y) != EMPTY) return OFF;
    }
    if (fx != tx) {
        const int step = tx > fx ? 1 : -1;
        for (int x = fx + step; x != tx; x += step)
            if (g.at(x, fy) != EMPTY) return OFF;
    }
    return ON;
}

int 移動チェック角(const GameState& g, int fx, int fy, int tx, int ty) {
    if (fx - fy != tx - ty && fy - ty != tx - fx) return OFF;
    const int sx = sign(tx - fx);
    const int sy = sign(ty - fy);
    if (sx == 0) return OFF;
    for (int k = 1;; ++k) {
        const int x = fx + k * sx;
        if (x == tx) return ON;
        if (g.at(x, fy + k * sy) != EMPTY) return OFF;
    }
}

int 移動後チェック(int row, int piece) {
    switch (piece) {
        case UPPER_HU:
        case UPPER_KYOU:
            return row == 9 ? OFF : ON;
        case UPPER_KEI:
            return row > 7 ? OFF : ON;
        case LOWER_HU:
        case LOWER_KYOU:
            return row == 1 ? OFF : ON;
        case LOWER_KEI:
            return row < 3 ? OFF : ON;
        default:
            return ON;
    }
}

int 存在チェック_駒(const GameState& g, int code) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (g.at(x, y) == code) return ON;
    return OFF;
}

void 調査_2歩フラグ設定(GameState& g) {
    for (int x = 1; x <= 9; ++x) {
        const auto column = static_cast<std::size_t>(x);
        g.pawn_file_lower[column] = 0;
        g.pawn_file_upper[column] = 0;
        for (int y = 1; y <= 9; ++y) {
            if (g.at(x, y) == LOWER_HU) g.pawn_file_lower[column] = 1;
            if (g.at(x, y) == UPPER_HU) g.pawn_file_upper[column] = 1;
        }
    }
}

}  // namespace banzuri
