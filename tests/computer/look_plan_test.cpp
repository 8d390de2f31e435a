// Plans: against an opponent that could defend but stands still, the look-ahead walks a piece
// towards a capture instead of waiting, as long as the step costs little under best replies.
#include <gtest/gtest.h>

#include "../rules/fixtures.h"
#include "computer/look_ahead.h"
#include "computer_fixtures.h"
#include "rules/game.h"

namespace banzuri {
namespace {

using testing::gold_two_steps_away;

LookLimits budget(std::int64_t nodes, bool plans) {
    LookLimits limits;
    limits.nodes = nodes;
    limits.plans = plans;
    return limits;
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
