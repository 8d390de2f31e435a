#include "computer/danger.h"

#include <gtest/gtest.h>

#include "computer/computer_fixtures.h"

namespace banzuri {
namespace {

using testing::com_game;

TEST(OpponentCanMoveHere, OnlyOntoEmptySquaresTheOpponentReaches) {
    GameState g = com_game();
    g.set(5, 7, LOWER_HU);
    EXPECT_EQ(調査_敵駒移動可(g, 5, 6, UPPER_GIN), ON);   // the lower pawn steps there
    EXPECT_EQ(調査_敵駒移動可(g, 5, 5, UPPER_GIN), OFF);  // too far
    EXPECT_EQ(調査_敵駒移動可(g, 5, 6, LOWER_GIN), OFF);  // own side's pawn does not count
    g.set(5, 6, UPPER_HU);
    EXPECT_EQ(調査_敵駒移動可(g, 5, 6, UPPER_GIN), OFF);  // occupied
}

TEST(Danger, SandwichAtTheOpponentsNextMove) {
    GameState g = com_game();
    g.set(5, 5, UPPER_GIN);
    g.set(4, 5, LOWER_KIN);
    EXPECT_EQ(調査_危険(g, 5, 5), OFF);  // nobody can reach (6,5)
    g.set(6, 6, LOWER_HU);               // steps to (6,5)
    EXPECT_EQ(調査_危険(g, 5, 5), ON);
}

TEST(Danger, OccupiedClosingSquareIsNoDanger) {
    GameState g = com_game();
    g.set(5, 5, UPPER_GIN);
    g.set(4, 5, LOWER_KIN);
    g.set(6, 6, LOWER_HU);
    g.set(6, 5, LOWER_KIN);  // the sandwiching square is taken, even by the opponent
    EXPECT_EQ(調査_危険(g, 5, 5), OFF);
    g.set(6, 5, UPPER_HU);
    EXPECT_EQ(調査_危険(g, 5, 5), OFF);
}

TEST(Danger, VerticalThreats) {
    GameState g = com_game();
    g.set(5, 5, UPPER_GIN);
    g.set(5, 4, LOWER_KIN);
    g.set(5, 7, LOWER_HU);  // steps to (5,6)
    EXPECT_EQ(調査_危険(g, 5, 5), ON);
}

TEST(Danger, EdgePiecesAreSafeAlongTheEdge) {
    GameState g = com_game();
    g.set(1, 5, UPPER_GIN);  // edge column: never along its row
    g.set(2, 5, LOWER_KIN);
    g.set(1, 1, LOWER_SYA);  // could come down to (1,4) but (1,4) has no partner opposite
    EXPECT_EQ(調査_危険(g, 1, 5), OFF);
    GameState h = com_game();
    h.set(5, 9, UPPER_GIN);  // edge row: never along its column
    h.set(5, 8, LOWER_KIN);
    EXPECT_EQ(調査_危険(h, 5, 9), OFF);
}

TEST(Danger, LowerPiecesAreThreatenedByTheUpperSide) {
    GameState g = com_game();
    g.set(5, 5, LOWER_GIN);
    g.set(4, 5, UPPER_KIN);
    g.set(6, 4, UPPER_HU);  // the upper pawn steps down to (6,5)
    EXPECT_EQ(調査_危険(g, 5, 5), ON);
}

TEST(Surroundings, CountsBigUpperPiecesAround) {
    GameState g = com_game();
    g.set(4, 4, UPPER_KAKU);
    g.set(6, 6, UPPER_SYA_NARI);
    g.set(5, 4, UPPER_OU);
    g.set(4, 5, UPPER_KIN);  // not big
    g.set(6, 5, LOWER_SYA);  // not the computer's
    g.set(5, 5, UPPER_SYA);  // the square itself is not counted
    EXPECT_EQ(調査_周辺状況(g, 5, 5), -3);
}

TEST(Surroundings, CornerLooksAtThreeNeighbours) {
    GameState g = com_game();
    g.set(2, 1, UPPER_SYA);
    g.set(1, 2, UPPER_KAKU);
    g.set(2, 2, UPPER_OU);
    g.set(3, 3, UPPER_SYA);
    EXPECT_EQ(調査_周辺状況(g, 1, 1), -3);
    EXPECT_EQ(調査_周辺状況(g, 9, 9), 0);
}

}  // namespace
}  // namespace banzuri
