// Status texts and move overlays around the board: labels, move number, level, handicap,
// clocks, last-move texts, reachable squares and the blinking piece.
#include <algorithm>
#include <string>

#include "render/board_painter.h"
#include "render/pictures.h"
#include "render/time_text.h"
#include "rules/movement.h"

namespace banzuri {

namespace {

constexpr int kMoveNumberSuffix = 99;  // label code of "手目"
constexpr double kSuffixColumn = 13.8;
// How far the suffix moves right for each digit beyond three: a little more than a digit.
constexpr double kSuffixStepPerDigit = 0.25;

int digit_count(int number) {
    int digits = 1;
    for (long long n = number < 0 ? -static_cast<long long>(number) : number; n >= 10; n /= 10)
        ++digits;
    return digits;
}

// The column of the move number: longer numbers start further left, up to three digits.
double move_number_column(int number) {
    if (number < 10) return 13.2;
    if (number < 100) return 13.1;
    return 13;
}

// The suffix stays put up to three digits and makes room for every digit beyond them.
double suffix_column(int number) {
    return kSuffixColumn + kSuffixStepPerDigit * std::max(0, digit_count(number) - 3);
}

}  // namespace

void BoardPainter::tile(double gx, double gy) {
    描画_絵(options_.background(), gx, gy);
}

void BoardPainter::描画_桝_数値() {
    font_bold_ = true;
    for (int i = 1; i <= BOARD_SIZE; ++i) {
        tile(i, 0);
        shadowed_number(i + 0.1, 0.4, 10 - i, COLOUR_LIGHT_YELLOW, 0, 16);
        tile(10, i);
        shadowed_number(10.1, i + 0.3, i, COLOUR_LIGHT_YELLOW, 1, 12);
        描画_桝輪郭(board_colour_, 9, i);
    }
}

// The cells reach to the window's right edge, room for a number of any length.
void BoardPainter::描画_手数(int number, int /*colour*/) {
    for (int gx = 13; gx <= 16; ++gx)
        tile(gx, 3);
    描画_桝輪郭(board_colour_, 11, 3);
    shadowed_number(move_number_column(number), 3.3, number, COLOUR_WHITE, 0, 12);
    shadowed_label(suffix_column(number), 3.1, kMoveNumberSuffix, COLOUR_WHITE, 10);
}

void BoardPainter::描画_レベル(int level) {
    tile(-2, 0);
    tile(-1, 0);
    描画_数値(-1.5, 0.1, "LEVEL", COLOUR_WHITE, 0, 10);
    描画_数値(-0.5, 0, level, COLOUR_WHITE, 0, 12);
}

void BoardPainter::描画_ハンデレベル(int handicap) {
    消去_ハンデレベル();
    shadowed_label(11, 1, handicap, COLOUR_WHITE, 10);
}

// The label reaches about two and a half cells to the right of its cell, shadow included; the
// banner above reaches into the same row. Both rows under the banner are tiled afresh and the
// banner drawn again, as its rounded corners let the tiles show through.
void BoardPainter::消去_ハンデレベル() {
    for (int gy = 1; gy >= 0; --gy)
        for (int gx = 11; gx <= 15; ++gx)
            tile(gx, gy);
    描画_絵(PIC_TITLE, 11, 0);
}

void BoardPainter::描画_所有時間(int side, double seconds) {
    if (!options_.elapsed()) return;
    const std::string text = 調査_時間秒追加結果(seconds);
    消去_所有時間(side);
    if (side == g_.lower_order) {
        shadowed_text(13, 9.2, text, COLOUR_WHITE, 12);
    } else if (side == g_.upper_order) {
        shadowed_text(-1.6, 9.2, text, COLOUR_WHITE, 12);
        描画_桝輪郭(board_colour_, 1, 9);
    }
}

void BoardPainter::消去_所有時間(int side) {
    if (side == g_.lower_order) {
        for (int gx = 13; gx <= 15; ++gx)
            tile(gx, 9);
    } else if (side == g_.upper_order) {
        for (int gx = -2; gx <= 0; ++gx)
            tile(gx, 9);
    }
}

void BoardPainter::描画_思考中() {
    shadowed_text(-1.6, 8.4, text(TextId::THINKING, view_.language), text_colour_, 12);
    描画_桝輪郭(board_colour_, 1, 8);
}

// "思考中" covers cell -2 and most of cell -1.
void BoardPainter::消去_思考中() {
    tile(-2, 8);
    tile(-1, 8);
    描画_桝輪郭(board_colour_, -1, 7);
}

void BoardPainter::描画_移動結果(int side, const PlayedMove& m, int code, int colour) {
    const std::optional<Square> from =
        m.origin_named ? std::optional<Square>(m.move.from) : std::nullopt;
    描画_移動結果(side, m.move.to.x, m.move.to.y, code, colour, m.move.is_drop(), from);
}

void BoardPainter::描画_移動結果(int side, int x, int y, int code, int colour, bool drop,
                                 std::optional<Square> from) {
    消去_移動結果(side);
    double file_x = 0;
    double gy = 0;
    if (side == g_.upper_order) {
        file_x = -1.6;
        gy = 8.4;
    } else if (side == g_.lower_order) {
        file_x = 12.4;
        gy = 2.4;
    } else {
        return;
    }
    if (view_.language == Language::ENGLISH) {
        // One text in Western notation: "P-7f", a drop "P*5e", a promoted piece "+P-7c".
        shadowed_text(file_x, gy, western_piece_text(code, x, y, drop, from), colour, 12);
        if (side == g_.upper_order) 描画_桝輪郭(board_colour_, 1, 8);
        return;
    }
    const std::string name = 文字列変換(code);
    shadowed_text(file_x, gy, 文字列変換(10 - x), colour, 12);
    shadowed_text(file_x + 0.4, gy, 文字列変換(1000 + y), colour, 12);
    shadowed_text(file_x + 1.0, gy, drop && !name.empty() ? name + "打" : name, colour, 12);
    if (side == g_.upper_order) 描画_桝輪郭(board_colour_, 1, 8);
}

void BoardPainter::消去_移動結果(int side) {
    if (side == g_.upper_order) {
        for (int gx = -2; gx <= 0; ++gx)  // the file digit starts inside cell -2
            tile(gx, 8);
        描画_桝輪郭(board_colour_, -1, 7);
        描画_桝輪郭(board_colour_, 1, 8);
    } else if (side == g_.lower_order) {
        for (int gx = 12; gx <= 14; ++gx)
            tile(gx, 2);
    }
}

void BoardPainter::描画_移動駒種類(double gx, double gy, const std::string& text, int colour) {
    描画_数値(gx, gy, text, colour, 0, 12);
}

void BoardPainter::描画_移動可能桝色(int fx, int fy, int colour, int code) {
    描画_将棋盤桝();
    if (!options_.guidance()) return;
    const Square from = rules_source(fx, fy);
    for (int x = 1; x <= BOARD_SIZE; ++x) {
        for (int y = 1; y <= BOARD_SIZE; ++y) {
            if (移動チェック(g_, from.x, from.y, x, y, code) == ON) 描画_桝輪郭(colour, x, y);
        }
    }
}

void BoardPainter::blink_frame(int shown, int x, int y) {
    描画_絵(shown, x, y);
    描画_桝輪郭(board_colour_, x, y);
    if (options_.guidance()) 描画_桝輪郭(COLOUR_MARK_PICKED, x, y);
    refresh();
}

void BoardPainter::描画_棋譜読込み部分消去() {
    描画_桝_数値();
    tile(-1, 10);
    tile(0, 10);
    for (int i = 1; i <= BOARD_SIZE; ++i) {
        tile(i, 10);
        描画_桝輪郭(board_colour_, i, 9);
    }
}

void BoardPainter::redraw_all_outlines() {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            描画_桝輪郭(grid_colour_, x, y);
    for (int y = 1; y <= 7; ++y)
        描画_桝輪郭(grid_colour_, -1, y);
    for (int y = 3; y <= 9; ++y)
        描画_桝輪郭(grid_colour_, 11, y);
    描画_最終手();
}

void BoardPainter::frame(int picture, int x, int y) {
    描画_絵(picture, x, y);
    描画_桝輪郭(board_colour_, x, y);
    refresh();
}

}  // namespace banzuri
