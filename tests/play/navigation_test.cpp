// Stepping through the record, back to the beginning, and the board flip.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "fakes/recording_platform.h"

namespace banzuri {
namespace {

using testing::FakeWindow;

using testing::Position;

// A window with a game between two humans on the starting position, lower side first.
struct Game : ::testing::Test {
    Game() {
        w.start_up();
        w.form.START_Click();
        w.log.clear();
    }
    MainForm& form() { return w.form; }
    const GameState& g() const { return w.form.state(); }

    void click(int cx, int cy) {
        w.form.Form_MouseDown(MOUSE_LEFT, 0, board_left + (cx + 0.5) * cell_width,
                              board_top + (cy + 0.5) * cell_height);
    }
    // A move of the side to move after `seconds` of thought.
    void move(int fx, int fy, int tx, int ty, double seconds) {
        w.clock.now += seconds;
        click(fx, fy);
        click(tx, ty);
    }
    // Opens `position` in place of the game.
    void open(const Position& position) { w.lay_out(position); }

    std::vector<std::string> messages() const { return w.lines("message"); }
    std::vector<std::string> sounds() const { return w.lines("dsPlay"); }

    FakeWindow w;
};

TEST_F(Game, BackTwiceAndForwardTwiceReturnToTheLatestPositionWithItsClocks) {
    move(7, 7, 7, 6, 5);  // lower pawn, 5 s
    move(3, 3, 3, 4, 7);  // upper pawn, 7 s
    const Board latest = g().board;
    w.log.clear();

    form().REPLAY_Click();
    EXPECT_EQ(g().at(3, 4), EMPTY);
    EXPECT_EQ(g().at(3, 3), UPPER_HU);
    EXPECT_EQ(g().at(7, 6), LOWER_HU);
    EXPECT_DOUBLE_EQ(g().time_lower, 5);
    EXPECT_DOUBLE_EQ(g().time_upper, 0);
    EXPECT_EQ(g().turn, SECOND_PLAYER);

    form().REPLAY_Click();
    EXPECT_EQ(g().rec_index, 0);
    EXPECT_EQ(g().move_count, 0);
    EXPECT_EQ(g().at(7, 7), LOWER_HU);
    EXPECT_DOUBLE_EQ(g().time_lower, 0);

    form().AFTER_Click();
    EXPECT_EQ(g().at(7, 6), LOWER_HU);
    EXPECT_EQ(g().at(3, 3), UPPER_HU);
    EXPECT_DOUBLE_EQ(g().time_lower, 5) << "the clocks recorded after the first move";
    EXPECT_DOUBLE_EQ(g().time_upper, 0);

    form().AFTER_Click();
    EXPECT_EQ(g().board, latest);
    EXPECT_EQ(g().rec_index, 2);
    EXPECT_EQ(g().move_count, 2);
    EXPECT_EQ(g().turn, FIRST_PLAYER);
    EXPECT_DOUBLE_EQ(g().time_lower, 5);
    EXPECT_DOUBLE_EQ(g().time_upper, 7);
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(sounds(), std::vector<std::string>(4, "dsPlay 3"));

    form().AFTER_Click();
    EXPECT_EQ(messages(), std::vector<std::string>{"message [進む] できません"});
    EXPECT_EQ(g().board, latest);
}

// Cell (-1, 8) holds the upper side's move text, (12, 2) the lower side's; erasing either
// paints the background picture (6) over it.
constexpr const char* kUpperTextTile = "picture 6 685 5620";
constexpr const char* kLowerTextTile = "picture 6 8680 1480";

bool logged(const testing::Log& log, const std::string& line) {
    return std::find(log.begin(), log.end(), line) != log.end();
}

TEST_F(Game, BackErasesTheMoveTextOfTheSideWhoseMoveIsTakenBack) {
    move(7, 7, 7, 6, 1);
    move(3, 3, 3, 4, 1);
    w.log.clear();
    form().REPLAY_Click();
    EXPECT_TRUE(logged(w.log, kUpperTextTile));
    EXPECT_FALSE(logged(w.log, kLowerTextTile));
    w.log.clear();
    form().REPLAY_Click();
    EXPECT_TRUE(logged(w.log, kLowerTextTile));
    EXPECT_FALSE(logged(w.log, kUpperTextTile));
}

TEST_F(Game, BackOverACaptureStillFindsTheMover) {
    open(Position::standard()
             .put(5, 3, EMPTY)
             .put(5, 5, UPPER_HU)
             .put(6, 9, EMPTY)
             .put(5, 4, LOWER_KIN));
    move(5, 7, 5, 6, 1);  // the lower pawn closes a sandwich with the gold
    ASSERT_EQ(g().at(5, 5), EMPTY);
    ASSERT_EQ(g().hand_own[KIND_HU], 1);
    w.log.clear();
    form().REPLAY_Click();
    EXPECT_EQ(g().at(5, 5), UPPER_HU);
    EXPECT_EQ(g().hand_total_lower(), 0);
    EXPECT_TRUE(logged(w.log, kLowerTextTile));
    EXPECT_FALSE(logged(w.log, kUpperTextTile));
}

TEST_F(Game, ForwardShowsTheMoveTextOfTheReplayedMove) {
    move(7, 7, 7, 6, 1);
    form().REPLAY_Click();
    w.log.clear();
    form().AFTER_Click();
    // File 3, rank 6, pawn, at the lower side's place (12.4, 2.4) and its shadow.
    EXPECT_TRUE(logged(w.log, "text \"３\" 8926 1756 c15 s12 bold"));
    EXPECT_TRUE(logged(w.log, "text \"六\" 9172 1756 c15 s12 bold"));
    EXPECT_TRUE(logged(w.log, "text \"歩\" 9541 1756 c15 s12 bold"));
}

TEST_F(Game, HandsAndTheirTotalsComeBackWithThePosition) {
    open(Position::kings()
             .upper_hand(KIND_GIN, 2)
             .put(3, 5, LOWER_GIN)
             .put(3, 4, UPPER_KIN)
             .put(3, 7, UPPER_KIN)
             .upper_first());
    move(3, 7, 3, 6, 1);  // the gold steps back and sandwiches the silver
    ASSERT_EQ(g().hand_enemy[KIND_GIN], 3);
    form().REPLAY_Click();
    EXPECT_EQ(g().hand_enemy[KIND_GIN], 2);
    EXPECT_EQ(g().hand_total_upper(), 2);
    form().AFTER_Click();
    EXPECT_EQ(g().hand_enemy[KIND_GIN], 3);
    EXPECT_EQ(g().hand_total_upper(), 3);
}

TEST_F(Game, KeepingTheLatestPositionGrowsAFullRecord) {
    // The kings step out and back until the last move fills the record's initial entries.
    Position p = Position::kings();
    for (std::size_t n = 0; n + 1 < RECORD_INITIAL_CAPACITY; n += 4)
        p.then(5, 9, 5, 8).then(5, 1, 5, 2).then(5, 8, 5, 9).then(5, 2, 5, 1);
    open(p);
    move(5, 9, 4, 8, 1);
    ASSERT_EQ(g().rec_index, static_cast<int>(RECORD_INITIAL_CAPACITY));
    ASSERT_EQ(g().record.size(), RECORD_INITIAL_CAPACITY);
    const Board latest = g().board;
    form().REPLAY_Click();
    EXPECT_EQ(g().record.size(), RECORD_INITIAL_CAPACITY + 1);
    form().AFTER_Click();
    EXPECT_EQ(g().board, latest);
}

TEST_F(Game, StepsStopTheClockAndDropTheSelection) {
    move(7, 7, 7, 6, 1);
    click(3, 3);  // the upper side picks up a pawn; the clock runs
    ASSERT_TRUE(w.timer.enabled());
    ASSERT_EQ(w.form.selection().selection_state, 1);
    form().REPLAY_Click();
    EXPECT_FALSE(w.timer.enabled());
    EXPECT_EQ(w.form.selection().selection_state, 0);
    form().KEIKA_Click();
    form().KEIKA_Click();  // the elapsed time off and on again: the clock runs
    click(7, 7);
    ASSERT_TRUE(w.timer.enabled());
    ASSERT_EQ(w.form.selection().selection_state, 1);
    form().AFTER_Click();
    EXPECT_FALSE(w.timer.enabled());
    EXPECT_EQ(w.form.selection().selection_state, 0);
}

TEST_F(Game, TimeSpentSteppingIsCreditedToNobody) {
    move(7, 7, 7, 6, 1);
    move(3, 3, 3, 4, 1);
    ASSERT_DOUBLE_EQ(w.form.turn_clock().turn_start_time, w.clock.now);
    w.clock.now += 300;  // five minutes looking back and forth
    form().REPLAY_Click();
    w.clock.now += 300;
    form().AFTER_Click();
    EXPECT_DOUBLE_EQ(w.form.turn_clock().turn_start_time, w.clock.now);
    EXPECT_DOUBLE_EQ(w.form.turn_clock().move_seconds, 0);
}

TEST_F(Game, BackAtTheStartIsRefused) {
    form().REPLAY_Click();
    EXPECT_EQ(w.log, (testing::Log{"dsPlay 2", "message [戻る] できません"}));
    EXPECT_EQ(g().rec_index, 0);
    EXPECT_EQ(g().turn, FIRST_PLAYER);
}

TEST_F(Game, ForwardRightAfterAMoveIsRefused) {
    move(7, 7, 7, 6, 1);
    w.log.clear();
    form().AFTER_Click();
    EXPECT_EQ(w.log, (testing::Log{"dsPlay 2", "message [進む] できません"}));
    EXPECT_EQ(g().rec_index, 1);
}

TEST_F(Game, ForwardBeforeAnyGameAsksToStartOne) {
    form().CANCEL_Click();
    w.log.clear();
    form().AFTER_Click();
    EXPECT_EQ(w.log, (testing::Log{"dsPlay 2", "message [開始] 「対局」で始めて下さい"}));
}

TEST_F(Game, AMoveAfterSteppingBackReplacesTheRestOfTheRecord) {
    move(7, 7, 7, 6, 1);
    move(3, 3, 3, 4, 1);
    move(7, 6, 7, 5, 1);
    form().REPLAY_Click();
    form().REPLAY_Click();  // before the upper pawn's move
    move(1, 3, 1, 4, 2);    // another reply
    const Board latest = g().board;

    form().AFTER_Click();
    ASSERT_EQ(messages(), std::vector<std::string>{"message [進む] できません"});
    form().REPLAY_Click();
    EXPECT_EQ(g().at(1, 3), UPPER_HU);
    form().AFTER_Click();
    EXPECT_EQ(g().board, latest) << "the new line, not the replaced one";
    form().AFTER_Click();
    EXPECT_EQ(messages().size(), 2u);
    EXPECT_EQ(g().board, latest);
}

TEST_F(Game, ResumingAgainstTheComputerNeverStepsToAnUnwrittenEntry) {
    move(7, 7, 7, 6, 1);
    move(3, 3, 3, 4, 1);
    const Board latest = g().board;
    form().SENTE_Click();  // the game goes on against the computer, the player to move
    w.log.clear();
    form().AFTER_Click();
    EXPECT_EQ(messages(), std::vector<std::string>{"message [進む] できません"});
    form().REPLAY_Click();
    form().AFTER_Click();
    EXPECT_EQ(g().board, latest);
    EXPECT_EQ(messages().size(), 1u);
}

TEST_F(Game, ANewGameCannotStepIntoTheOldRecord) {
    move(7, 7, 7, 6, 1);
    move(3, 3, 3, 4, 1);
    move(7, 6, 7, 5, 1);
    form().REPLAY_Click();
    form().REPLAY_Click();
    form().REPLAY_Click();  // the starting position, with three moves ahead

    form().CANCEL_Click();
    EXPECT_EQ(g().turn, TURN_NONE);
    form().AFTER_Click();
    EXPECT_EQ(messages().back(), "message [開始] 「対局」で始めて下さい");

    form().START_Click();  // a new game between two humans
    form().AFTER_Click();
    EXPECT_EQ(messages().back(), "message [進む] できません");
    EXPECT_EQ(g().at(7, 7), LOWER_HU);
}

TEST_F(Game, ASecondGameWithTheSameNumberOfMovesStartsItsOwnRecord) {
    move(7, 7, 7, 6, 1);
    move(3, 3, 3, 4, 1);
    form().REPLAY_Click();  // one move behind, one ahead

    form().Form_Load();  // the game decided, "続けますか？" はい: the start-up again
    form().START_Click();
    move(2, 7, 2, 6, 4);
    const Board latest = g().board;
    form().AFTER_Click();
    EXPECT_EQ(messages().back(), "message [進む] できません");
    form().REPLAY_Click();
    form().AFTER_Click();
    EXPECT_EQ(g().board, latest);
    EXPECT_DOUBLE_EQ(g().time_lower, 4);
}

TEST_F(Game, CancelReturnsToTheStartWithNoGame) {
    form().LBEL_UP_Click();
    form().LBEL_UP_Click();
    ASSERT_EQ(g().handicap_level, 2);
    move(7, 7, 7, 6, 1);
    w.log.clear();
    form().CANCEL_Click();
    EXPECT_EQ(g().turn, TURN_NONE);
    EXPECT_EQ(g().rec_index, 0);
    EXPECT_EQ(g().move_count, 0);
    EXPECT_EQ(g().handicap_level, 0);
    EXPECT_FALSE(form().view().handicap_shown);
    EXPECT_EQ(g().at(7, 7), LOWER_HU);
    EXPECT_EQ(g().at(7, 6), EMPTY);
    EXPECT_EQ(w.log.back(), "dsPlay 3");
    EXPECT_TRUE(messages().empty()) << "no question is asked";
}

TEST_F(Game, FlipTurnsTheBoardAndExchangesTheHands) {
    open(Position::standard()
             .put(3, 9, EMPTY)
             .put(5, 5, LOWER_GIN_NARI)
             .put(1, 3, EMPTY)
             .put(1, 4, UPPER_HU)
             .put(2, 9, EMPTY)
             .lower_hand(KIND_KEI, 1));
    form().REVERSE_Click();
    EXPECT_EQ(g().at(5, 5), UPPER_GIN_NARI);
    EXPECT_EQ(g().at(9, 6), LOWER_HU);
    EXPECT_EQ(g().at(5, 9), LOWER_OU) << "the former upper king, now at the bottom";
    EXPECT_EQ(g().at(5, 1), UPPER_OU);
    EXPECT_EQ(g().hand_enemy[KIND_KEI], 1);
    EXPECT_EQ(g().hand_own[KIND_KEI], 0);
    EXPECT_EQ(g().hand_total_upper(), 1);
    EXPECT_EQ(g().hand_total_lower(), 0);
    EXPECT_TRUE(form().view().board_reversed);
    EXPECT_EQ(g().turn, SECOND_PLAYER);
    EXPECT_EQ(w.log.back(), "dsPlay 3");
}

TEST_F(Game, FlipTwiceRestoresThePosition) {
    open(Position::standard().put(8, 8, EMPTY).upper_hand(KIND_SYA, 1));
    move(7, 7, 7, 6, 1);
    const GameState before = g();
    form().REVERSE_Click();
    EXPECT_NE(g().board, before.board);
    form().REVERSE_Click();
    EXPECT_EQ(g().board, before.board);
    EXPECT_EQ(g().hand_own, before.hand_own);
    EXPECT_EQ(g().hand_enemy, before.hand_enemy);
    EXPECT_EQ(g().hand_total_upper(), 1);
    EXPECT_EQ(g().turn, before.turn);
}

TEST_F(Game, TheStartingPositionLooksTheSameFlipped) {
    const Board start = g().board;
    form().REVERSE_Click();
    EXPECT_EQ(g().board, start);
}

// Switching to the computer keeps every entry written in reach of the forward step.
TEST_F(Game, AfterSwitchingToTheComputerForwardReachesEveryEntryWritten) {
    move(7, 7, 7, 6, 1);
    move(3, 3, 3, 4, 1);
    move(2, 7, 2, 6, 1);
    for (auto switch_to_computer : {&MainForm::SENTE_Click, &MainForm::GOTE_Click}) {
        form().REPLAY_Click();
        (form().*switch_to_computer)();
        form().REPLAY_Click();
        form().AFTER_Click();
        EXPECT_EQ(g().rec_index, 2);
        form().AFTER_Click();
        EXPECT_EQ(g().rec_index, 3);
    }
    const auto shown = messages();
    EXPECT_EQ(std::count(shown.begin(), shown.end(), "message [進む] できません"), 0);
}

// スタート on the starting position stepped back to keeps the moves ahead, as 先手/後手 do.
TEST_F(Game, StartAtMoveZeroKeepsTheMovesAhead) {
    move(7, 7, 7, 6, 1);
    move(3, 3, 3, 4, 1);
    const Board latest = g().board;
    form().REPLAY_Click();
    form().REPLAY_Click();
    ASSERT_EQ(g().rec_index, 0);
    form().START_Click();
    form().AFTER_Click();
    form().AFTER_Click();
    EXPECT_EQ(g().rec_index, 2);
    EXPECT_EQ(g().board, latest);
    const auto shown = messages();
    EXPECT_EQ(std::count(shown.begin(), shown.end(), "message [進む] できません"), 0);
}

TEST_F(Game, AfterAFlipNeitherBackNorForwardWork) {
    move(7, 7, 7, 6, 1);
    move(3, 3, 3, 4, 1);
    form().REPLAY_Click();
    form().REVERSE_Click();
    EXPECT_EQ(g().rec_index, 0);
    EXPECT_EQ(g().rec_last, 0);
    const Board flipped = g().board;
    form().REPLAY_Click();
    form().AFTER_Click();
    EXPECT_EQ(messages(),
              (std::vector<std::string>{"message [戻る] できません", "message [進む] できません"}));
    EXPECT_EQ(g().board, flipped);
}

TEST_F(Game, FlipRedrawsTheHandicapLabelNegated) {
    form().CANCEL_Click();
    for (int step = 0; step < 3; ++step)
        form().LBEL_UP_Click();
    w.set_checked(MenuItem::RENGA, true);
    w.log.clear();
    form().REVERSE_Click();
    EXPECT_EQ(g().handicap_level, -3);
    // The old label and its shadow go under the background tiles of its whole place, on any
    // background, and the banner is put back above it; the new one is drawn at (11, 1), offset
    // by 120, 160 twips, over its shadow.
    ASSERT_GE(w.log.size(), 13u);
    EXPECT_EQ(std::vector<std::string>(w.log.begin(), w.log.begin() + 3),
              (std::vector<std::string>{"picture 12 8065 790", "picture 12 8680 790",
                                        "picture 12 9295 790"}));
    EXPECT_EQ(std::vector<std::string>(w.log.begin() + 10, w.log.begin() + 13),
              (std::vector<std::string>{"picture 5 8065 100",
                                        "shadow \"ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段\" 8185 950 s10 bold",
                                        "text \"ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段\" 8185 950 c15 s10 bold"}));
    EXPECT_TRUE(w.lines("fill").empty());
}

TEST_F(Game, FlipWithoutTheLabelShownDrawsNoLabel) {
    ASSERT_FALSE(form().view().handicap_shown);
    form().REVERSE_Click();
    EXPECT_EQ(g().handicap_level, 0);
    EXPECT_TRUE(w.lines("text").empty());
    EXPECT_TRUE(w.lines("fill").empty());
}

TEST_F(Game, FlipBeforeAnyGameLeavesNoGameRunning) {
    form().CANCEL_Click();
    ASSERT_EQ(g().turn, TURN_NONE);
    form().REVERSE_Click();
    EXPECT_EQ(g().turn, TURN_NONE);
}

}  // namespace
}  // namespace banzuri
