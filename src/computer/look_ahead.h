// The look-ahead computer of LEVEL4 and LEVEL5: negamax alpha-beta with iterative deepening, a
// transposition table, capture-first move ordering with killer and history moves, a quiescence
// search over capturing moves and plans (a piece's route to a capture, followed while it costs
// little). It plays either side. The caller owns the stop: a node budget (fully deterministic)
// and/or a flag or callable it sets, asked every STOP_POLL_NODES nodes; the search itself never
// reads a clock.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "computer/look_eval.h"
#include "rules/game_state.h"
#include "rules/move_type.h"

namespace banzuri {

inline constexpr int LEVEL4 = 4;
inline constexpr int LEVEL5 = 5;
// How long the game lets each level think, in milliseconds.
inline constexpr int LEVEL4_THINK_MS = 1000;
inline constexpr int LEVEL5_THINK_MS = 3000;
// The node budgets of the deterministic levels (command-line tool): what the think times
// give at a million nodes per second, in their ratio.
inline constexpr std::int64_t LEVEL4_NODES = 1000000;
inline constexpr std::int64_t LEVEL5_NODES = 3 * LEVEL4_NODES;

inline constexpr std::int64_t STOP_POLL_NODES = 1024;

struct LookLimits {
    std::int64_t nodes = 0;  // node budget; 0 for none
    int max_depth = 64;
    const std::atomic<bool>* stop = nullptr;  // set by the caller to stop at once
    std::function<bool()> should_stop;        // asked every STOP_POLL_NODES nodes
    look::EvalWeights weights{};
    bool plans = true;  // follow a piece's route to a capture when it costs little (see Searcher)
    // Asked instead of should_stop while a plan is checked after the search; without it a
    // search that should_stop ended checks no plan. A caller with a think time stops the
    // search at SEARCH_TIME_PERCENT of it and the check at its end.
    std::function<bool()> plan_should_stop;
};

inline constexpr int SEARCH_TIME_PERCENT = 80;

struct LookResult {
    std::optional<Move> move;  // nothing when the side has no move or the game is over
    int depth = 0;             // the deepest iteration completed
    std::int64_t nodes = 0;
    int score = 0;  // for the side to move, hundredths of a pawn; beyond MATE_BOUND a won game
};

inline constexpr int MATE_SCORE = 30000;
inline constexpr int MATE_BOUND = 29000;

namespace look {
struct SearchMemory;
}

// The search's table and buffers, made once (about 16 MiB, touched only as searches reach it)
// and kept for the searches of one player: a window's worker, a command-line session. Each
// search starts afresh in it, so a move never depends on the searches before it. One search
// at a time.
class LookTable {
  public:
    LookTable();
    ~LookTable();
    LookTable(const LookTable&) = delete;
    LookTable& operator=(const LookTable&) = delete;
    look::SearchMemory& memory() { return *memory_; }

  private:
    std::unique_ptr<look::SearchMemory> memory_;
};

// The node budget of LEVEL4 or LEVEL5 (any other level gets LEVEL4's).
LookLimits level_limits(int level);

// The move the look-ahead search chooses for the lower or the upper side in `g` (board and
// hands are read, and the positions of the record before rec_index, which it avoids meeting
// again; whose turn `g` says is not). Safe to call from a worker thread on a copy
// of the game state. The first form searches in `table`; the second makes a table of its own.
LookResult look_ahead(const GameState& g, bool lower_side, const LookLimits& limits,
                      LookTable& table);
LookResult look_ahead(const GameState& g, bool lower_side, const LookLimits& limits);

// The move LEVEL5 would play for the side to move; the game passes a deadline of
// LEVEL5_THINK_MS in `should_stop`.
LookResult hint(const GameState& g, bool lower_side, std::function<bool()> should_stop);

}  // namespace banzuri
