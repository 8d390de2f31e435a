// The computer's move: think, play the best move with the same rules and animations as a
// human move, resolve captures, check the human's king and hand the turn back.
#include "computer/search.h"
#include "play/main_form.h"
#include "play/time_text.h"
#include "rules/movement.h"
#include "rules/record.h"

namespace banzuri {

namespace {

void show_thinking(MainForm& f) {
    f.消去_思考中();
    f.描画_数値(-1.5, 8.5, "思考中", COLOUR_BLACK, 0, 12);
    f.描画_数値(-1.6, 8.4, "思考中", f.text_colour, 0, 12);
    f.描画_桝輪郭(f.board_colour, 1, 8);
}

// The upper side can neither move nor drop: it gives the game up as if its king had been
// taken. The clocks stay as they are and the turn is not handed back.
void resign(MainForm& f) {
    f.p.timer.set_enabled(false);
    f.消去_思考中();
    f.g.winner = f.g.lower_order;
    f.終了("あなた");
}

void record_and_show(MainForm& f, const BestMove& m) {
    GameState& g = f.g;
    // The seconds of the move are measured at the move itself, ticks or no ticks.
    f.move_seconds = 調査_経過秒(f.turn_start_time, f.p.clock.time_of_day());
    手順保存(g, m.from_x, m.from_y, m.to_x, m.to_y, m.piece_before, m.piece_after, g.time_lower,
             g.time_lower, g.time_upper, g.time_upper + f.move_seconds);
    ++g.move_count;
    f.描画_手数(g.rec_index, COLOUR_WHITE);
    if (m.drop()) {
        f.描画_駒点滅(m.piece_after, HAND_UPPER_COLUMN, 8 - m.from_y, 2);
    } else {
        f.描画_駒点滅(m.piece_before, m.from_x, m.from_y, 2);
    }
}

void execute(MainForm& f, const BestMove& m) {
    f.駒移動(m.from_x, m.from_y, m.to_x, m.to_y, m.piece_after);
    f.描画_桝輪郭(COLOUR_WHITE, m.to_x, m.to_y);
    f.待ち時間(0.5);
    f.sound.play(f.sound.snd_piece());
    ++f.g.rec_index;
    f.p.timer.set_enabled(false);
}

void hand_over(MainForm& f, const BestMove& m) {
    GameState& g = f.g;
    f.消去_思考中();
    f.描画_移動結果(g.upper_order, m.to_x, m.to_y, m.piece_after, COLOUR_WHITE);
    f.描画_桝輪郭(COLOUR_WHITE, m.to_x, m.to_y);
    g.time_upper += f.move_seconds;
    f.turn_start_time = f.p.clock.time_of_day();
    g.turn = g.lower_order;
    if (f.checked(MenuItem::KEIKA)) f.p.timer.set_enabled(true);
}

}  // namespace

void MainForm::com_ban() {
    if (g.winner != TURN_NONE) return;
    turn_start_time = p.clock.time_of_day();
    if (checked(MenuItem::KEIKA)) p.timer.set_enabled(true);
    show_thinking(*this);
    // Nothing the search prepares is visible, so the label is shown before it starts.
    refresh();
    const std::optional<BestMove> best = search_best_move(g, computer, [this] { Timer1_Timer(); });
    if (!best) {
        resign(*this);
        return;
    }
    const BestMove& m = *best;
    record_and_show(*this, m);
    execute(*this, m);
    captures_after_move(m.to_x, m.to_y);
    描画_桝輪郭(COLOUR_WHITE, m.to_x, m.to_y);
    描画_手数(g.rec_index, COLOUR_WHITE);
    if (存在チェック_駒(g, LOWER_OU) == OFF) {
        消去_移動結果(g.upper_order);
        終了("ｺﾝﾋﾟｭｰﾀ");
        return;
    }
    hand_over(*this, m);
}

}  // namespace banzuri
