// The clocks of a game: the seconds of every move are credited to the side that made it,
// measured at the move, whatever the clock display did meanwhile.
#include <gtest/gtest.h>

#include "play_fixture.h"

namespace banzuri {
namespace {

using testing::PlayWindow;

TEST(ClockBookkeeping, EachMoveCreditsItsOwnSideWithTheDisplayOff) {
    PlayWindow w;
    w.set_checked(MenuItem::KEIKA, false);
    w.start_people_game();
    ASSERT_FALSE(w.timer.enabled());

    w.clock.now += 7.5;
    w.click(7, 7);
    w.click(7, 6);
    EXPECT_DOUBLE_EQ(w.g().time_lower, 7.5);
    EXPECT_DOUBLE_EQ(w.g().time_upper, 0);
    const RecordEntry& first = w.g().record[0];
    EXPECT_DOUBLE_EQ(first.time_lower_before, 0);
    EXPECT_DOUBLE_EQ(first.time_lower_after, 7.5);
    EXPECT_DOUBLE_EQ(first.time_upper_before, 0);
    EXPECT_DOUBLE_EQ(first.time_upper_after, 0);
    EXPECT_DOUBLE_EQ(w.turn_clock().turn_start_time, w.clock.now);

    w.clock.now += 3;
    w.click(3, 3);
    w.click(3, 4);
    EXPECT_DOUBLE_EQ(w.g().time_lower, 7.5);
    EXPECT_DOUBLE_EQ(w.g().time_upper, 3);
    const RecordEntry& second = w.g().record[1];
    EXPECT_DOUBLE_EQ(second.time_lower_before, 7.5);
    EXPECT_DOUBLE_EQ(second.time_lower_after, 7.5);
    EXPECT_DOUBLE_EQ(second.time_upper_before, 0);
    EXPECT_DOUBLE_EQ(second.time_upper_after, 3);
}

TEST(ClockBookkeeping, TicksDoNotDecideTheCreditedSeconds) {
    PlayWindow w;
    w.set_checked(MenuItem::KEIKA, true);
    w.start_people_game();
    ASSERT_TRUE(w.timer.enabled());
    w.clock.now += 2.2;
    w.form.Timer1_Timer();  // the last tick came long before the move
    w.clock.now += 4.3;
    w.click(7, 7);
    w.click(7, 6);
    EXPECT_NEAR(w.g().time_lower, 6.5, 1e-9);
    EXPECT_TRUE(w.timer.enabled()) << "between people the clock keeps running";
}

TEST(ClockBookkeeping, MoveAcrossMidnight) {
    PlayWindow w;
    w.clock.now = 86399.5;
    w.start_people_game();
    w.clock.now = 1.5;
    w.click(7, 7);
    w.click(7, 6);
    EXPECT_DOUBLE_EQ(w.g().time_lower, 2);
}

TEST(ClockBookkeeping, AgainstTheComputerThePlayersClockStopsAtTheMove) {
    PlayWindow w;
    w.form.SENTE_Click();
    ASSERT_TRUE(w.timer.enabled());
    w.clock.now += 4;
    w.timer.record = true;
    w.log.clear();
    w.click(7, 7);
    w.click(7, 6);
    EXPECT_DOUBLE_EQ(w.g().time_lower, 4);
    EXPECT_DOUBLE_EQ(w.g().record[0].time_lower_after, 4);
    ASSERT_FALSE(w.lines("timer").empty());
    EXPECT_EQ(w.lines("timer").front(), "timer off");
}

TEST(ClockBookkeeping, ThePlayersSecondsAreNeverCreditedToTheComputer) {
    PlayWindow w;
    w.set_checked(MenuItem::KEIKA, false);
    w.form.SENTE_Click();
    w.clock.now += 40;
    w.click(7, 7);
    w.click(7, 6);
    EXPECT_DOUBLE_EQ(w.g().time_lower, 40);
    EXPECT_LT(w.g().time_upper, 40);
    EXPECT_EQ(w.g().turn, w.g().lower_order) << "the computer has replied";
}

// Every turn draws its first second, also after a turn that ended within its first second.
TEST(ClockTick, RedrawsOncePerWholeSecondFromTheFirstAndNotAfterTheEnd) {
    PlayWindow w;
    w.set_checked(MenuItem::KEIKA, true);
    w.start_people_game();
    w.clock.now += 0.5;
    w.form.Timer1_Timer();
    w.form.Timer1_Timer();
    EXPECT_EQ(w.lines("refresh").size(), 1u);

    w.click(7, 7);
    w.click(7, 6);  // the lower side's move within its first second
    w.clock.now += 0.3;
    w.log.clear();
    w.form.Timer1_Timer();
    EXPECT_EQ(w.lines("text \"00:00:00\"").size(), 1u) << "the upper side's first second";
    w.clock.now += 0.8;
    w.form.Timer1_Timer();
    w.form.Timer1_Timer();
    EXPECT_EQ(w.lines("refresh").size(), 2u);
    EXPECT_NEAR(w.turn_clock().move_seconds, 1.1, 1e-9);
}

TEST(ClockTick, ADecidedGameShowsNoMoreSeconds) {
    PlayWindow w;
    w.set_checked(MenuItem::KEIKA, true);
    // The lower pawn's step sandwiches the upper king against the gold.
    w.lay_out(testing::Position::king_in_reach());
    w.start_people_game();
    w.dialogs.answers = {false};  // "続けますか？" いいえ: the decided game stays
    w.click(7, 7);
    w.click(7, 6);
    ASSERT_NE(w.g().winner, TURN_NONE);
    ASSERT_TRUE(w.timer.enabled());
    w.clock.now += 5;
    w.log.clear();
    w.form.Timer1_Timer();
    EXPECT_TRUE(w.lines("refresh").empty());
}

// A step through the record stops the clock; between two people the next move starts it again.
TEST(ClockTick, AMoveAfterAStepBackSetsTheClockGoingAgain) {
    PlayWindow w;
    w.set_checked(MenuItem::KEIKA, true);
    w.start_people_game();
    w.click(7, 7);
    w.click(7, 6);
    w.form.REPLAY_Click();
    EXPECT_FALSE(w.timer.enabled());
    w.click(2, 7);
    w.click(2, 6);
    EXPECT_TRUE(w.timer.enabled());
    w.clock.now += 2.5;
    w.log.clear();
    w.form.Timer1_Timer();
    EXPECT_EQ(w.lines("text \"00:00:02\"").size(), 1u) << "the upper side's clock counts";

    w.set_checked(MenuItem::KEIKA, false);  // with the display off it stays stopped
    w.form.REPLAY_Click();
    w.click(2, 7);
    w.click(2, 6);
    EXPECT_FALSE(w.timer.enabled());
}

TEST(ClockTick, StoppedTimerIgnoresTicks) {
    PlayWindow w;
    w.set_checked(MenuItem::KEIKA, false);
    w.start_people_game();
    w.clock.now += 3;
    w.form.Timer1_Timer();
    EXPECT_TRUE(w.log.empty());
    EXPECT_DOUBLE_EQ(w.turn_clock().move_seconds, 0);
}

}  // namespace
}  // namespace banzuri
