// Hands out the moves of a list best key first. The order is exactly that of a selection sort
// that swaps the first best remaining move into place i (of equal keys the earlier place
// wins), which the search's results depend on; but once a few moves of a long list were asked
// for, a tournament tree over the rest finds each next one in log n steps instead of a scan.
#pragma once

#include <array>
#include <cstdint>
#include <utility>

#include "computer/look_position.h"

namespace banzuri::look {

using MoveKeys = std::array<int, 1024>;

class Picker {
  public:
    // Moves the best of places i.. of `list` (and its key) to place i. Called with
    // i = 0, 1, 2, ... in turn for one list.
    void pick(MoveList& list, MoveKeys& keys, int i) {
        if (i == 0) tree_ready_ = false;
        if (!tree_ready_ && i >= SCAN_PICKS && list.size - i >= SCAN_SIZE) {
            build(keys, i, list.size);
            tree_ready_ = true;
        }
        int best = i;
        if (tree_ready_) {
            best = base_ + tree_[1];
        } else {
            for (int j = i + 1; j < list.size; ++j)
                if (at(keys, j) > at(keys, best)) best = j;
        }
        std::swap(list.moves[static_cast<std::size_t>(i)],
                  list.moves[static_cast<std::size_t>(best)]);
        std::swap(keys[static_cast<std::size_t>(i)], keys[static_cast<std::size_t>(best)]);
        if (!tree_ready_) return;
        node(leaves_ + i - base_) = NONE;  // place i is handed out
        update(keys, i - base_);
        if (best != i) update(keys, best - base_);  // place best holds another move now
    }

  private:
    static constexpr int SCAN_PICKS = 3;  // first picks by a scan: most lists end there
    static constexpr int SCAN_SIZE = 32;  // shorter rests are scanned too
    static constexpr std::int16_t NONE = -1;

    static int at(const MoveKeys& keys, int i) { return keys[static_cast<std::size_t>(i)]; }

    // Of two leaves (places less base_), the one a scan would pick.
    int better(const MoveKeys& keys, int a, int b) const {
        if (a == NONE) return b;
        if (b == NONE) return a;
        return at(keys, b + base_) > at(keys, a + base_) ? b : a;
    }

    void build(const MoveKeys& keys, int first, int size) {
        base_ = first;
        leaves_ = 1;
        while (leaves_ < size - first)
            leaves_ *= 2;
        for (int k = 0; k < leaves_; ++k)
            node(leaves_ + k) = static_cast<std::int16_t>(k < size - first ? k : NONE);
        for (int k = leaves_ - 1; k >= 1; --k)
            node(k) = static_cast<std::int16_t>(better(keys, node(2 * k), node(2 * k + 1)));
    }

    void update(const MoveKeys& keys, int leaf) {
        for (int k = (leaves_ + leaf) / 2; k >= 1; k /= 2)
            node(k) = static_cast<std::int16_t>(better(keys, node(2 * k), node(2 * k + 1)));
    }

    std::int16_t& node(int k) { return tree_[static_cast<std::size_t>(k)]; }

    std::array<std::int16_t, 2048> tree_{};
    int base_ = 0;    // the place of leaf 0
    int leaves_ = 0;  // a power of two
    bool tree_ready_ = false;
};

}  // namespace banzuri::look
