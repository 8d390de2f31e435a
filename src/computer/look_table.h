// The transposition table of the look-ahead search, keyed by the position's Zobrist hash.
// One table serves search after search: each search has its own generation, and an entry
// written by an earlier one reads as empty, so a search finds exactly what a fresh table would
// give it, without clearing or reallocating. The key bits that the slot already tells (its
// index) hold the generation instead.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

namespace banzuri::look {

enum Bound : std::uint8_t { BOUND_NONE, BOUND_UPPER, BOUND_LOWER, BOUND_EXACT };

struct TableEntry {
    std::uint64_t key = 0;  // the position's hash, its low bits replaced by the generation
    std::uint32_t move = 0;
    std::int16_t score = 0;
    std::int8_t depth = 0;
    Bound bound = BOUND_NONE;
};

class Table {
  public:
    // 2^bits slots. The memory is asked for zeroed and untouched, so only the slots a search
    // reaches cost a page.
    explicit Table(int bits)
        : size_(std::size_t{1} << std::max(bits, 1)),
          mask_(size_ - 1),
          generation_mask_(std::min<std::uint64_t>(mask_, 0xFF)),
          entries_(static_cast<TableEntry*>(std::calloc(size_, sizeof(TableEntry)))) {
        if (!entries_) throw std::bad_alloc();
    }

    std::size_t size() const { return size_; }
    std::uint64_t generation() const { return generation_; }

    // A new search begins: everything stored before is forgotten.
    void new_search() {
        if (++generation_ <= generation_mask_) return;
        std::memset(static_cast<void*>(entries_.get()), 0, size_ * sizeof(TableEntry));
        generation_ = 1;
    }

    const TableEntry* probe(std::uint64_t key) const {
        const TableEntry& e = entries_[key & mask_];
        return e.key == tag(key) && e.bound != BOUND_NONE ? &e : nullptr;
    }
    // Depth-preferred, but a new search result always replaces an entry of another position.
    void store(std::uint64_t key, std::uint32_t move, int score, int depth, Bound bound) {
        TableEntry& e = entries_[key & mask_];
        const std::uint64_t t = tag(key);
        if (e.key == t && e.depth > depth && bound != BOUND_EXACT) return;
        if (move == 0 && e.key == t) move = e.move;
        e = {t, move, static_cast<std::int16_t>(score), static_cast<std::int8_t>(depth), bound};
    }

  private:
    struct Free {
        void operator()(TableEntry* p) const { std::free(p); }
    };

    std::uint64_t tag(std::uint64_t key) const { return (key & ~generation_mask_) | generation_; }

    std::size_t size_;
    std::uint64_t mask_;
    std::uint64_t generation_mask_;  // the key bits the index covers that hold the generation
    std::uint64_t generation_ = 1;   // 0 marks a slot never written
    std::unique_ptr<TableEntry[], Free> entries_;
};

}  // namespace banzuri::look
