// The transposition table of the look-ahead search, keyed by the position's Zobrist hash.
#pragma once

#include <cstdint>
#include <vector>

namespace banzuri::look {

enum Bound : std::uint8_t { BOUND_NONE, BOUND_UPPER, BOUND_LOWER, BOUND_EXACT };

struct TableEntry {
    std::uint64_t key = 0;
    std::uint32_t move = 0;
    std::int16_t score = 0;
    std::int8_t depth = 0;
    Bound bound = BOUND_NONE;
};

class Table {
  public:
    explicit Table(int bits) : entries_(std::size_t{1} << bits), mask_(entries_.size() - 1) {}

    const TableEntry* probe(std::uint64_t key) const {
        const TableEntry& e = entries_[key & mask_];
        return e.key == key && e.bound != BOUND_NONE ? &e : nullptr;
    }
    // Depth-preferred, but a new search result always replaces an entry of another position.
    void store(std::uint64_t key, std::uint32_t move, int score, int depth, Bound bound) {
        TableEntry& e = entries_[key & mask_];
        if (e.key == key && e.depth > depth && bound != BOUND_EXACT) return;
        if (move == 0 && e.key == key) move = e.move;
        e = {key, move, static_cast<std::int16_t>(score), static_cast<std::int8_t>(depth), bound};
    }

  private:
    std::vector<TableEntry> entries_;
    std::size_t mask_;
};

}  // namespace banzuri::look
