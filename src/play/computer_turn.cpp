// The computer's move: think, play the best move with the same rules and animations as a
// human move, resolve captures, check the human's king and hand the turn back.
#include "computer/search.h"
#include "play/main_form.h"
#include "render/time_text.h"
#include "rules/movement.h"
#include "rules/record.h"

namespace banzuri {

void MainForm::show_thinking() {
    painter_.消去_思考中();
    painter_.描画_数値(-1.5, 8.5, "思考中", COLOUR_BLACK, 0, 12);
    painter_.描画_数値(-1.6, 8.4, "思考中", painter_.text_colour(), 0, 12);
    painter_.描画_桝輪郭(painter_.board_colour(), 1, 8);
}

// The upper side can neither move nor drop: it gives the game up as if its king had been
// taken. The clocks stay as they are and the turn is not handed back.
void MainForm::resign() {
    p.timer.set_enabled(false);
    painter_.消去_思考中();
    g.winner = g.lower_order;
    終了("あなた");
}

void MainForm::record_and_show(const BestMove& m) {
    // The seconds of the move are measured at the move itself, ticks or no ticks.
    clock_.move_seconds = 調査_経過秒(clock_.turn_start_time, p.clock.time_of_day());
    手順保存(g, m.from_x, m.from_y, m.to_x, m.to_y, m.piece_before, m.piece_after, g.time_lower,
             g.time_lower, g.time_upper, g.time_upper + clock_.move_seconds);
    ++g.move_count;
    painter_.描画_手数(g.rec_index, COLOUR_WHITE);
    if (m.drop()) {
        painter_.描画_駒点滅(m.piece_after, HAND_UPPER_COLUMN, 8 - m.from_y, 2);
    } else {
        painter_.描画_駒点滅(m.piece_before, m.from_x, m.from_y, 2);
    }
}

void MainForm::execute(const BestMove& m) {
    駒移動(m.from_x, m.from_y, m.to_x, m.to_y, m.piece_after);
    painter_.描画_桝輪郭(COLOUR_WHITE, m.to_x, m.to_y);
    待ち時間(0.5);
    sound_.play(sound_.snd_piece());
    ++g.rec_index;
    p.timer.set_enabled(false);
}

void MainForm::hand_over(const BestMove& m) {
    painter_.消去_思考中();
    painter_.描画_移動結果(g.upper_order, m.to_x, m.to_y, m.piece_after, COLOUR_WHITE);
    painter_.描画_桝輪郭(COLOUR_WHITE, m.to_x, m.to_y);
    g.time_upper += clock_.move_seconds;
    clock_.turn_start_time = p.clock.time_of_day();
    g.turn = g.lower_order;
    if (checked(MenuItem::KEIKA)) p.timer.set_enabled(true);
}

// Steps shared by every level: the computer's turn clock starts and "思考中" is shown before
// the search, which hides nothing it prepares.
void MainForm::begin_computer_turn() {
    clock_.turn_start_time = p.clock.time_of_day();
    if (checked(MenuItem::KEIKA)) p.timer.set_enabled(true);
    show_thinking();
    painter_.refresh();
}

void MainForm::com_ban() {
    if (g.winner != TURN_NONE) return;
    begin_computer_turn();
    if (g.level >= LEVEL4) {  // the look-ahead thinks on its worker; the poll plays its move
        start_thinking(Thinking::MOVE, false, g.level);
        return;
    }
    play_computer_move(search_best_move(g, computer, [this] { Timer1_Timer(); }));
}

void MainForm::play_computer_move(const std::optional<BestMove>& best) {
    if (!best) {
        resign();
        return;
    }
    const BestMove& m = *best;
    record_and_show(m);
    execute(m);
    captures_after_move(m.to_x, m.to_y);
    painter_.描画_桝輪郭(COLOUR_WHITE, m.to_x, m.to_y);
    painter_.描画_手数(g.rec_index, COLOUR_WHITE);
    if (存在チェック_駒(g, LOWER_OU) == OFF) {
        painter_.消去_移動結果(g.upper_order);
        終了("ｺﾝﾋﾟｭｰﾀ");
        return;
    }
    hand_over(m);
}

}  // namespace banzuri
