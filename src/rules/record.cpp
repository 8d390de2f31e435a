#include "rules/record.h"

namespace banzuri {

void 手順保存(GameState& g, int /*fx*/, int /*fy*/, int /*tx*/, int /*ty*/, int /*piece*/,
              int /*target*/, double lower_before, double lower_after, double upper_before,
              double upper_after) {
    if (g.rec_index < 0) return;
    const auto n = static_cast<std::size_t>(g.rec_index);
    if (n >= g.record.size()) g.record.resize(n + 1);
    RecordEntry& entry = g.record[n];
    entry.board = Board{};
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            entry.board[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)] = g.at(x, y);
    entry.hand_lower = Hand{};
    entry.hand_upper = Hand{};
    for (int k = 1; k <= 7; ++k) {
        GameState::add(entry.hand_lower, k, GameState::count(g.hand_own, k));
        GameState::add(entry.hand_upper, k, GameState::count(g.hand_enemy, k));
    }
    entry.time_lower_before = lower_before;
    entry.time_lower_after = lower_after;
    entry.time_upper_before = upper_before;
    entry.time_upper_after = upper_after;
    g.rec_last = g.rec_index;
}

int 調査_移動結果(const GameState& g, int n, int& x, int& y, int& code) {
    if (n < 1 || static_cast<std::size_t>(n) >= g.record.size()) return OFF;
    const Board& before = g.record[static_cast<std::size_t>(n - 1)].board;
    const Board& after = g.record[static_cast<std::size_t>(n)].board;
    for (std::size_t i = 1; i <= 9; ++i)
        for (std::size_t j = 1; j <= 9; ++j)
            if (after[i][j] != before[i][j] && after[i][j] != EMPTY) {
                x = static_cast<int>(i);
                y = static_cast<int>(j);
                code = after[i][j];
                return ON;
            }
    return OFF;
}

}  // namespace banzuri
