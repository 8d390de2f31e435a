// A game looked over by the look-ahead on a thread of its own, so that the window stays free:
// it works on its own copy of the game, reports how many moves it has done, and can be
// stopped at once. One search table is kept for the worker's life.
#pragma once

#include <atomic>
#include <functional>
#include <thread>

#include "computer/game_analysis.h"
#include "rules/game.h"

namespace banzuri {

// The think time of each position when the window looks over a game: a 100-move game takes
// about half a minute.
inline constexpr int ANALYSIS_MOVE_MS = 300;

// LEVEL4's search, ANALYSIS_MOVE_MS from now.
LookLimits analysis_limits();

class AnalysisWorker {
  public:
    AnalysisWorker() = default;
    AnalysisWorker(const AnalysisWorker&) = delete;
    AnalysisWorker& operator=(const AnalysisWorker&) = delete;
    ~AnalysisWorker();

    // Starts looking over `game`'s line, each search bounded by what `limits` gives; a run
    // still going is stopped first.
    void start(Game game, std::function<LookLimits()> limits);
    // A run has been started and its result not yet collected.
    bool busy() const { return thread_.joinable(); }
    // The run has ended and its result waits to be collected.
    bool finished() const { return busy() && done_.load(std::memory_order_acquire); }
    // Moves looked at so far and the moves of the line.
    int done() const { return moves_done_.load(std::memory_order_relaxed); }
    int total() const { return moves_total_.load(std::memory_order_relaxed); }
    // The result of a finished run; the worker is idle afterwards.
    GameAnalysis collect();
    // Stops the run and waits for its thread; the result is thrown away.
    void stop();

  private:
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> done_{false};
    std::atomic<int> moves_done_{0};
    std::atomic<int> moves_total_{0};
    GameAnalysis result_;
    LookTable table_;
};

}  // namespace banzuri
