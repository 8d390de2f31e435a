#include "play/main_form.h"

#include <utility>

namespace banzuri {

MainForm::MainForm(Platform platform, std::filesystem::path dir)
    : p(platform), files_dir(std::move(dir)), settings_dir(files_dir), start_dir(files_dir) {}

void MainForm::set_checked(MenuItem item, bool on) {
    checks_[static_cast<std::size_t>(item)] = on;
    p.menu.show_checked(item, on);
}

}  // namespace banzuri
