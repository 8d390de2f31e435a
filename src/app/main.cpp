// Starts the game: its sounds and help page come from its data folder, its settings file from
// the folder chosen at start-up (see app/data_paths.h).
#include <QApplication>
#include <QTimer>
#include <cstdlib>
#include <iostream>
#include <optional>

#include "app/command_line.h"
#include "app/data_paths.h"
#include "app/display_check.h"
#include "app/game_window.h"
#include "app/start_check.h"
#include "app/translation.h"

int main(int argc, char* argv[]) {
    banzuri::app::set_application_identity();
    if (!banzuri::app::graphical_session_available()) {
        QCoreApplication answers(argc, argv);  // --help and --version need no display
        banzuri::app::read_command_line(answers);
        std::cerr << banzuri::app::NO_DISPLAY_MESSAGE << '\n';
        return 1;
    }
    // Ctrl+C and a terminate signal end the program as usual; the sound system must not
    // swallow them (SDL_HINT_NO_SIGNAL_HANDLERS, read by SDL, opened later, from its variable).
    setenv("SDL_NO_SIGNAL_HANDLERS", "1", 0);
    std::optional<QApplication> application;
    {
        const banzuri::app::PlatformStartGuard guard;
        application.emplace(argc, argv);
    }
    const banzuri::app::StartOptions options = banzuri::app::read_command_line(*application);
    const auto folders = banzuri::app::find_game_folders(banzuri::app::executable_folder());
    // Japanese unless --language or the player's earlier choice says otherwise.
    banzuri::app::use_language(
        options.language.value_or(banzuri::app::remembered_language({})),
        QString::fromStdString((folders.data_dir / "translations").string()));
    banzuri::app::GameWindow window(folders.data_dir, {}, folders.settings_dir, folders.state_dir);
    std::optional<banzuri::app::StartCheck> check;
    if (options.check_start) check.emplace(window);
    window.load();
    if (check) check->loaded();
    if (window.quitting()) return 0;
    window.show_as_remembered();
    // The icon's sixteen pictures are read once the window is up; the window takes it then.
    QTimer::singleShot(0, [] { banzuri::app::set_window_icon(); });
    return QApplication::exec();
}
