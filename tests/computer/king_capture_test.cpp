#include <gtest/gtest.h>

#include "computer/computer_fixtures.h"
#include "computer/search.h"

namespace banzuri {
namespace {

using testing::com_game;
using testing::trial_score;

std::optional<Move> best_of(GameState& g, ComputerState& c) {
    return search_best_move(g, c, [] {});
}

// The lower king on (5,7) with an upper gold closing the row on (6,7): a piece arriving on
// (4,7) sandwiches the king.
GameState king_between(int arriving_piece) {
    GameState g = com_game(1);
    g.set(9, 1, UPPER_OU);
    g.set(5, 7, LOWER_OU);
    g.set(6, 7, UPPER_KIN);
    g.set(4, 6, arriving_piece);
    return g;
}

TEST(KingCapture, MoveThatCannotPromoteScoresExactlyOneThousand) {
    GameState g = king_between(UPPER_KIN);  // a gold never promotes
    ComputerState c;
    const auto best = best_of(g, c);
    ASSERT_TRUE(best.has_value());
    EXPECT_EQ(*best, Move::board(4, 6, 4, 7));
    EXPECT_EQ(c.best_score, KING_CAPTURE_SCORE);
    EXPECT_EQ(g.at(5, 7), LOWER_OU);  // the trial left the king where it was
    EXPECT_EQ(g.winner, TURN_NONE);
}

TEST(KingCapture, MoveThatMayPromoteKeepsItsEvaluation) {
    GameState g = king_between(UPPER_GIN);  // the silver reaching row 7 may promote
    ComputerState c;
    const auto best = best_of(g, c);
    ASSERT_TRUE(best.has_value());
    EXPECT_EQ(*best, Move::board(4, 6, 4, 7, true));
    EXPECT_EQ(c.best_score, 300);  // promotion and sandwich
}

TEST(KingCapture, DropScoresOneThousand) {
    GameState g = com_game(3);
    g.set(9, 1, UPPER_OU);
    g.set(5, 5, LOWER_OU);
    g.set(6, 5, UPPER_GIN);
    g.set(6, 4, LOWER_HU);  // keeps the silver from stepping forward onto a sandwich
    g.hand_enemy[KIND_KIN] = 1;
    ComputerState c;
    const auto best = best_of(g, c);
    ASSERT_TRUE(best.has_value());
    EXPECT_EQ(*best, Move::drop_of(KIND_KIN, 4, 5));
    EXPECT_EQ(c.best_score, KING_CAPTURE_SCORE);
    EXPECT_EQ(g.hand_enemy[KIND_KIN], 1);
}

TEST(EvaluationLevel1, PromotionAndEnclosureScoreThirty) {
    GameState g = com_game(1);
    g.set(9, 1, UPPER_OU);
    g.set(5, 5, LOWER_OU);
    g.set(1, 9, LOWER_KYOU);  // caught in the corner once (1,8) is taken
    g.set(2, 9, UPPER_KIN);
    g.set(1, 7, UPPER_GIN);
    std::string trace;
    EXPECT_EQ(trial_score(g, 1, 7, 1, 8, UPPER_GIN, UPPER_GIN_NARI, &trace), 300);
    EXPECT_EQ(trace, "promotion +10; enclosure +20; ");
    EXPECT_EQ(trial_score(g, 1, 7, 1, 8, UPPER_GIN, UPPER_GIN), 200);
}

TEST(EvaluationLevel1, SandwichThreatScoresTwenty) {
    GameState g = com_game(1);
    g.set(9, 1, UPPER_OU);
    g.set(1, 1, LOWER_OU);
    g.set(5, 5, LOWER_KIN);
    g.set(6, 5, UPPER_KIN);
    g.set(4, 4, UPPER_KIN);
    std::string trace;
    EXPECT_EQ(trial_score(g, 4, 4, 4, 5, UPPER_KIN, UPPER_KIN, &trace), 200);
    EXPECT_EQ(trace, "sandwich +20; ");
}

}  // namespace
}  // namespace banzuri
