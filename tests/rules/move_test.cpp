#include "rules/move.h"

#include <gtest/gtest.h>

#include <utility>

#include "fixtures.h"
#include "rules/enclosure.h"
#include "rules/promotion.h"

namespace banzuri {
namespace {

using testing::empty_game;
using testing::pieces_on_board;
using testing::start_game;
using testing::take_captures;

TEST(MoveExecution, BoardMoveAndPromotedCodeAsPassed) {
    GameState g = start_game();
    駒移動(g, 8, 8, 8, 4, LOWER_SYA_NARI);
    EXPECT_EQ(g.at(8, 8), EMPTY);
    EXPECT_EQ(g.at(8, 4), LOWER_SYA_NARI);
    EXPECT_EQ(pieces_on_board(g), 40);
}

TEST(MoveExecution, DropsLeaveTheHandAndItsTotal) {
    GameState g = empty_game();
    g.hand_own[KIND_KEI] = 2;
    g.hand_enemy[KIND_HU] = 1;
    駒移動(g, DROP_COLUMN, KIND_KEI, 4, 4, LOWER_KEI);
    EXPECT_EQ(g.at(4, 4), LOWER_KEI);
    EXPECT_EQ(g.hand_own[KIND_KEI], 1);
    EXPECT_EQ(g.hand_total_lower(), 1);
    駒移動(g, DROP_COLUMN, KIND_HU, 6, 6, UPPER_HU);  // the code tells whose hand it leaves
    EXPECT_EQ(g.at(6, 6), UPPER_HU);
    EXPECT_EQ(g.hand_enemy[KIND_HU], 0);
    EXPECT_EQ(g.hand_total_upper(), 0);
    EXPECT_EQ(g.hand_own[KIND_KEI], 1);
    駒移動(g, DROP_COLUMN, KIND_HU, 6, 7, UPPER_HU);
    EXPECT_EQ(g.hand_enemy[KIND_HU], 0) << "a count never goes below zero";
    EXPECT_EQ(g.hand_total_upper(), 0);
}

TEST(MoveExecution, HandTotalsNeverFallBehindTheCounts) {
    GameState g = empty_game();
    credit_capture(g, UPPER_KAKU_NARI);  // a capture credited to the lower hand
    credit_capture(g, LOWER_HU);
    EXPECT_EQ(g.hand_total_lower(), 1);
    EXPECT_EQ(g.hand_total_upper(), 1);
    駒移動(g, DROP_COLUMN, KIND_KAKU, 5, 5, LOWER_KAKU);  // and dropped again
    g.hand_enemy[KIND_KIN] += 2;                          // a count written directly
    EXPECT_EQ(g.hand_total_lower(), 0);
    EXPECT_EQ(g.hand_total_upper(), 3);
    EXPECT_EQ(調査_持駒数(g, g.upper_order), 3);
    std::swap(g.hand_own, g.hand_enemy);  // the totals follow their hands
    EXPECT_EQ(g.hand_total_lower(), 3);
    EXPECT_EQ(g.hand_total_upper(), 0);
}

TEST(HandCounts, TotalSumsThePositiveCountsOfTheSevenKinds) {
    Hand h;
    EXPECT_EQ(h.total(), 0);
    h[0] = 5;  // the unused slot
    h[KIND_HU] = 3;
    h[KIND_SYA] = 1;
    h[KIND_KIN] = -2;  // never counted against the others
    EXPECT_EQ(h.total(), 4);
    Hand same = h;
    EXPECT_EQ(same, h);
    same[KIND_GIN] = 1;
    EXPECT_NE(same, h);
}

TEST(Captures, SandwichesCreditTheHandsUnpromoted) {
    GameState g = empty_game();
    g.set(5, 5, LOWER_KIN);
    g.set(5, 4, UPPER_SYA_NARI);
    g.set(5, 3, UPPER_HU_NARI);
    g.set(5, 2, LOWER_HU);
    g.set(6, 5, UPPER_KEI);
    g.set(7, 5, LOWER_KYOU);
    take_captures(g, 5, 5);
    EXPECT_EQ(pieces_on_board(g), 3);
    EXPECT_EQ(g.hand_own[KIND_SYA], 1);
    EXPECT_EQ(g.hand_own[KIND_HU], 1);
    EXPECT_EQ(g.hand_own[KIND_KEI], 1);
    EXPECT_EQ(g.hand_total_lower(), 3);
    EXPECT_EQ(g.hand_enemy, Hand{});
    EXPECT_EQ(g.winner, TURN_NONE);
}

TEST(Captures, KingTakenBySandwichOrEnclosureDecidesTheGame) {
    GameState g = empty_game();
    g.set(3, 1, UPPER_HU);
    g.set(3, 2, LOWER_OU);
    g.set(3, 3, UPPER_KEI);
    take_captures(g, 3, 3);
    EXPECT_EQ(g.at(3, 2), EMPTY);
    EXPECT_EQ(g.winner, g.upper_order);
    EXPECT_EQ(g.hand_enemy, Hand{}) << "a king goes into no hand";

    g = empty_game();
    g.set(9, 1, UPPER_OU);
    g.set(8, 1, LOWER_GIN);
    g.set(9, 2, LOWER_KIN);
    take_captures(g, 9, 2);
    EXPECT_EQ(g.at(9, 1), EMPTY);
    EXPECT_EQ(g.winner, g.lower_order);
    EXPECT_EQ(g.hand_own, Hand{});
}

TEST(Captures, SandwichComesBeforeEnclosure) {
    // The upper group (5, 8), (5, 9), (6, 9) is walled in, but the arriving gold first
    // sandwiches (5, 8), which gives the other two a liberty.
    GameState g = empty_game();
    g.set(6, 8, LOWER_KIN);  // arrives
    g.set(4, 8, LOWER_HU);
    g.set(5, 7, LOWER_HU);
    g.set(4, 9, LOWER_HU);
    g.set(7, 9, LOWER_HU);
    g.set(5, 8, UPPER_HU);
    g.set(5, 9, UPPER_HU);
    g.set(6, 9, UPPER_GIN);
    GroupMarks marks;
    ASSERT_EQ(調査_当たり(g, 6, 8, FIRST_PLAYER, SECOND_PLAYER, marks), ON);
    take_captures(g, 6, 8);
    EXPECT_EQ(g.at(5, 8), EMPTY);
    EXPECT_EQ(g.at(5, 9), UPPER_HU);
    EXPECT_EQ(g.at(6, 9), UPPER_GIN);
    EXPECT_EQ(g.hand_own[KIND_HU], 1);
    EXPECT_EQ(g.hand_total_lower(), 1);
}

TEST(Captures, TwoEnclosedGroupsAreBothRemoved) {
    GameState g = testing::two_enclosed_groups();
    take_captures(g, 5, 1);
    EXPECT_EQ(g.at(4, 1), EMPTY);
    EXPECT_EQ(g.at(6, 1), EMPTY);
    EXPECT_EQ(g.hand_enemy[KIND_HU], 1);
    EXPECT_EQ(g.hand_enemy[KIND_GIN], 1);
    EXPECT_EQ(g.hand_total_upper(), 2);
}

TEST(Captures, OpponentFollowsTheMovingPieceNotTheTurn) {
    // A game begun second against the computer, then switched to two humans: the orders keep
    // their old values while the owner query answers by colour.
    GameState g = empty_game();
    g.lower_order = SECOND_PLAYER;
    g.upper_order = FIRST_PLAYER;
    g.turn = SECOND_PLAYER;  // the lower side to move
    g.set(1, 1, UPPER_GIN);
    g.set(2, 1, LOWER_HU);
    g.set(1, 2, LOWER_KIN);  // arrives
    g.set(1, 3, LOWER_HU);   // lower pieces that would be "enclosed" if the sides were swapped
    g.set(2, 2, UPPER_HU);
    g.set(2, 3, UPPER_HU);
    g.set(1, 4, UPPER_HU);
    take_captures(g, 1, 2);
    EXPECT_EQ(g.at(1, 1), EMPTY) << "the upper silver is enclosed";
    EXPECT_EQ(g.at(1, 2), LOWER_KIN);
    EXPECT_EQ(g.at(1, 3), LOWER_HU) << "the mover's own pieces stay";
    EXPECT_EQ(enclosure_opponent(g, 1, 2), SECOND_PLAYER);
    EXPECT_EQ(enclosure_opponent(g, 5, 5), TURN_NONE);
}

TEST(Captures, NothingHappensAroundAnEmptySquare) {
    GameState g = empty_game();
    g.set(1, 1, UPPER_GIN);
    g.set(2, 1, LOWER_HU);
    g.set(1, 2, LOWER_HU);
    take_captures(g, 2, 2);
    EXPECT_EQ(g.at(1, 1), UPPER_GIN);
}

}  // namespace
}  // namespace banzuri
