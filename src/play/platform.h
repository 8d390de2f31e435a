// The small interfaces through which the game's procedures reach what the platform gives:
// message boxes, the time of day and waits, the clock timer's enabled flag, the menus' check
// marks, the URL opener and ending the program. The app implements them with Qt; tests record.
#pragma once

#include <string>

#include "platform/dialogs.h"

namespace banzuri {

class Clock {
  public:
    virtual ~Clock() = default;
    // Seconds since midnight, with a fraction.
    virtual double time_of_day() = 0;
    // Blocks the calling thread for about `seconds` without processing window events.
    virtual void sleep(double seconds) = 0;
};

// The window's periodic 50 ms timer: only its enabled flag is the game's business.
class TimerControl {
  public:
    virtual ~TimerControl() = default;
    virtual void set_enabled(bool enabled) = 0;
    virtual bool enabled() const = 0;
};

// Menu items that carry check marks.
enum class MenuItem {
    LEVEL1,
    LEVEL2,
    LEVEL3,
    MIDORI,
    TATAMI,
    TAKE,
    UCHU,
    RENGA,
    SIDOU,
    KEIKA,
    BGM
};
inline constexpr int MENU_ITEM_COUNT = 11;

// Shows the game's check marks on the real menus.
class MenuView {
  public:
    virtual ~MenuView() = default;
    virtual void show_checked(MenuItem item, bool checked) = 0;
};

class UrlOpener {
  public:
    virtual ~UrlOpener() = default;
    // Opens the address in the user's browser; false when that failed.
    virtual bool open_url(const std::string& url) = 0;
};

// Ending the program and the about box, which belong to the window system.
class AppControl {
  public:
    virtual ~AppControl() = default;
    // Ends the program at once; no handler code runs after the current one returns.
    virtual void quit() = 0;
    // Shows the about box modally.
    virtual void show_about() = 0;
};

}  // namespace banzuri
