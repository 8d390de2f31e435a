// Whether a graphical session is there to open the window in.
#pragma once

#include <string_view>

namespace banzuri::app {

// True when a display server can be reached (X11, Wayland) or a Qt platform was chosen.
bool graphical_session_available();

// True when the X display named like DISPLAY ("[host]:number[.screen]") accepts a connection:
// its local socket or, for a host, its TCP port. Waits a few seconds at most.
bool x_display_reachable(std::string_view display);

inline constexpr const char* NO_DISPLAY_MESSAGE =
    "banzuri: no graphical session found (DISPLAY is not set or cannot be reached); run it on a "
    "desktop or under xvfb-run.";

// Held while the application object is made: should Qt still find no platform to open the
// window on, the program prints NO_DISPLAY_MESSAGE and exits with 1 instead of aborting with
// Qt's own lines. Qt's other messages of that time are passed on when the guard ends.
class PlatformStartGuard {
  public:
    PlatformStartGuard();
    ~PlatformStartGuard();
    PlatformStartGuard(const PlatformStartGuard&) = delete;
    PlatformStartGuard& operator=(const PlatformStartGuard&) = delete;
};

}  // namespace banzuri::app
