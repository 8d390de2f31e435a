// What stays on the screen beside the board: the move texts, the thinking label and the move
// number, through the computer's win, steps through the record, a flip and a new background.
#include <algorithm>
#include <string>

#include "play_fixture.h"

namespace banzuri {
namespace {

using namespace testing;

const std::string kThinking = "text \"思考中\" 316 5896 c15 s12 bold";
const std::string kUpperTextCell[] = {"picture 6 70 5620", "picture 6 685 5620"};

// The log after the last occurrence of `line`; the whole log when it never occurs.
Log after_last(const Log& log, const std::string& line) {
    const auto last = std::find(log.rbegin(), log.rend(), line);
    return Log(last.base(), log.end());
}

bool contains(const Log& log, const std::string& line) {
    return std::find(log.begin(), log.end(), line) != log.end();
}

// Three moves between two people: ３六歩, ７四歩, ８六歩.
void three_moves(PlayWindow& w) {
    w.start_people_game();
    w.click(7, 7);
    w.click(7, 6);
    w.click(3, 3);
    w.click(3, 4);
    w.click(2, 7);
    w.click(2, 6);
}

TEST(ScreenTexts, TheComputersWinRemovesTheWholeThinkingLabel) {
    PlayWindow w;
    w.lay_out(Position::empty()
                  .put(9, 1, UPPER_OU)
                  .put(5, 7, LOWER_OU)
                  .put(6, 7, UPPER_KIN)
                  .put(4, 6, UPPER_KIN)  // steps to (4,7) and sandwiches the king
                  .upper_first()
                  .against_computer(1));
    w.computer_moves();
    ASSERT_EQ(w.g().winner, w.g().upper_order);
    ASSERT_TRUE(contains(w.log, kThinking));
    const Log after = after_last(w.log, kThinking);
    for (const std::string& tile : kUpperTextCell)
        EXPECT_TRUE(contains(after, tile)) << tile;
}

TEST(ScreenTexts, StepsBetweenPeopleLeaveTheOtherSidesMoveTextWhole) {
    PlayWindow w;
    three_moves(w);
    w.log.clear();
    w.form.REPLAY_Click();  // takes back the lower side's ８六歩: ７四歩 stays
    w.form.AFTER_Click();
    EXPECT_FALSE(contains(w.log, kUpperTextCell[0]));
    EXPECT_FALSE(contains(w.log, kUpperTextCell[1]));
    EXPECT_TRUE(contains(w.log, "picture 6 8680 1480")) << "the lower side's text goes and returns";
}

TEST(ScreenTexts, ABackgroundChangeDrawsTheMoveNumberAndBothLastMovesAgain) {
    PlayWindow w;
    three_moves(w);
    w.log.clear();
    w.form.TATAMI_Click();
    Log after = after_last(w.log, "picture 7 12985 8380");  // the last background tile
    EXPECT_TRUE(contains(after, "text \" 3\" 9418 2377 c15 s12 bold"));
    EXPECT_TRUE(contains(after, "text \"８\" 8926 1756 c15 s12 bold"));
    EXPECT_TRUE(contains(after, "text \"７\" 316 5896 c15 s12 bold"));
    EXPECT_TRUE(contains(after, "text \"四\" 562 5896 c15 s12 bold"));
    w.log.clear();
    w.form.Timer1_Timer();  // the running clock, which the redraw showed without this turn
    EXPECT_EQ(w.lines("refresh").size(), 1u);

    w.form.REPLAY_Click();  // back to ７四歩: the lower side's last move is ３六歩
    w.log.clear();
    w.form.TAKE_Click();
    after = after_last(w.log, "picture 8 12985 8380");
    EXPECT_TRUE(contains(after, "text \" 2\" 9418 2377 c15 s12 bold"));
    EXPECT_TRUE(contains(after, "text \"３\" 8926 1756 c15 s12 bold"));
    EXPECT_TRUE(contains(after, "text \"７\" 316 5896 c15 s12 bold"));
}

TEST(ScreenTexts, AfterAFlipTheMoveNumberGoesOnFromTheMovesPlayed) {
    PlayWindow w;
    three_moves(w);
    w.form.REVERSE_Click();  // the lower side, the former upper pieces, is to move
    w.log.clear();
    w.click(9, 7);
    w.click(9, 6);
    ASSERT_EQ(w.g().move_count, 4);
    EXPECT_TRUE(contains(w.log, "text \" 4\" 9418 2377 c15 s12 bold"));
    EXPECT_FALSE(contains(w.log, "text \" 1\" 9418 2377 c15 s12 bold"));
}

// A move text's digit in front: the lower side's file at the upper right, the upper side's at
// the lower left.
std::string lower_file(const std::string& digit) {
    return "text \"" + digit + "\" 8926 1756 c15 s12 bold";
}
std::string upper_file(const std::string& digit) {
    return "text \"" + digit + "\" 316 5896 c15 s12 bold";
}
const std::string kLowerTextCell = "picture 6 8680 1480";

// True when, after the last tile of a text's place, the log draws `line`.
bool drawn_after_last_tile(const Log& log, const std::string& tile, const std::string& line) {
    return contains(after_last(log, tile), line);
}

TEST(ScreenTexts, StepsShowTheMoveThatLedToThePositionShown) {
    PlayWindow w;
    three_moves(w);
    w.log.clear();
    w.form.REPLAY_Click();
    w.form.REPLAY_Click();  // after ３六歩: the upper side has not moved yet
    ASSERT_EQ(w.g().rec_index, 1);
    EXPECT_TRUE(drawn_after_last_tile(w.log, kLowerTextCell, lower_file("３")));
    EXPECT_TRUE(contains(w.log, kUpperTextCell[1]));
    EXPECT_FALSE(drawn_after_last_tile(w.log, kUpperTextCell[1], upper_file("７")));

    w.log.clear();
    w.form.AFTER_Click();  // ７四歩 comes back; ３六歩 stays as it is
    EXPECT_TRUE(contains(w.log, upper_file("７")));
    EXPECT_TRUE(contains(w.log, "text \"四\" 562 5896 c15 s12 bold"));
    EXPECT_FALSE(contains(w.log, kLowerTextCell));
    w.form.AFTER_Click();
    EXPECT_TRUE(drawn_after_last_tile(w.log, kLowerTextCell, lower_file("８")));
}

TEST(ScreenTexts, AFlipClearsBothMoveTextsForGood) {
    PlayWindow w;
    three_moves(w);
    w.log.clear();
    w.form.REVERSE_Click();
    EXPECT_TRUE(contains(w.log, kUpperTextCell[0]));
    EXPECT_TRUE(contains(w.log, kUpperTextCell[1]));
    EXPECT_TRUE(contains(w.log, kLowerTextCell));
    EXPECT_TRUE(w.lines("text").empty()) << "no text names a square the flip moved";
    w.log.clear();
    w.form.TATAMI_Click();
    EXPECT_FALSE(contains(w.log, lower_file("８")));
    EXPECT_FALSE(contains(w.log, upper_file("７")));
}

TEST(ScreenTexts, ADropIsWrittenWithUchi) {
    PlayWindow w;
    w.lay_out(Position::standard().put(4, 9, EMPTY).lower_hand(KIND_KIN, 1));
    w.form.START_Click();
    w.log.clear();
    w.click(HAND_LOWER_COLUMN, KIND_KIN + 2);
    w.click(5, 5);
    ASSERT_EQ(w.g().at(5, 5), LOWER_KIN);
    const std::string name = "text \"金打\" 9541 1756 c15 s12 bold";
    EXPECT_TRUE(contains(w.log, lower_file("５")));
    EXPECT_TRUE(contains(w.log, name));
    EXPECT_TRUE(contains(w.log, "shadow \"金打\" 9541 1756 s12 bold"));
    w.form.REPLAY_Click();
    w.log.clear();
    w.form.AFTER_Click();
    EXPECT_TRUE(contains(w.log, name)) << "stepping onto the drop names it again";
    w.log.clear();
    w.form.TATAMI_Click();
    EXPECT_TRUE(contains(w.log, name)) << "and so does a full redraw";
}

}  // namespace
}  // namespace banzuri
