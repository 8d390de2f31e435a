#include "rules/sandwich.h"

#include <gtest/gtest.h>

#include "fixtures.h"

namespace banzuri {
namespace {

using testing::empty_game;

TEST(SandwichScan, RunClosedByOwnPieceInEveryDirection) {
    GameState g = empty_game();
    g.set(5, 5, LOWER_KIN);
    g.set(5, 4, UPPER_HU);
    g.set(5, 3, UPPER_OU);
    g.set(5, 2, LOWER_HU_NARI);
    int fx = 0;
    int fy = 0;
    EXPECT_EQ(調査挟み_上(g, 5, 5, fx, fy), ON);
    EXPECT_EQ(fx, 5);
    EXPECT_EQ(fy, 2);

    g = empty_game();
    g.set(5, 5, UPPER_GIN);
    g.set(5, 6, LOWER_SYA_NARI);
    g.set(5, 7, UPPER_OU);
    EXPECT_EQ(調査挟み_下(g, 5, 5, fx, fy), ON);
    EXPECT_EQ(fy, 7);

    g = empty_game();
    g.set(1, 9, LOWER_OU);
    g.set(2, 9, UPPER_KIN);
    g.set(3, 9, UPPER_KIN);
    g.set(4, 9, UPPER_KIN);
    g.set(5, 9, LOWER_HU);
    EXPECT_EQ(調査挟み_右(g, 1, 9, fx, fy), ON);
    EXPECT_EQ(fx, 5);
    EXPECT_EQ(調査挟み_左(g, 5, 9, fx, fy), ON);
    EXPECT_EQ(fx, 1);
}

TEST(SandwichScan, NoSandwichWithoutCloserOrAcrossAGap) {
    GameState g = empty_game();
    g.set(8, 5, LOWER_HU);
    g.set(9, 5, UPPER_HU);  // the edge does not close
    int fx = -7;
    int fy = -7;
    EXPECT_EQ(調査挟み_右(g, 8, 5, fx, fy), OFF);
    EXPECT_EQ(fx, -7) << "out-arguments only written on ON";

    g.set(2, 5, UPPER_HU);  // own, enemy, empty, own
    g.set(4, 5, LOWER_HU);
    EXPECT_EQ(調査挟み_左(g, 8, 5, fx, fy), OFF);
    g.set(1, 5, LOWER_HU);
    g.set(3, 5, EMPTY);
    EXPECT_EQ(調査挟み_右(g, 1, 5, fx, fy), OFF);

    g = empty_game();
    g.set(5, 5, LOWER_HU);
    g.set(5, 4, LOWER_HU);  // own piece right beside
    g.set(5, 3, UPPER_HU);
    g.set(5, 2, LOWER_HU);
    EXPECT_EQ(調査挟み_上(g, 5, 5, fx, fy), OFF);

    g = empty_game();
    g.set(9, 9, LOWER_HU);
    EXPECT_EQ(調査挟み_右(g, 9, 9, fx, fy), OFF);
    EXPECT_EQ(調査挟み_下(g, 9, 9, fx, fy), OFF);
    g.set(1, 1, LOWER_HU);
    EXPECT_EQ(調査挟み_上(g, 1, 1, fx, fy), OFF);
    EXPECT_EQ(調査挟み_左(g, 1, 1, fx, fy), OFF);
}

TEST(SandwichScan, PieceMovingBetweenTwoEnemiesIsSafe) {
    GameState g = empty_game();
    g.set(4, 5, UPPER_HU);
    g.set(5, 5, LOWER_HU);
    g.set(6, 5, UPPER_HU);
    EXPECT_EQ(調査_挟めるか(g, 5, 5), OFF);
    挟み処理_仮想(g, 5, 5);
    EXPECT_EQ(g.at(5, 5), LOWER_HU);
}

TEST(SandwichedPieces, FromTheMoverOutwardsEnemiesOnly) {
    GameState g = empty_game();
    g.set(7, 3, LOWER_KIN);
    g.set(6, 3, UPPER_HU);
    g.set(5, 3, UPPER_KAKU_NARI);
    g.set(4, 3, UPPER_OU);
    g.set(3, 3, LOWER_HU);
    const std::vector<Square> expected = {{6, 3}, {5, 3}, {4, 3}};
    EXPECT_EQ(挟まれる駒(g, 7, 3, 3, 3), expected);
    EXPECT_EQ(調査_挟めるか(g, 7, 3), ON);
    EXPECT_EQ(調査_挟めるか(g, 3, 3), ON);
}

TEST(SandwichVirtual, TwoDirectionsAndNothingElseChanges) {
    GameState g = empty_game();
    g.set(5, 5, LOWER_HU);
    g.set(5, 4, UPPER_HU);
    g.set(5, 3, LOWER_HU);
    g.set(6, 5, UPPER_OU);
    g.set(7, 5, LOWER_HU);
    g.set(4, 5, UPPER_HU);  // open to the left
    const Hand own = g.hand_own;
    const Hand enemy = g.hand_enemy;
    挟み処理_仮想(g, 5, 5);
    EXPECT_EQ(g.at(5, 4), EMPTY);
    EXPECT_EQ(g.at(6, 5), EMPTY);
    EXPECT_EQ(g.at(4, 5), UPPER_HU);
    EXPECT_EQ(g.at(5, 3), LOWER_HU);
    EXPECT_EQ(g.hand_own, own);
    EXPECT_EQ(g.hand_enemy, enemy);
    EXPECT_EQ(g.winner, TURN_NONE);
}

TEST(KingTest, AnswersAndLeavesEverythingAsItWas) {
    GameState g = empty_game();
    g.set(5, 5, LOWER_HU);
    g.set(5, 4, UPPER_HU);
    g.set(5, 3, LOWER_HU);
    g.set(6, 5, UPPER_OU);
    g.set(7, 5, LOWER_KIN);
    g.set(1, 9, LOWER_OU);
    g.hand_own[3] = 2;
    g.hand_enemy[7] = 1;
    const GameState before = g;
    EXPECT_EQ(調査_王を取れるか(g, g.lower_order, 5, 5), ON);
    EXPECT_EQ(g.board, before.board);
    EXPECT_EQ(g.hand_own, before.hand_own);
    EXPECT_EQ(g.hand_enemy, before.hand_enemy);
    EXPECT_EQ(g.winner, before.winner);
    EXPECT_EQ(調査_王を取れるか(g, g.upper_order, 5, 5), OFF) << "the lower king survives";
    EXPECT_EQ(調査_王を取れるか(g, TURN_NONE, 5, 5), OFF);
    g.set(7, 5, EMPTY);
    EXPECT_EQ(調査_王を取れるか(g, g.lower_order, 5, 5), OFF);
    EXPECT_EQ(g.at(5, 4), UPPER_HU);
}

TEST(KingTest, UpperSideTakingTheLowerKing) {
    GameState g = empty_game();
    g.set(3, 1, UPPER_HU);
    g.set(3, 2, LOWER_OU);
    g.set(3, 3, UPPER_KEI);
    g.set(9, 1, UPPER_OU);
    EXPECT_EQ(調査_王を取れるか(g, g.upper_order, 3, 3), ON);
    EXPECT_EQ(g.at(3, 2), LOWER_OU);
}

}  // namespace
}  // namespace banzuri
