// The window's periodic 50 ms timer.
#pragma once

namespace banzuri {

// The window's periodic 50 ms timer: its enabled flag is the game's business; when the next
// tick is due is the window's.
class TimerControl {
  public:
    virtual ~TimerControl() = default;
    virtual void set_enabled(bool enabled) = 0;
    virtual bool enabled() const = 0;
    // Said by a tick: nothing the ticks show changes for `seconds`, so the window may let the
    // next tick come as late as then instead of every 50 ms (an idle window then wakes once a
    // second rather than twenty times). A timer that ignores it keeps ticking every 50 ms.
    virtual void quiet_for(double /*seconds*/) {}
};

}  // namespace banzuri
