// A short periodic timer that looks after work running beside the window (the computer's
// search on its worker thread) while the window stays free.
#pragma once

namespace banzuri {

// While enabled, the window calls the game's poll handler every POLL_INTERVAL_MS milliseconds
// on its own thread, whenever no other handler is running.
class PollTimer {
  public:
    virtual ~PollTimer() = default;
    virtual void set_enabled(bool enabled) = 0;
    virtual bool enabled() const = 0;
    static constexpr int POLL_INTERVAL_MS = 10;
};

}  // namespace banzuri
