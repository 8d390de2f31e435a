// Starts the game in the current directory, which holds the sounds and the help page.
#include <SDL.h>

#include <QApplication>
#include <iostream>
#include <optional>

#include "app/display_check.h"
#include "app/game_window.h"

int main(int argc, char* argv[]) {
    if (!banzuri::app::graphical_session_available()) {
        std::cerr << banzuri::app::NO_DISPLAY_MESSAGE << '\n';
        return 1;
    }
    // Ctrl+C and a terminate signal end the program as usual; the sound system must not
    // swallow them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    std::optional<QApplication> application;
    {
        const banzuri::app::PlatformStartGuard guard;
        application.emplace(argc, argv);
    }
    banzuri::app::GameWindow window;
    window.load();
    if (window.quitting()) return 0;
    window.show_as_remembered();
    return QApplication::exec();
}
