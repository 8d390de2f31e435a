// The end of a game, the play-again question and the ways of ending the program.
#include <gtest/gtest.h>

#include <algorithm>

#include "play_fixture.h"

namespace banzuri {
namespace {

using testing::Log;
using testing::PlayWindow;
using testing::Position;

// A game on a board where the last move decides: the lower pawn's step sandwiches the upper
// king against the gold; with `upper_wins` the lower side steps aside and the upper pawn's step
// then sandwiches the lower king.
struct Decided : PlayWindow {
    explicit Decided(int mode, bool upper_wins = false) : upper_wins_(upper_wins) {
        Position p = Position::empty().put(7, 7, LOWER_HU);
        if (upper_wins) {
            p.put(5, 1, UPPER_OU).put(3, 5, LOWER_OU).put(3, 6, UPPER_KIN).put(3, 3, UPPER_HU);
        } else {
            p.put(5, 9, LOWER_OU).put(7, 5, UPPER_OU).put(7, 4, LOWER_KIN);
        }
        lay_out(p);
        if (mode == MODE_MAN) {
            form.START_Click();
        } else {
            form.SENTE_Click();
        }
        log.clear();
    }
    void play_the_last_move() {
        click(7, 7);
        click(7, 6);
        if (!upper_wins_) return;
        click(3, 3);
        click(3, 4);
    }

  private:
    bool upper_wins_;
};

TEST(GameEnd, AnnouncesTheWinnerThenAsksToContinue) {
    Decided w(MODE_COM);
    w.play_the_last_move();
    const auto end = std::find(w.log.begin(), w.log.end(), "dsPlay 4");
    ASSERT_GE(w.log.end() - end, 4);
    EXPECT_EQ(Log(end, end + 3),
              (Log{"dsPlay 4", "message [終了] あなたの勝ちです", "ask [再ゲーム] 続けますか？"}));
    EXPECT_EQ(w.log.back(), "quit");
    const auto freed = std::find(end, w.log.end(), "dsFree 1");
    EXPECT_LT(freed, w.log.end() - 1) << "the sounds are released first";
}

TEST(GameEnd, YesReturnsToTheStartWithNoGame) {
    Decided w(MODE_MAN);
    w.form.LEVEL1_Click();
    w.dialogs.answers = {true};
    w.play_the_last_move();
    EXPECT_EQ(w.lines("message"), Log{"message [終了] 先手の勝ちです"});
    EXPECT_FALSE(w.app.quit_called);
    EXPECT_FALSE(w.form.quitting());
    EXPECT_EQ(w.g().turn, TURN_NONE);
    EXPECT_EQ(w.g().winner, TURN_NONE);
    EXPECT_EQ(w.g().at(7, 4), EMPTY) << "the starting position again";
    EXPECT_EQ(w.g().at(5, 1), UPPER_OU);
    EXPECT_EQ(w.g().level, 3);
    w.log.clear();
    w.click(7, 7);
    EXPECT_EQ(w.log, (Log{"dsPlay 2", "message [開始] 「対局」で始めて下さい"}));
}

TEST(GameEnd, NoEndsTheProgramAndNothingMoreHappens) {
    Decided w(MODE_MAN);
    w.dialogs.answers = {false};
    w.play_the_last_move();
    EXPECT_TRUE(w.app.quit_called);
    EXPECT_TRUE(w.form.quitting());
    w.log.clear();
    w.click(7, 7);
    w.form.OWARI_Click();
    w.form.Form_Unload();
    EXPECT_TRUE(w.log.empty());
}

TEST(GameEnd, PlayerBeatsTheComputer) {
    Decided w(MODE_COM);
    w.dialogs.answers = {true};
    w.play_the_last_move();
    EXPECT_EQ(w.lines("message"), Log{"message [終了] あなたの勝ちです"});
    EXPECT_EQ(w.lines("ask"), Log{"ask [再ゲーム] 続けますか？"});
    EXPECT_EQ(w.g().turn, TURN_NONE) << "back at the start";
}

TEST(GameEnd, BetweenPeopleTheWinnerIsNamedByItsOrder) {
    Decided w(MODE_MAN);
    w.play_the_last_move();
    EXPECT_EQ(w.lines("message"), Log{"message [終了] 先手の勝ちです"});
    EXPECT_TRUE(w.app.quit_called);

    Decided upper(MODE_MAN, true);
    upper.play_the_last_move();
    EXPECT_EQ(upper.lines("message"), Log{"message [終了] 後手の勝ちです"});
}

TEST(Shutdown, EscEndsTheProgramOtherKeysDoNothing) {
    PlayWindow w;
    w.start_people_game();
    for (int key : {13, 32, int{'a'}, int{'q'}, 0})
        w.form.Form_KeyPress(key);
    EXPECT_FALSE(w.app.quit_called);
    EXPECT_TRUE(w.log.empty());
    w.form.Form_KeyPress(KEY_ESCAPE);
    EXPECT_TRUE(w.app.quit_called);
    EXPECT_EQ(w.lines("ask"), Log{}) << "no question";
}

TEST(Shutdown, MenuAndClosingEndTheProgramOnce) {
    PlayWindow menu;
    menu.form.OWARI_Click();
    menu.form.Form_Unload();
    EXPECT_EQ(menu.lines("quit"), Log{"quit"});

    PlayWindow closing;
    closing.form.Form_Unload();
    EXPECT_TRUE(closing.form.quitting());
    EXPECT_EQ(closing.lines("quit"), Log{"quit"});
}

}  // namespace
}  // namespace banzuri
