#include "computer/look_search.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace banzuri::look {

namespace {

constexpr int INFINITE_SCORE = 32000;
constexpr int KEY_TABLE_MOVE = 1 << 30;
constexpr int KEY_CAPTURE = 1 << 24;
constexpr int KEY_KILLER = 1 << 22;
constexpr int KEY_PROMOTION = 1 << 21;
constexpr int HISTORY_CAP = 1 << 20;
constexpr int DELTA_MARGIN = 200;  // quiescence: captures that cannot lift alpha are skipped
// Late move reductions: a quiet move late in the order (not the table's, a capture or a
// killer) is first searched LMR_PLIES shallower, and again at full depth only if it beats alpha.
constexpr int LMR_MIN_DEPTH = 3;
constexpr int LMR_FIRST_MOVE = 3;
constexpr int LMR_PLIES = 1;
// A position met again counts as this much below even for the side that searches, so that
// it looks for progress instead of going round in circles.
constexpr int REPETITION_CONTEMPT = 30;

int to_table(int score, int ply) {
    if (score > MATE_BOUND) return score + ply;
    if (score < -MATE_BOUND) return score - ply;
    return score;
}

int from_table(int score, int ply) {
    if (score > MATE_BOUND) return score - ply;
    if (score < -MATE_BOUND) return score + ply;
    return score;
}

Move move_of_bits(std::uint32_t bits) {
    return {static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
            static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)};
}

// What a capture's key gives away for the piece it places: a sixteenth of its value, by the
// moving type and whether it promotes.
const std::array<std::array<int, 2>, TYPE_COUNT> kPlacedCost = [] {
    std::array<std::array<int, 2>, TYPE_COUNT> cost{};
    for (int type = 1; type < TYPE_COUNT; ++type) {
        cost[static_cast<std::size_t>(type)][0] = board_value(type) / 16;
        const int promoted = promoted_type(type);
        if (promoted != 0) cost[static_cast<std::size_t>(type)][1] = board_value(promoted) / 16;
    }
    return cost;
}();

int placed_cost(Move m) {
    return kPlacedCost[m.type][m.promote];
}

// The largest gain of the moves of the list.
int best_gain(const MoveList& list, const std::array<int, SQUARES>& gain) {
    int best = 0;
    for (int i = 0; i < list.size; ++i)
        best = std::max(best, gain[list.moves[static_cast<std::size_t>(i)].to]);
    return best;
}

}  // namespace

SearchMemory::SearchMemory(int table_bits)
    : table(table_bits),
      lists(MAX_PLY + 2),
      keys(MAX_PLY + 2),
      pickers(MAX_PLY + 2),
      threats(MAX_PLY + 2) {}

Searcher::Searcher(const Position& root, const LookLimits& limits,
                   std::vector<std::uint64_t> earlier, SearchMemory& memory)
    : pos_(root),
      limits_(limits),
      eval_(limits.weights),
      table_(memory.table),
      lists_(memory.lists),
      keys_(memory.keys),
      pickers_(memory.pickers),
      threats_(memory.threats),
      history_(2 * (SQUARES + 8) * SQUARES, 0),
      earlier_(std::move(earlier)) {
    std::sort(earlier_.begin(), earlier_.end());
    table_.new_search();
}

// The position at `ply` stood on the board before: earlier on the path or in the game.
bool Searcher::repeated(int ply) const {
    const std::uint64_t h = path_[static_cast<std::size_t>(ply)];
    for (int back = ply - 2; back >= 0; back -= 2)
        if (path_[static_cast<std::size_t>(back)] == h) return true;
    return std::binary_search(earlier_.begin(), earlier_.end(), h);
}

// Negative for the side that searches, positive for its opponent.
int Searcher::repetition_score(int ply) const {
    return ply % 2 == 0 ? -REPETITION_CONTEMPT : REPETITION_CONTEMPT;
}

bool Searcher::count_node() {
    ++nodes_;
    if (limits_.nodes > 0 && nodes_ >= limits_.nodes) stopped_ = true;
    if (nodes_ % STOP_POLL_NODES == 0) {
        if (limits_.stop != nullptr && limits_.stop->load(std::memory_order_relaxed))
            stopped_ = true;
        if (limits_.should_stop && limits_.should_stop()) stopped_ = true;
    }
    return stopped_;
}

std::size_t Searcher::history_index(Move m) const {
    const int from = m.drop() ? SQUARES + m.type : m.from;
    const int side = pos_.side() > 0 ? 0 : 1;
    return static_cast<std::size_t>((side * (SQUARES + 8) + from) * SQUARES + m.to);
}

