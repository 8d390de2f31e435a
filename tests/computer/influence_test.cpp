#include "computer/influence.h"

#include <gtest/gtest.h>

#include "computer/computer_fixtures.h"

namespace banzuri {
namespace {

using testing::com_game;
using testing::com_start;

int total(const InfluenceTable& t) {
    int n = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            n += t(x, y);
    return n;
}

ComputerState survey(const GameState& g) {
    ComputerState c;
    勢力調査(g, c);
    return c;
}

TEST(InfluenceSurvey, EmptyBoardGivesZeros) {
    const ComputerState c = survey(com_game());
    EXPECT_EQ(total(c.influence_lower), 0);
    EXPECT_EQ(total(c.influence_upper), 0);
}

TEST(InfluenceSurvey, StartingPositionCounts) {
    const ComputerState c = survey(com_start());
    EXPECT_EQ(c.influence_lower(5, 8), 4);  // king, both golds, the rook's leftward line
    EXPECT_EQ(c.influence_lower(5, 6), 1);  // the pawn on (5,7)
    EXPECT_EQ(c.influence_lower(5, 5), 0);
    EXPECT_EQ(c.influence_upper(5, 2), 4);
    EXPECT_EQ(c.influence_upper(5, 4), 1);
    EXPECT_EQ(c.influence_upper(5, 5), 0);
}

TEST(InfluenceSurvey, LineLooksThroughTheOpposingKingOnly) {
    GameState g = com_game();
    g.set(5, 9, LOWER_SYA);
    g.set(5, 5, UPPER_OU);
    g.set(5, 2, UPPER_KIN);
    const ComputerState c = survey(g);
    for (int y = 2; y <= 8; ++y)
        EXPECT_EQ(c.influence_lower(5, y), 1) << "row " << y;
    EXPECT_EQ(c.influence_lower(5, 1), 0);
}

TEST(InfluenceSurvey, LineStopsOnOwnPiece) {
    GameState g = com_game();
    g.set(5, 9, LOWER_SYA);
    g.set(5, 7, LOWER_HU);
    const ComputerState c = survey(g);
    EXPECT_EQ(c.influence_lower(5, 8), 1);
    EXPECT_EQ(c.influence_lower(5, 7), 1);
    EXPECT_EQ(c.influence_lower(5, 6), 1);  // the pawn's step only
    EXPECT_EQ(c.influence_lower(5, 5), 0);
}

TEST(InfluenceSurvey, PiecesAtTheFarEdgeReachNothing) {
    GameState g = com_game();
    g.set(1, 1, LOWER_KYOU);
    g.set(2, 1, LOWER_KEI);
    g.set(3, 2, LOWER_KEI);
    g.set(4, 1, LOWER_HU);
    g.set(1, 9, UPPER_KYOU);
    g.set(2, 9, UPPER_KEI);
    g.set(3, 8, UPPER_KEI);
    g.set(4, 9, UPPER_HU);
    const ComputerState c = survey(g);
    EXPECT_EQ(total(c.influence_lower), 0);
    EXPECT_EQ(total(c.influence_upper), 0);
}

TEST(InfluenceSurvey, CountsDistinctPiecesAndNeverOwnSquare) {
    GameState g = com_game();
    g.set(4, 6, LOWER_HU);
    g.set(5, 6, LOWER_GIN);  // both reach (4,5); the silver also (5,5) and (6,5)
    const ComputerState c = survey(g);
    EXPECT_EQ(c.influence_lower(4, 5), 2);
    EXPECT_EQ(c.influence_lower(5, 6), 0);
    EXPECT_EQ(c.influence_lower(4, 6), 0);
    EXPECT_EQ(total(c.influence_lower), 1 + 5);
}

TEST(InfluenceSurvey, RerunGivesTheSameTables) {
    const GameState g = com_start();
    ComputerState c;
    勢力調査(g, c);
    const ComputerState first = c;
    勢力調査(g, c);
    EXPECT_EQ(c.influence_lower, first.influence_lower);
    EXPECT_EQ(c.influence_upper, first.influence_upper);
}

TEST(InfluenceSurvey, PromotedPiecesAddTheirExtraSteps) {
    GameState g = com_game();
    g.set(5, 5, UPPER_KAKU_NARI);
    ComputerState c = survey(g);
    EXPECT_EQ(total(c.influence_upper), 16 + 4);
    g.set(5, 5, UPPER_SYA_NARI);
    c = survey(g);
    EXPECT_EQ(total(c.influence_upper), 16 + 4);
    EXPECT_EQ(c.influence_upper(4, 4), 1);
    g.set(5, 5, UPPER_OU);
    c = survey(g);
    EXPECT_EQ(total(c.influence_upper), 8);
}

TEST(InfluenceResolution, StraightLinesFromTheEdgeAddNothing) {
    const GameState g = com_game();
    ComputerState c;
    勢力確定上直進(g, c, LOWER_KYOU, 3, 1);
    勢力確定下直進(g, c, UPPER_KYOU, 3, 9);
    EXPECT_EQ(total(c.influence_lower), 0);
    EXPECT_EQ(total(c.influence_upper), 0);
}

TEST(InfluenceResolution, LineNextToAPieceCountsThatSquareOnly) {
    GameState g = com_game();
    g.set(3, 4, UPPER_HU);
    ComputerState c;
    勢力確定上直進(g, c, LOWER_KYOU, 3, 5);
    EXPECT_EQ(total(c.influence_lower), 1);
    EXPECT_EQ(c.influence_lower(3, 4), 1);
}

TEST(InfluenceResolution, RightwardLineOnAnEmptyRow) {
    const GameState g = com_game();
    ComputerState c;
    勢力確定右直進(g, c, LOWER_SYA, 1, 5);
    EXPECT_EQ(total(c.influence_lower), 8);
    for (int x = 2; x <= 9; ++x)
        EXPECT_EQ(c.influence_lower(x, 5), 1);
    EXPECT_EQ(total(c.influence_upper), 0);
}

TEST(InfluenceResolution, KingsAreLookedThroughByTheOpponentOnly) {
    GameState g = com_game();
    g.set(4, 5, UPPER_OU);
    g.set(6, 5, LOWER_OU);
    ComputerState c;
    勢力確定左直進(g, c, LOWER_SYA, 9, 5);  // stops on its own king at (6,5)
    EXPECT_EQ(total(c.influence_lower), 3);
    c = ComputerState{};
    勢力確定右直進(g, c, LOWER_SYA, 1, 5);  // passes the upper king, stops on its own
    EXPECT_EQ(total(c.influence_lower), 5);
    c = ComputerState{};
    勢力確定右直進(g, c, UPPER_SYA, 1, 5);  // stops on its own king at (4,5)
    EXPECT_EQ(total(c.influence_upper), 3);
    c = ComputerState{};
    勢力確定左直進(g, c, UPPER_SYA, 9, 5);  // passes the lower king, stops on its own
    EXPECT_EQ(total(c.influence_upper), 5);
}

TEST(InfluenceResolution, DiagonalLinesLookThroughTheOpposingKing) {
    GameState g = com_game();
    g.set(7, 7, UPPER_OU);
    ComputerState c;
    勢力確定自角(g, c, 5, 5);
    EXPECT_EQ(c.influence_lower(8, 8), 1);
    EXPECT_EQ(total(c.influence_lower), 16);
    c = ComputerState{};
    勢力確定敵角(g, c, 5, 5);  // the upper king ends the upper line
    EXPECT_EQ(c.influence_upper(7, 7), 1);
    EXPECT_EQ(c.influence_upper(8, 8), 0);
    EXPECT_EQ(total(c.influence_upper), 14);
}

TEST(InfluenceResolution, GoldPatternsInTheCorners) {
    ComputerState c;
    勢力確定自金(c, 1, 9);
    EXPECT_EQ(total(c.influence_lower), 3);
    EXPECT_EQ(c.influence_lower(1, 8), 1);
    EXPECT_EQ(c.influence_lower(2, 8), 1);
    EXPECT_EQ(c.influence_lower(2, 9), 1);
    勢力確定敵金(c, 9, 1);
    EXPECT_EQ(total(c.influence_upper), 3);
    EXPECT_EQ(c.influence_upper(9, 2), 1);
    EXPECT_EQ(c.influence_upper(8, 2), 1);
    EXPECT_EQ(c.influence_upper(8, 1), 1);
}

TEST(InfluenceResolution, BishopLinesOnAnEmptyBoard) {
    const GameState g = com_game();
    ComputerState c;
    勢力確定自角(g, c, 5, 5);
    EXPECT_EQ(total(c.influence_lower), 16);
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(c.influence_lower(5 - k, 5 - k), 1);
        EXPECT_EQ(c.influence_lower(5 + k, 5 + k), 1);
        EXPECT_EQ(c.influence_lower(5 - k, 5 + k), 1);
        EXPECT_EQ(c.influence_lower(5 + k, 5 - k), 1);
    }
    c = ComputerState{};
    勢力確定自角(g, c, 1, 1);
    EXPECT_EQ(total(c.influence_lower), 8);
    for (int k = 2; k <= 9; ++k)
        EXPECT_EQ(c.influence_lower(k, k), 1);
}

}  // namespace
}  // namespace banzuri
