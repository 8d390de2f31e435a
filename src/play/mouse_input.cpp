// The two-click move input: the first click picks a piece up (on the board or in a hand), the
// second names its destination; the move is then recorded, carried out, captured around,
// timed and handed over.
#include <cmath>

#include "play/main_form.h"
#include "play/time_text.h"
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

bool on_board(int cx, int cy) {
    return cx >= 1 && cx <= BOARD_SIZE && cy >= 1 && cy <= BOARD_SIZE;
}

// Cells far outside the window all mean "no target".
int cell_of(double twips, double origin, double size) {
    const double cell = std::floor((twips - origin) / size);
    if (!(cell > -100 && cell < 100)) return -100;  // also for a position that is no number
    return static_cast<int>(cell);
}

// First click on a square: the mover's piece is picked up, any other piece only inspected.
void pick_from_board(MainForm& f, int cx, int cy) {
    const int code = f.g.at(cx, cy);
    if (code == EMPTY) return;
    f.sel_from_x = cx;
    f.sel_from_y = cy;
    f.sel_piece = code;
    f.描画_移動可能桝色(cx, cy, f.guidance_colour, code);
    if (movers_piece(f.g, code)) {
        f.selection_state = 1;
        f.描画_桝輪郭(COLOUR_LIGHT_RED, cx, cy);
    } else if (opponents_piece(f.g, code)) {
        f.描画_桝輪郭(f.guidance_colour, cx, cy);
    }
}

void repick(MainForm& f, int code) {
    f.描画_桝輪郭(f.grid_colour, f.sel_from_x, f.sel_from_y);
    f.sel_from_x = f.sel_to_x;
    f.sel_from_y = f.sel_to_y;
    f.sel_piece = code;
    f.描画_移動可能桝色(f.sel_from_x, f.sel_from_y, f.guidance_colour, f.sel_piece);
    f.描画_桝輪郭(COLOUR_LIGHT_RED, f.sel_from_x, f.sel_from_y);
}

// A destination on an opponent piece drops the selection and inspects that piece instead.
void inspect_instead(MainForm& f, int code) {
    f.sound.play(f.sound.snd_forbidden());
    f.描画_桝輪郭(f.grid_colour, f.sel_from_x, f.sel_from_y);
    f.描画_移動可能桝色(f.sel_to_x, f.sel_to_y, f.guidance_colour, code);
    f.描画_桝輪郭(f.guidance_colour, f.sel_to_x, f.sel_to_y);
    f.selection_state = 0;
}

// Shows a hand piece picked up: red for the side to move, the guidance colour otherwise.
void show_hand_pick(MainForm& f, int own_order) {
    if (f.g.turn == own_order) {
        f.描画_桝輪郭(COLOUR_LIGHT_RED, f.sel_from_x, f.sel_from_y);
        f.描画_移動可能桝色(f.sel_from_x, f.sel_from_y, f.guidance_colour, f.sel_piece);
    } else if (f.g.turn == -own_order) {
        f.描画_桝輪郭(f.guidance_colour, f.sel_from_x, f.sel_from_y);
        f.描画_移動可能桝色(f.sel_from_x, f.sel_from_y, f.guidance_colour, f.sel_piece);
    }
}

void pick_from_lower_hand(MainForm& f, int cy) {
    const int kind = cy - 2;
    if (GameState::count(f.g.hand_own, kind) <= 0) return;
    f.sel_from_x = HAND_LOWER_COLUMN;
    f.sel_from_y = cy;
    f.sel_piece = lower_code_of_kind(kind);
    調査_2歩フラグ設定(f.g);
    f.selection_state = 1;
    show_hand_pick(f, f.g.lower_order);
}

void pick_from_upper_hand(MainForm& f, int cy) {
    const int kind = 8 - cy;
    if (GameState::count(f.g.hand_enemy, kind) <= 0) return;
    f.selection_state = 1;
    f.sel_from_x = HAND_UPPER_COLUMN;
    f.sel_from_y = cy;
    f.sel_piece = upper_code_of_kind(kind);
    show_hand_pick(f, f.g.upper_order);
}

// The order of the side whose opponent has lost its king, or TURN_NONE while both stand.
int winner_by_kings(const GameState& g) {
    if (存在チェック_駒(g, LOWER_OU) == OFF) return g.upper_order;
    if (存在チェック_駒(g, UPPER_OU) == OFF) return g.lower_order;
    return TURN_NONE;
}

void finish_against_computer(MainForm& f) {
    f.p.timer.set_enabled(false);
    f.g.time_lower += f.move_seconds;
    f.move_seconds = 0;  // the computer's turn starts from nothing
    if (存在チェック_駒(f.g, UPPER_OU) == OFF) {
        f.終了("あなた");
        return;
    }
    f.com_ban();
}

void finish_between_people(MainForm& f, bool lower_moved) {
    (lower_moved ? f.g.time_lower : f.g.time_upper) += f.move_seconds;
    f.move_seconds = 0;
    f.turn_start_time = f.p.clock.time_of_day();
    const int winner = winner_by_kings(f.g);
    if (winner == FIRST_PLAYER) f.終了("先手");
    if (winner == SECOND_PLAYER) f.終了("後手");
}

}  // namespace

