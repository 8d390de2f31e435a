// The board squares, both hands with their counts, the background and the whole-window redraw.
#include "play/main_form.h"
#include "rules/game_state.h"

namespace banzuri {

namespace {

constexpr int kHandKinds = 7;
constexpr double kCountSize = 14;

// The count of a hand slot: black shadow, then light red 0.1 cell up and to the left.
void draw_hand_count(MainForm& f, double gx, int row, int count) {
    f.描画_数値(gx + 0.1, row + 0.3, count, COLOUR_BLACK, 0, kCountSize);
    f.描画_数値(gx, row + 0.2, count, COLOUR_LIGHT_RED, 0, kCountSize);
}

// One hand slot: clears the slot and its count cell, then shows the piece and its count.
void draw_hand_slot(MainForm& f, double slot_x, int row, int piece, int count) {
    f.描画_絵(PIC_BLANK, slot_x, row);
    f.描画_絵(f.background, slot_x + 1, row);
    f.描画_桝輪郭(f.board_colour, slot_x, row);
    if (count <= 0) return;
    f.描画_絵(piece, slot_x, row);
    f.描画_桝輪郭(f.board_colour, slot_x, row);
    draw_hand_count(f, slot_x + 1, row, count);
}

}  // namespace

void MainForm::描画_盤() {
    for (int x = 1; x <= BOARD_SIZE; ++x) {
        for (int y = 1; y <= BOARD_SIZE; ++y) {
            描画_絵(EMPTY, x, y);
            const int code = g.at(x, y);
            if (code != EMPTY) {
                描画_絵(code, x, y);
                描画_桝輪郭(board_colour, x, y);
            }
            描画_桝輪郭(board_colour, x, y);
        }
    }
}

void MainForm::描画_将棋盤桝() {
    for (int x = 1; x <= BOARD_SIZE; ++x)
        for (int y = 1; y <= BOARD_SIZE; ++y)
            描画_桝輪郭(grid_colour, x, y);
}

void MainForm::描画_自持盤() {
    for (int kind = 1; kind <= kHandKinds; ++kind) {
        draw_hand_slot(*this, HAND_LOWER_COLUMN, kind + 2, lower_code_of_kind(kind),
                       GameState::count(g.hand_own, kind));
    }
}

void MainForm::描画_敵持盤() {
    for (int row = 1; row <= kHandKinds; ++row) {
        const int kind = 8 - row;
        draw_hand_slot(*this, HAND_UPPER_COLUMN, row, upper_code_of_kind(kind),
                       GameState::count(g.hand_enemy, kind));
        // The tile of the count cell covers the left edge of the board square beside it.
        描画_桝輪郭(board_colour, 1, row);
    }
}

void MainForm::描画_背景(int code) {
    for (int gx = -3; gx <= 20; ++gx) {
        for (int gy = -2; gy <= 13; ++gy) {
            if (gx < 1 || gx > BOARD_SIZE || gy < 1 || gy > BOARD_SIZE) 描画_絵(code, gx, gy);
        }
    }
}

void MainForm::画面_再描画() {
    描画_背景(background);
    描画_桝_数値();
    描画_自持盤();
    描画_敵持盤();
    描画_盤();
    描画_所有時間(g.upper_order, g.time_upper);
    描画_所有時間(g.lower_order, g.time_lower);
    if (g.game_mode == MODE_COM) 描画_レベル(g.level);
    if (g.handicap_shown == ON) 描画_ハンデレベル(g.handicap_level);
    描画_絵(PIC_TITLE, 11, 0);
}

}  // namespace banzuri
