// 対局を検討 in the window: the game looked over on the worker, its result shown while the line
// stays the same, and the ways it ends early: cancel, Esc, a new move.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "play/move_list.h"
#include "play/play_fixture.h"

namespace banzuri {
namespace {

using testing::Position;

LookLimits nodes(std::int64_t n) {
    LookLimits limits = level_limits(LEVEL4);
    limits.nodes = n;
    return limits;
}

struct Analysis : ::testing::Test, testing::PlayWindow {
    Analysis() {
        form.set_analysis_limits([] { return nodes(2000); });
    }
    void move(int fx, int fy, int tx, int ty) {
        click(fx, fy);
        click(tx, ty);
    }
    // Polls as the window does until the look over the game has ended.
    void wait_for_analysis() {
        while (form.analysing()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            if (poll.enabled()) form.Poll_Timer();
        }
    }
};

TEST_F(Analysis, LooksOverEveryMoveAndMarksTheMoveThatLetTheKingBeTaken) {
    // The lower pawn's step lets the upper gold take the lower king.
    lay_out(Position::empty()
                .put(9, 1, UPPER_OU)
                .put(5, 7, LOWER_OU)
                .put(6, 7, UPPER_KIN)
                .put(4, 6, UPPER_KIN)
                .put(1, 7, LOWER_HU)
                .put(2, 8, LOWER_KIN)
                .then(1, 7, 1, 6)
                .then(4, 6, 4, 7));
    ASSERT_NE(g().winner, TURN_NONE);
    form.KENTOU_Click();
    EXPECT_TRUE(form.analysing());
    EXPECT_TRUE(poll.enabled());
    EXPECT_EQ(form.analysis_total(), 2);
    wait_for_analysis();
    EXPECT_FALSE(poll.enabled());
    ASSERT_NE(form.analysis(), nullptr);
    const MoveList list = move_list_of(form.game(), form.analysis());
    ASSERT_EQ(list.rows.size(), 3u);
    EXPECT_EQ(list.rows[1], "   1 ▲９六歩(97)　悪手");
    EXPECT_EQ(list.rows[2], "   2 △６七金(66)");
    ASSERT_EQ(list.scores.size(), 3u);
    EXPECT_EQ(list.scores[1], -KING_CAPTURE_PAWNS);
    form.REPLAY_Click();
    EXPECT_NE(form.analysis(), nullptr) << "stepping through the line keeps it";
}

TEST_F(Analysis, ANewMoveDiscardsItWhetherFinishedOrRunning) {
    start_people_game();
    move(7, 7, 7, 6);
    move(3, 3, 3, 4);
    form.KENTOU_Click();
    wait_for_analysis();
    ASSERT_NE(form.analysis(), nullptr);
    EXPECT_EQ(form.analysis()->moves.size(), 2u);
    move(2, 7, 2, 6);
    EXPECT_EQ(form.analysis(), nullptr);
    EXPECT_TRUE(move_list_of(form.game(), form.analysis()).scores.empty());

    form.set_analysis_limits([] { return nodes(0); });  // searches without end
    form.KENTOU_Click();
    ASSERT_TRUE(form.analysing());
    move(8, 3, 8, 4);
    form.Poll_Timer();
    EXPECT_FALSE(form.analysing()) << "the line it looked at is gone";
    EXPECT_EQ(form.analysis(), nullptr);
    EXPECT_FALSE(poll.enabled());
}

TEST_F(Analysis, CancelAndEscStopItAndEscDoesNotEndTheProgramMeanwhile) {
    start_people_game();
    move(7, 7, 7, 6);
    form.set_analysis_limits([] { return nodes(0); });
    form.KENTOU_Click();
    ASSERT_TRUE(form.analysing());
    form.cancel_analysis();
    EXPECT_FALSE(form.analysing());
    EXPECT_EQ(form.analysis(), nullptr);
    form.KENTOU_Click();
    ASSERT_TRUE(form.analysing());
    form.Form_KeyPress(KEY_ESCAPE);
    EXPECT_FALSE(form.analysing());
    EXPECT_FALSE(form.quitting());
    EXPECT_EQ(g().rec_index, 1) << "the game is as it was";
}

TEST_F(Analysis, AGameWithoutMovesHasNothingToLookOver) {
    start_people_game();
    form.KENTOU_Click();
    EXPECT_FALSE(form.analysing());
    EXPECT_EQ(lines("message"),
              std::vector<std::string>{"message [対局を検討] 検討する指し手がありません"});
    EXPECT_TRUE(has("dsPlay " + testing::num(testing::kForbidden)));
}

}  // namespace
}  // namespace banzuri
