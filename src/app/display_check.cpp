#include "app/display_check.h"

#include <cstdlib>

namespace banzuri::app {

bool graphical_session_available() {
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}

}  // namespace banzuri::app
