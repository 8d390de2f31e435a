// Plans: against an opponent that could defend but stands still, the look-ahead walks a piece
// towards a capture instead of waiting, as long as the step costs little under best replies.
#include <gtest/gtest.h>

#include "../rules/fixtures.h"
#include "computer/look_ahead.h"
#include "rules/game.h"

namespace banzuri {
namespace {

using testing::empty_game;

LookLimits budget(std::int64_t nodes, bool plans) {
    LookLimits limits;
    limits.nodes = nodes;
    limits.plans = plans;
    return limits;
}

// The upper gold on (5, 4) under a lower pawn on (5, 3): a lower piece arriving on (5, 5)
// takes it. The lower gold on (7, 5) is two steps away, by (6, 5).
GameState gold_two_steps_away() {
    GameState g = empty_game();
    g.set(9, 1, UPPER_OU);
    g.set(1, 9, LOWER_OU);
    g.set(5, 3, LOWER_HU);
    g.set(5, 4, UPPER_KIN);
    g.set(7, 5, LOWER_KIN);
    return g;
}

TEST(LookPlan, WalksTowardsACaptureTheOpponentCouldStillStop) {
    // The upper side can always move its gold away, so to the search the gold's step is worth
    // no more than waiting; with plans it is played.
    const GameState g = gold_two_steps_away();
    for (const int nodes : {2000, 4000}) {
        const LookResult with = look_ahead(g, true, budget(nodes, true));
        const LookResult without = look_ahead(g, true, budget(nodes, false));
        ASSERT_TRUE(with.move.has_value() && without.move.has_value());
        EXPECT_EQ(*with.move, Move::board(7, 5, 6, 5)) << nodes;
        EXPECT_NE(*without.move, *with.move) << nodes;
    }
}

TEST(LookPlan, NoStepThatLosesThePiece) {
    // An upper pawn on (6, 4) and an upper silver that steps to (6, 6) would take the gold on
    // (6, 5) between them: the plan's step is refused and the search's own move played.
    GameState g = gold_two_steps_away();
    g.set(6, 4, UPPER_HU);
    g.set(7, 7, UPPER_GIN);
    for (const int nodes : {2000, 4000, 20000}) {
        const LookResult with = look_ahead(g, true, budget(nodes, true));
        const LookResult without = look_ahead(g, true, budget(nodes, false));
        ASSERT_TRUE(with.move.has_value());
        EXPECT_NE(*with.move, Move::board(7, 5, 6, 5)) << nodes;
        EXPECT_EQ(with.move, without.move) << nodes;
    }
}

}  // namespace
}  // namespace banzuri
