// The look-ahead's transposition table: a probe finds only what was stored under its own key,
// and the replacement rule keeps the deeper result of a position.
#include "computer/look_table.h"

#include <gtest/gtest.h>

namespace banzuri::look {
namespace {

TEST(LookTable, AProbeFindsOnlyTheKeyStoredInItsSlot) {
    Table table(4);  // 16 slots: keys equal in their low four bits share one
    const std::uint64_t key = 0x5a5a'0000'0000'0003ULL;
    const std::uint64_t same_slot = key + 16;
    table.store(key, 77, -120, 3, BOUND_EXACT);
    const TableEntry* found = table.probe(key);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->move, 77u);
    EXPECT_EQ(found->score, -120);
    EXPECT_EQ(found->depth, 3);
    EXPECT_EQ(table.probe(same_slot), nullptr);
    EXPECT_EQ(table.probe(key ^ (std::uint64_t{1} << 63)), nullptr) << "high bits count too";
    EXPECT_EQ(Table(4).probe(0), nullptr) << "an empty slot holds key 0 but no result";

    table.store(same_slot, 12, 40, 1, BOUND_LOWER);
    EXPECT_EQ(table.probe(key), nullptr) << "the other position's result took the slot";
    ASSERT_NE(table.probe(same_slot), nullptr);
    EXPECT_EQ(table.probe(same_slot)->move, 12u);
}

TEST(LookTable, AShallowerBoundKeepsTheDeeperResultAndAMovelessOneKeepsTheMove) {
    Table table(4);
    table.store(9, 55, 10, 4, BOUND_LOWER);
    table.store(9, 66, 20, 2, BOUND_UPPER);
    EXPECT_EQ(table.probe(9)->move, 55u);
    EXPECT_EQ(table.probe(9)->depth, 4);
    table.store(9, 0, 30, 2, BOUND_EXACT);
    EXPECT_EQ(table.probe(9)->depth, 2) << "an exact result always replaces";
    EXPECT_EQ(table.probe(9)->move, 55u);
    EXPECT_EQ(table.probe(9)->bound, BOUND_EXACT);
}

TEST(LookTable, ANewSearchSeesNothingOfTheSearchesBefore) {
    Table table(10);
    table.store(9, 55, 10, 6, BOUND_EXACT);
    table.new_search();
    EXPECT_EQ(table.probe(9), nullptr) << "an earlier search's entry reads as empty";
    table.store(9, 0, -5, 1, BOUND_UPPER);
    ASSERT_NE(table.probe(9), nullptr) << "and is replaced whatever its depth";
    EXPECT_EQ(table.probe(9)->depth, 1);
    EXPECT_EQ(table.probe(9)->move, 0u) << "an earlier search's move is not carried over";
    EXPECT_EQ(table.probe(9)->score, -5);
}

TEST(LookTable, GenerationsRunOutIntoAClearedTableNotAnOldEntry) {
    Table table(4);  // four index bits: generations 1 to 15
    table.store(3, 21, 7, 2, BOUND_LOWER);
    for (int search = 0; search < 14; ++search) {
        table.new_search();
        EXPECT_EQ(table.probe(3), nullptr) << "search " << search;
    }
    EXPECT_EQ(table.generation(), 15u);
    table.new_search();
    EXPECT_EQ(table.generation(), 1u) << "the generation the old entry was written in";
    EXPECT_EQ(table.probe(3), nullptr) << "the wrap cleared the table";
    table.store(3 + 16 * 5, 4, 1, 1, BOUND_EXACT);
    EXPECT_EQ(table.probe(3 + 16 * 5)->move, 4u) << "keys differing above the index still count";
    EXPECT_EQ(table.probe(3), nullptr);
}

}  // namespace
}  // namespace banzuri::look
