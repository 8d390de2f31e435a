// Moving a piece by dragging it: the press picks it up as a first click does, and letting go
// on another square makes the move as a second click there would; a move that may promote
// asks first. A release on the cell pressed leaves the piece picked up for a second click.
#include <utility>

#include "play/main_form.h"
#include "play/pointer_cell.h"

namespace banzuri {

// A left press that picked up the piece on the cell pressed may drag it.
void MainForm::arm_drag(int button, double x, double y) {
    const int cx = cell_of(x, board_left, cell_width);
    const int cy = cell_of(y, board_top, cell_height);
    if (button != MOUSE_LEFT || animating() || thinking() || sel_.selection_state != 1) return;
    if (sel_.sel_from_x != cx || sel_.sel_from_y != cy) return;
    drag_ = {true, cx, cy, false};
}

int MainForm::dragged_piece() const {
    if (!drag_.armed || !drag_.moved || sel_.selection_state != 1) return EMPTY;
    return sel_.sel_piece;
}

void MainForm::Form_MouseUp(int button, double x, double y) {
    const DragState drag = std::exchange(drag_, {});
    if (!drag.armed || !drag.moved || button != MOUSE_LEFT || quitting_ || thinking() ||
        animating())
        return;
    const int cx = cell_of(x, board_left, cell_width);
    const int cy = cell_of(y, board_top, cell_height);
    if (cx == drag.from_x && cy == drag.from_y) return;  // a click: wait for the second one
    if (!on_board(cx, cy) || sel_.selection_state != 1) return;
    clear_capture_preview();
    run(drop_dragged(cx, cy));
}

// The dragged piece's move onto (cx, cy): promoted where it must be, asked where it may.
Task MainForm::drop_dragged(int cx, int cy) {
    int button = MOUSE_LEFT;
    const std::optional<Move> move = pointed_move(cx, cy);
    if (move && game_.promotion_of(*move) != EMPTY &&
        (game_.must_promote(*move) ||
         p.dialogs.ask_yes_no(t(TextId::PROMOTE_QUESTION), t(TextId::TITLE_PROMOTION))))
        button = MOUSE_RIGHT;
    co_await mouse_board_click(button, cx, cy);
}

}  // namespace banzuri
