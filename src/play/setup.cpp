// Start-up and the game menu: loading the window, starting a game between two people or
// against the computer, and the computer's strength.
#include "play/main_form.h"

namespace banzuri {

void MainForm::choose_level(int level) {
    const MenuItem items[] = {MenuItem::LEVEL1, MenuItem::LEVEL2, MenuItem::LEVEL3,
                              MenuItem::LEVEL4, MenuItem::LEVEL5};
    if (checked(items[level - 1])) return;
    for (int n = 1; n <= 5; ++n)
        p.menu.show_checked(items[n - 1], n == level);
    game_.set_level(level);
    g.level = level;  // the position shown may be a move's animation: only the level changes
    painter_.描画_レベル(level);
}

// The board outlines and the lower hand, shared by the three ways into a game.
void MainForm::redraw_for_game() {
    painter_.描画_将棋盤桝();
    painter_.描画_自持盤();
}

void MainForm::Form_Load() {
    sound_.load_sounds();    // the sound system and the six sounds, once per run
    if (sound_.loading()) {  // beside the window: the poll finishes it, warnings wait for it
        held_warnings_.hold();
        p.poll.set_enabled(true);
    }
    start_dir_ = files_dir_;

    sel_.selection_state = 0;
    game_.set_handicap_level(0);
    view_.handicap_shown = false;
    view_.board_reversed = false;

    p.menu.show_checked(MenuItem::LEVEL1, false);
    p.menu.show_checked(MenuItem::LEVEL2, false);
    p.menu.show_checked(MenuItem::LEVEL3, true);
    p.menu.show_checked(MenuItem::LEVEL4, false);
    p.menu.show_checked(MenuItem::LEVEL5, false);
    game_.set_level(3);

    painter_.reset_colours();  // white text, green board, grid and guidance
    game_.start(game_.mode(), SECOND_PLAYER, TURN_NONE);  // the upper side first, no game yet
    game_.set_winner(TURN_NONE);
    show_game();

    painter_.fill_client_area();

    sel_.selection_state = 0;
    読込_環境設定ファイル();
    初期設定();
    clear_stale_autosave_files();
    held_warnings_.started();
}

void MainForm::START_Click() {
    if (game_.decided()) {
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
    if (!game_.running() || game_.move_count() == 0) {
        game_.start(MODE_MAN, FIRST_PLAYER, FIRST_PLAYER);
        // Nothing ahead can be stepped to, unless this is a line stepped back to its start:
        // that keeps its moves for 進.
        if (game_.line_end() == game_.record_index()) game_.set_record_last(0);
        show_game();
        p.dialogs.message(t(TextId::FIRST_TO_MOVE), " ");
        return;
    }
    game_.set_mode(MODE_MAN);
    show_game();
    if (g.turn == FIRST_PLAYER) {
        p.dialogs.message(t(TextId::FIRST_TO_MOVE), " ");
    } else if (g.turn == SECOND_PLAYER) {
        p.dialogs.message(t(TextId::SECOND_TO_MOVE), " ");
    }
}

void MainForm::MATCH_MAN_Click() {}

void MainForm::SENTE_Click() {
    if (game_.decided()) 初期設定();
    painter_.描画_棋譜読込み部分消去();
    painter_.描画_レベル(game_.level());
    redraw_for_game();

    sel_.selection_state = 0;
    game_.set_mode(MODE_COM);
    show_game();

    start_turn_clock();
    p.timer.set_enabled(true);

    const bool fresh = !game_.running() || game_.move_count() == 0;
    if (fresh || game_.lower_to_move()) {
        // The player moves now and counts as the first player from here.
        game_.start(MODE_COM, FIRST_PLAYER, FIRST_PLAYER);
        show_game();
        p.dialogs.message(t(TextId::YOUR_MOVE), fresh ? std::string(" ") : t(TextId::TITLE_GAME));
    } else {
        run(com_ban());
    }
}

void MainForm::GOTE_Click() {
    if (game_.decided()) 初期設定();
    painter_.描画_棋譜読込み部分消去();
    painter_.描画_レベル(game_.level());
    redraw_for_game();

    p.timer.set_enabled(true);
    sel_.selection_state = 0;
    game_.set_mode(MODE_COM);
    show_game();

    if (!game_.running() || game_.move_count() == 0) {
        game_.start(MODE_COM, SECOND_PLAYER, FIRST_PLAYER);
        show_game();
        run(com_ban());  // the computer's first move hands the turn to the player
    } else if (game_.lower_to_move()) {
        // The player's turn goes on: the seconds already spent on it still count.
        p.dialogs.message(t(TextId::YOUR_MOVE), t(TextId::TITLE_GAME));
    } else {
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