void MainForm::Form_MouseDown(int button, int /*shift*/, double x, double y) {
    if (quitting) return;
    if (button != MOUSE_LEFT && button != MOUSE_RIGHT) return;  // only these two act
    if (g.winner != TURN_NONE) {
        p.dialogs.message("新規に対局してください", "終局");
        return;
    }
    const int cx = cell_of(x, board_left, cell_width);
    const int cy = cell_of(y, board_top, cell_height);
    if (g.turn == TURN_NONE) {
        sound.play(sound.snd_forbidden());
        p.dialogs.message("「対局」で始めて下さい", "開始");
        return;
    }
    if (g.game_mode == MODE_COM && g.turn == g.upper_order) {
        p.dialogs.message("OKですか？", "再開(COM)");
        com_ban();
        // The same click goes on against the new position once the player is to move.
        if (quitting || g.winner != TURN_NONE || g.turn != g.lower_order) return;
    }
    if (on_board(cx, cy)) {
        mouse_board_click(button, cx, cy);
    } else {
        mouse_off_board_click(cx, cy);
    }
}

void MainForm::mouse_board_click(int button, int cx, int cy) {
    if (selection_state == 0) {
        pick_from_board(*this, cx, cy);
        return;
    }
    sel_to_x = cx;
    sel_to_y = cy;
    const int destination = g.at(cx, cy);
    if (movers_piece(g, destination)) {
        repick(*this, destination);
        return;
    }
    if (opponents_piece(g, destination) &&
        移動チェック(g, sel_from_x, sel_from_y, sel_to_x, sel_to_y, sel_piece) == OFF) {
        inspect_instead(*this, destination);
        return;
    }
    調査_2歩フラグ設定(g);
    if (移動チェック(g, sel_from_x, sel_from_y, sel_to_x, sel_to_y, sel_piece) == OFF ||
        !movers_piece(g, sel_piece)) {
        sound.play(sound.snd_forbidden());
        return;
    }
    if (button == MOUSE_LEFT && 移動後チェック(sel_to_y, sel_piece) == OFF) {
        sound.play(sound.snd_forbidden());
        p.dialogs.message("マウスの右をクリックして下さい", "成り");
        return;
    }
    execute_human_move(button);
}

void MainForm::mouse_off_board_click(int cx, int cy) {
    if (sel_piece != EMPTY) {  // nothing to clear before the first pick
        描画_移動可能桝色(sel_from_x, sel_from_y, grid_colour, sel_piece);
        描画_桝輪郭(grid_colour, sel_from_x, sel_from_y);
    }
    if (cx == HAND_LOWER_COLUMN && cy >= 3 && cy <= 9) {
        pick_from_lower_hand(*this, cy);
    } else if (cx == HAND_UPPER_COLUMN && cy >= 1 && cy <= 7) {
        pick_from_upper_hand(*this, cy);
    }
}

void MainForm::execute_human_move(int button) {
    // The seconds of this move, measured now whatever the clock display did meanwhile.
    move_seconds = 調査_経過秒(turn_start_time, p.clock.time_of_day());
    const bool lower_moved = sel_piece <= LOWER_HU;
    const double lower_after = g.time_lower + (lower_moved ? move_seconds : 0);
    const double upper_after = g.time_upper + (lower_moved ? 0 : move_seconds);
    手順保存(g, sel_from_x, sel_from_y, sel_to_x, sel_to_y, sel_piece, g.at(sel_to_x, sel_to_y),
             g.time_lower, lower_after, g.time_upper, upper_after);
    g.move_count += 1;

    if (調査_駒成(g, sel_from_x, sel_from_y, sel_to_x, sel_to_y, sel_piece) == ON &&
        button == MOUSE_RIGHT)
        sel_piece = g.promoted_piece;

    selection_state = 0;
    描画_桝輪郭(grid_colour, sel_from_x, sel_from_y);
    描画_桝輪郭(grid_colour, sel_to_x, sel_to_y);
    描画_移動可能桝色(sel_from_x, sel_from_y, grid_colour, sel_piece);
    if (sel_from_x < 0) sel_from_y = 8 - sel_from_y;  // the upper hand's row becomes its kind

    駒移動(sel_from_x, sel_from_y, sel_to_x, sel_to_y, sel_piece);
    sound.play(sound.snd_piece());
    g.rec_index += 1;
    captures_after_move(sel_to_x, sel_to_y);

    描画_手数(g.rec_index, COLOUR_WHITE);
    描画_移動結果(sel_piece >= UPPER_HU ? g.upper_order : g.lower_order, sel_to_x, sel_to_y,
                  sel_piece, text_colour);
    g.turn = -g.turn;

    if (g.game_mode == MODE_COM) {
        finish_against_computer(*this);
    } else {
        finish_between_people(*this, lower_moved);
    }
}

}  // namespace banzuri
