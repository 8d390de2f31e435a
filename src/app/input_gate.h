// Decides which mouse presses reach the game. Every handler runs to its end before the next
// input is looked at; presses made while a handler was busy (during an animation, the
// computer's search or a message box) are dropped instead of being replayed afterwards
// against a position the player had not seen.
#pragma once

#include <cstdint>

namespace banzuri::app {

class InputGate {
  public:
    // An input event (mouse or key) reached the application; timestamps are milliseconds of
    // the window system's event clock, 0 when unknown.
    void saw_input(std::uint64_t timestamp);

    // A handler starts; false when one is already running (the new one must not run).
    bool begin();
    // The handler that began last has ended after `elapsed_ms` milliseconds.
    void end(std::int64_t elapsed_ms);
    bool busy() const { return busy_; }

    // Whether a mouse press with this timestamp is a fresh one that may reach the game.
    bool accepts_press(std::uint64_t timestamp) const;

  private:
    bool busy_ = false;
    bool seen_input_ = false;
    std::uint64_t last_input_ = 0;
    std::uint64_t started_at_ = 0;  // event time of the input that started the handler
    bool have_start_ = false;
    bool have_busy_until_ = false;
    std::uint64_t busy_until_ = 0;  // event time at which the last handler ended
};

}  // namespace banzuri::app