// Keys of the moves: the table's move, captures by what they take, the killers, then the
// history of quiet moves with promotions ahead.
void Searcher::order(MoveList& list, MoveKeys& keys, const SideThreats& t, Move tt_move,
                     int ply) const {
    const std::uint32_t table_move = tt_move.bits();
    const auto& killers = killers_[static_cast<std::size_t>(ply)];
    const std::uint32_t killer0 = killers[0].bits();
    const std::uint32_t killer1 = killers[1].bits();
    const std::size_t side = pos_.side() > 0 ? 0 : 1;
    const int* history = history_.data() + side * (SQUARES + 8) * SQUARES;
    for (int i = 0; i < list.size; ++i) {
        const Move m = list.moves[static_cast<std::size_t>(i)];
        const std::uint32_t bits = m.bits();
        const int gain = t.gain[m.to];
        int key = 0;
        if (bits == table_move) {
            key = KEY_TABLE_MOVE;
        } else if (gain > 0) {
            key = KEY_CAPTURE + gain * 16 - placed_cost(m);
        } else if (bits == killer0) {
            key = KEY_KILLER + 1;
        } else if (bits == killer1) {
            key = KEY_KILLER;
        } else {
            const int from = m.drop() ? SQUARES + m.type : m.from;
            key = history[from * SQUARES + m.to] + (m.promote ? KEY_PROMOTION : 0);
        }
        keys[static_cast<std::size_t>(i)] = key;
    }
}

void Searcher::reward(Move m, int depth, int ply) {
    auto& k = killers_[static_cast<std::size_t>(ply)];
    if (!(k[0] == m)) {
        k[1] = k[0];
        k[0] = m;
    }
    int& h = history_[history_index(m)];
    h = std::min(HISTORY_CAP, h + depth * depth);
}

int Searcher::quiescence(int alpha, int beta, int ply, int qply) {
    if (pos_.winner() != 0) return -MATE_SCORE + ply;
    if (count_node()) return 0;
    Threats& t = threats_[static_cast<std::size_t>(ply)];
    finder_.find(pos_, t);
    const SideThreats& own = t.of(pos_.side());
    // The captures the side to move can make: a threat on a square that none of its pieces
    // reaches is worth nothing to it (a wall it cannot get behind stays shut).
    // Standing at beta or above without any capture, the moves need not be generated.
    const int standing = eval_.evaluate(pos_, t, 0);
    if (standing >= beta) return standing;
    MoveList& list = lists_[static_cast<std::size_t>(ply)];
    list.size = 0;
    if (own.best != 0) pos_.generate_onto(own.gain, list);
    const int reachable = best_gain(list, own.gain);
    const int stand = standing + eval_.own_threat(reachable);
    if (stand >= beta || qply >= MAX_QUIESCENCE_PLY || ply >= MAX_PLY || reachable == 0)
        return stand;
    alpha = std::max(alpha, stand);
    auto& keys = keys_[static_cast<std::size_t>(ply)];
    // Capturing moves only; of the drops onto one square only the cheapest piece.
    int kept = 0;
    int last_drop_to = -1;
    for (int i = 0; i < list.size; ++i) {
        const Move m = list.moves[static_cast<std::size_t>(i)];
        const int gain = own.gain[m.to];
        if (stand + gain + DELTA_MARGIN <= alpha) continue;
        if (m.drop()) {
            if (m.to == last_drop_to) continue;
            last_drop_to = m.to;
        }
        list.moves[static_cast<std::size_t>(kept)] = m;
        keys[static_cast<std::size_t>(kept++)] = gain * 16 - placed_cost(m);
    }
    list.size = kept;
    int best = stand;
    Picker& picker = pickers_[static_cast<std::size_t>(ply)];
    for (int i = 0; i < list.size; ++i) {
        picker.pick(list, keys, i);
        const Move m = list.moves[static_cast<std::size_t>(i)];
        Undo u;
        if (pos_.make(m, u) == 0) {
            pos_.unmake(u);
            continue;
        }
        const int score = -quiescence(-beta, -alpha, ply + 1, qply + 1);
        pos_.unmake(u);
        if (stopped_) return 0;
        if (score > best) {
            best = score;
            if (score > alpha) alpha = score;
            if (score >= beta) break;
        }
    }
    return best;
}

