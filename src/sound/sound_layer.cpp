// Placeholder bodies; this concern is being built.
#include "play/main_form.h"

namespace banzuri {

void MainForm::sound_init(long /*window_handle*/) {}

int MainForm::sound_load(const std::string& /*file_name*/, int /*flags*/) {
    return 0;
}

void MainForm::sound_warning(const std::string& /*text*/) {}

void MainForm::sound_term() {}

void MainForm::play(int buffer) {
    p.sound.dsPlay(buffer);
}

void MainForm::load_sounds() {}

void MainForm::free_sounds() {}

void MainForm::start_music() {}

void MainForm::stop_music() {}

}  // namespace banzuri
