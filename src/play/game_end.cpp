// The end of a game, the play-again question and every way of ending the program.
#include "play/main_form.h"

namespace banzuri {

namespace {

// Releases the sounds and ends the program; asking twice does nothing more.
void terminate(MainForm& f) {
    if (f.quitting) return;
    f.終了処理();
    f.quitting = true;
    f.p.app.quit();
}

}  // namespace

void MainForm::終了(const std::string& winner_name) {
    sound.play(sound.snd_game_end());
    p.dialogs.message(winner_name + "の勝ちです", "終了");
    if (p.dialogs.ask_yes_no("続けますか？", "再ゲーム")) {
        Form_Load();  // back to the start-up state; sounds and music are kept
    } else {
        terminate(*this);
    }
}

void MainForm::終了処理() {
    sound.free_sounds();
}

void MainForm::OWARI_Click() {
    terminate(*this);
}

void MainForm::Form_KeyPress(int key) {
    if (key == KEY_ESCAPE) terminate(*this);
}

void MainForm::Form_Unload() {
    terminate(*this);
}

}  // namespace banzuri
