// The computer's move: think, play the best move with the same rules and animations as a
// human move, resolve captures, check the human's king and hand the turn back.
#include "computer/search.h"
#include "play/main_form.h"
#include "render/time_text.h"
#include "rules/legal_moves.h"
#include "rules/movement.h"
#include "rules/record.h"

namespace banzuri {

// The label takes the place of the computer's last move text, which goes first.
void MainForm::show_thinking() {
    painter_.消去_思考中();
    painter_.消去_移動結果(g.upper_order);
    painter_.描画_思考中();
    thinking_shown_ = true;
}

void MainForm::hide_thinking() {
    painter_.消去_思考中();
    thinking_shown_ = false;
}

// The upper side can neither move nor drop: it gives the game up as if its king had been
// taken. The clocks stay as they are and the turn is not handed back.
void MainForm::resign() {
    p.timer.set_enabled(false);
    hide_thinking();
    game_.resign();
    show_game();
    records_.resignation_winner = records::Side::lower;
    keep_game();
    終了(TextId::WIN_YOU);
}

Task MainForm::record_and_show(PlayedMove m) {
    painter_.描画_手数(game_.move_count() - 1, COLOUR_WHITE);  // shown until the piece lands
    if (m.move.is_drop()) {
        co_await 描画_駒点滅(m.placed, HAND_UPPER_COLUMN, 8 - m.move.drop, 2);
    } else {
        co_await 描画_駒点滅(m.piece, m.move.from.x, m.move.from.y, 2);
    }
}

Task MainForm::execute(PlayedMove m) {
    // A drop leaves the upper hand's column from the row of its kind.
    const Move& move = m.move;
    駒移動(move.is_drop() ? HAND_UPPER_COLUMN : move.from.x,
           move.is_drop() ? move.drop : move.from.y, move.to.x, move.to.y, m.placed);
    painter_.描画_桝輪郭(COLOUR_MARK_GUIDANCE, move.to.x, move.to.y);
    co_await 待ち時間(0.5);
    sound_.play(sound_.snd_piece());
    p.timer.set_enabled(false);
}

void MainForm::hand_over(const PlayedMove& m) {
    hide_thinking();
    painter_.描画_移動結果(g.upper_order, m, m.placed, COLOUR_WHITE);
    painter_.描画_桝輪郭(COLOUR_MARK_GUIDANCE, m.move.to.x, m.move.to.y);
    show_game();  // the player's turn, the computer's clock with the seconds of its move
    painter_.描画_最終手();
    clock_.move_seconds = 0;
    start_turn_clock();
    if (checked(MenuItem::KEIKA)) p.timer.set_enabled(true);
}

// Steps shared by every level: the computer's turn clock starts and "思考中" is shown before
// the search, which hides nothing it prepares.
void MainForm::begin_computer_turn() {
    start_turn_clock();
    if (checked(MenuItem::KEIKA)) p.timer.set_enabled(true);
    show_thinking();
    painter_.refresh();
}

Task MainForm::com_ban() {
    if (game_.decided()) co_return;
    begin_computer_turn();
    if (game_.level() >= LEVEL4) {  // the look-ahead thinks on its worker; the poll plays it
        start_thinking(Thinking::MOVE, false, game_.level());
        co_return;
    }
    GameState trial = game_.position();  // the search tries every move on a copy
    co_await play_computer_move(search_best_move(trial, computer, [this] { Timer1_Timer(); }));
}

Task MainForm::play_computer_move(std::optional<Move> best) {
    if (!best) {
        resign();
        co_return;
    }
    // The seconds of the move are measured at the move itself, ticks or no ticks.
    clock_.move_seconds = 調査_経過秒(clock_.turn_start_time, p.clock.time_of_day());
    const std::optional<MoveResult> result = game_.play(*best, clock_.move_seconds);
    if (!result) {  // no legal move comes out of the search; nothing is played
        resign();
        co_return;
    }
    const PlayedMove m = result->played;
    co_await record_and_show(m);
    co_await execute(m);
    co_await captures_after_move(result->captures);
    painter_.描画_桝輪郭(COLOUR_MARK_GUIDANCE, m.move.to.x, m.move.to.y);
    painter_.描画_手数(game_.move_count(), COLOUR_WHITE);
    keep_game_after_move();
    if (game_.decided()) {
        show_game();
        hide_thinking();  // the label goes whatever the outcome of the turn
        painter_.消去_移動結果(g.upper_order);
        終了(TextId::WIN_COMPUTER);
        co_return;
    }
    hand_over(m);
}

}  // namespace banzuri
