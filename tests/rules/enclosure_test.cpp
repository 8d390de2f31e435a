#include "rules/enclosure.h"

#include <gtest/gtest.h>

#include "fixtures.h"

namespace banzuri {
namespace {

using testing::empty_game;

TEST(FourSides, LooksAtTheOrthogonalNeighboursOnly) {
    GameState g = empty_game();
    g.set(5, 5, LOWER_HU);
    for (auto [x, y] : {std::pair{4, 5}, {6, 5}, {5, 4}, {5, 6}})
        g.set(x, y, UPPER_HU);
    EXPECT_EQ(調査_四方状態(g, 5, 5, EMPTY), OFF);
    EXPECT_EQ(調査_四方状態(g, 5, 5, UPPER_HU), ON);
    EXPECT_EQ(調査_四方状態(g, 5, 5, UPPER_HU_NARI), OFF);
    EXPECT_EQ(調査_四方状態(g, 4, 5, EMPTY), ON);
    EXPECT_EQ(調査_四方状態(g, 1, 1, EMPTY), ON);
}

TEST(Enclosure, CornerPieceCaughtAndFreedByOneEmptyNeighbour) {
    GameState g = empty_game();
    g.set(1, 1, LOWER_GIN);
    g.set(2, 1, UPPER_HU);
    g.set(1, 2, UPPER_KIN);
    GroupMarks marks;
    EXPECT_EQ(調査_当たり(g, 1, 2, 0, FIRST_PLAYER, marks), ON);
    EXPECT_EQ(当たり駒(marks), std::vector<Square>({{1, 1}}));

    g = empty_game();
    g.set(9, 9, LOWER_GIN);
    g.set(8, 9, UPPER_HU);
    marks.set(4, 4, 1);  // left over from an earlier search
    const GroupMarks before = marks;
    EXPECT_EQ(調査_当たり(g, 8, 9, 0, FIRST_PLAYER, marks), OFF);
    EXPECT_EQ(marks, before) << "a piece touching an empty square leaves the marks";
}

TEST(Enclosure, EdgeChainIsOneGroupAndOneLibertyFreesIt) {
    GameState g = empty_game();
    for (int x = 3; x <= 6; ++x) {
        g.set(x, 9, LOWER_HU_NARI);
        g.set(x, 8, UPPER_KIN);
    }
    g.set(2, 9, UPPER_GIN);
    g.set(7, 9, UPPER_SYA);
    GroupMarks marks;
    EXPECT_EQ(調査_当たり(g, 7, 9, 0, FIRST_PLAYER, marks), ON);
    EXPECT_EQ(当たり駒(marks), std::vector<Square>({{3, 9}, {4, 9}, {5, 9}, {6, 9}}));

    g.set(5, 8, EMPTY);
    EXPECT_EQ(調査_当たり(g, 7, 9, 0, FIRST_PLAYER, marks), OFF);
    EXPECT_EQ(調査_当たり2(g, 3, 9, FIRST_PLAYER, marks), OFF);
}

TEST(Enclosure, BentGroupGrowsInEveryDirection) {
    // An upper L-shaped group in the top-right corner walled by lower pieces.
    GameState g = empty_game();
    g.set(9, 1, UPPER_OU);
    g.set(9, 2, UPPER_KIN);
    g.set(8, 1, UPPER_GIN);
    g.set(7, 1, UPPER_HU);
    g.set(6, 1, LOWER_KIN);
    g.set(7, 2, LOWER_KIN);
    g.set(8, 2, LOWER_KIN);
    g.set(9, 3, LOWER_KIN);
    GroupMarks marks;
    EXPECT_EQ(調査_当たり2(g, 7, 1, SECOND_PLAYER, marks), ON);
    EXPECT_EQ(当たり駒(marks), std::vector<Square>({{7, 1}, {8, 1}, {9, 1}, {9, 2}}));
    g.set(9, 3, EMPTY);
    EXPECT_EQ(調査_当たり2(g, 7, 1, SECOND_PLAYER, marks), OFF);
}

TEST(Enclosure, GrowthStepsReportCountsAndLiberties) {
    GameState g = empty_game();
    g.set(1, 1, LOWER_HU);
    g.set(2, 1, LOWER_HU);
    g.set(3, 1, LOWER_HU);
    g.set(4, 1, UPPER_HU);
    GroupMarks marks;
    marks.set(1, 1, 1);
    EXPECT_EQ(調査_向右(g, FIRST_PLAYER, marks), 2) << "a square marked in the pass grows further";
    EXPECT_EQ(調査_向左(g, FIRST_PLAYER, marks), 0);
    EXPECT_EQ(調査_向下(g, FIRST_PLAYER, marks), -1);
}

TEST(Enclosure, OwnGroupsAndOtherSideAreNeverReported) {
    GameState g = empty_game();
    g.set(1, 1, LOWER_GIN);
    g.set(2, 1, UPPER_HU);
    g.set(1, 2, UPPER_KIN);
    GroupMarks marks;
    EXPECT_EQ(調査_当たり(g, 1, 2, 0, SECOND_PLAYER, marks), OFF) << "asked about the wrong side";
    EXPECT_EQ(調査_当たり(g, 5, 5, 0, FIRST_PLAYER, marks), OFF) << "not next to the group";
}

TEST(Enclosure, TwoGroupsReportedOneAtATime) {
    // The arriving upper piece on (5, 1) closes two lower single-piece groups.
    GameState g = testing::two_enclosed_groups();
    GroupMarks marks;
    ASSERT_EQ(調査_当たり(g, 5, 1, SECOND_PLAYER, FIRST_PLAYER, marks), ON);
    EXPECT_EQ(当たり駒(marks), std::vector<Square>({{4, 1}}));
    g.set(4, 1, EMPTY);
    ASSERT_EQ(調査_当たり(g, 5, 1, SECOND_PLAYER, FIRST_PLAYER, marks), ON);
    EXPECT_EQ(当たり駒(marks), std::vector<Square>({{6, 1}}));
    g.set(6, 1, EMPTY);
    EXPECT_EQ(調査_当たり(g, 5, 1, SECOND_PLAYER, FIRST_PLAYER, marks), OFF);
}

TEST(Enclosure, FullBoardWithoutEmptySquaresIsCaught) {
    GameState g = empty_game();
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            g.set(x, y, x <= 4 ? LOWER_HU : UPPER_HU);
    GroupMarks marks;
    EXPECT_EQ(調査_当たり(g, 5, 5, SECOND_PLAYER, FIRST_PLAYER, marks), ON);
    EXPECT_EQ(当たり駒(marks).size(), 36u);
}

}  // namespace
}  // namespace banzuri
