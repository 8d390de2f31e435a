// Whether a graphical session is there to open the window in.
#pragma once

namespace banzuri::app {

// True when a display server can be reached (X11, Wayland) or a Qt platform was chosen.
bool graphical_session_available();

inline constexpr const char* NO_DISPLAY_MESSAGE =
    "banzuri: no graphical session found (DISPLAY is not set); run it on a desktop or under "
    "xvfb-run.";

}  // namespace banzuri::app
