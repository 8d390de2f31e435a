// Start-up and the game menu: loading the window, starting a game between two people or
// against the computer, and the computer's strength.
#include <algorithm>

#include "play/main_form.h"

namespace banzuri {

void MainForm::choose_level(int level) {
    const MenuItem items[] = {MenuItem::LEVEL1, MenuItem::LEVEL2, MenuItem::LEVEL3,
                              MenuItem::LEVEL4, MenuItem::LEVEL5};
    if (checked(items[level - 1])) return;
    for (int n = 1; n <= 5; ++n)
        p.menu.show_checked(items[n - 1], n == level);
    g.level = level;
    painter_.描画_レベル(level);
}

// The board outlines and the lower hand, shared by the three ways into a game.
void MainForm::redraw_for_game() {
    painter_.描画_将棋盤桝();
    painter_.描画_自持盤();
}

void MainForm::Form_Load() {
    sound_.load_sounds();  // the sound system and the six sounds, once per run
    start_dir_ = files_dir_;

    sel_.selection_state = 0;
    g.handicap_level = 0;
    view_.handicap_shown = false;
    view_.board_reversed = false;

    p.menu.show_checked(MenuItem::LEVEL1, false);
    p.menu.show_checked(MenuItem::LEVEL2, false);
    p.menu.show_checked(MenuItem::LEVEL3, true);
    p.menu.show_checked(MenuItem::LEVEL4, false);
    p.menu.show_checked(MenuItem::LEVEL5, false);
    g.level = 3;

    g.turn = TURN_NONE;
    painter_.reset_colours();  // white text, green board, grid and guidance

    g.winner = TURN_NONE;
    g.rec_index = 0;
    g.upper_order = FIRST_PLAYER;
    g.lower_order = SECOND_PLAYER;

    painter_.fill_client_area();

    sel_.selection_state = 0;
    読込_環境設定ファイル();
    初期設定();
}

void MainForm::START_Click() {
    if (g.winner != TURN_NONE) {
        初期設定();
        painter_.refresh();
    }
    painter_.描画_棋譜読込み部分消去();
    for (int column = -2; column <= 0; ++column)
        painter_.描画_絵(options_.background(), column, 0);  // where the computer's level is shown
    redraw_for_game();
    sel_.selection_state = 0;  // the outlines of a picked-up piece are gone with the redraw

    start_turn_clock();
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
    painter_.描画_棋譜読込み部分消去();
    painter_.描画_レベル(g.level);
    redraw_for_game();

    sel_.selection_state = 0;
    g.game_mode = MODE_COM;
    g.rec_last = std::max(0, last_entry_of_line());  // as far as 進 may go

    start_turn_clock();
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
        run(com_ban());
    }
}

void MainForm::GOTE_Click() {
    if (g.winner != TURN_NONE) 初期設定();
    painter_.描画_棋譜読込み部分消去();
    painter_.描画_レベル(g.level);
    redraw_for_game();

    p.timer.set_enabled(true);
    sel_.selection_state = 0;
    g.game_mode = MODE_COM;
    g.rec_last = std::max(0, last_entry_of_line());  // as far as 進 may go

    if (g.turn == TURN_NONE || g.move_count == 0) {
        g.lower_order = SECOND_PLAYER;
        g.upper_order = FIRST_PLAYER;
        g.turn = FIRST_PLAYER;
        run(com_ban());  // the computer's first move hands the turn to the player
    } else if (g.turn == g.lower_order) {
        // The player's turn goes on: the seconds already spent on it still count.
        p.dialogs.message("MANの番です", "対局");
    } else if (g.turn == g.upper_order) {
        run(com_ban());
    }
}

void MainForm::LEVEL1_Click() {
    choose_level(1);
}

void MainForm::LEVEL2_Click() {
    choose_level(2);
}

void MainForm::LEVEL3_Click() {
    choose_level(3);
}

void MainForm::LEVEL4_Click() {
    choose_level(LEVEL4);
}

void MainForm::LEVEL5_Click() {
    choose_level(LEVEL5);
}

}  // namespace banzuri
