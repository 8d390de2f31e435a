// Marks on squares: outlines three pixels wide that stand out from the wood, the last move's
// squares washed in its colour, and a cell given back its picture once its mark goes.
#include <string>

#include "render/board_painter.h"

namespace banzuri {

int BoardPainter::cell_index(double gx, double gy) {
    const int x = static_cast<int>(gx);
    const int y = static_cast<int>(gy);
    if (x != gx || y != gy || x < -1 || x > 11 || y < 0 || y > 10) return -1;
    return (x + 1) * kMarkRows + y;
}

void BoardPainter::note_picture(int code, double gx, double gy) {
    const int i = cell_index(gx, gy);
    if (i < 0) return;
    cell_picture_[static_cast<std::size_t>(i)] = code;
    cell_marked_[static_cast<std::size_t>(i)] = false;  // the picture covers the mark
}

bool BoardPainter::marked(int gx, int gy) const {
    const int i = cell_index(gx, gy);
    return i >= 0 && cell_marked_[static_cast<std::size_t>(i)];
}

// A mark's inner lines come first, so its outer line (the cell's outline) is drawn last; in the
// grid colour the outline takes a mark away, the picture under it drawn again.
void BoardPainter::描画_桝輪郭(int colour, double gx, double gy) {
    const double x = grid_x(gx);
    const double y = grid_y(gy);
    const int i = cell_index(gx, gy);
    const bool mark = colour != grid_colour_ && colour != board_colour_;
    if (mark) {
        for (int line = MARK_LINES - 1; line >= 1; --line) {
            const double in = line * MARK_LINE_TWIPS;
            canvas_.draw_box(colour, x + in, y + in, x + cell_width - in, y + cell_height - in);
        }
    } else if (i >= 0 && cell_marked_[static_cast<std::size_t>(i)]) {
        const int picture = cell_picture_[static_cast<std::size_t>(i)];
        canvas_.draw_picture(picture, x, y);
    }
    canvas_.draw_box(colour, x, y, x + cell_width, y + cell_height);
    if (i >= 0) cell_marked_[static_cast<std::size_t>(i)] = mark;
}

void BoardPainter::restore_cell(int gx, int gy) {
    描画_桝輪郭(grid_colour_, gx, gy);
}

// The square's own picture first, so that the wash never darkens twice, then the wash and the
// outline over it.
void BoardPainter::mark_last_move_square(int gx, int gy) {
    const int i = cell_index(gx, gy);
    const double x = grid_x(gx);
    const double y = grid_y(gy);
    if (i >= 0) canvas_.draw_picture(cell_picture_[static_cast<std::size_t>(i)], x, y);
    canvas_.tint_box(COLOUR_MARK_LAST_MOVE, x, y, x + cell_width, y + cell_height);
    描画_桝輪郭(COLOUR_MARK_LAST_MOVE, gx, gy);
}

void BoardPainter::描画_最終手() {
    if (marked_last_move_) {
        const Move& m = *marked_last_move_;
        if (!m.is_drop() && marked(m.from.x, m.from.y)) restore_cell(m.from.x, m.from.y);
        if (marked(m.to.x, m.to.y)) restore_cell(m.to.x, m.to.y);
    }
    marked_last_move_.reset();
    if (!view_.last_move_highlight || !view_.last_move) return;
    marked_last_move_ = view_.last_move;
    const Move& m = *marked_last_move_;
    if (!m.is_drop()) mark_last_move_square(m.from.x, m.from.y);
    mark_last_move_square(m.to.x, m.to.y);
}

void BoardPainter::描画_取り数(int gx, int gy, int count) {
    canvas_.draw_text(std::to_string(count), grid_x(gx) + 200, grid_y(gy) + 130,
                      COLOUR_MARK_CAPTURE, 16, true);
    const int i = cell_index(gx, gy);
    if (i >= 0) cell_marked_[static_cast<std::size_t>(i)] = true;  // the number goes with a mark
}

}  // namespace banzuri
