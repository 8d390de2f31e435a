#include "cli/players.h"

#include <chrono>

#include "rules/game.h"

namespace banzuri::cli {

namespace {

constexpr int LEVEL5_FACTOR = static_cast<int>(LEVEL5_NODES / LEVEL4_NODES);

// An upper-side move found on the turned-round board, as the lower side's move on `g`.
Move turned_back(const Move& m) {
    Move out = m;
    if (!m.is_drop()) out.from = {10 - m.from.x, 10 - m.from.y};
    out.to = {10 - m.to.x, 10 - m.to.y};
    return out;
}

std::optional<Move> one_ply(const GameState& g, bool lower_side, int level, ComputerState& c) {
    // The one-ply search plays the upper side as the computer of a game against a human.
    const GameState seen = lower_side ? turned_round(g) : g;
    int upper_order = lower_side ? g.lower_order : g.upper_order;
    if (upper_order == TURN_NONE) upper_order = lower_side ? 1 : -1;
    Game game;
    game.set_position(seen.board, seen.hand_own, seen.hand_enemy, false);
    game.start(MODE_COM, -upper_order, upper_order);
    game.set_level(level);
    GameState scratch = game.position();
    const std::optional<Move> best = search_best_move(scratch, c, [] {});
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
    return t;
}

LookTable& session_table() {
    static LookTable table;
    return table;
}

LookLimits look_limits(int level, const ThinkLimits& t) {
    LookLimits limits = level_limits(level);
    const int factor = level == LEVEL5 && t.level5_thinks_longer ? LEVEL5_FACTOR : 1;
    if (t.nodes > 0) limits.nodes = t.nodes * factor;
    if (t.movetime_ms > 0) {
        limits.nodes = 0;
        // As in the game: the search in the first part of the time, a plan's check in the rest.
        const auto think = std::chrono::milliseconds(t.movetime_ms * factor);
        const auto now = std::chrono::steady_clock::now();
        const auto search_end = now + think * SEARCH_TIME_PERCENT / 100;
        const auto end = now + think;
        limits.should_stop = [search_end] {
            return std::chrono::steady_clock::now() >= search_end;
        };
        limits.plan_should_stop = [end] { return std::chrono::steady_clock::now() >= end; };
    }
    return limits;
}

std::optional<Move> computer_move(const GameState& g, bool lower_side, int level,
                                  const ThinkLimits& t, ComputerState& scratch) {
    if (level <= 3) return one_ply(g, lower_side, level, scratch);
    return look_ahead(g, lower_side, look_limits(level, t), session_table()).move;
}

}  // namespace banzuri::cli
