// The window's periodic 50 ms timer.
#pragma once

namespace banzuri {

// The window's periodic 50 ms timer: only its enabled flag is the game's business.
class TimerControl {
  public:
    virtual ~TimerControl() = default;
    virtual void set_enabled(bool enabled) = 0;
    virtual bool enabled() const = 0;
};

}  // namespace banzuri
