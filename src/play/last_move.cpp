// The squares of the move that led to the position shown, marked on the board.
#include "play/main_form.h"

namespace banzuri {

void MainForm::show_game() {
    g = game_.position();
    const int n = game_.record_index();
    const std::vector<PlayedMove>& moves = game_.moves();
    view_.last_move.reset();
    if (n >= 1 && static_cast<std::size_t>(n) <= moves.size())
        view_.last_move = moves[static_cast<std::size_t>(n) - 1].move;
}

void MainForm::set_last_move_highlight(bool on) {
    view_.last_move_highlight = on;
    painter_.描画_最終手();
}

}  // namespace banzuri
