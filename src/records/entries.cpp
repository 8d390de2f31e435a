#include "records/entries.h"

#include <cmath>

namespace banzuri::records {

namespace {

constexpr double kMaxSeconds = 100'000'000;

bool owned_by(int code, bool lower) {
    return lower ? is_lower_piece(code) : is_upper_piece(code);
}

// The move that turns `before` into `after` for the mover, read from the mover's squares
// alone; false when they do not show one move.
bool find_move(const Board& before, const Board& after, bool lower, LegalMove& m) {
    int sources = 0;
    int destinations = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int was = before[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
            const int is = after[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
            if (was == is) continue;
            if (owned_by(was, lower) && ++sources == 1) {
                m.fx = x;
                m.fy = y;
            }
            if (owned_by(is, lower) && ++destinations == 1) {
                m.tx = x;
                m.ty = y;
                m.placed = is;
            }
        }
    if (destinations != 1 || sources > 1) return false;
    if (sources == 0) {
        const int kind = hand_kind(m.placed);
        m.fx = lower ? HAND_LOWER_COLUMN : HAND_UPPER_COLUMN;
        m.fy = lower ? kind + 2 : kind;
        m.promote = false;
        return kind != 0;
    }
    m.promote = before[static_cast<std::size_t>(m.fx)][static_cast<std::size_t>(m.fy)] != m.placed;
    return true;
}

bool same_position(const GameState& g, const RecordEntry& e) {
    for (std::size_t x = 1; x <= 9; ++x)
        for (std::size_t y = 1; y <= 9; ++y)
            if (g.board[x][y] != e.board[x][y]) return false;
    for (std::size_t k = 1; k <= 7; ++k)
        if (g.hand_own[k] != e.hand_lower[k] || g.hand_enemy[k] != e.hand_upper[k]) return false;
    return true;
}

void add_times(RecordedMove& rm, const RecordEntry& e, bool lower) {
    const double before = lower ? e.time_lower_before : e.time_upper_before;
    const double after = lower ? e.time_lower_after : e.time_upper_after;
    rm.total = whole_seconds(after);
    rm.seconds = rm.total - whole_seconds(before);
    if (rm.seconds < 0) rm.seconds = 0;
}

RecordEntry snapshot(const GameState& g) {
    RecordEntry e;
    e.board = g.board;
    e.hand_lower = g.hand_own;
    e.hand_upper = g.hand_enemy;
    return e;
}

void set_clocks(RecordEntry& e, int lower, int upper) {
    e.time_lower_before = e.time_lower_after = lower;
    e.time_upper_before = e.time_upper_after = upper;
}

}  // namespace

int whole_seconds(double seconds) {
    if (!(seconds > 0)) return 0;
    if (seconds > kMaxSeconds) return static_cast<int>(kMaxSeconds);
    return static_cast<int>(std::floor(seconds));
}

FromEntries from_entries(const std::vector<RecordEntry>& positions, bool lower_to_move_first) {
    FromEntries out;
    if (positions.empty()) {
        out.problem = RecordProblem{0, "局面がありません"};
        return out;
    }
    GameRecord& r = out.record;
    r.start = {positions[0].board, positions[0].hand_lower, positions[0].hand_upper,
               lower_to_move_first};
    GameState g = replay_state(r.start);
    if (std::string why = check_start(r.start); !why.empty()) {
        out.problem = RecordProblem{0, why};
        return out;
    }
    for (std::size_t i = 0; i + 1 < positions.size(); ++i) {
        const bool lower = lower_moves(r.start, i);
        RecordedMove rm;
        std::string why = "局面の変化が一手になっていません";
        if (find_move(positions[i].board, positions[i + 1].board, lower, rm.move)) {
            why = play_recorded(g, lower, rm.move);
            if (why.empty() && !same_position(g, positions[i + 1]))
                why = "指し手の結果が次の局面と合いません";
        }
        if (!why.empty()) {
            out.problem = RecordProblem{i + 1, why};
            return out;
        }
        add_times(rm, positions[i], lower);
        r.moves.push_back(rm);
    }
    r.winner = winner_of(g);
    return out;
}

std::vector<RecordEntry> to_entries(const GameRecord& r) {
    GameState g = replay_state(r.start);
    std::vector<RecordEntry> out;
    int lower_total = 0;
    int upper_total = 0;
    for (std::size_t i = 0; i < r.moves.size(); ++i) {
        const bool lower = lower_moves(r.start, i);
        RecordEntry e = snapshot(g);
        set_clocks(e, lower_total, upper_total);
        const RecordedMove& rm = r.moves[i];
        (lower ? e.time_lower_before : e.time_upper_before) = rm.total - rm.seconds;
        (lower ? e.time_lower_after : e.time_upper_after) = rm.total;
        (lower ? lower_total : upper_total) = rm.total;
        out.push_back(e);
        LegalMove m = rm.move;
        if (!play_recorded(g, lower, m).empty()) return {};
    }
    RecordEntry last = snapshot(g);
    set_clocks(last, lower_total, upper_total);
    out.push_back(last);
    return out;
}

}  // namespace banzuri::records
