// Start-up and the game menu: loading the window, starting a game between two people or
// against the computer, and the computer's strength.
#include <algorithm>

#include "play/main_form.h"

namespace banzuri {

namespace {

// The forward part of the record may only reach entries written in the line shown now.
int last_entry_behind(const GameState& g) {
    return std::max(0, g.rec_index - 1);
}

void choose_level(MainForm& f, int level) {
    const MenuItem items[] = {MenuItem::LEVEL1, MenuItem::LEVEL2, MenuItem::LEVEL3};
    if (f.checked(items[level - 1])) return;
    for (int n = 1; n <= 3; ++n)
        f.set_checked(items[n - 1], n == level);
    f.g.level = level;
    f.描画_レベル(level);
}

// The board outlines and the lower hand, shared by the three ways into a game.
void redraw_for_game(MainForm& f) {
    f.描画_将棋盤桝();
    f.描画_自持盤();
}

}  // namespace

void MainForm::Form_Load() {
    sound.load_sounds();  // the sound system and the six sounds, once per run
    start_dir = files_dir;

    g.hand_total_upper = 0;
    g.hand_total_lower = 0;
    selection_state = 0;
    g.handicap_level = 0;
    g.handicap_shown = OFF;
    guidance_on = 0;
    g.board_reversed = OFF;

    set_checked(MenuItem::LEVEL1, false);
    set_checked(MenuItem::LEVEL2, false);
    set_checked(MenuItem::LEVEL3, true);
    g.level = 3;

    g.turn = TURN_NONE;
    text_colour = COLOUR_WHITE;
    board_colour = COLOUR_GREEN;
    grid_colour = board_colour;
    guidance_colour = grid_colour;

    g.winner = TURN_NONE;
    g.rec_index = 0;
    g.upper_order = FIRST_PLAYER;
    g.lower_order = SECOND_PLAYER;

    // The window's back colour: the whole client area in the board colour.
    p.canvas.fill_box(board_colour, 0, 0, CLIENT_WIDTH_TWIPS, CLIENT_HEIGHT_TWIPS);

    selection_state = 0;
    読込_環境設定ファイル();
    初期設定();
}

void MainForm::START_Click() {
    if (g.winner != TURN_NONE) {
        初期設定();
        refresh();
    }
    描画_棋譜読込み部分消去();
    for (int column = -2; column <= 0; ++column)
        描画_絵(background, column, 0);  // where the computer's level is shown
    redraw_for_game(*this);
    selection_state = 0;  // the outlines of a picked-up piece are gone with the redraw

    turn_start_time = p.clock.time_of_day();
    if (checked(MenuItem::KEIKA)) p.timer.set_enabled(true);
    g.game_mode = MODE_MAN;

    if (g.turn == TURN_NONE || g.move_count == 0) {
        g.lower_order = FIRST_PLAYER;
        g.upper_order = SECOND_PLAYER;
        g.turn = g.lower_order;
        g.rec_last = 0;
        p.dialogs.message("先手の番です", " ");
    } else if (g.turn == FIRST_PLAYER) {
        p.dialogs.message("先手の番です", " ");
    } else if (g.turn == SECOND_PLAYER) {
        p.dialogs.message("後手の番です", " ");
    }
}

void MainForm::MATCH_MAN_Click() {}

void MainForm::SENTE_Click() {
    if (g.winner != TURN_NONE) 初期設定();
    描画_棋譜読込み部分消去();
    描画_レベル(g.level);
    redraw_for_game(*this);

    selection_state = 0;
    g.game_mode = MODE_COM;
    g.rec_last = last_entry_behind(g);

    turn_start_time = p.clock.time_of_day();
    p.timer.set_enabled(true);

    if (g.turn == TURN_NONE || g.move_count == 0) {
        g.lower_order = FIRST_PLAYER;
        g.upper_order = SECOND_PLAYER;
        g.turn = g.lower_order;
        p.dialogs.message("MANの番です", " ");
    } else if (g.turn == g.lower_order) {
        g.lower_order = FIRST_PLAYER;
        g.upper_order = SECOND_PLAYER;
        g.turn = FIRST_PLAYER;
        p.dialogs.message("MANの番です", "対局");
    } else if (g.turn == g.upper_order) {
        com_ban();
    }
}

void MainForm::GOTE_Click() {
    if (g.winner != TURN_NONE) 初期設定();
    描画_棋譜読込み部分消去();
    描画_レベル(g.level);
    redraw_for_game(*this);

    p.timer.set_enabled(true);
    selection_state = 0;
    g.game_mode = MODE_COM;
    g.rec_last = last_entry_behind(g);

    if (g.turn == TURN_NONE || g.move_count == 0) {
        g.lower_order = SECOND_PLAYER;
        g.upper_order = FIRST_PLAYER;
        g.turn = FIRST_PLAYER;
        com_ban();  // the computer's first move hands the turn to the player
    } else if (g.turn == g.lower_order) {
        turn_start_time = p.clock.time_of_day();  // the player's turn starts again now
        p.dialogs.message("MANの番です", "対局");
    } else if (g.turn == g.upper_order) {
        com_ban();
    }
}

void MainForm::LEVEL1_Click() {
    choose_level(*this, 1);
}

void MainForm::LEVEL2_Click() {
    choose_level(*this, 2);
}

void MainForm::LEVEL3_Click() {
    choose_level(*this, 3);
}

}  // namespace banzuri
