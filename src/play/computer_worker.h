// The look-ahead search on a thread of its own, so that the window stays free while the
// computer thinks. It works on its own copy of the game state; the window asks whether it
// has finished and collects the move, or stops it at once.
#pragma once

#include <atomic>
#include <optional>
#include <thread>

#include "computer/look_ahead.h"
#include "rules/game_state.h"

namespace banzuri {

// The limits the game gives a level's search: its think time, LEVEL4_THINK_MS or
// LEVEL5_THINK_MS from now.
LookLimits timed_limits(int level);

class ComputerWorker {
  public:
    ComputerWorker() = default;
    ComputerWorker(const ComputerWorker&) = delete;
    ComputerWorker& operator=(const ComputerWorker&) = delete;
    ~ComputerWorker();

    // Starts the search for the lower or the upper side of `g`; a search still running is
    // stopped first. The stop flag of `limits` is replaced by the worker's own.
    void start(GameState g, bool lower_side, LookLimits limits);
    // A search has been started and its result not yet collected.
    bool busy() const { return thread_.joinable(); }
    // The search has ended and its result waits to be collected.
    bool finished() const { return busy() && done_.load(std::memory_order_acquire); }
    // The result of a finished search; the worker is idle afterwards.
    LookResult collect();
    // Tells the search to stop and waits for its thread, which ends within a few
    // milliseconds; the result is thrown away. Nothing happens when the worker is idle.
    void stop();

  private:
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> done_{false};
    LookResult result_;
    LookTable table_;  // kept for the window's life, used by one search at a time
};

}  // namespace banzuri
