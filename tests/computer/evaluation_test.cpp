#include "computer/evaluation.h"

#include <gtest/gtest.h>

#include "computer/computer_fixtures.h"

namespace banzuri {
namespace {

using testing::com_game;
using testing::trial_score;

// Kings far away in the corners, so that nothing else reaches the middle of the board.
GameState quiet(int level) {
    GameState g = com_game(level);
    g.set(9, 1, UPPER_OU);
    g.set(1, 9, LOWER_OU);
    return g;
}

TEST(ScoreText, WholeTenths) {
    EXPECT_EQ(score_text(0), "0");
    EXPECT_EQ(score_text(109), "10.9");
    EXPECT_EQ(score_text(-1), "-0.1");
    EXPECT_EQ(score_text(-90), "-9");
    EXPECT_EQ(score_text(10000), "1000");
}

TEST(EvaluationLevel1, QuietMoveScoresZeroAndPromotionTen) {
    GameState g = quiet(1);
    g.set(5, 5, UPPER_GIN);
    EXPECT_EQ(trial_score(g, 5, 5, 5, 6, UPPER_GIN, UPPER_GIN), 0);
    g.set(5, 5, EMPTY);
    g.set(5, 6, UPPER_GIN);
    EXPECT_EQ(trial_score(g, 5, 6, 5, 7, UPPER_GIN, UPPER_GIN), 0);
    EXPECT_EQ(trial_score(g, 5, 6, 5, 7, UPPER_GIN, UPPER_GIN_NARI), 100);
}

// An upper silver on (5,5) with a lower gold on its left and a lower pawn that can step to
// its right: it is in danger where it stands.
GameState silver_in_danger(int level) {
    GameState g = quiet(level);
    g.set(5, 5, UPPER_GIN);
    g.set(4, 5, LOWER_KIN);
    g.set(6, 6, LOWER_HU);
    return g;
}

TEST(EvaluationLevel1, LeavingDangerEarnsFifteen) {
    GameState g = silver_in_danger(1);
    std::string trace;
    EXPECT_EQ(trial_score(g, 5, 5, 6, 4, UPPER_GIN, UPPER_GIN, &trace), 150);
    EXPECT_EQ(trace, "left danger +15; ");
    EXPECT_EQ(g.at(5, 5), UPPER_GIN);  // the temporary placement is undone
    EXPECT_EQ(g.at(6, 4), EMPTY);
}

TEST(EvaluationLevel1, DropNeverEarnsTheFifteen) {
    GameState g = silver_in_danger(1);
    std::string trace;
    EXPECT_EQ(trial_score(g, DROP_COLUMN, KIND_GIN, 6, 4, UPPER_GIN, UPPER_GIN, &trace), 0);
    EXPECT_EQ(trace, "");
}

TEST(EvaluationLevel1, MovingIntoDangerCostsTen) {
    GameState g = quiet(1);
    g.set(5, 4, UPPER_GIN);
    g.set(4, 5, LOWER_KIN);
    g.set(6, 6, LOWER_HU);
    EXPECT_EQ(trial_score(g, 5, 4, 5, 5, UPPER_GIN, UPPER_GIN), -100);
    g.level = 2;
    EXPECT_EQ(trial_score(g, 5, 4, 5, 5, UPPER_GIN, UPPER_GIN), -90);
}

TEST(EvaluationLevel2, ForwardMovesOfAnyPieceButTheKingAddOne) {
    GameState g = quiet(2);
    g.set(5, 5, UPPER_KIN);
    EXPECT_EQ(trial_score(g, 5, 5, 5, 6, UPPER_KIN, UPPER_KIN), 10);  // forward
    EXPECT_EQ(trial_score(g, 5, 5, 4, 5, UPPER_KIN, UPPER_KIN), 0);   // sideways
    EXPECT_EQ(trial_score(g, 5, 5, 5, 4, UPPER_KIN, UPPER_KIN), 0);   // backward
    g.set(5, 5, UPPER_OU);
    g.set(9, 1, EMPTY);
    EXPECT_EQ(trial_score(g, 5, 5, 5, 6, UPPER_OU, UPPER_OU), 0);
    g.level = 1;
    g.set(5, 5, UPPER_KIN);
    EXPECT_EQ(trial_score(g, 5, 5, 5, 6, UPPER_KIN, UPPER_KIN), 0);
}

TEST(EvaluationLevel2, DropsCompareTheKindIndexWithTheRow) {
    GameState g = quiet(2);
    // A silver (kind 4) dropped on row 5 "advances", on row 4 it does not.
    EXPECT_EQ(trial_score(g, DROP_COLUMN, KIND_GIN, 5, 5, UPPER_GIN, UPPER_GIN), 10);
    EXPECT_EQ(trial_score(g, DROP_COLUMN, KIND_GIN, 5, 4, UPPER_GIN, UPPER_GIN), 0);
}

TEST(EvaluationLevel3, PromotedLanceKnightAndSilverScoreAsAtLevel2) {
    struct Case {
        int piece, promoted, fx, fy, tx, ty;
    };
    for (const Case& k : {Case{UPPER_KYOU, UPPER_KYOU_NARI, 5, 5, 5, 7},
                          Case{UPPER_KEI, UPPER_KEI_NARI, 4, 5, 5, 7},
                          Case{UPPER_GIN, UPPER_GIN_NARI, 5, 6, 5, 7}}) {
        GameState g = quiet(2);
        g.set(k.fx, k.fy, k.piece);
        const Score level2 = trial_score(g, k.fx, k.fy, k.tx, k.ty, k.piece, k.promoted);
        g.level = 3;
        const Score level3 = trial_score(g, k.fx, k.fy, k.tx, k.ty, k.piece, k.promoted);
        EXPECT_EQ(level2, 110) << k.piece;
        EXPECT_EQ(level3, level2) << k.piece;
    }
}

TEST(EvaluationLevel3, LanceMoveCostsNineTenths) {
    GameState g = quiet(3);
    g.set(5, 4, UPPER_KYOU);
    std::string trace;
    EXPECT_EQ(trial_score(g, 5, 4, 5, 5, UPPER_KYOU, UPPER_KYOU, &trace), 1);
    EXPECT_EQ(trace, "advance +1; lance move -0.9; ");
}

TEST(EvaluationLevel3, PawnDropBlockingTheBishop) {
    GameState g = quiet(3);
    g.set(2, 8, LOWER_KAKU);
    std::string trace;
    EXPECT_EQ(trial_score(g, DROP_COLUMN, KIND_HU, 2, 7, UPPER_HU, UPPER_HU, &trace), 310);
    EXPECT_EQ(trace, "advance +1; pawn blocks bishop +30; ");
    // Elsewhere the same drop earns only the advance.
    EXPECT_EQ(trial_score(g, DROP_COLUMN, KIND_HU, 3, 7, UPPER_HU, UPPER_HU), 10);
}

TEST(EvaluationLevel3, GoldGuardingTheBishopAgainstADrop) {
    GameState g = quiet(3);
    g.set(5, 1, UPPER_KIN);
    g.set(5, 3, UPPER_HU);
    g.set(5, 4, UPPER_KAKU);
    std::string trace;
    EXPECT_EQ(trial_score(g, 5, 1, 5, 2, UPPER_KIN, UPPER_KIN), 10);  // the human holds no bishop
    g.hand_own[KIND_KAKU] = 1;
    EXPECT_EQ(trial_score(g, 5, 1, 5, 2, UPPER_KIN, UPPER_KIN, &trace), 1280);
    EXPECT_EQ(trace, "advance +1; gold guards against bishop +2; gold guards bishop +125; ");
}

TEST(EvaluationLevel3, BishopsOnTheLastRowsReadNothingBeyondTheBoard) {
    GameState g = quiet(3);
    g.set(5, 7, UPPER_KAKU);
    g.set(3, 9, LOWER_KIN);  // reaches (4,9) and (4,8)... and (3,8)
    // A bishop arriving on row 8 or 9 has no look-ahead term; only the crowding counts.
    EXPECT_EQ(trial_score(g, 5, 7, 4, 8, UPPER_KAKU, UPPER_KAKU), 10);
    EXPECT_EQ(trial_score(g, 5, 7, 6, 8, UPPER_KAKU, UPPER_KAKU), 10);
}

TEST(EvaluationLevel3, CrowdedBigPiecesCost) {
    GameState g = quiet(3);
    g.set(5, 4, UPPER_SYA);
    g.set(4, 4, UPPER_KAKU);
    g.set(6, 6, UPPER_OU);
    g.set(9, 1, EMPTY);
    // The rook stepping to (5,5) has the bishop and the king beside it.
    std::string trace;
    EXPECT_EQ(trial_score(g, 5, 4, 5, 5, UPPER_SYA, UPPER_SYA, &trace), -10);
    EXPECT_EQ(trace, "advance +1; crowded big pieces -2; ");
}

TEST(EvaluationLevel3, LanceDropThatAPawnCanBlock) {
    GameState g = quiet(3);
    g.set(5, 7, LOWER_HU);  // reaches (5,6), the square ahead of the lance
    EXPECT_EQ(trial_score(g, DROP_COLUMN, KIND_KYOU, 5, 5, UPPER_KYOU, UPPER_KYOU), 10);
    g.hand_own[KIND_HU] = 1;
    std::string trace;
    EXPECT_EQ(trial_score(g, DROP_COLUMN, KIND_KYOU, 5, 5, UPPER_KYOU, UPPER_KYOU, &trace), -90);
    EXPECT_EQ(trace, "advance +1; lance drop blockable -10; ");
}

TEST(EvaluationLevel3, PawnFacingAPieceWeighsTheSupport) {
    GameState g = quiet(3);
    g.set(5, 4, UPPER_HU);
    g.set(5, 6, LOWER_GIN);
    g.set(4, 4, UPPER_KIN);  // one supporter against the silver
    std::string trace;
    EXPECT_EQ(trial_score(g, 5, 4, 5, 5, UPPER_HU, UPPER_HU, &trace), 59);
    EXPECT_EQ(trace, "advance +1; pawn move -0.1; pawn attack held +5; ");
    g.set(6, 4, UPPER_GIN);  // a second supporter
    trace.clear();
    EXPECT_EQ(trial_score(g, 5, 4, 5, 5, UPPER_HU, UPPER_HU, &trace), 19);
    EXPECT_EQ(trace, "advance +1; pawn move -0.1; pawn attack supported +1; ");
}

TEST(EvaluationLevel3, SilverGuardingTheEdgePawn) {
    GameState g = quiet(3);
    g.set(6, 2, UPPER_GIN);
    g.set(8, 3, UPPER_HU);
    g.set(8, 5, LOWER_HU);
    EXPECT_EQ(trial_score(g, 6, 2, 7, 3, UPPER_GIN, UPPER_GIN), 1160);
    g.set(8, 5, EMPTY);
    EXPECT_EQ(trial_score(g, 6, 2, 7, 3, UPPER_GIN, UPPER_GIN), 10);
}

TEST(EvaluationLevel3, DragonTrappedInTheCorner) {
    GameState g = quiet(3);
    g.set(2, 8, UPPER_SYA_NARI);
    g.set(2, 9, LOWER_KEI);
    g.set(3, 8, LOWER_HU);
    g.set(4, 8, LOWER_KIN);
    std::string trace;
    EXPECT_EQ(trial_score(g, 2, 8, 3, 9, UPPER_SYA_NARI, UPPER_SYA_NARI, &trace), -1590);
    EXPECT_EQ(trace, "target in danger -10; advance +1; dragon trapped -150; ");
}

}  // namespace
}  // namespace banzuri
