#include "records/entries.h"

#include <cstddef>

namespace banzuri::records {

namespace {

bool owned_by(int code, bool lower) {
    return lower ? is_lower_piece(code) : is_upper_piece(code);
}

// The move that turns `before` into `after` for the mover, read from the mover's squares
// alone; false when they do not show one move.
bool find_move(const Board& before, const Board& after, bool lower, Move& m) {
    int sources = 0;
    int destinations = 0;
    int placed = EMPTY;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int was = before[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
            const int is = after[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
            if (was == is) continue;
            if (owned_by(was, lower) && ++sources == 1) m.from = {x, y};
            if (owned_by(is, lower) && ++destinations == 1) {
                m.to = {x, y};
                placed = is;
            }
        }
    if (destinations != 1 || sources > 1) return false;
    if (sources == 0) {
        m.from = {};
        m.drop = hand_kind(placed);
        m.promote = false;
        return m.drop != 0;
    }
    m.promote =
        before[static_cast<std::size_t>(m.from.x)][static_cast<std::size_t>(m.from.y)] != placed;
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

}  // namespace

FromEntries from_entries(const std::vector<RecordEntry>& positions, bool lower_to_move_first) {
    FromEntries out;
    if (positions.empty()) {
        out.problem = RecordProblem{0, "局面がありません"};
        return out;
    }
    GameRecord& r = out.record;
    r.start = {positions[0].board, positions[0].hand_lower, positions[0].hand_upper,
               lower_to_move_first};
    Game game = replay_game(r.start);
    if (std::string why = check_start(r.start); !why.empty()) {
        out.problem = RecordProblem{0, why};
        return out;
    }
    for (std::size_t i = 0; i + 1 < positions.size(); ++i) {
        const bool lower = lower_moves(r.start, i);
        RecordedMove rm;
        add_times(rm, positions[i], lower);
        std::string why = "局面の変化が一手になっていません";
        if (find_move(positions[i].board, positions[i + 1].board, lower, rm.move)) {
            why = play_recorded(game, rm);
            if (why.empty() && !same_position(game.position(), positions[i + 1]))
                why = "指し手の結果が次の局面と合いません";
        }
        if (!why.empty()) {
            out.problem = RecordProblem{i + 1, why};
            return out;
        }
        r.moves.push_back(rm);
    }
    r.winner = winner_of(game);
    return out;
}

std::vector<RecordEntry> to_entries(const GameRecord& r) {
    Game game = replay_game(r.start);
    for (RecordedMove rm : r.moves)
        if (!play_recorded(game, rm).empty()) return {};
    std::vector<RecordEntry> out(
        game.entries().begin(),
        game.entries().begin() + static_cast<std::ptrdiff_t>(r.moves.size()));
    RecordEntry last;
    last.board = game.position().board;
    last.hand_lower = game.position().hand_own;
    last.hand_upper = game.position().hand_enemy;
    last.time_lower_before = last.time_lower_after = game.time_lower();
    last.time_upper_before = last.time_upper_after = game.time_upper();
    out.push_back(last);
    return out;
}

}  // namespace banzuri::records
