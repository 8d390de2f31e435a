// The end of a game, the play-again question and the ways of ending the program.
#include <gtest/gtest.h>

#include "play_fixture.h"

namespace banzuri {
namespace {

using testing::Log;
using testing::PlayWindow;

// A game between people on a board where the upper king is already gone: any lower move
// decides it.
struct Decided : PlayWindow {
    explicit Decided(int mode) {
        kings_only();
        g().set(5, 1, EMPTY);
        g().set(7, 7, LOWER_HU);
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
    }
};

TEST(GameEnd, AnnouncesTheWinnerThenAsksToContinue) {
    PlayWindow w;
    w.終了("あなた");
    ASSERT_GE(w.log.size(), 4u);
    EXPECT_EQ(Log(w.log.begin(), w.log.begin() + 3),
              (Log{"dsPlay 4", "message [終了] あなたの勝ちです", "ask [再ゲーム] 続けますか？"}));
    EXPECT_EQ(w.log.back(), "quit") << "the sounds are released first";
}

TEST(GameEnd, YesReturnsToTheStartWithNoGame) {
    PlayWindow w;
    w.start_people_game();
    w.g().set(5, 5, LOWER_GIN);
    w.g().winner = FIRST_PLAYER;
    w.set_checked(MenuItem::LEVEL1, true);
    w.dialogs.answers = {true};
    w.終了("先手");
    EXPECT_FALSE(w.app.quit_called);
    EXPECT_FALSE(w.form.quitting());
    EXPECT_EQ(w.g().turn, TURN_NONE);
    EXPECT_EQ(w.g().winner, TURN_NONE);
    EXPECT_EQ(w.g().at(5, 5), EMPTY);
    EXPECT_EQ(w.g().level, 3);
    w.log.clear();
    w.click(7, 7);
    EXPECT_EQ(w.log, (Log{"dsPlay 2", "message [開始] 「対局」で始めて下さい"}));
}

TEST(GameEnd, NoEndsTheProgramAndNothingMoreHappens) {
    PlayWindow w;
    w.start_people_game();
    w.dialogs.answers = {false};
    w.終了("後手");
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

    Decided upper(MODE_MAN);
    upper.g().set(5, 1, UPPER_OU);
    upper.g().set(5, 9, EMPTY);
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
