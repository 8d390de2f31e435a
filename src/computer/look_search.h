// The look-ahead searcher: one object per search, owning its position, over the table and
// buffers kept from one search to the next.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "computer/look_ahead.h"
#include "computer/look_pick.h"
#include "computer/look_table.h"

namespace banzuri::look {

inline constexpr int MAX_PLY = 96;
inline constexpr int MAX_QUIESCENCE_PLY = 8;

inline constexpr int TABLE_BITS = 20;

// Plans: routes of one piece (not a pawn or the king), the others standing still, onto a
// square where arriving captures at least PLAN_MIN_GAIN, two to PLAN_STEPS moves long with
// the capture. Measured against LEVEL1 at --nodes 10000 over seeds 4099, 2718, 31337, 101,
// 202 and 303 (360 games), games at the ply limit: no plans 31; 6 steps and a margin of 20:
// 20, 40: 18, 60: 24; 8 steps, 40: 21. Against LEVEL4 without plans 48 % (200 games).
inline constexpr int PLAN_STEPS = 6;
inline constexpr int PLAN_MIN_GAIN = 100;
inline constexpr int PLAN_MARGIN = 40;  // hundredths of a pawn below the best move's score
inline constexpr int PLAN_EXTRA_PERCENT = 25;

// What a search needs besides its position, large enough to be made once and kept: the
// transposition table and the move lists, keys, pickers and threats of every ply.
struct SearchMemory {
    explicit SearchMemory(int table_bits = TABLE_BITS);
    Table table;
    std::vector<MoveList> lists;
    std::vector<MoveKeys> keys;
    std::vector<Picker> pickers;
    std::vector<Threats> threats;
};

class Searcher {
  public:
    // `earlier` are the hashes of the positions the game went through before the root. The
    // search starts a new generation of `memory`'s table; nothing of an earlier search counts.
    Searcher(const Position& root, const LookLimits& limits, std::vector<std::uint64_t> earlier,
             SearchMemory& memory);

    // Iterative deepening from the root; the best move of the deepest completed iteration
    // (or of the one stopped, once its first move was searched), or a plan's first step.
    void run();

    Move best() const { return best_; }
    int depth() const { return depth_; }
    int score() const { return score_; }
    std::int64_t nodes() const { return nodes_; }

  private:
    int search(int depth, int alpha, int beta, int ply);
    int quiescence(int alpha, int beta, int ply, int qply);
    int root(int depth, int alpha, int beta);
    bool count_node();
    bool repeated(int ply) const;
    int repetition_score(int ply) const;
    void order(MoveList& list, MoveKeys& keys, const SideThreats& t, Move tt_move, int ply) const;
    void reward(Move m, int depth, int ply);
    // At the end of run(), unless the best move captures: if one piece has a route onto a
    // capture (see PLAN_STEPS) and its first step holds within PLAN_MARGIN of the best under
    // the opponent's best replies, that step becomes the best move. A node budget allows
    // PLAN_EXTRA_PERCENT more nodes for the check; a think time, its last part (see
    // LookLimits::plan_should_stop).
    void follow_plan();
    struct Plan {
        Move first;
        int steps = 0;
        int gain = 0;
    };
    Move find_plan();
    void route_of(int from, const SideThreats& own, Plan& plan) const;
    bool captures(Move m);
    bool time_for_plan() const;
    std::size_t history_index(Move m) const;

    Position pos_;
    LookLimits limits_;
    Evaluator eval_;
    ThreatFinder finder_;
    Table& table_;
    std::vector<MoveList>& lists_;
    std::vector<MoveKeys>& keys_;
    std::vector<Picker>& pickers_;
    std::vector<Threats>& threats_;
    std::array<std::array<Move, 2>, MAX_PLY + 1> killers_{};
    std::vector<int> history_;
    std::vector<std::uint64_t> earlier_;             // sorted
    std::array<std::uint64_t, MAX_PLY + 2> path_{};  // hash of each position on the path
    std::int64_t nodes_ = 0;
    bool stopped_ = false;
    Move best_{};
    int depth_ = 0;
    int score_ = 0;
};

}  // namespace banzuri::look
