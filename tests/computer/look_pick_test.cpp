// The picker hands out moves in exactly the order of the plain selection sort the search's
// results are tied to, also with many equal keys and once its tree takes over.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>

#include "computer/look_pick.h"

namespace banzuri {
namespace {

using look::MoveKeys;
using look::MoveList;

// Swaps the first best remaining move into place i.
void plain_pick(MoveList& list, MoveKeys& keys, int i) {
    int best = i;
    for (int j = i + 1; j < list.size; ++j)
        if (keys[static_cast<std::size_t>(j)] > keys[static_cast<std::size_t>(best)]) best = j;
    std::swap(list.moves[static_cast<std::size_t>(i)], list.moves[static_cast<std::size_t>(best)]);
    std::swap(keys[static_cast<std::size_t>(i)], keys[static_cast<std::size_t>(best)]);
}

TEST(LookPicker, HandsOutMovesInThePlainSelectionOrder) {
    std::mt19937 rng(5);
    look::Picker picker;  // reused from list to list, as in a search
    for (int round = 0; round < 300; ++round) {
        MoveList list;
        MoveKeys keys{};
        list.size = static_cast<int>(rng() % 700);
        const int spread = 1 + static_cast<int>(rng() % (round % 2 == 0 ? 4 : 100000));
        for (int i = 0; i < list.size; ++i) {
            list.moves[static_cast<std::size_t>(i)] = {0, static_cast<std::uint8_t>(i % 256),
                                                       static_cast<std::uint8_t>(i / 256), 0};
            keys[static_cast<std::size_t>(i)] = static_cast<int>(rng() % spread);
        }
        MoveList expected = list;
        MoveKeys expected_keys = keys;
        // Searches stop after a few moves as often as they go through them all.
        const int wanted = round % 3 == 0 ? std::min(list.size, 2) : list.size;
        for (int i = 0; i < wanted; ++i) {
            picker.pick(list, keys, i);
            plain_pick(expected, expected_keys, i);
            ASSERT_EQ(list.moves[static_cast<std::size_t>(i)],
                      expected.moves[static_cast<std::size_t>(i)])
                << "round " << round << " place " << i;
            ASSERT_EQ(keys[static_cast<std::size_t>(i)],
                      expected_keys[static_cast<std::size_t>(i)]);
        }
    }
}

}  // namespace
}  // namespace banzuri
