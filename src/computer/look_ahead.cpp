#include "computer/look_ahead.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "computer/look_search.h"

namespace banzuri {

namespace {

// The search's move in the tuple form of the legal-move list.
LegalMove legal_move_of(const look::Move& m, bool lower_side) {
    const int side = lower_side ? look::LOWER : look::UPPER;
    LegalMove out;
    if (m.drop()) {
        out.fx = lower_side ? HAND_LOWER_COLUMN : HAND_UPPER_COLUMN;
        out.fy = lower_side ? m.type + 2 : m.type;
    } else {
        out.fx = look::column_of(m.from);
        out.fy = look::row_of(m.from);
    }
    out.tx = look::column_of(m.to);
    out.ty = look::row_of(m.to);
    out.piece = look::code_of(side, m.type);
    out.promote = m.promote != 0;
    out.placed = look::code_of(side, m.promote ? look::promoted_type(m.type) : m.type);
    return out;
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

LookLimits level_limits(int level) {
    LookLimits limits;
    limits.nodes = level == LEVEL5 ? LEVEL5_NODES : LEVEL4_NODES;
    return limits;
}

LookResult look_ahead(const GameState& g, bool lower_side, const LookLimits& limits) {
    LookResult result;
    if (g.winner != TURN_NONE) return result;
    look::Position root;
    root.load(g, lower_side ? look::LOWER : look::UPPER);
    // The searcher's tables are large: kept on the heap, one per search.
    auto searcher = std::make_unique<look::Searcher>(
        root, limits, earlier_positions(g, lower_side ? look::LOWER : look::UPPER));
    searcher->run();
    if (!searcher->best().none()) result.move = legal_move_of(searcher->best(), lower_side);
    result.depth = searcher->depth();
    result.nodes = searcher->nodes();
    result.score = searcher->score();
    return result;
}

LookResult hint(const GameState& g, bool lower_side, std::function<bool()> should_stop) {
    LookLimits limits;
    limits.should_stop = std::move(should_stop);
    return look_ahead(g, lower_side, limits);
}

}  // namespace banzuri
