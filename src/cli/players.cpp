#include "cli/players.h"

#include <chrono>

namespace banzuri::cli {

namespace {

constexpr int LEVEL5_FACTOR = static_cast<int>(LEVEL5_NODES / LEVEL4_NODES);

// An upper-side move found on the turned-round board, as the lower side's move on `g`.
LegalMove turned_back(const LegalMove& m) {
    LegalMove out = m;
    if (is_drop(m)) {
        out.fx = HAND_LOWER_COLUMN;
        out.fy = m.fy + 2;
    } else {
        out.fx = 10 - m.fx;
        out.fy = 10 - m.fy;
    }
    out.tx = 10 - m.tx;
    out.ty = 10 - m.ty;
    out.piece = -m.piece;
    out.placed = -m.placed;
    return out;
}

std::optional<LegalMove> one_ply(GameState& g, bool lower_side, int level, ComputerState& c) {
    // The one-ply search plays the upper side as the computer of a game against a human.
    GameState scratch = lower_side ? turned_round(g) : g;
    scratch.game_mode = MODE_COM;
    scratch.upper_order = lower_side ? g.lower_order : g.upper_order;
    if (scratch.upper_order == TURN_NONE) scratch.upper_order = lower_side ? 1 : -1;
    scratch.lower_order = -scratch.upper_order;
    scratch.turn = scratch.upper_order;
    scratch.level = level;
    const std::optional<LegalMove> best = search_best_move(scratch, c, [] {});
    if (!best || !lower_side) return best;
    return turned_back(*best);
}

}  // namespace

GameState turned_round(const GameState& g) {
    GameState t;
    t.record.clear();
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            t.set(10 - x, 10 - y, -g.at(x, y));
    t.hand_own = g.hand_enemy;
    t.hand_enemy = g.hand_own;
    t.winner = g.winner;
    return t;
}

LookLimits look_limits(int level, const ThinkLimits& t) {
    LookLimits limits = level_limits(level);
    const int factor = level == LEVEL5 && t.level5_thinks_longer ? LEVEL5_FACTOR : 1;
    if (t.nodes > 0) limits.nodes = t.nodes * factor;
    if (t.movetime_ms > 0) {
        limits.nodes = 0;
        const auto deadline =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(t.movetime_ms * factor);
        limits.should_stop = [deadline] { return std::chrono::steady_clock::now() >= deadline; };
    }
    return limits;
}

std::optional<LegalMove> computer_move(GameState& g, bool lower_side, int level,
                                       const ThinkLimits& t, ComputerState& scratch) {
    if (level <= 3) return one_ply(g, lower_side, level, scratch);
    return look_ahead(g, lower_side, look_limits(level, t)).move;
}

}  // namespace banzuri::cli
