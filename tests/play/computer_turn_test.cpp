#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/recording_platform.h"

namespace banzuri {
namespace {

using testing::FakeWindow;
using testing::Log;

using testing::Position;

// The window started, with `position` opened for a game against the computer at `level`; the
// computer is to move when the position says so (the upper side first, or after the moves).
void computer_to_move(FakeWindow& w, Position position, int level = 1) {
    w.start_up();
    w.lay_out(position.against_computer(level));
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
const std::string kWhite44 = "box 1 3760 2860 4375 3550";    // square (4,4), guidance ink
const std::string kThinkingShadow = "shadow \"思考中\" 316 5896 s12 bold";
const std::string kThinking = "text \"思考中\" 316 5896 c15 s12 bold";

TEST(ComputerTurn, AClickInADecidedGameChangesNothing) {
    FakeWindow w;
    // The lower pawn's step sandwiched the upper king: the computer would be to move.
    computer_to_move(w, Position::king_taken());
    ASSERT_EQ(w.g().winner, w.g().lower_order);
    const GameState before = w.g();
    w.form.Form_MouseDown(MOUSE_LEFT, 0, -1e6, -1e6);
    EXPECT_EQ(w.log, Log{"message [終局] 新規に対局してください"});
    EXPECT_EQ(w.g().board, before.board);
    EXPECT_EQ(w.g().turn, before.turn);
    EXPECT_EQ(w.g().rec_index, before.rec_index);
    EXPECT_EQ(w.g().move_count, before.move_count);
}

// The upper king has thought 100 seconds and the lower king none; the upper side is to move.
Position kings_with_upper_total(int upper_seconds, int lower_seconds = 0) {
    return Position::empty()
        .put(5, 2, UPPER_OU)
        .put(5, 8, LOWER_OU)
        .upper_first()
        .then(5, 2, 5, 1, upper_seconds)
        .then(5, 8, 5, 9, lower_seconds);
}

TEST(ComputerTurn, SecondsAreMeasuredAtTheMoveEvenWithoutTicks) {
    FakeWindow w;
    computer_to_move(w, kings_with_upper_total(100));
    w.set_checked(MenuItem::KEIKA, false);  // no clock display: the timer never ticks
    ASSERT_EQ(w.g().time_upper, 100);
    const int at = w.g().rec_index;
    w.clock.advance_per_read = 0.25;
    w.computer_moves();
    const RecordEntry& entry = w.g().record[static_cast<std::size_t>(at)];
    EXPECT_GT(entry.time_upper_after, 100);
    EXPECT_DOUBLE_EQ(w.g().time_upper, entry.time_upper_after);
    EXPECT_DOUBLE_EQ(entry.time_lower_before, entry.time_lower_after);
}

// The upper king on (5, 5), the lower king on (1, 9); the upper side has thought 30 seconds,
// the lower side 12, and the upper side is to move.
Position timed_kings() {
    return Position::empty()
        .put(5, 6, UPPER_OU)
        .put(1, 8, LOWER_OU)
        .upper_first()
        .then(5, 6, 5, 5, 30)
        .then(1, 8, 1, 9, 12);
}

TEST(ComputerTurn, PlaysTheMoveInOrderAndHandsTheTurnBack) {
    FakeWindow w;
    computer_to_move(w, timed_kings());
    w.set_checked(MenuItem::KEIKA, true);
    ASSERT_EQ(w.g().time_lower, 12);
    ASSERT_EQ(w.g().time_upper, 30);
    w.clock.now += 4;
    w.form.Timer1_Timer();  // the computer's turn so far: never credited again
    ASSERT_EQ(w.form.turn_clock().move_seconds, 4);
    w.log.clear();
    const GameState& g = w.form.state();
    const Board before = g.board;
    const int at = g.rec_index;
    const auto entry = static_cast<std::size_t>(at);
    w.computer_moves();
    EXPECT_TRUE(
        in_order(w.log, {"timer on", kThinkingShadow, kThinking, kOutline18, "refresh", kWhite44,
                         "sleep 0.5", "dsPlay 3", "timer off", kWhite44, kWhite44, "timer on"}));
    // The position before the move is the next record entry.
    EXPECT_EQ(g.record[entry].board, before);
    EXPECT_EQ(g.record[entry].time_lower_before, 12);
    EXPECT_EQ(g.record[entry].time_lower_after, 12);
    EXPECT_EQ(g.record[entry].time_upper_before, 30);
    // The search's clock ticks measured the turn: no time passed on the fake clock.
    EXPECT_EQ(w.form.turn_clock().move_seconds, 0);
    EXPECT_EQ(g.record[entry].time_upper_after, 30);
    EXPECT_EQ(g.rec_index, at + 1);
    EXPECT_EQ(g.rec_last, at);
    EXPECT_EQ(g.move_count, at + 1);
    EXPECT_EQ(g.time_upper, 30);
    EXPECT_EQ(g.turn, g.lower_order);
    EXPECT_EQ(w.form.turn_clock().turn_start_time, w.clock.now);
    EXPECT_TRUE(w.timer.enabled());
    EXPECT_EQ(g.winner, TURN_NONE);
}

TEST(ComputerTurn, TheSearchTicksTheClock) {
    FakeWindow w;
    computer_to_move(w, Position::empty().put(5, 5, UPPER_OU).put(1, 9, LOWER_OU).upper_first());
    w.set_checked(MenuItem::KEIKA, true);
    w.clock.now += 7;
    w.form.Timer1_Timer();
    ASSERT_EQ(w.form.turn_clock().shown_second, 7);  // the clock last showed another second
    w.log.clear();
    w.computer_moves();
    EXPECT_EQ(w.form.turn_clock().shown_second, NO_SECOND_SHOWN)
        << "the player's turn starts afresh";
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
    computer_to_move(w, timed_kings());
    w.clock.now += 4;
    w.form.Timer1_Timer();  // four seconds of this turn shown before the display goes off
    ASSERT_EQ(w.form.turn_clock().move_seconds, 4);
    w.set_checked(MenuItem::KEIKA, false);
    ASSERT_FALSE(w.timer.enabled());
    w.computer_moves();
    const auto entry = static_cast<std::size_t>(w.g().rec_index - 1);
    EXPECT_EQ(w.g().time_upper, 30) << "the fake clock stood still during the move";
    EXPECT_EQ(w.g().record[entry].time_upper_after, 30);
    EXPECT_EQ(w.lines("timer on").size(), 0u);
    EXPECT_FALSE(w.timer.enabled());
    EXPECT_EQ(w.g().turn, w.g().lower_order);
}

TEST(ComputerTurn, NoMoveAndNoDropResigns) {
    FakeWindow w;
    computer_to_move(w, Position::empty()
                            .put(5, 1, UPPER_OU)
                            .put(4, 2, LOWER_KIN)  // every square around the upper king is taken
                            .put(5, 2, LOWER_KIN)
                            .put(6, 2, LOWER_KIN)
                            .put(4, 1, LOWER_GIN)
                            .put(6, 1, LOWER_GIN)
                            .put(5, 9, LOWER_OU)
                            .upper_first());
    w.clock.now += 4;
    w.form.Timer1_Timer();  // four seconds of the turn so far: never credited
    w.log.clear();
    const GameState& g = w.form.state();
    const Board before = g.board;
    w.clock.advance_per_read = 0.25;
    w.computer_moves();
    EXPECT_TRUE(in_order(w.log, {kThinkingShadow, kThinking, "refresh", "timer off"}));
    EXPECT_EQ(w.lines("sleep").size(), 0u);
    EXPECT_EQ(w.lines("dsPlay 3").size(), 0u);
    EXPECT_EQ(g.board, before);
    EXPECT_EQ(g.winner, g.lower_order);  // the human wins
    EXPECT_EQ(g.turn, g.upper_order);    // the turn is not handed back
    EXPECT_EQ(g.rec_index, 0);
    EXPECT_EQ(g.move_count, 0);
    EXPECT_EQ(g.time_upper, 0);
    EXPECT_FALSE(w.timer.enabled());
    // "続けますか？" いいえ ended the program: nothing more happens.
    w.log.clear();
    w.form.Form_MouseDown(MOUSE_LEFT, 0, -1e6, -1e6);
    EXPECT_TRUE(w.log.empty());
}

TEST(ComputerTurn, PlaysTheFirstOfEqualMovesOnTheBoard) {
    FakeWindow w;
    computer_to_move(w, Position::empty().put(9, 1, UPPER_OU).put(1, 9, LOWER_OU).upper_first());
    w.computer_moves();
    // Level 1 scores every king step 0: the first in scan order is played.
    const GameState& g = w.form.state();
    EXPECT_EQ(g.at(9, 1), EMPTY);
    EXPECT_EQ(g.at(8, 1), UPPER_OU);
    EXPECT_EQ(g.record[0].board[9][1], UPPER_OU);
}

TEST(ComputerTurn, TakingTheHumansKingEndsTheGame) {
    FakeWindow w;
    computer_to_move(w, Position::empty()
                            .put(9, 2, UPPER_OU)
                            .put(5, 8, LOWER_OU)
                            .put(6, 7, UPPER_KIN)
                            .put(4, 6, UPPER_KIN)  // steps to (4,7) and sandwiches the king
                            .upper_first()
                            .then(9, 2, 9, 1, 30)
                            .then(5, 8, 5, 7));
    w.clock.now += 4;
    w.form.Timer1_Timer();  // four seconds of the turn so far
    w.set_checked(MenuItem::KEIKA, false);
    w.log.clear();
    w.computer_moves();
    const GameState& g = w.form.state();
    EXPECT_EQ(g.at(4, 7), UPPER_KIN);
    EXPECT_EQ(g.at(5, 7), EMPTY);
    EXPECT_EQ(g.winner, g.upper_order);  // the computer's order token
    EXPECT_EQ(g.time_upper, 30);         // its turn began with the click: no time passed
    EXPECT_EQ(g.rec_index, 3);
    EXPECT_EQ(g.move_count, 3);
    EXPECT_TRUE(in_order(w.log, {"sleep 0.5", "dsPlay 3", "sleep 0.15"}));
}

TEST(ComputerTurn, DropComesOutOfTheUpperHand) {
    FakeWindow w;
    computer_to_move(w, Position::empty()
                            .put(5, 5, LOWER_OU)
                            .put(6, 5, UPPER_GIN)
                            .put(6, 4, LOWER_HU)  // the silver stays where it is
                            .put(9, 9, UPPER_OU)
                            .put(8, 8, LOWER_KIN)  // the upper king is boxed in
                            .put(8, 9, LOWER_KIN)
                            .put(9, 8, LOWER_KIN)
                            .upper_hand(KIND_KIN, 1)
                            .upper_first());
    w.computer_moves();
    const GameState& g = w.form.state();
    EXPECT_EQ(g.at(4, 5), UPPER_KIN);  // the drop that sandwiches the king
    EXPECT_EQ(g.hand_enemy[KIND_KIN], 0);
    EXPECT_EQ(g.hand_total_upper(), 0);
    EXPECT_EQ(g.winner, g.upper_order);
    EXPECT_EQ(g.record[0].hand_upper[KIND_KIN], 1);
}

TEST(ComputerTurn, ItsMoveRemovesBothEnclosedGroups) {
    FakeWindow w;
    computer_to_move(
        w,
        Position::empty()
            .put(9, 1, UPPER_OU)
            .put(1, 9, LOWER_OU)
            .put(5, 2, UPPER_KIN)  // steps up to (5, 1) between two closed lower groups
            .put(4, 1, LOWER_KIN)
            .put(3, 1, UPPER_HU)
            .put(4, 2, UPPER_HU)
            .put(6, 1, LOWER_GIN)
            .put(7, 1, UPPER_HU)
            .put(6, 2, UPPER_HU)
            .upper_first(),
        3);
    w.computer_moves();
    const GameState& g = w.form.state();
    ASSERT_EQ(g.at(5, 1), UPPER_KIN);
    EXPECT_EQ(g.at(4, 1), EMPTY);
    EXPECT_EQ(g.at(6, 1), EMPTY);
    EXPECT_EQ(g.hand_enemy[KIND_KIN], 1);
    EXPECT_EQ(g.hand_enemy[KIND_GIN], 1);
    EXPECT_EQ(g.hand_total_upper(), 2);
}

TEST(ComputerTurn, RecordGrowsBeyondItsInitialSize) {
    // The kings step out and back until the record's initial entries are all but used.
    Position p = Position::empty().put(5, 1, UPPER_OU).put(5, 9, LOWER_OU).upper_first();
    for (std::size_t n = 0; n + 1 < RECORD_INITIAL_CAPACITY; n += 4)
        p.then(5, 1, 5, 2).then(5, 9, 5, 8).then(5, 2, 5, 1).then(5, 8, 5, 9);
    FakeWindow w;
    computer_to_move(w, p);
    const GameState& g = w.form.state();
    ASSERT_EQ(g.rec_index, static_cast<int>(RECORD_INITIAL_CAPACITY) - 1);
    w.computer_moves();  // fills the last initial entry
    EXPECT_EQ(g.rec_index, static_cast<int>(RECORD_INITIAL_CAPACITY));
    w.form.Form_MouseDown(MOUSE_LEFT, 0, board_left + 5.5 * cell_width,
                          board_top + 9.5 * cell_height);
    w.form.Form_MouseDown(MOUSE_LEFT, 0, board_left + 5.5 * cell_width,
                          board_top + 8.5 * cell_height);  // the player's move, then the reply
    EXPECT_EQ(g.rec_last, static_cast<int>(RECORD_INITIAL_CAPACITY) + 1);
    EXPECT_GT(g.record.size(), RECORD_INITIAL_CAPACITY + 1);
}

}  // namespace
}  // namespace banzuri
