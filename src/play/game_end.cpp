// The end of a game, the play-again question and every way of ending the program.
#include "play/main_form.h"

namespace banzuri {

// Releases the sounds and ends the program; asking twice does nothing more.
void MainForm::terminate() {
    if (quitting_) return;
    worker_.stop();  // the search stops within milliseconds; its move is not wanted
    p.poll.set_enabled(false);
    thinking_ = Thinking::NONE;
    drop_paused();  // an animation under way ends where it is
    終了処理();
    quitting_ = true;
    p.app.quit();
}

void MainForm::終了(TextId winner) {
    sound_.play(sound_.snd_game_end());
    p.dialogs.message(t(winner), t(TextId::TITLE_END));
    if (p.dialogs.ask_yes_no(t(TextId::PLAY_AGAIN), t(TextId::TITLE_PLAY_AGAIN))) {
        Form_Load();  // back to the start-up state; sounds and music are kept
    } else {
        terminate();
    }
}

void MainForm::終了処理() {
    sound_.free_sounds();
}

void MainForm::OWARI_Click() {
    terminate();
}

void MainForm::Form_KeyPress(int key) {
    if (key != KEY_ESCAPE) return;
    // While the game is looked over, Esc stops that instead of the program.
    if (analysing()) {
        cancel_analysis();
        return;
    }
    terminate();
}

void MainForm::Form_Unload() {
    terminate();
}

}  // namespace banzuri
