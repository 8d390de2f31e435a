// The board squares, both hands with their counts, the background and the whole-window redraw.
#include "render/board_painter.h"
#include "render/pictures.h"
#include "rules/game_state.h"

namespace banzuri {

namespace {
constexpr int kHandKinds = 7;
constexpr double kCountSize = 14;
}  // namespace

// One hand slot: clears the slot and its count cell, then shows the piece and its count
// (light red over its shadow).
void BoardPainter::draw_hand_slot(double slot_x, int row, int piece, int count) {
    描画_絵(PIC_BLANK, slot_x, row);
    描画_絵(options_.background(), slot_x + 1, row);
    描画_桝輪郭(board_colour_, slot_x, row);
    if (count <= 0) return;
    描画_絵(piece, slot_x, row);
    描画_桝輪郭(board_colour_, slot_x, row);
    shadowed_number(slot_x + 1, row + 0.2, count, COLOUR_LIGHT_RED, 0, kCountSize);
}

void BoardPainter::描画_盤() {
    for (int x = 1; x <= BOARD_SIZE; ++x) {
        for (int y = 1; y <= BOARD_SIZE; ++y) {
            描画_絵(EMPTY, x, y);
            const int code = g_.at(x, y);
            if (code != EMPTY) {
                描画_絵(code, x, y);
                描画_桝輪郭(board_colour_, x, y);
            }
            描画_桝輪郭(board_colour_, x, y);
        }
    }
    描画_最終手();
}

void BoardPainter::描画_将棋盤桝() {
    for (int x = 1; x <= BOARD_SIZE; ++x)
        for (int y = 1; y <= BOARD_SIZE; ++y)
            描画_桝輪郭(grid_colour_, x, y);
    描画_最終手();
}

void BoardPainter::描画_自持盤() {
    for (int kind = 1; kind <= kHandKinds; ++kind) {
        draw_hand_slot(HAND_LOWER_COLUMN, kind + 2, lower_code_of_kind(kind),
                       GameState::count(g_.hand_own, kind));
    }
}

void BoardPainter::描画_敵持盤() {
    for (int row = 1; row <= kHandKinds; ++row) {
        const int kind = 8 - row;
        draw_hand_slot(HAND_UPPER_COLUMN, row, upper_code_of_kind(kind),
                       GameState::count(g_.hand_enemy, kind));
        // The tile of the count cell covers the left edge of the board square beside it.
        描画_桝輪郭(board_colour_, 1, row);
    }
}

void BoardPainter::描画_背景(int code) {
    for (int gx = -3; gx <= 20; ++gx) {
        for (int gy = -2; gy <= 13; ++gy) {
            if (gx < 1 || gx > BOARD_SIZE || gy < 1 || gy > BOARD_SIZE) 描画_絵(code, gx, gy);
        }
    }
}

void BoardPainter::画面_再描画() {
    描画_背景(options_.background());
    描画_桝_数値();
    描画_自持盤();
    描画_敵持盤();
    描画_盤();
    描画_所有時間(g_.upper_order, g_.time_upper);
    描画_所有時間(g_.lower_order, g_.time_lower);
    if (g_.game_mode == MODE_COM) 描画_レベル(g_.level);
    if (view_.handicap_shown) 描画_ハンデレベル(g_.handicap_level);
    描画_絵(PIC_TITLE, 11, 0);
}

}  // namespace banzuri