int Searcher::search(int depth, int alpha, int beta, int ply) {
    if (pos_.winner() != 0) return -MATE_SCORE + ply;
    path_[static_cast<std::size_t>(ply)] = pos_.hash();
    if (repeated(ply)) return repetition_score(ply);
    if (depth <= 0 || ply >= MAX_PLY) return quiescence(alpha, beta, ply, 0);
    if (count_node()) return 0;
    const int alpha_before = alpha;
    Move tt_move{};
    if (const TableEntry* e = table_.probe(pos_.hash())) {
        tt_move = move_of_bits(e->move);
        const int s = from_table(e->score, ply);
        if (e->depth >= depth &&
            (e->bound == BOUND_EXACT || (e->bound == BOUND_LOWER && s >= beta) ||
             (e->bound == BOUND_UPPER && s <= alpha)))
            return s;
    }
    MoveList& list = lists_[static_cast<std::size_t>(ply)];
    auto& keys = keys_[static_cast<std::size_t>(ply)];
    pos_.generate(list);
    if (list.size == 0) return -MATE_SCORE + ply;  // a side that cannot move has lost
    Threats& t = threats_[static_cast<std::size_t>(ply)];
    finder_.find(pos_, t);
    order(list, keys, t.of(pos_.side()), tt_move, ply);
    int best = -INFINITE_SCORE;
    Move best_move{};
    Picker& picker = pickers_[static_cast<std::size_t>(ply)];
    for (int i = 0; i < list.size; ++i) {
        picker.pick(list, keys, i);
        const Move m = list.moves[static_cast<std::size_t>(i)];
        Undo u;
        const bool capture = pos_.make(m, u) > 0;
        int score = 0;
        if (i == 0) {
            score = -search(depth - 1, -beta, -alpha, ply + 1);
        } else {
            const bool reduce = depth >= LMR_MIN_DEPTH && i >= LMR_FIRST_MOVE && !capture &&
                                keys[static_cast<std::size_t>(i)] < KEY_KILLER;
            score = alpha + 1;
            if (reduce) score = -search(depth - 1 - LMR_PLIES, -alpha - 1, -alpha, ply + 1);
            if (score > alpha && !stopped_) score = -search(depth - 1, -alpha - 1, -alpha, ply + 1);
            if (score > alpha && score < beta && !stopped_)
                score = -search(depth - 1, -beta, -alpha, ply + 1);
        }
        pos_.unmake(u);
        if (stopped_) return 0;
        if (score > best) {
            best = score;
            best_move = m;
            if (score > alpha) alpha = score;
            if (score >= beta) {
                if (!capture) reward(m, depth, ply);
                break;
            }
        }
    }
    const Bound bound = best >= beta          ? BOUND_LOWER
                        : best > alpha_before ? BOUND_EXACT
                                              : BOUND_UPPER;
    table_.store(pos_.hash(), best_move.bits(), to_table(best, ply), depth, bound);
    return best;
}

// One iteration at the root; updates best_ whenever a root move beats the others.
int Searcher::root(int depth, int alpha, int beta) {
    MoveList& list = lists_[0];
    int best = -INFINITE_SCORE;
    for (int i = 0; i < list.size; ++i) {
        const Move m = list.moves[static_cast<std::size_t>(i)];
        Undo u;
        pos_.make(m, u);
        int score = 0;
        if (i == 0) {
            score = -search(depth - 1, -beta, -alpha, 1);
        } else {
            score = -search(depth - 1, -alpha - 1, -alpha, 1);
            if (score > alpha && !stopped_) score = -search(depth - 1, -beta, -alpha, 1);
        }
        pos_.unmake(u);
        if (stopped_) break;
        if (score > best) {
            best = score;
            best_ = m;
            score_ = score;
            if (score > alpha) alpha = score;
            // The new best leads the next iteration.
            std::rotate(list.moves.begin(), list.moves.begin() + i, list.moves.begin() + i + 1);
        }
    }
    return best;
}

void Searcher::run() {
    if (pos_.winner() != 0) return;
    path_[0] = pos_.hash();
    MoveList& list = lists_[0];
    pos_.generate(list);
    if (list.size == 0) return;
    finder_.find(pos_, threats_[0]);
    order(list, keys_[0], threats_[0].of(pos_.side()), Move{}, 0);
    for (int i = 0; i < list.size; ++i)
        pickers_[0].pick(list, keys_[0], i);
    best_ = list.moves[0];
    for (int depth = 1; depth <= limits_.max_depth && depth < MAX_PLY; ++depth) {
        const int score = root(depth, -INFINITE_SCORE, INFINITE_SCORE);
        if (stopped_) break;
        depth_ = depth;
        score_ = score;
        if (score > MATE_BOUND || score < -MATE_BOUND) break;  // the game's end is in sight
    }
    follow_plan();
}

}  // namespace banzuri::look
