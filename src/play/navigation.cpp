// Stepping back and forth through the game record, back to the beginning, and the board flip.
#include <algorithm>
#include <cstddef>
#include <utility>

#include "play/main_form.h"
#include "rules/promotion.h"
#include "rules/record.h"

namespace banzuri {

namespace {

std::size_t at(int n) {
    return static_cast<std::size_t>(n);
}

struct Arrival {
    bool found = false;
    int x = 0;
    int y = 0;
    int code = EMPTY;
};

// The piece that arrived between two positions: the first square, columns outer and rows
// inner, that holds a piece in `after` and something else in `before`.
Arrival arrival(const Board& before, const Board& after) {
    for (std::size_t x = 1; x <= 9; ++x)
        for (std::size_t y = 1; y <= 9; ++y)
            if (after[x][y] != EMPTY && after[x][y] != before[x][y])
                return {true, static_cast<int>(x), static_cast<int>(y), after[x][y]};
    return {};
}

// The side whose piece `code` is: the upper side for positive codes.
int side_of(const GameState& g, int code) {
    return code > 0 ? g.upper_order : g.lower_order;
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
    if (g.move_count <= 0) return;
    painter_.描画_手数(g.move_count, COLOUR_WHITE);
    bool upper_shown = false;
    bool lower_shown = false;
    for (int n = g.rec_index; n >= 1 && !(upper_shown && lower_shown); --n) {
        if (at(n - 1) >= g.record.size() || (n < g.rec_index && at(n) >= g.record.size())) continue;
        const Board& after = n == g.rec_index ? g.board : g.record[at(n)].board;
        const Arrival moved = arrival(g.record[at(n - 1)].board, after);
        if (!moved.found) continue;
        const int side = side_of(g, moved.code);
        bool& shown = side == g.upper_order ? upper_shown : lower_shown;
        if (shown) continue;
        painter_.描画_移動結果(side, moved.x, moved.y, moved.code, painter_.text_colour());
        shown = true;
    }
}

void MainForm::REPLAY_Click() {
    const Board left = g.board;
    if (!game_.step_back()) {
        sound_.play(sound_.snd_forbidden());
        p.dialogs.message("できません", "戻る");
        return;
    }
    sel_.selection_state = 0;
    p.timer.set_enabled(false);
    restart_turn_clock();
    painter_.描画_将棋盤桝();
    if (thinking_shown_) hide_thinking();

    show_game();
    show_clocks();
    redraw_position();

    const Arrival taken_back = arrival(g.board, left);
    sound_.play(sound_.snd_piece());
    // The side that made the move taken back is the side to move again.
    painter_.消去_移動結果(taken_back.found ? side_of(g, taken_back.code) : g.turn);
    painter_.描画_手数(g.move_count, COLOUR_WHITE);
}

void MainForm::AFTER_Click() {
    if (!game_.running()) {
        sound_.play(sound_.snd_forbidden());
        p.dialogs.message("「対局」で始めて下さい", "開始");
        return;
    }
    if (!game_.step_forward()) {
        sound_.play(sound_.snd_forbidden());
        p.dialogs.message("できません", "進む");
        return;
    }
    if (thinking_shown_) hide_thinking();
    sel_.selection_state = 0;
    p.timer.set_enabled(false);
    restart_turn_clock();
    painter_.描画_将棋盤桝();

    painter_.描画_手数(game_.move_count(), COLOUR_WHITE);
    show_game();
    show_clocks();
    redraw_position();

    int x = 0;
    int y = 0;
    int code = EMPTY;
    const int found = 調査_移動結果(g, g.rec_index, x, y, code);
    sound_.play(sound_.snd_piece());
    if (found == ON) painter_.描画_移動結果(side_of(g, code), x, y, code, painter_.text_colour());
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
    sound_.play(sound_.snd_piece());
}

}  // namespace banzuri
