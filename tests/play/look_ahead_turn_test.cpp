// LEVEL4 and LEVEL5 in the game and the hint: the search runs on the worker, the window stays
// free, and the chosen move is played through the one-ply computer's steps. The searches use
// node budgets so that every run picks the same move.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "computer/look_ahead.h"
#include "play_fixture.h"
#include "rules/legal_moves.h"
#include "settings_fixtures.h"

namespace banzuri {
namespace {

using testing::box_line;
using testing::kForbidden;
using testing::kGameEnd;
using testing::kPiece;
using testing::num;
using testing::PlayWindow;
using testing::Position;

constexpr std::int64_t kNodes = 20000;
const std::string kThinking = "text \"思考中\" 316 5896 c15 s12 bold";

// Node budgets instead of the think times.
std::function<LookLimits(int)> node_budget(std::int64_t nodes) {
    return [nodes](int level) {
        LookLimits limits = level_limits(level);
        limits.nodes = nodes;
        return limits;
    };
}

// No budget at all: the search only ends when it is told to stop.
LookLimits endless(int level) {
    LookLimits limits = level_limits(level);
    limits.nodes = 0;
    return limits;
}

bool shown(const PlayWindow& w, MenuItem item) {
    auto it = w.menu.shown.find(static_cast<int>(item));
    return it != w.menu.shown.end() && it->second;
}

struct LookWindow : PlayWindow {
    LookWindow() { set_think_limits(node_budget(kNodes)); }
    std::string forbidden() const { return "dsPlay " + num(kForbidden); }
    bool state_is(const GameState& before) {
        const GameState& now = g();
        return now.board == before.board && now.hand_own == before.hand_own &&
               now.hand_enemy == before.hand_enemy && now.turn == before.turn &&
               now.rec_index == before.rec_index && now.move_count == before.move_count &&
               now.winner == before.winner && now.time_lower == before.time_lower &&
               now.time_upper == before.time_upper;
    }
};

// `position` opened for a game against the computer at LEVEL4, the upper side to move.
void computer_to_move(LookWindow& w, Position position = Position::standard()) {
    w.lay_out(position.upper_first().against_computer(4));
}

TEST(LookAheadLevels, LevelsFourAndFiveTakeTheCheckMarkAndLeaveTheSettingsFile) {
    LookWindow w;
    w.form.KEIKA_Click();  // writes the settings file once
    const std::string settings = testing::read_settings(w);
    EXPECT_FALSE(shown(w, MenuItem::LEVEL4));
    EXPECT_FALSE(shown(w, MenuItem::LEVEL5));
    w.form.LEVEL4_Click();
    EXPECT_EQ(w.g().level, 4);
    EXPECT_TRUE(shown(w, MenuItem::LEVEL4));
    EXPECT_TRUE(w.form.checked(MenuItem::LEVEL4));
    for (MenuItem other : {MenuItem::LEVEL1, MenuItem::LEVEL2, MenuItem::LEVEL3, MenuItem::LEVEL5})
        EXPECT_FALSE(shown(w, other));
    EXPECT_TRUE(w.has("text \"LEVEL\" 377.5 169 c15 s10 bold"));
    EXPECT_TRUE(w.has("text \" 4\" 992.5 100 c15 s12 bold"));
    w.form.LEVEL5_Click();
    EXPECT_EQ(w.g().level, 5);
    EXPECT_TRUE(shown(w, MenuItem::LEVEL5));
    EXPECT_FALSE(shown(w, MenuItem::LEVEL4));
    EXPECT_TRUE(w.has("text \" 5\" 992.5 100 c15 s12 bold")) << "the level is drawn as for 1-3";
    w.log.clear();
    w.form.LEVEL5_Click();
    EXPECT_TRUE(w.log.empty()) << "the checked level again does nothing";
    w.form.LEVEL2_Click();
    EXPECT_FALSE(shown(w, MenuItem::LEVEL5));
    EXPECT_EQ(testing::read_settings(w), settings);
}

TEST(LookAheadLevels, ComputerMoveThinksOnTheWorkerThenPlaysLikeTheOnePlyComputer) {
    LookWindow w;
    w.form.LEVEL4_Click();
    w.form.GOTE_Click();
    ASSERT_TRUE(w.form.thinking()) << "the menu handler returns while the worker thinks";
    EXPECT_TRUE(w.poll.enabled());
    EXPECT_TRUE(w.has(kThinking));
    EXPECT_EQ(w.g().turn, w.g().upper_order);
    EXPECT_EQ(w.g().rec_index, 0);

    GameState copy = w.g();
    const std::optional<Move> expected = look_ahead(copy, false, node_budget(kNodes)(4)).move;
    ASSERT_TRUE(expected);
    ASSERT_FALSE(expected->is_drop());
    const int piece = moving_piece(copy, false, *expected);
    const int placed = placed_code(copy, false, *expected);
    w.log.clear();
    w.wait_for_computer();

    EXPECT_FALSE(w.poll.enabled());
    EXPECT_EQ(w.g().at(expected->to.x, expected->to.y), placed);
    EXPECT_EQ(w.g().at(expected->from.x, expected->from.y), EMPTY);
    EXPECT_EQ(w.g().rec_index, 1);
    EXPECT_EQ(w.g().move_count, 1);
    EXPECT_EQ(w.g().turn, w.g().lower_order) << "the turn is handed back";
    EXPECT_EQ(w.g().record[0].board[expected->from.x][expected->from.y], piece)
        << "the position before the move is recorded";
    EXPECT_TRUE(w.has("dsPlay " + num(kPiece)));
    EXPECT_TRUE(w.has(box_line(COLOUR_MARK_GUIDANCE, expected->to.x, expected->to.y)));
    EXPECT_FALSE(w.lines("sleep 0.5").empty()) << "the pause after the move";
}

TEST(LookAheadLevels, TakingTheKingEndsTheGameThroughTheSameSteps) {
    LookWindow w;
    computer_to_move(w, Position::empty()
                            .put(5, 1, UPPER_OU)
                            .put(1, 9, LOWER_OU)        // the player's king in the corner
                            .put(2, 9, UPPER_KIN)       // beside it
                            .put(2, 8, UPPER_HU)        // and diagonally
                            .upper_hand(KIND_KIN, 1));  // a gold to close the last side
    w.computer_moves();
    w.wait_for_computer();
    EXPECT_EQ(w.g().at(1, 8), UPPER_KIN);
    EXPECT_EQ(w.g().at(1, 9), EMPTY);
    EXPECT_TRUE(w.has("dsPlay " + num(kGameEnd)));
    EXPECT_TRUE(w.has("message [終了] ｺﾝﾋﾟｭｰﾀの勝ちです"));
    EXPECT_TRUE(w.has("ask [再ゲーム] 続けますか？"));
}

TEST(LookAheadLevels, PressesAndGameCommandsWhileThinkingChangeNothing) {
    LookWindow w;
    w.form.START_Click();
    w.form.SENTE_Click();
    w.form.LEVEL4_Click();
    w.click(3, 7);  // the player's pawn
    w.click(3, 6);
    ASSERT_EQ(w.g().turn, w.g().upper_order);
    ASSERT_TRUE(w.form.thinking());
    const GameState before = w.g();
    const Selection sel = w.form.selection();
    w.log.clear();

    w.click(7, 3);
    w.click(7, 4);
    w.click(HAND_LOWER_COLUMN, 3);
    EXPECT_TRUE(w.log.empty()) << "presses are dropped without a sound";
    EXPECT_EQ(w.form.selection().selection_state, sel.selection_state);

    for (MainForm::Command c :
         {&MainForm::REPLAY_Click, &MainForm::AFTER_Click, &MainForm::CANCEL_Click,
          &MainForm::REVERSE_Click, &MainForm::START_Click, &MainForm::SENTE_Click,
          &MainForm::GOTE_Click, &MainForm::HINT_Click, &MainForm::LBEL_UP_Click,
          &MainForm::LEBEL_DOWN_Click}) {
        w.log.clear();
        w.form.command(c);
        EXPECT_EQ(w.log, std::vector<std::string>{w.forbidden()});
        EXPECT_TRUE(w.state_is(before));
    }
    w.form.command(&MainForm::LEVEL5_Click);
    EXPECT_EQ(w.g().level, 5) << "the level may change; it acts from the next move";
    w.log.clear();
    w.form.command(&MainForm::TATAMI_Click);
    EXPECT_TRUE(w.has(kThinking)) << "the redraw keeps the label";
    EXPECT_TRUE(w.state_is(before));

    w.wait_for_computer();
    EXPECT_EQ(w.g().turn, w.g().lower_order);
    EXPECT_EQ(w.g().rec_index, 2);
}

TEST(LookAheadLevels, ResumingWithAClickStartsTheThinkAndDropsTheClick) {
    LookWindow w;
    computer_to_move(w);
    w.click(3, 7);
    EXPECT_TRUE(w.has("message [再開(COM)] OKですか？"));
    EXPECT_TRUE(w.form.thinking());
    EXPECT_EQ(w.form.selection().selection_state, 0) << "the click is not taken as a pick";
    w.wait_for_computer();
    EXPECT_EQ(w.g().turn, w.g().lower_order);
}

TEST(LookAheadLevels, EscapeClosingOrQuitStopTheSearchAtOnce) {
    using Quit = void (*)(MainForm&);
    const Quit ways[] = {[](MainForm& f) { f.Form_KeyPress(KEY_ESCAPE); },
                         [](MainForm& f) { f.Form_Unload(); },
                         [](MainForm& f) { f.command(&MainForm::OWARI_Click); }};
    for (Quit quit : ways) {
        LookWindow w;
        w.set_think_limits(endless);  // would think for ever unless stopped
        computer_to_move(w);
        const GameState before = w.g();
        w.computer_moves();
        ASSERT_TRUE(w.form.thinking());
        quit(w.form);  // returns only once the worker has stopped
        EXPECT_FALSE(w.form.thinking());
        EXPECT_FALSE(w.poll.enabled());
        EXPECT_TRUE(w.app.quit_called);
        EXPECT_TRUE(w.state_is(before)) << "the stopped search plays nothing";
        w.form.Poll_Timer();
        EXPECT_TRUE(w.state_is(before));
    }
}

// The lower side wins at once by dropping its gold on (1, 2): the upper king in the corner
// is then closed in.
void winning_drop_for_the_player(LookWindow& w) {
    w.lay_out(Position::empty()
                  .put(5, 9, LOWER_OU)
                  .put(1, 1, UPPER_OU)
                  .put(2, 1, LOWER_KIN)
                  .put(2, 2, LOWER_HU)
                  .lower_hand(KIND_KIN, 1));
    w.form.START_Click();
    w.log.clear();
}

TEST(Hint, ShowsTheMoveOutlinedAndNamedAndChangesNothing) {
    LookWindow w;
    winning_drop_for_the_player(w);
    const GameState before = w.g();
    w.form.HINT_Click();
    ASSERT_TRUE(w.form.thinking());
    w.wait_for_computer();

    std::vector<std::string> expected =
        testing::mark_lines(COLOUR_MARK_GUIDANCE, HAND_LOWER_COLUMN, 7);
    for (const std::string& line :
         testing::mark_lines(COLOUR_MARK_GUIDANCE, 1, 2))  // where it goes
        expected.push_back(line);
    for (const std::string& line :
         {std::string("refresh"), std::string("message [ヒント] ９二金打"),
          box_line(COLOUR_GREEN, HAND_LOWER_COLUMN, 7), box_line(COLOUR_GREEN, 1, 2)})
        expected.push_back(line);
    // From the first outline on: the thinking label has come and gone before it.
    std::vector<std::string> seen;
    for (const std::string& line : w.log)
        if (line.rfind("box ", 0) == 0 || line == "refresh" || line.rfind("message", 0) == 0)
            if (!seen.empty() || line == expected.front()) seen.push_back(line);
    ASSERT_GE(seen.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(seen.begin(), seen.begin() + 10), expected);
    EXPECT_TRUE(w.state_is(before));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(w.g().record[static_cast<std::size_t>(i)].board,
                  before.record[static_cast<std::size_t>(i)].board);
    EXPECT_FALSE(w.has(w.forbidden()));
}

TEST(Hint, ShowsThinkingUntilItHasAnAnswerAndTheUpperMoveTextAfter) {
    LookWindow w;
    w.lay_out(Position::standard().then(7, 7, 7, 6).then(3, 3, 3, 4));  // ３六歩, ７四歩
    w.form.START_Click();
    w.log.clear();
    w.form.HINT_Click();
    const std::string thinking = "text \"思考中\" 316 5896 c15 s12 bold";
    EXPECT_TRUE(w.has(thinking));
    EXPECT_EQ(w.log.back(), "refresh") << "shown before the search ends";
    w.log.clear();
    w.wait_for_computer();
    const auto message = std::find_if(w.log.begin(), w.log.end(), [](const std::string& line) {
        return line.rfind("message [ヒント]", 0) == 0;
    });
    ASSERT_NE(message, w.log.end());
    const std::vector<std::string> before(w.log.begin(), message);
    EXPECT_TRUE(std::find(before.begin(), before.end(), "picture 6 70 5620") != before.end())
        << "the label goes before the answer";
    EXPECT_TRUE(std::find(before.begin(), before.end(), "text \"７\" 316 5896 c15 s12 bold") !=
                before.end())
        << "the upper side's ７四歩 comes back";
    EXPECT_FALSE(w.has(thinking));
}

TEST(Hint, KeepsAPickedUpPieceShownAndAnswersForTheUpperSideToo) {
    LookWindow w;
    winning_drop_for_the_player(w);
    w.click(2, 1);  // the gold picked up
    w.log.clear();
    w.form.HINT_Click();
    w.wait_for_computer();
    EXPECT_EQ(w.form.selection().selection_state, 1);
    EXPECT_EQ(w.log.back(), "refresh");
    EXPECT_TRUE(w.has(box_line(COLOUR_MARK_PICKED, 2, 1))) << "the pick is outlined again";

    w.click(3, 1);  // the gold steps aside: the upper side to move, its own hint
    ASSERT_EQ(w.g().turn, w.g().upper_order);
    ASSERT_EQ(w.form.selection().selection_state, 0);
    w.log.clear();
    w.form.HINT_Click();
    w.wait_for_computer();
    EXPECT_EQ(w.lines("message [ヒント]").size(), 1u);
    EXPECT_EQ(w.lines("message [ヒント] ９二金打").size(), 0u);
}

TEST(Hint, RefusedWithoutARunningGame) {
    LookWindow w;
    w.form.HINT_Click();
    EXPECT_EQ(w.log,
              (std::vector<std::string>{w.forbidden(), "message [開始] 「対局」で始めて下さい"}));
    EXPECT_FALSE(w.form.thinking());

    // The lower pawn's step sandwiched the upper king.
    w.lay_out(Position::king_taken());
    ASSERT_NE(w.g().winner, TURN_NONE);
    w.form.HINT_Click();
    EXPECT_EQ(w.log,
              (std::vector<std::string>{w.forbidden(), "message [終局] 新規に対局してください"}));
    EXPECT_FALSE(w.form.thinking());
}

}  // namespace
}  // namespace banzuri
