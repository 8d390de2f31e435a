// The look-ahead search on hand-made positions: it takes the king when it can, finds a forced
// king capture three plies deep, plays either side, repeats itself under a node budget and
// stops when its caller says so.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "../rules/fixtures.h"
#include "computer/look_ahead.h"
#include "computer/look_search.h"
#include "rules/game.h"
#include "rules/legal_moves.h"

namespace banzuri {
namespace {

using testing::empty_game;

LookLimits budget(std::int64_t nodes) {
    LookLimits limits;
    limits.nodes = nodes;
    return limits;
}

TEST(LookAhead, TakesTheKingInOneForEitherSide) {
    // The lower king on (5, 7) between an upper gold on (6, 7) and the square (4, 7) that an
    // upper gold on (4, 6) can step down to.
    GameState g = empty_game();
    g.set(9, 1, UPPER_OU);
    g.set(5, 7, LOWER_OU);
    g.set(6, 7, UPPER_KIN);
    g.set(4, 6, UPPER_KIN);
    const LookResult upper = look_ahead(g, false, budget(20000));
    ASSERT_TRUE(upper.move.has_value());
    EXPECT_EQ(*upper.move, Move::board(4, 6, 4, 7));
    EXPECT_GT(upper.score, MATE_BOUND);

    // The same with the sides swapped: the lower side drops a gold from its hand.
    GameState h = empty_game();
    h.set(9, 9, LOWER_OU);
    h.set(5, 3, UPPER_OU);
    h.set(6, 3, LOWER_KIN);
    h.hand_own[KIND_KIN] = 1;
    const LookResult lower = look_ahead(h, true, budget(20000));
    ASSERT_TRUE(lower.move.has_value());
    EXPECT_EQ(lower.move->to, (Square{4, 3}));
    EXPECT_GT(lower.score, MATE_BOUND);
}

TEST(LookAhead, FindsAForcedKingCaptureInThree) {
    // The upper king in the corner with two upper pawns that cannot move: the pawn on (1, 2)
    // is blocked by a lower gold, and a gold dropped on (2, 2) blocks the other and leaves the
    // group one empty square, (3, 1), which the lower side fills next. A gold on (3, 1) first
    // would let the king slip out to (2, 2).
    GameState g = empty_game();
    g.set(1, 1, UPPER_OU);
    g.set(2, 1, UPPER_HU);
    g.set(1, 2, UPPER_HU);
    g.set(1, 3, LOWER_KIN);
    g.set(9, 3, UPPER_HU);
    g.set(5, 9, LOWER_OU);
    g.hand_own[KIND_KIN] = 2;
    const LookResult r = look_ahead(g, true, budget(200000));
    ASSERT_TRUE(r.move.has_value());
    EXPECT_EQ(*r.move, Move::drop_of(KIND_KIN, 2, 2));
    EXPECT_GT(r.score, MATE_BOUND);
}

TEST(LookAhead, SameBudgetSameMoveAndNodes) {
    GameState g = testing::start_game();
    const LookResult a = look_ahead(g, true, budget(30000));
    const LookResult b = look_ahead(g, true, budget(30000));
    ASSERT_TRUE(a.move.has_value());
    EXPECT_EQ(a.move, b.move);
    EXPECT_EQ(a.nodes, b.nodes);
    EXPECT_EQ(a.score, b.score);
    EXPECT_EQ(a.nodes, 30000);
    const LookResult upper = look_ahead(g, false, budget(30000));
    ASSERT_TRUE(upper.move.has_value());
    EXPECT_GT(moving_piece(g, false, *upper.move), 0);
}

TEST(LookAhead, AKeptTableGivesWhatAFreshOneGivesWhateverWasSearchedBefore) {
    GameState start = testing::start_game();
    GameState later = start;
    later.set(3, 7, EMPTY);
    later.set(3, 6, LOWER_HU);
    later.hand_own[KIND_KIN] = 1;
    LookTable kept;
    for (int round = 0; round < 2; ++round)
        for (const GameState* g : {&start, &later})
            for (const bool lower : {true, false}) {
                const LookResult fresh = look_ahead(*g, lower, budget(12000));
                const LookResult reused = look_ahead(*g, lower, budget(12000), kept);
                EXPECT_EQ(fresh.move, reused.move) << round << lower;
                EXPECT_EQ(fresh.score, reused.score) << round << lower;
                EXPECT_EQ(fresh.depth, reused.depth) << round << lower;
            }
}

TEST(LookAhead, NoMoveWhenTheGameIsOverOrTheSideIsStuck) {
    GameState g = testing::start_game();
    g.winner = FIRST_PLAYER;
    EXPECT_FALSE(look_ahead(g, true, budget(1000)).move.has_value());
    // The upper king on (5, 1) boxed in by lower silvers and golds, nothing in hand.
    GameState stuck = empty_game();
    stuck.set(5, 1, UPPER_OU);
    for (const auto& [x, y] : {std::pair{4, 1}, {6, 1}, {4, 2}, {5, 2}, {6, 2}})
        stuck.set(x, y, LOWER_KIN);
    stuck.set(5, 9, LOWER_OU);
    EXPECT_FALSE(look_ahead(stuck, false, budget(1000)).move.has_value());
}

TEST(LookAhead, StopsWhenTheCallerSaysSo) {
    GameState g = testing::start_game();
    int asked = 0;
    LookLimits limits;
    limits.should_stop = [&asked] { return ++asked >= 1; };
    const LookResult r = look_ahead(g, true, limits);
    EXPECT_EQ(asked, 1);
    EXPECT_LE(r.nodes, STOP_POLL_NODES + look::MAX_PLY);
    ASSERT_TRUE(r.move.has_value());  // the best first guess is still a move

    // From another thread through the flag, with no other limit.
    std::atomic<bool> stop{false};
    LookLimits flagged;
    flagged.stop = &stop;
    LookResult threaded;
    std::thread worker([&] { threaded = look_ahead(g, false, flagged); });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    stop = true;
    worker.join();
    EXPECT_TRUE(threaded.move.has_value());
    EXPECT_LT(threaded.depth, 64);
}

TEST(LookAhead, AvoidsAPositionOfTheRecordWhenNothingIsLost) {
    GameState g = testing::start_game();
    const LookResult first = look_ahead(g, true, budget(5000));
    ASSERT_TRUE(first.move.has_value());
    // The record says the position after that move, upper side to move, was seen before.
    Game after;
    after.set_position(g.board, g.hand_own, g.hand_enemy, true);
    ASSERT_TRUE(after.play(*first.move, 0));
    g.record[0].board = after.position().board;
    g.record[0].hand_lower = after.position().hand_own;
    g.record[0].hand_upper = after.position().hand_enemy;
    g.rec_index = 1;
    const LookResult again = look_ahead(g, true, budget(5000));
    ASSERT_TRUE(again.move.has_value());
    EXPECT_NE(*again.move, *first.move);
}

TEST(LookAhead, HintIsTheSearchForTheSideToMove) {
    GameState g = testing::start_game();
    int polls = 0;
    const LookResult r = hint(g, true, [&polls] { return ++polls > 20; });
    ASSERT_TRUE(r.move.has_value());
    EXPECT_LT(moving_piece(g, true, *r.move), 0);
    EXPECT_EQ(polls, 21);
}

}  // namespace
}  // namespace banzuri
