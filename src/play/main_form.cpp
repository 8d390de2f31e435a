#include "play/main_form.h"

#include <utility>

namespace banzuri {

MainForm::MainForm(Platform platform, std::filesystem::path dir, std::filesystem::path settings_dir,
                   std::filesystem::path state_dir)
    : p(platform),
      files_dir_(std::move(dir)),
      settings_dir_(settings_dir.empty() ? files_dir_ : std::move(settings_dir)),
      start_dir_(files_dir_),
      held_warnings_(p.dialogs),
      options_(p.menu, held_warnings_, settings_dir_),
      sound_(p.sound, p.dialogs, files_dir_),
      painter_(p.canvas, g, view_, options_),
      think_limits_(timed_limits) {
    records_.state_dir = std::move(state_dir);
    sound_.set_on_loaded([this] { held_warnings_.release(); });
    held_warnings_.set_finish([this] { sound_.finish_loading(); });
}

bool MainForm::checked(MenuItem item) const {
    switch (item) {
        case MenuItem::LEVEL1:
            return game_.level() == 1;
        case MenuItem::LEVEL2:
            return game_.level() == 2;
        case MenuItem::LEVEL3:
            return game_.level() == 3;
        case MenuItem::LEVEL4:
            return game_.level() == LEVEL4;
        case MenuItem::LEVEL5:
            return game_.level() == LEVEL5;
        default:
            return options_.checked(item);
    }
}

}  // namespace banzuri
