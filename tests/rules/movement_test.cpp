#include "rules/movement.h"

#include <gtest/gtest.h>

#include "fixtures.h"

namespace banzuri {
namespace {

using testing::empty_game;
using testing::start_game;

TEST(MoveCheck, RefusesEveryMoveOntoAnOccupiedSquare) {
    GameState g = empty_game();
    g.set(5, 5, LOWER_KIN);
    g.set(5, 4, UPPER_HU);
    g.set(4, 4, LOWER_HU);
    EXPECT_EQ(移動チェック(g, 5, 5, 5, 4, LOWER_KIN), OFF) << "enemy piece";
    EXPECT_EQ(移動チェック(g, 5, 5, 4, 4, LOWER_KIN), OFF) << "own piece";
    EXPECT_EQ(移動チェック(g, 5, 5, 6, 4, LOWER_KIN), ON);
    EXPECT_EQ(移動チェック(g, DROP_COLUMN, 1, 5, 4, LOWER_HU), OFF) << "drops too";
}

TEST(MoveCheck, RefusesOffBoardDestinationsAndSourcesWithoutReadingOutside) {
    GameState g = start_game();
    EXPECT_EQ(移動チェック(g, 5, 9, 5, 10, LOWER_OU), OFF);
    EXPECT_EQ(移動チェック(g, 1, 5, 0, 5, LOWER_OU), OFF);
    EXPECT_EQ(移動チェック(g, 12, 5, 5, 5, LOWER_KIN), OFF);
    EXPECT_EQ(移動チェック(g, 5, 0, 5, 1, UPPER_OU), OFF);
    EXPECT_EQ(移動チェック(g, 5, 5, 5, 5, LOWER_OU), OFF) << "source equals destination";
    EXPECT_EQ(移動チェック(g, 5, 6, 5, 5, 13), OFF) << "no such piece";
    EXPECT_EQ(移動チェック(g, 5, 6, 5, 5, UPPER_KIN_NARI), OFF);
    EXPECT_EQ(移動チェック(g, DROP_COLUMN, 1, 5, 5, 111), OFF);
    EXPECT_EQ(移動チェック(g, 11, 3, 5, 5, LOWER_HU), OFF)
        << "a column beside the board is no hand";
    EXPECT_EQ(移動チェック(g, -1, 1, 5, 5, UPPER_HU), OFF);
}

TEST(MoveCheck, PawnsStepOneSquareForwardOnly) {
    GameState g = start_game();
    EXPECT_EQ(移動チェック(g, 7, 7, 7, 6, LOWER_HU), ON);
    EXPECT_EQ(移動チェック(g, 7, 7, 7, 5, LOWER_HU), OFF);
    EXPECT_EQ(移動チェック(g, 7, 7, 6, 6, LOWER_HU), OFF);
    EXPECT_EQ(移動チェック(g, 3, 3, 3, 4, UPPER_HU), ON);
    EXPECT_EQ(移動チェック(g, 3, 3, 3, 2, UPPER_HU), OFF);
}

TEST(MoveCheck, LanceCannotPassAnyPieceAndKnightJumps) {
    GameState g = empty_game();
    g.set(1, 9, LOWER_KYOU);
    g.set(1, 5, UPPER_HU);
    EXPECT_EQ(移動チェック(g, 1, 9, 1, 6, LOWER_KYOU), ON);
    EXPECT_EQ(移動チェック(g, 1, 9, 1, 4, LOWER_KYOU), OFF) << "enemy in the way";
    g.set(1, 5, LOWER_HU);
    EXPECT_EQ(移動チェック(g, 1, 9, 1, 4, LOWER_KYOU), OFF) << "own piece in the way";
    EXPECT_EQ(移動チェック(g, 1, 9, 2, 8, LOWER_KYOU), OFF);
    g.set(1, 1, UPPER_KYOU);
    EXPECT_EQ(移動チェック(g, 1, 1, 1, 4, UPPER_KYOU), ON);
    EXPECT_EQ(移動チェック(g, 1, 1, 1, 5, UPPER_KYOU), OFF);

    GameState s = start_game();
    EXPECT_EQ(移動チェック(s, 2, 9, 1, 7, LOWER_KEI), OFF) << "pawn stands there";
    s.set(1, 7, EMPTY);
    EXPECT_EQ(移動チェック(s, 2, 9, 1, 7, LOWER_KEI), ON) << "jumps over the pawn row";
    EXPECT_EQ(移動チェック(s, 2, 1, 3, 3, UPPER_KEI), OFF);
    EXPECT_EQ(移動チェック(s, 2, 9, 2, 7, LOWER_KEI), OFF);
}

TEST(MoveCheck, SilverAndGoldPatternsFollowTheMoversSide) {
    GameState g = empty_game();
    g.set(5, 5, LOWER_GIN);
    EXPECT_EQ(移動チェック(g, 5, 5, 4, 4, LOWER_GIN), ON);
    EXPECT_EQ(移動チェック(g, 5, 5, 5, 4, LOWER_GIN), ON);
    EXPECT_EQ(移動チェック(g, 5, 5, 6, 6, LOWER_GIN), ON);
    EXPECT_EQ(移動チェック(g, 5, 5, 5, 6, LOWER_GIN), OFF);
    EXPECT_EQ(移動チェック(g, 5, 5, 4, 5, LOWER_GIN), OFF);
    for (int code : {LOWER_KIN, LOWER_HU_NARI, LOWER_KYOU_NARI, LOWER_KEI_NARI, LOWER_GIN_NARI}) {
        EXPECT_EQ(移動チェック(g, 5, 5, 4, 4, code), ON) << code;
        EXPECT_EQ(移動チェック(g, 5, 5, 4, 5, code), ON) << code;
        EXPECT_EQ(移動チェック(g, 5, 5, 5, 6, code), ON) << code;
        EXPECT_EQ(移動チェック(g, 5, 5, 4, 6, code), OFF) << code;
    }
    EXPECT_EQ(移動チェック(g, 5, 5, 4, 6, UPPER_KIN), ON) << "upper gold goes down-diagonal";
    EXPECT_EQ(移動チェック(g, 5, 5, 4, 4, UPPER_KIN), OFF);
    EXPECT_EQ(移動チェック(g, 5, 5, 4, 4, UPPER_GIN), ON) << "upper silver steps back diagonally";
    EXPECT_EQ(移動チェック(g, 5, 5, 5, 4, UPPER_GIN), OFF);
}

TEST(MoveCheck, SlidersNeedAClearPathAndPromotedOnesAlsoStep) {
    GameState s = start_game();
    EXPECT_EQ(移動チェック(s, 2, 8, 5, 5, LOWER_KAKU), OFF) << "(3, 7) holds a pawn";
    s.set(3, 7, EMPTY);
    EXPECT_EQ(移動チェック(s, 2, 8, 5, 5, LOWER_KAKU), ON);
    EXPECT_EQ(移動チェック(s, 2, 8, 2, 6, LOWER_KAKU), OFF);

    GameState g = empty_game();
    g.set(5, 5, LOWER_SYA);
    EXPECT_EQ(移動チェック(g, 5, 5, 5, 1, LOWER_SYA), ON);
    EXPECT_EQ(移動チェック(g, 5, 5, 9, 5, LOWER_SYA), ON);
    EXPECT_EQ(移動チェック(g, 5, 5, 4, 4, LOWER_SYA), OFF);
    EXPECT_EQ(移動チェック(g, 5, 5, 4, 4, LOWER_SYA_NARI), ON) << "promoted rook steps diagonally";
    EXPECT_EQ(移動チェック(g, 5, 5, 3, 3, LOWER_SYA_NARI), OFF);
    EXPECT_EQ(移動チェック(g, 5, 5, 5, 4, LOWER_KAKU_NARI), ON) << "promoted bishop steps straight";
    EXPECT_EQ(移動チェック(g, 5, 5, 9, 9, LOWER_KAKU_NARI), ON);
    g.set(5, 3, UPPER_HU);
    EXPECT_EQ(移動チェック(g, 5, 5, 5, 2, LOWER_SYA), OFF);
    EXPECT_EQ(移動チェック飛車(g, 5, 5, 5, 4), ON);
    EXPECT_EQ(移動チェック角(g, 5, 5, 1, 1), ON);
    EXPECT_EQ(移動チェック角(g, 5, 5, 4, 2), OFF);
}

TEST(MoveCheck, KingsStepOneSquareAnyWay) {
    GameState g = empty_game();
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy) {
            if (dx == 0 && dy == 0) continue;
            const int expected = (std::abs(dx) <= 1 && std::abs(dy) <= 1) ? ON : OFF;
            EXPECT_EQ(移動チェック(g, 5, 5, 5 + dx, 5 + dy, LOWER_OU), expected);
            EXPECT_EQ(移動チェック(g, 5, 5, 5 + dx, 5 + dy, UPPER_OU), expected);
        }
}

TEST(DropCheck, TwoPawnsInAColumnAreRefusedOnlyForUnpromotedPawns) {
    GameState g = empty_game();
    g.set(5, 7, LOWER_HU);
    調査_2歩フラグ設定(g);
    EXPECT_EQ(g.pawn_file_lower[5], 1);
    EXPECT_EQ(移動チェック(g, DROP_COLUMN, 1, 5, 5, LOWER_HU), OFF);
    EXPECT_EQ(移動チェック(g, DROP_COLUMN, 1, 4, 5, LOWER_HU), ON);
    EXPECT_EQ(移動チェック(g, DROP_COLUMN, 1, 5, 5, UPPER_HU), ON) << "the other side's flags";
    g.set(5, 7, LOWER_HU_NARI);
    EXPECT_EQ(移動チェック(g, DROP_COLUMN, 1, 5, 5, LOWER_HU), OFF)
        << "flags are a cache until rebuilt";
    調査_2歩フラグ設定(g);
    EXPECT_EQ(移動チェック(g, DROP_COLUMN, 1, 5, 5, LOWER_HU), ON)
        << "a promoted pawn does not count";
}

TEST(DropCheck, TheUpperSideMayNotDropASecondPawnInAColumnEither) {
    GameState g = empty_game();
    g.set(3, 3, UPPER_HU);
    調査_2歩フラグ設定(g);
    EXPECT_EQ(g.pawn_file_upper[3], 1);
    EXPECT_EQ(g.pawn_file_lower[3], 0);
    EXPECT_EQ(移動チェック(g, DROP_COLUMN, 1, 3, 6, UPPER_HU), OFF);
    EXPECT_EQ(移動チェック(g, DROP_COLUMN, 1, 2, 6, UPPER_HU), ON);
    EXPECT_EQ(移動チェック(g, DROP_COLUMN, 1, 3, 6, LOWER_HU), ON) << "the other side's flags";
    EXPECT_EQ(移動チェック(g, DROP_COLUMN, 2, 3, 6, UPPER_KYOU), ON) << "only pawns are limited";
    g.set(3, 3, UPPER_HU_NARI);
    調査_2歩フラグ設定(g);
    EXPECT_EQ(移動チェック(g, DROP_COLUMN, 1, 3, 6, UPPER_HU), ON)
        << "a promoted pawn does not count";
}

TEST(DropCheck, LastRowLimitsForPawnLanceAndKnight) {
    GameState g = empty_game();
    EXPECT_EQ(移動チェック(g, DROP_COLUMN, 1, 5, 1, LOWER_HU), OFF);
    EXPECT_EQ(移動チェック(g, DROP_COLUMN, 2, 5, 1, LOWER_KYOU), OFF);
    EXPECT_EQ(移動チェック(g, DROP_COLUMN, 2, 5, 2, LOWER_KYOU), ON);
    EXPECT_EQ(移動チェック(g, DROP_COLUMN, 3, 5, 2, LOWER_KEI), OFF);
    EXPECT_EQ(移動チェック(g, DROP_COLUMN, 3, 5, 3, LOWER_KEI), ON);
    EXPECT_EQ(移動チェック(g, DROP_COLUMN, 3, 5, 8, UPPER_KEI), OFF);
    EXPECT_EQ(移動チェック(g, DROP_COLUMN, 3, 5, 7, UPPER_KEI), ON);
    EXPECT_EQ(移動チェック(g, DROP_COLUMN, 1, 5, 9, UPPER_HU), OFF);
    EXPECT_EQ(移動チェック(g, DROP_COLUMN, 2, 5, 9, UPPER_KYOU), OFF);
    for (int code : {LOWER_GIN, LOWER_KIN, LOWER_KAKU, LOWER_SYA})
        EXPECT_EQ(移動チェック(g, DROP_COLUMN, 1, 5, 1, code), ON) << code;
}

TEST(AfterMoveCheck, ForcesPromotionOnlyWhereThePieceCouldNeverMove) {
    EXPECT_EQ(移動後チェック(2, LOWER_KEI), OFF);
    EXPECT_EQ(移動後チェック(3, LOWER_KEI), ON);
    EXPECT_EQ(移動後チェック(1, LOWER_HU), OFF);
    EXPECT_EQ(移動後チェック(1, LOWER_KYOU), OFF);
    EXPECT_EQ(移動後チェック(2, LOWER_HU), ON);
    EXPECT_EQ(移動後チェック(9, UPPER_HU), OFF);
    EXPECT_EQ(移動後チェック(8, UPPER_KEI), OFF);
    EXPECT_EQ(移動後チェック(7, UPPER_KEI), ON);
    EXPECT_EQ(移動後チェック(1, LOWER_HU_NARI), ON);
    EXPECT_EQ(移動後チェック(1, LOWER_GIN), ON);
    EXPECT_EQ(移動後チェック(9, UPPER_OU), ON);
}

TEST(PieceExistence, FindsExactCodesOnly) {
    GameState g = start_game();
    EXPECT_EQ(存在チェック_駒(g, LOWER_OU), ON);
    EXPECT_EQ(存在チェック_駒(g, UPPER_OU), ON);
    EXPECT_EQ(存在チェック_駒(g, UPPER_HU_NARI), OFF);
    g.set(5, 1, EMPTY);
    EXPECT_EQ(存在チェック_駒(g, UPPER_OU), OFF);
}

}  // namespace
}  // namespace banzuri
