#include "computer/look_ahead.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "computer/look_search.h"

namespace banzuri {

namespace {

// The search's move as the game writes it.
Move move_of(const look::Move& m) {
    const int tx = look::column_of(m.to);
    const int ty = look::row_of(m.to);
    if (m.drop()) return Move::drop_of(m.type, tx, ty);
    return Move::board(look::column_of(m.from), look::row_of(m.from), tx, ty, m.promote != 0);
}

// Hashes of the positions of the game record before the current one; the side to move
// alternates backwards from `side`.
std::vector<std::uint64_t> earlier_positions(const GameState& g, int side) {
    std::vector<std::uint64_t> hashes;
    const int count = std::min<int>(g.rec_index, static_cast<int>(g.record.size()));
    GameState scratch;
    scratch.record.clear();
    for (int i = count - 1, mover = -side; i >= 0; --i, mover = -mover) {
        const RecordEntry& e = g.record[static_cast<std::size_t>(i)];
        scratch.board = e.board;
        scratch.hand_own = e.hand_lower;
        scratch.hand_enemy = e.hand_upper;
        look::Position p;
        p.load(scratch, mover);
        hashes.push_back(p.hash());
    }
    return hashes;
}

}  // namespace

LookTable::LookTable() : memory_(std::make_unique<look::SearchMemory>()) {}

LookTable::~LookTable() = default;

LookLimits level_limits(int level) {
    LookLimits limits;
    limits.nodes = level == LEVEL5 ? LEVEL5_NODES : LEVEL4_NODES;
    return limits;
}

LookResult look_ahead(const GameState& g, bool lower_side, const LookLimits& limits,
                      LookTable& table) {
    LookResult result;
    if (g.winner != TURN_NONE) return result;
    look::Position root;
    root.load(g, lower_side ? look::LOWER : look::UPPER);
    auto searcher = std::make_unique<look::Searcher>(
        root, limits, earlier_positions(g, lower_side ? look::LOWER : look::UPPER), table.memory());
    searcher->run();
    if (!searcher->best().none()) result.move = move_of(searcher->best());
    result.depth = searcher->depth();
    result.nodes = searcher->nodes();
    result.score = searcher->score();
    return result;
}

LookResult look_ahead(const GameState& g, bool lower_side, const LookLimits& limits) {
    LookTable table;
    return look_ahead(g, lower_side, limits, table);
}

LookResult hint(const GameState& g, bool lower_side, std::function<bool()> should_stop) {
    LookLimits limits;
    limits.should_stop = std::move(should_stop);
    return look_ahead(g, lower_side, limits);
}

}  // namespace banzuri
