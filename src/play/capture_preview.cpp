// The capture preview: while a piece is picked up, the square pointed at shows which enemy
// pieces that move would take and how many; nothing changes until the click.
#include "play/capture_preview.h"

#include "play/main_form.h"
#include "play/pointer_cell.h"

namespace banzuri {

std::vector<Square> captures_of(const Game& game, const Move& move) {
    Game trial = game;
    const std::optional<MoveResult> result = trial.play(move, 0);
    std::vector<Square> taken;
    if (!result) return taken;
    for (const CaptureStep& step : result->captures)
        taken.insert(taken.end(), step.squares.begin(), step.squares.end());
    return taken;
}

// The picked-up piece's move onto (cx, cy), promoted where it must be; nothing when it may not
// go there.
std::optional<Move> MainForm::pointed_move(int cx, int cy) const {
    if (sel_.selection_state != 1 || !on_board(cx, cy)) return std::nullopt;
    Move move = Move::board(sel_.sel_from_x, sel_.sel_from_y, cx, cy);
    if (sel_.sel_from_x == HAND_LOWER_COLUMN) move = Move::drop_of(sel_.sel_from_y - 2, cx, cy);
    if (sel_.sel_from_x == HAND_UPPER_COLUMN) move = Move::drop_of(8 - sel_.sel_from_y, cx, cy);
    if (game_.piece_of(move) != sel_.sel_piece) return std::nullopt;
    move.promote = game_.must_promote(move);
    if (!game_.is_legal(move)) return std::nullopt;
    return move;
}

void MainForm::show_capture_preview(int cx, int cy) {
    if (!options_.guidance() || game_.decided()) return;
    const std::optional<Move> move = pointed_move(cx, cy);
    if (!move) return;
    std::vector<Square> taken = captures_of(game_, *move);
    if (taken.empty()) return;
    for (const Square& s : taken)
        painter_.描画_桝輪郭(COLOUR_MARK_CAPTURE, s.x, s.y);
    painter_.描画_取り数(cx, cy, static_cast<int>(taken.size()));
    preview_ = {true, {cx, cy}, std::move(taken)};
}

// Each marked piece and the square pointed at as they were, with the marks they carried
// before: the destination's guidance and the last move's squares.
void MainForm::clear_capture_preview() {
    if (!preview_.shown) return;
    const CapturePreview shown = std::exchange(preview_, {});
    auto restore = [&](const Square& s) {
        painter_.restore_cell(s.x, s.y);
        const std::optional<Move>& last = view_.last_move;
        if (view_.last_move_highlight && last &&
            (last->to == s || (!last->is_drop() && last->from == s)))
            painter_.描画_桝輪郭(COLOUR_MARK_LAST_MOVE, s.x, s.y);
    };
    for (const Square& s : shown.squares)
        restore(s);
    restore(shown.to);
    if (sel_.selection_state == 1)
        painter_.描画_桝輪郭(painter_.guidance_colour(), shown.to.x, shown.to.y);
}

void MainForm::Form_MouseMove(double x, double y) {
    if (quitting_ || thinking() || animating()) return;
    const int cx = cell_of(x, board_left, cell_width);
    const int cy = cell_of(y, board_top, cell_height);
    if (drag_.armed && (cx != drag_.from_x || cy != drag_.from_y)) drag_.moved = true;
    if (preview_.shown && preview_.to == Square{cx, cy}) return;
    clear_capture_preview();
    show_capture_preview(cx, cy);
}

}  // namespace banzuri
