// The two-click move input: the first click picks a piece up (on the board or in a hand), the
// second names its destination; the move is then recorded, carried out, captured around,
// timed and handed over.
#include "play/main_form.h"
#include "play/pointer_cell.h"
#include "render/time_text.h"
#include "rules/movement.h"
#include "rules/promotion.h"
#include "rules/record.h"

namespace banzuri {

namespace {

bool movers_piece(const GameState& g, int code) {
    return (g.turn == g.lower_order && code <= LOWER_HU) ||
           (g.turn == g.upper_order && code >= UPPER_HU);
}

bool opponents_piece(const GameState& g, int code) {
    return (g.turn == g.lower_order && code >= UPPER_HU) ||
           (g.turn == g.upper_order && code <= LOWER_HU);
}

// The order of the side whose opponent has lost its king, or TURN_NONE while both stand.
int winner_by_kings(const GameState& g) {
    if (存在チェック_駒(g, LOWER_OU) == OFF) return g.upper_order;
    if (存在チェック_駒(g, UPPER_OU) == OFF) return g.lower_order;
    return TURN_NONE;
}

}  // namespace

// First click on a square: the mover's piece is picked up, any other piece only inspected.
void MainForm::pick_from_board(int cx, int cy) {
    const int code = g.at(cx, cy);
    if (code == EMPTY) return;
    sel_.sel_from_x = cx;
    sel_.sel_from_y = cy;
    sel_.sel_piece = code;
    painter_.描画_移動可能桝色(cx, cy, painter_.guidance_colour(), code);
    if (movers_piece(g, code)) {
        sel_.selection_state = 1;
        painter_.描画_桝輪郭(COLOUR_MARK_PICKED, cx, cy);
    } else if (opponents_piece(g, code)) {
        painter_.描画_桝輪郭(painter_.guidance_colour(), cx, cy);
    }
}

void MainForm::repick(int code) {
    painter_.描画_桝輪郭(painter_.grid_colour(), sel_.sel_from_x, sel_.sel_from_y);
    sel_.sel_from_x = sel_.sel_to_x;
    sel_.sel_from_y = sel_.sel_to_y;
    sel_.sel_piece = code;
    painter_.描画_移動可能桝色(sel_.sel_from_x, sel_.sel_from_y, painter_.guidance_colour(),
                               sel_.sel_piece);
    painter_.描画_桝輪郭(COLOUR_MARK_PICKED, sel_.sel_from_x, sel_.sel_from_y);
}

// A destination on an opponent piece drops the selection and inspects that piece instead.
void MainForm::inspect_instead(int code) {
    sound_.play(sound_.snd_forbidden());
    painter_.描画_桝輪郭(painter_.grid_colour(), sel_.sel_from_x, sel_.sel_from_y);
    painter_.描画_移動可能桝色(sel_.sel_to_x, sel_.sel_to_y, painter_.guidance_colour(), code);
    painter_.描画_桝輪郭(painter_.guidance_colour(), sel_.sel_to_x, sel_.sel_to_y);
    sel_.selection_state = 0;
}

// Shows a hand piece picked up: red for the side to move, the guidance colour otherwise.
void MainForm::show_hand_pick(int own_order) {
    if (g.turn == own_order) {
        painter_.描画_桝輪郭(COLOUR_MARK_PICKED, sel_.sel_from_x, sel_.sel_from_y);
        painter_.描画_移動可能桝色(sel_.sel_from_x, sel_.sel_from_y, painter_.guidance_colour(),
                                   sel_.sel_piece);
    } else if (g.turn == -own_order) {
        painter_.描画_桝輪郭(painter_.guidance_colour(), sel_.sel_from_x, sel_.sel_from_y);
        painter_.描画_移動可能桝色(sel_.sel_from_x, sel_.sel_from_y, painter_.guidance_colour(),
                                   sel_.sel_piece);
    }
}

void MainForm::pick_from_lower_hand(int cy) {
    const int kind = cy - 2;
    if (GameState::count(g.hand_own, kind) <= 0) return;
    sel_.sel_from_x = HAND_LOWER_COLUMN;
    sel_.sel_from_y = cy;
    sel_.sel_piece = lower_code_of_kind(kind);
    調査_2歩フラグ設定(g);
    sel_.selection_state = 1;
    show_hand_pick(g.lower_order);
}

void MainForm::pick_from_upper_hand(int cy) {
    const int kind = 8 - cy;
    if (GameState::count(g.hand_enemy, kind) <= 0) return;
    sel_.selection_state = 1;
    sel_.sel_from_x = HAND_UPPER_COLUMN;
    sel_.sel_from_y = cy;
    sel_.sel_piece = upper_code_of_kind(kind);
    show_hand_pick(g.upper_order);
}

Task MainForm::finish_against_computer() {
    p.timer.set_enabled(false);
    if (存在チェック_駒(g, UPPER_OU) == OFF) {
        終了(TextId::WIN_YOU);
        co_return;
    }
    co_await com_ban();
}

void MainForm::finish_between_people() {
    start_turn_clock();
    // A step through the record stopped the clock; the next move sets it going again.
    if (checked(MenuItem::KEIKA)) p.timer.set_enabled(true);
    const int winner = winner_by_kings(g);
    if (winner == FIRST_PLAYER) 終了(TextId::WIN_FIRST);
    if (winner == SECOND_PLAYER) 終了(TextId::WIN_SECOND);
}

void MainForm::Form_MouseDown(int button, int /*shift*/, double x, double y) {
    // Presses while the computer thinks or a move is animated are dropped.
    if (quitting_ || thinking() || animating()) return;
    if (button != MOUSE_LEFT && button != MOUSE_RIGHT) return;  // only these two act
    clear_capture_preview();
    drag_ = {};
    run(mouse_down(button, x, y));
    arm_drag(button, x, y);
}

Task MainForm::mouse_down(int button, double x, double y) {
    if (g.winner != TURN_NONE) {
        p.dialogs.message(t(TextId::NEW_GAME_PLEASE), t(TextId::TITLE_GAME_OVER));
        co_return;
    }
    const int cx = cell_of(x, board_left, cell_width);
    const int cy = cell_of(y, board_top, cell_height);
    if (g.turn == TURN_NONE) {
        sound_.play(sound_.snd_forbidden());
        p.dialogs.message(t(TextId::START_FIRST), t(TextId::TITLE_START));
        co_return;
    }
    if (g.game_mode == MODE_COM && g.turn == g.upper_order) {
        p.dialogs.message(t(TextId::COMPUTER_MOVES_NOW), t(TextId::TITLE_RESUME_COMPUTER));
        co_await com_ban();
        // The same click goes on against the new position once the player is to move.
        if (quitting_ || thinking() || g.winner != TURN_NONE || g.turn != g.lower_order) co_return;
    }
    if (on_board(cx, cy)) {
        co_await mouse_board_click(button, cx, cy);
    } else {
        mouse_off_board_click(cx, cy);
    }
}

Task MainForm::mouse_board_click(int button, int cx, int cy) {
    if (sel_.selection_state == 0) {
        pick_from_board(cx, cy);
        co_return;
    }
    sel_.sel_to_x = cx;
    sel_.sel_to_y = cy;
    const int destination = g.at(cx, cy);
    if (movers_piece(g, destination)) {
        repick(destination);
        co_return;
    }
    const Square from = rules_source(sel_.sel_from_x, sel_.sel_from_y);
    if (opponents_piece(g, destination) &&
        移動チェック(g, from.x, from.y, sel_.sel_to_x, sel_.sel_to_y, sel_.sel_piece) == OFF) {
        inspect_instead(destination);
        co_return;
    }
    調査_2歩フラグ設定(g);
    if (移動チェック(g, from.x, from.y, sel_.sel_to_x, sel_.sel_to_y, sel_.sel_piece) == OFF ||
        !movers_piece(g, sel_.sel_piece)) {
        sound_.play(sound_.snd_forbidden());
        co_return;
    }
    if (button == MOUSE_LEFT && 移動後チェック(sel_.sel_to_y, sel_.sel_piece) == OFF) {
        sound_.play(sound_.snd_forbidden());
        p.dialogs.message(t(TextId::CLICK_RIGHT), t(TextId::TITLE_PROMOTION));
        co_return;
    }
    co_await execute_human_move(button);
}

void MainForm::mouse_off_board_click(int cx, int cy) {
    if (sel_.sel_piece != EMPTY) {  // nothing to clear before the first pick
        painter_.描画_移動可能桝色(sel_.sel_from_x, sel_.sel_from_y, painter_.grid_colour(),
                                   sel_.sel_piece);
        painter_.描画_桝輪郭(painter_.grid_colour(), sel_.sel_from_x, sel_.sel_from_y);
    }
    if (cx == HAND_LOWER_COLUMN && cy >= 3 && cy <= 9) {
        pick_from_lower_hand(cy);
    } else if (cx == HAND_UPPER_COLUMN && cy >= 1 && cy <= 7) {
        pick_from_upper_hand(cy);
    }
}

Move MainForm::selected_move(int button) const {
    Move move = Move::board(sel_.sel_from_x, sel_.sel_from_y, sel_.sel_to_x, sel_.sel_to_y);
    if (sel_.sel_from_x == HAND_LOWER_COLUMN)
        move = Move::drop_of(sel_.sel_from_y - 2, sel_.sel_to_x, sel_.sel_to_y);
    if (sel_.sel_from_x == HAND_UPPER_COLUMN)
        move = Move::drop_of(8 - sel_.sel_from_y, sel_.sel_to_x, sel_.sel_to_y);
    // A right click promotes where the move may; elsewhere it simply moves.
    move.promote = button == MOUSE_RIGHT && game_.promotion_of(move) != EMPTY;
    return move;
}

Task MainForm::execute_human_move(int button) {
    // The seconds of this move, measured now whatever the clock display did meanwhile.
    clock_.move_seconds = 調査_経過秒(clock_.turn_start_time, p.clock.time_of_day());
    const std::optional<MoveResult> result = game_.play(selected_move(button), clock_.move_seconds);
    if (!result) {  // the checks above let only legal moves through
        sound_.play(sound_.snd_forbidden());
        co_return;
    }
    sel_.sel_piece = result->played.placed;

    sel_.selection_state = 0;
    painter_.描画_桝輪郭(painter_.grid_colour(), sel_.sel_from_x, sel_.sel_from_y);
    painter_.描画_桝輪郭(painter_.grid_colour(), sel_.sel_to_x, sel_.sel_to_y);
    painter_.描画_移動可能桝色(sel_.sel_from_x, sel_.sel_from_y, painter_.grid_colour(),
                               sel_.sel_piece);
    if (sel_.sel_from_x < 0)
        sel_.sel_from_y = 8 - sel_.sel_from_y;  // the upper hand's row becomes its kind

    駒移動(sel_.sel_from_x, sel_.sel_from_y, sel_.sel_to_x, sel_.sel_to_y, sel_.sel_piece);
    sound_.play(sound_.snd_piece());
    co_await captures_after_move(result->captures);

    painter_.描画_手数(game_.move_count(), COLOUR_WHITE);
    painter_.描画_移動結果(sel_.sel_piece >= UPPER_HU ? g.upper_order : g.lower_order,
                           result->played, sel_.sel_piece, painter_.text_colour());
    show_game();  // the turn passes and the mover's clock has the seconds of the move
    painter_.描画_最終手();
    clock_.move_seconds = 0;
    keep_game_after_move();

    if (game_.mode() == MODE_COM) {
        co_await finish_against_computer();
    } else {
        finish_between_people();
    }
}

}  // namespace banzuri
