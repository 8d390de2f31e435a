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

bool same_position(const RecordEntry& a, const Board& board, const Hand& lower, const Hand& upper) {
    return a.board == board && a.hand_lower == lower && a.hand_upper == upper;
}

bool same_entry(const RecordEntry& a, const RecordEntry& b) {
    return same_position(a, b.board, b.hand_lower, b.hand_upper) &&
           a.time_lower_before == b.time_lower_before && a.time_lower_after == b.time_lower_after &&
           a.time_upper_before == b.time_upper_before && a.time_upper_after == b.time_upper_after;
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

// Board and hands from record entry n.
void restore_position(GameState& g, int n) {
    const RecordEntry& entry = g.record[at(n)];
    for (std::size_t x = 1; x <= 9; ++x)
        for (std::size_t y = 1; y <= 9; ++y)
            g.board[x][y] = entry.board[x][y];
    for (std::size_t k = 1; k <= 7; ++k) {
        g.hand_own[k] = entry.hand_lower[k];
        g.hand_enemy[k] = entry.hand_upper[k];
    }
}

// The side whose piece `code` is: the upper side for positive codes.
int side_of(const GameState& g, int code) {
    return code > 0 ? g.upper_order : g.lower_order;
}

// A piece changes side and keeps its kind and promotion; anything else stays.
int flipped(int code) {
    return (code <= LOWER_HU || code >= UPPER_HU) ? -code : code;
}

}  // namespace

// A step through the record stops the clock; the seconds spent looking back are nobody's.
void MainForm::restart_turn_clock() {
    start_turn_clock();
    clock_.move_seconds = 0;
}

// True while the record, the move number and the position shown are still those that
// navigation left: no move was made and no new game was started since.
bool MainForm::line_still_shown() const {
    if (nav_index < 0 || nav_index != g.rec_index) return false;
    if (nav_line.size() > g.record.size() || at(nav_index) >= nav_line.size()) return false;
    for (std::size_t n = 0; n < nav_line.size(); ++n)
        if (!same_entry(nav_line[n], g.record[n])) return false;
    return same_position(nav_line[at(nav_index)], g.board, g.hand_own, g.hand_enemy);
}

// The last record entry that belongs to the line being shown: the entries behind the shown
// position always do; those ahead only while navigation's line is still the one shown.
int MainForm::last_entry_of_line() const {
    if (line_still_shown()) return static_cast<int>(nav_line.size()) - 1;
    return g.rec_index - 1;
}

// Keeps the latest position (board, hands and both clocks) as entry rec_index, so that
// stepping forward can return to it; the entries ahead of it no longer belong to the game.
void MainForm::keep_latest_position() {
    手順保存(g, 0, 0, 0, 0, EMPTY, EMPTY, g.time_lower, g.time_lower, g.time_upper, g.time_upper);
    const auto end = g.record.begin() + static_cast<std::ptrdiff_t>(at(g.rec_index) + 1);
    nav_line.assign(g.record.begin(), end);
}

// Remembers the line and the entry now shown.
void MainForm::note_shown() {
    nav_index = g.rec_index;
}

void MainForm::forget_line() {
    nav_line.clear();
    nav_index = -1;
}

void MainForm::show_clocks(double upper, double lower) {
    g.time_upper = upper;
    painter_.描画_所有時間(g.upper_order, g.time_upper);
    g.time_lower = lower;
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
    if (g.rec_index < 1 || at(g.rec_index - 1) >= g.record.size()) {
        sound_.play(sound_.snd_forbidden());
        p.dialogs.message("できません", "戻る");
        return;
    }
    if (!line_still_shown()) keep_latest_position();
    sel_.selection_state = 0;
    p.timer.set_enabled(false);
    restart_turn_clock();
    painter_.描画_将棋盤桝();
    if (thinking_shown_) hide_thinking();

    const Board left = g.board;
    const int e = g.rec_index - 1;
    restore_position(g, e);
    show_clocks(g.record[at(e)].time_upper_before, g.record[at(e)].time_lower_before);
    redraw_position();

    const Arrival taken_back = arrival(g.board, left);
    sound_.play(sound_.snd_piece());
    painter_.消去_移動結果(taken_back.found ? side_of(g, taken_back.code) : -g.turn);

    g.rec_index -= 1;
    g.move_count -= 1;
    g.turn = -g.turn;
    painter_.描画_手数(g.move_count, COLOUR_WHITE);
    note_shown();
    settle_winner();
}

void MainForm::AFTER_Click() {
    if (g.turn == TURN_NONE) {
        sound_.play(sound_.snd_forbidden());
        p.dialogs.message("「対局」で始めて下さい", "開始");
        return;
    }
    const int limit = std::min(g.rec_last, last_entry_of_line());
    if (g.rec_index >= limit || at(limit) >= g.record.size()) {
        sound_.play(sound_.snd_forbidden());
        p.dialogs.message("できません", "進む");
        return;
    }
    if (thinking_shown_) hide_thinking();
    sel_.selection_state = 0;
    p.timer.set_enabled(false);
    restart_turn_clock();
    painter_.描画_将棋盤桝();

    g.rec_index += 1;
    g.move_count += 1;
    painter_.描画_手数(g.move_count, COLOUR_WHITE);
    const RecordEntry& before = g.record[at(g.rec_index - 1)];
    restore_position(g, g.rec_index);
    show_clocks(before.time_upper_after, before.time_lower_after);
    redraw_position();

    int x = 0;
    int y = 0;
    int code = EMPTY;
    const int found = 調査_移動結果(g, g.rec_index, x, y, code);
    sound_.play(sound_.snd_piece());
    if (found == ON) painter_.描画_移動結果(side_of(g, code), x, y, code, painter_.text_colour());
    g.turn = -g.turn;
    painter_.描画_手数(g.move_count, COLOUR_WHITE);
    note_shown();
    settle_winner();
}

void MainForm::CANCEL_Click() {
    初期設定();
    forget_line();
    sound_.play(sound_.snd_piece());
}

void MainForm::REVERSE_Click() {
    if (view_.handicap_shown) {
        painter_.消去_ハンデレベル();
        g.handicap_level = -g.handicap_level;
        painter_.描画_文字列(11, 1, g.handicap_level, COLOUR_WHITE, 10);
    }
    view_.board_reversed = true;
    sel_.selection_state = 0;

    const Board before = g.board;
    for (std::size_t x = 1; x <= 9; ++x)
        for (std::size_t y = 1; y <= 9; ++y)
            g.board[10 - x][10 - y] = flipped(before[x][y]);
    std::swap(g.hand_own, g.hand_enemy);

    redraw_position();
    sound_.play(sound_.snd_piece());

    g.rec_index = 0;
    g.rec_last = 0;
    forget_line();
    if (g.turn != TURN_NONE) g.turn = -g.turn;
}

}  // namespace banzuri
