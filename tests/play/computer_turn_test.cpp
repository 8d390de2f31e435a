#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/recording_platform.h"

namespace banzuri {
namespace {

using testing::FakeWindow;
using testing::Log;

// The window in a game against the computer, human first, the computer to move, on an empty
// board that the test fills.
void computer_to_move(FakeWindow& w, int level = 1) {
    GameState& g = w.g();
    g.game_mode = MODE_COM;
    g.lower_order = FIRST_PLAYER;
    g.upper_order = SECOND_PLAYER;
    g.turn = SECOND_PLAYER;
    g.level = level;
    w.load_sounds();
    w.timer.record = true;
}

// Every expected line appears in the log, in this order (other lines may come between).
::testing::AssertionResult in_order(const Log& log, const std::vector<std::string>& expected) {
    std::size_t at = 0;
    for (const std::string& line : expected) {
        while (at < log.size() && log[at] != line)
            ++at;
        if (at == log.size()) return ::testing::AssertionFailure() << "missing or late: " << line;
        ++at;
    }
    return ::testing::AssertionSuccess();
}

const std::string kOutline18 = "box 2 1915 5620 2530 6310";  // square (1,8), board colour
const std::string kWhite44 = "box 15 3760 2860 4375 3550";   // square (4,4), white
const std::string kThinkingShadow = "text \"思考中\" 377.5 5965 c0 s12";
const std::string kThinking = "text \"思考中\" 316 5896 c15 s12";

TEST(ComputerTurn, DecidedGameChangesNothing) {
    FakeWindow w;
    computer_to_move(w);
    w.g().set(5, 5, UPPER_OU);
    w.g().winner = FIRST_PLAYER;
    const GameState before = w.g();
    w.com_ban();
    EXPECT_TRUE(w.log.empty());
    EXPECT_EQ(w.g().board, before.board);
    EXPECT_EQ(w.g().turn, before.turn);
    EXPECT_EQ(w.g().rec_index, before.rec_index);
    EXPECT_EQ(w.g().move_count, before.move_count);
}

TEST(ComputerTurn, SecondsAreMeasuredAtTheMoveEvenWithoutTicks) {
    FakeWindow w;
    computer_to_move(w);
    w.set_checked(MenuItem::KEIKA, false);  // no clock display: the timer never ticks
    w.g().set(5, 1, UPPER_OU);
    w.g().set(5, 9, LOWER_OU);
    w.g().time_upper = 100;
    w.clock.advance_per_read = 0.25;
    w.com_ban();
    const RecordEntry& entry = w.g().record[0];
    EXPECT_GT(entry.time_upper_after, 100);
    EXPECT_DOUBLE_EQ(w.g().time_upper, entry.time_upper_after);
    EXPECT_DOUBLE_EQ(entry.time_lower_before, entry.time_lower_after);
}

TEST(ComputerTurn, PlaysTheMoveInOrderAndHandsTheTurnBack) {
    FakeWindow w;
    computer_to_move(w);
    w.set_checked(MenuItem::KEIKA, true);
    GameState& g = w.g();
    g.set(5, 5, UPPER_OU);
    g.set(1, 9, LOWER_OU);
    g.time_lower = 12;
    g.time_upper = 30;
    w.turn_clock().move_seconds = 4;
    const Board before = g.board;
    w.com_ban();
    EXPECT_TRUE(
        in_order(w.log, {"timer on", kThinkingShadow, kThinking, kOutline18, "refresh", kWhite44,
                         "sleep 0.5", "dsPlay 3", "timer off", kWhite44, kWhite44, "timer on"}));
    // The position before the move is the first record entry.
    EXPECT_EQ(g.record[0].board, before);
    EXPECT_EQ(g.record[0].time_lower_before, 12);
    EXPECT_EQ(g.record[0].time_lower_after, 12);
    EXPECT_EQ(g.record[0].time_upper_before, 30);
    // The search's clock ticks measured the turn: no time passed on the fake clock.
    EXPECT_EQ(w.turn_clock().move_seconds, 0);
    EXPECT_EQ(g.record[0].time_upper_after, 30);
    EXPECT_EQ(g.rec_index, 1);
    EXPECT_EQ(g.rec_last, 0);
    EXPECT_EQ(g.move_count, 1);
    EXPECT_EQ(g.time_upper, 30);
    EXPECT_EQ(g.turn, FIRST_PLAYER);
    EXPECT_EQ(w.turn_clock().turn_start_time, w.clock.now);
    EXPECT_TRUE(w.timer.enabled());
    EXPECT_EQ(g.winner, TURN_NONE);
}

TEST(ComputerTurn, TheSearchTicksTheClock) {
    FakeWindow w;
    computer_to_move(w);
    w.set_checked(MenuItem::KEIKA, true);
    w.g().set(5, 5, UPPER_OU);
    w.g().set(1, 9, LOWER_OU);
    w.turn_clock().shown_second = 7;  // the clock last showed another second
    w.com_ban();
    EXPECT_EQ(w.turn_clock().shown_second, NO_SECOND_SHOWN) << "the player's turn starts afresh";
    // The tick draws the upper clock (time_upper 0 plus no seconds) during the search.
    std::size_t clock_line = w.log.size();
    std::size_t pause_line = w.log.size();
    for (std::size_t i = 0; i < w.log.size(); ++i) {
        if (clock_line == w.log.size() && w.log[i].find("00:00:00") != std::string::npos)
            clock_line = i;
        if (w.log[i] == "sleep 0.5") pause_line = i;
    }
    EXPECT_LT(clock_line, pause_line);
    EXPECT_TRUE(in_order(w.log, {kThinking, "refresh"}));
}

TEST(ComputerTurn, WithoutElapsedTimeTheTimerStaysOff) {
    FakeWindow w;
    computer_to_move(w);
    w.g().set(5, 5, UPPER_OU);
    w.g().set(1, 9, LOWER_OU);
    w.g().time_upper = 30;
    w.turn_clock().move_seconds = 4;  // left over from an earlier turn: never credited again
    w.com_ban();
    EXPECT_EQ(w.g().time_upper, 30) << "the fake clock stood still during the move";
    EXPECT_EQ(w.g().record[0].time_upper_after, 30);
    EXPECT_EQ(w.lines("timer on").size(), 0u);
    EXPECT_FALSE(w.timer.enabled());
    EXPECT_EQ(w.g().turn, FIRST_PLAYER);
}

TEST(ComputerTurn, NoMoveAndNoDropResigns) {
    FakeWindow w;
    computer_to_move(w);
    GameState& g = w.g();
    g.set(5, 1, UPPER_OU);
    g.set(4, 2, LOWER_KIN);  // every square around the upper king is taken
    g.set(5, 2, LOWER_KIN);
    g.set(6, 2, LOWER_KIN);
    g.set(4, 1, LOWER_GIN);
    g.set(6, 1, LOWER_GIN);
    g.set(5, 9, LOWER_OU);
    g.time_upper = 30;
    w.turn_clock().move_seconds = 4;
    const Board before = g.board;
    w.com_ban();
    EXPECT_TRUE(in_order(w.log, {kThinkingShadow, kThinking, "refresh", "timer off"}));
    EXPECT_EQ(w.lines("sleep").size(), 0u);
    EXPECT_EQ(w.lines("dsPlay 3").size(), 0u);
    EXPECT_EQ(g.board, before);
    EXPECT_EQ(g.winner, FIRST_PLAYER);  // the human wins
    EXPECT_EQ(g.turn, SECOND_PLAYER);   // the turn is not handed back
    EXPECT_EQ(g.rec_index, 0);
    EXPECT_EQ(g.move_count, 0);
    EXPECT_EQ(g.time_upper, 30);
    EXPECT_FALSE(w.timer.enabled());
    // A second call does nothing: the game is decided.
    w.log.clear();
    w.com_ban();
    EXPECT_TRUE(w.log.empty());
}

TEST(ComputerTurn, PlaysTheFirstOfEqualMovesOnTheBoard) {
    FakeWindow w;
    computer_to_move(w);
    GameState& g = w.g();
    g.set(9, 1, UPPER_OU);
    g.set(1, 9, LOWER_OU);
    w.com_ban();
    // Level 1 scores every king step 0: the first in scan order is played.
    EXPECT_EQ(g.at(9, 1), EMPTY);
    EXPECT_EQ(g.at(8, 1), UPPER_OU);
    EXPECT_EQ(g.record[0].board[9][1], UPPER_OU);
}

TEST(ComputerTurn, TakingTheHumansKingEndsTheGame) {
    FakeWindow w;
    computer_to_move(w);
    GameState& g = w.g();
    g.set(9, 1, UPPER_OU);
    g.set(5, 7, LOWER_OU);
    g.set(6, 7, UPPER_KIN);
    g.set(4, 6, UPPER_KIN);  // steps to (4,7) and sandwiches the king
    g.time_upper = 30;
    w.turn_clock().move_seconds = 4;
    w.com_ban();
    EXPECT_EQ(g.at(4, 7), UPPER_KIN);
    EXPECT_EQ(g.at(5, 7), EMPTY);
    EXPECT_EQ(g.winner, SECOND_PLAYER);  // the computer's order token
    EXPECT_EQ(g.turn, SECOND_PLAYER);    // not handed back
    EXPECT_EQ(g.time_upper, 30);         // nor is the clock charged
    EXPECT_EQ(g.rec_index, 1);
    EXPECT_EQ(g.move_count, 1);
    EXPECT_TRUE(in_order(w.log, {"sleep 0.5", "dsPlay 3", "sleep 0.15"}));
}

TEST(ComputerTurn, DropComesOutOfTheUpperHand) {
    FakeWindow w;
    computer_to_move(w);
    GameState& g = w.g();
    g.set(5, 5, LOWER_OU);
    g.set(6, 5, UPPER_GIN);
    g.set(6, 4, LOWER_HU);  // the silver stays where it is
    g.set(9, 9, UPPER_OU);
    g.set(8, 8, LOWER_KIN);  // the upper king is boxed in: (8,9), (9,8) and (8,8) taken
    g.set(8, 9, LOWER_KIN);
    g.set(9, 8, LOWER_KIN);
    g.hand_enemy[KIND_KIN] = 1;
    w.com_ban();
    EXPECT_EQ(g.at(4, 5), UPPER_KIN);  // the drop that sandwiches the king
    EXPECT_EQ(g.hand_enemy[KIND_KIN], 0);
    EXPECT_EQ(g.hand_total_upper(), 0);
    EXPECT_EQ(g.winner, SECOND_PLAYER);
    EXPECT_EQ(g.record[0].hand_upper[KIND_KIN], 1);
}

TEST(ComputerTurn, ItsMoveRemovesBothEnclosedGroups) {
    FakeWindow w;
    computer_to_move(w, 3);
    GameState& g = w.g();
    g.set(9, 1, UPPER_OU);
    g.set(1, 9, LOWER_OU);
    g.set(5, 2, UPPER_KIN);  // steps up to (5, 1) between two closed lower groups
    g.set(4, 1, LOWER_HU);
    g.set(3, 1, UPPER_HU);
    g.set(4, 2, UPPER_HU);
    g.set(6, 1, LOWER_GIN);
    g.set(7, 1, UPPER_HU);
    g.set(6, 2, UPPER_HU);
    w.com_ban();
    ASSERT_EQ(g.at(5, 1), UPPER_KIN);
    EXPECT_EQ(g.at(4, 1), EMPTY);
    EXPECT_EQ(g.at(6, 1), EMPTY);
    EXPECT_EQ(g.hand_enemy[KIND_HU], 1);
    EXPECT_EQ(g.hand_enemy[KIND_GIN], 1);
    EXPECT_EQ(g.hand_total_upper(), 2);
}

TEST(ComputerTurn, RecordGrowsBeyondItsInitialSize) {
    FakeWindow w;
    computer_to_move(w);
    GameState& g = w.g();
    g.set(5, 5, UPPER_OU);
    g.set(1, 9, LOWER_OU);
    g.rec_index = static_cast<int>(g.record.size());
    w.com_ban();
    EXPECT_EQ(g.rec_last, static_cast<int>(RECORD_INITIAL_CAPACITY));
    EXPECT_GT(g.record.size(), RECORD_INITIAL_CAPACITY);
}

}  // namespace
}  // namespace banzuri
