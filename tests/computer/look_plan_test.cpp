// Plans: against an opponent that could defend but stands still, the look-ahead walks a piece
// towards a capture instead of waiting, as long as the step costs little under best replies.
#include <gtest/gtest.h>

#include <atomic>

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

TEST(LookPlan, AfterAStopByTheClockOnlyWithTheChecksOwnStop) {
    // should_stop ends the search after about 2000 nodes, as a deadline would.
    const GameState g = gold_two_steps_away();
    auto stop_after_two_polls = [] {
        LookLimits limits;
        limits.should_stop = [polls = 0]() mutable { return ++polls > 2; };
        return limits;
    };
    LookLimits timed = stop_after_two_polls();
    EXPECT_NE(look_ahead(g, true, timed).move, Move::board(7, 5, 6, 5)) << "no time left";

    LookLimits with_check = stop_after_two_polls();
    int check_polls = 0;
    with_check.plan_should_stop = [&check_polls] { return ++check_polls > 100; };
    EXPECT_EQ(look_ahead(g, true, with_check).move, Move::board(7, 5, 6, 5));

    // The caller's own stop flag ends it all, check included.
    std::atomic<bool> stop{true};
    LookLimits stopped = stop_after_two_polls();
    stopped.plan_should_stop = [] { return false; };
    stopped.stop = &stop;
    EXPECT_NE(look_ahead(g, true, stopped).move, Move::board(7, 5, 6, 5));
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
