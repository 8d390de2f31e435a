// 待った: taking moves back for good, and showing any position of the line (the move list's
// rows, Home and End).
#include <cstddef>

#include "play/main_form.h"

namespace banzuri {

namespace {

// How many moves 待った takes back from the end of the line: one between people; against the
// computer, back to before the player's (the lower side's) last move. 0 when there is none.
int moves_to_take_back(const Game& game) {
    const auto& moves = game.moves();
    const std::size_t end =
        std::min(moves.size(), static_cast<std::size_t>(std::max(0, game.line_end())));
    if (end == 0) return 0;
    if (game.mode() != MODE_COM) return 1;
    for (std::size_t n = end; n-- > 0;)
        if (moves[n].piece < 0) return static_cast<int>(end - n);
    return 0;
}

}  // namespace

void MainForm::MATTA_Click() {
    if (animating()) {
        sound_.play(sound_.snd_forbidden());
        return;
    }
    const std::string* refusal = nullptr;
    const int count = moves_to_take_back(game_);
    if (thinking())
        refusal = &t(TextId::TAKE_BACK_THINKING);
    else if (game_.decided())
        refusal = &t(TextId::TAKE_BACK_OVER);
    else if (!game_.running() || count == 0)
        refusal = &t(TextId::TAKE_BACK_NONE);
    if (refusal != nullptr) {
        sound_.play(sound_.snd_forbidden());
        p.dialogs.message(*refusal, t(TextId::TITLE_TAKE_BACK));
        return;
    }
    game_.go_to(game_.line_end());
    game_.take_back(count);
    show_whole_position();
    keep_game();
    // The side to move thinks afresh; the clock runs again when it is shown.
    if (checked(MenuItem::KEIKA)) p.timer.set_enabled(true);
}

void MainForm::show_position(int n) {
    if (thinking() || animating() || n == game_.record_index() || !game_.go_to(n)) {
        sound_.play(sound_.snd_forbidden());
        return;
    }
    p.timer.set_enabled(false);
    show_whole_position();
}

void MainForm::FIRST_POSITION_Click() {
    show_position(0);
}

void MainForm::LATEST_POSITION_Click() {
    show_position(game_.line_end());
}

void MainForm::show_whole_position() {
    sel_.selection_state = 0;
    restart_turn_clock();
    if (thinking_shown_) hide_thinking();
    painter_.描画_将棋盤桝();
    show_game();
    show_clocks();
    redraw_position();
    painter_.消去_移動結果(g.lower_order);
    painter_.消去_移動結果(g.upper_order);
    painter_.描画_手数(g.move_count, COLOUR_WHITE);
    show_last_moves();
    sound_.play(sound_.snd_piece());
}

}  // namespace banzuri
