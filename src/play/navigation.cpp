// Stepping back and forth through the game record, back to the beginning, and the board flip.
#include <algorithm>
#include <cstddef>
#include <vector>

#include "play/main_form.h"

namespace banzuri {

namespace {

// The number of the latest move up to move `n` made with the upper side's pieces when `upper`,
// the lower side's otherwise; 0 when that side has made none.
int latest_move_of(const std::vector<PlayedMove>& moves, int n, bool upper) {
    for (int k = std::min(n, static_cast<int>(moves.size())); k >= 1; --k)
        if ((moves[static_cast<std::size_t>(k - 1)].placed > 0) == upper) return k;
    return 0;
}

}  // namespace

// A step through the record stops the clock; the seconds spent looking back are nobody's.
void MainForm::restart_turn_clock() {
    start_turn_clock();
    clock_.move_seconds = 0;
}

void MainForm::show_clocks() {
    painter_.描画_所有時間(g.upper_order, g.time_upper);
    painter_.描画_所有時間(g.lower_order, g.time_lower);
}

void MainForm::redraw_position() {
    painter_.描画_自持盤();
    painter_.描画_敵持盤();
    painter_.描画_盤();
}

void MainForm::show_last_moves() {
    if (g.move_count > 0) painter_.描画_手数(g.move_count, COLOUR_WHITE);
    show_move_text(true, 0);
    show_move_text(false, 0);
}

// A side's text shows its latest move up to the position shown, or nothing when it has made
// none; it is drawn only when that move is not `shown_before`, the one on the screen.
void MainForm::show_move_text(bool upper, int shown_before) {
    const int n = latest_move_of(game_.moves(), g.rec_index, upper);
    const int side = upper ? g.upper_order : g.lower_order;
    if (n == shown_before) return;
    if (n == 0) {
        painter_.消去_移動結果(side);
        return;
    }
    const PlayedMove& m = game_.moves()[static_cast<std::size_t>(n - 1)];
    painter_.描画_移動結果(side, m, m.placed, painter_.text_colour());
}

// After a step from the position after move `from`: each side's text follows the position now
// shown; the upper side's is drawn again when "思考中" took its place.
void MainForm::show_move_texts_after_step(int from, bool upper_covered) {
    const std::vector<PlayedMove>& moves = game_.moves();
    show_move_text(true, upper_covered ? -1 : latest_move_of(moves, from, true));
    show_move_text(false, latest_move_of(moves, from, false));
}

void MainForm::REPLAY_Click() {
    const int from = g.rec_index;
    if (!game_.step_back()) {
        sound_.play(sound_.snd_forbidden());
        p.dialogs.message(t(TextId::CANNOT_BACK), t(TextId::TITLE_BACK));
        return;
    }
    sel_.selection_state = 0;
    p.timer.set_enabled(false);
    restart_turn_clock();
    painter_.描画_将棋盤桝();
    const bool covered = thinking_shown_;
    if (covered) hide_thinking();

    show_game();
    show_clocks();
    redraw_position();

    sound_.play(sound_.snd_piece());
    show_move_texts_after_step(from, covered);
    painter_.描画_手数(g.move_count, COLOUR_WHITE);
}

void MainForm::AFTER_Click() {
    if (!game_.running()) {
        sound_.play(sound_.snd_forbidden());
        p.dialogs.message(t(TextId::START_FIRST), t(TextId::TITLE_START));
        return;
    }
    if (!game_.step_forward()) {
        sound_.play(sound_.snd_forbidden());
        p.dialogs.message(t(TextId::CANNOT_FORWARD), t(TextId::TITLE_FORWARD));
        return;
    }
    const int from = g.rec_index;
    const bool covered = thinking_shown_;
    if (covered) hide_thinking();
    sel_.selection_state = 0;
    p.timer.set_enabled(false);
    restart_turn_clock();
    painter_.描画_将棋盤桝();

    painter_.描画_手数(game_.move_count(), COLOUR_WHITE);
    show_game();
    show_clocks();
    redraw_position();

    sound_.play(sound_.snd_piece());
    show_move_texts_after_step(from, covered);
    painter_.描画_手数(g.move_count, COLOUR_WHITE);
}

void MainForm::CANCEL_Click() {
    初期設定();
    sound_.play(sound_.snd_piece());
}

void MainForm::REVERSE_Click() {
    if (view_.handicap_shown) {
        game_.set_handicap_level(-game_.handicap_level());
        painter_.描画_ハンデレベル(game_.handicap_level());
    }
    view_.board_reversed = true;
    sel_.selection_state = 0;

    game_.flip();
    show_game();
    redraw_position();
    // The record starts anew from the turned board: no move of it has been made yet, and the
    // squares the texts named have moved.
    painter_.消去_移動結果(g.upper_order);
    painter_.消去_移動結果(g.lower_order);
    sound_.play(sound_.snd_piece());
}

}  // namespace banzuri
