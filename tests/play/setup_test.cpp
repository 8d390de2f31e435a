// Start-up and the game menu: the state after loading, the three ways into a game and the
// computer's level.
#include <gtest/gtest.h>

#include <fstream>

#include "play_fixture.h"

namespace banzuri {
namespace {

using testing::FakeWindow;
using testing::Log;
using testing::PlayWindow;

bool shown(const PlayWindow& w, MenuItem item) {
    auto it = w.menu.shown.find(static_cast<int>(item));
    return it != w.menu.shown.end() && it->second;
}

TEST(StartUp, OnlyLevelThreeIsCheckedAndNoGameRuns) {
    PlayWindow w;
    EXPECT_TRUE(shown(w, MenuItem::LEVEL3));
    EXPECT_FALSE(shown(w, MenuItem::LEVEL1));
    EXPECT_FALSE(shown(w, MenuItem::LEVEL2));
    EXPECT_TRUE(w.form.checked(MenuItem::LEVEL3));
    EXPECT_EQ(w.g().level, 3);
    EXPECT_EQ(w.g().turn, TURN_NONE);
    EXPECT_EQ(w.g().winner, TURN_NONE);
    EXPECT_EQ(w.g().upper_order, FIRST_PLAYER);
    EXPECT_EQ(w.g().lower_order, SECOND_PLAYER);
    EXPECT_FALSE(w.timer.enabled());
    EXPECT_EQ(w.g().at(5, 9), LOWER_OU);
    EXPECT_EQ(w.form.painter().text_colour(), COLOUR_WHITE);
    EXPECT_EQ(w.form.painter().grid_colour(), COLOUR_GREEN);
}

TEST(StartUp, WindowIsClearedInTheBoardColourFirst) {
    FakeWindow w;
    w.form.Form_Load();
    const std::string clear = "fill 2 0 0 11475 8190";
    auto it = std::find(w.log.begin(), w.log.end(), clear);
    ASSERT_NE(it, w.log.end());
    EXPECT_EQ(std::count(w.log.begin(), it, std::string("refresh")), 0);
}

TEST(StartUp, LoadingAgainKeepsTheSoundsAndTheMusic) {
    FakeWindow w;
    std::ofstream(w.folder / "Banzuri.ini")
        << "背景画=緑\r\n移動指導=OFF\r\n経過時間=ON\r\nBGM=ON\r\n";
    for (const char* name :
         {"その他.wav", "禁止.wav", "駒打音.wav", "終局.wav", "消滅.wav", "BGM.wav"})
        std::ofstream(w.folder / name) << "RIFF";
    w.form.Form_Load();
    const auto inits = w.lines("dsInitialize").size();
    const auto buffers = w.lines("dsCreateDSB").size();
    const auto loops = w.lines("dsPlayLooping").size();
    w.form.Form_Load();
    EXPECT_EQ(w.lines("dsInitialize").size(), inits);
    EXPECT_EQ(w.lines("dsCreateDSB").size(), buffers);
    EXPECT_EQ(w.lines("dsPlayLooping").size(), loops);
    EXPECT_EQ(w.lines("dsFree").size(), 0u);
}

TEST(StartGame, FreshGameBetweenPeopleLowerSideFirst) {
    PlayWindow w;
    w.form.START_Click();
    EXPECT_EQ(w.lines("message"), Log{"message [ ] 先手の番です"});
    EXPECT_EQ(w.g().lower_order, FIRST_PLAYER);
    EXPECT_EQ(w.g().upper_order, SECOND_PLAYER);
    EXPECT_EQ(w.g().turn, FIRST_PLAYER);
    EXPECT_EQ(w.g().game_mode, MODE_MAN);
    EXPECT_DOUBLE_EQ(w.turn_clock().turn_start_time, w.clock.now);
}

TEST(StartGame, TimerRunsBetweenPeopleOnlyWithTheElapsedTimeShown) {
    PlayWindow off;
    off.set_checked(MenuItem::KEIKA, false);
    off.form.START_Click();
    EXPECT_FALSE(off.timer.enabled());

    PlayWindow on;
    on.set_checked(MenuItem::KEIKA, true);
    on.form.START_Click();
    EXPECT_TRUE(on.timer.enabled());
}

TEST(StartGame, SwitchingToPeopleMidGameKeepsOrdersAndAnnouncesTheSideToMove) {
    PlayWindow w;
    w.g().game_mode = MODE_COM;
    w.g().lower_order = SECOND_PLAYER;
    w.g().upper_order = FIRST_PLAYER;
    w.g().turn = SECOND_PLAYER;
    w.g().move_count = 1;
    w.g().set(5, 4, UPPER_HU);
    w.form.START_Click();
    EXPECT_EQ(w.lines("message"), Log{"message [ ] 後手の番です"});
    EXPECT_EQ(w.g().lower_order, SECOND_PLAYER);
    EXPECT_EQ(w.g().turn, SECOND_PLAYER);
    EXPECT_EQ(w.g().at(5, 4), UPPER_HU) << "position kept";
    EXPECT_EQ(w.g().game_mode, MODE_MAN);

    w.log.clear();
    w.g().turn = FIRST_PLAYER;
    w.form.START_Click();
    EXPECT_EQ(w.lines("message"), Log{"message [ ] 先手の番です"});
}

TEST(StartGame, AfterADecidedGameEveryEntryStartsFromTheInitialPosition) {
    for (int entry = 0; entry < 3; ++entry) {
        PlayWindow w;
        w.form.START_Click();
        w.g().set(5, 9, EMPTY);
        w.g().set(5, 5, LOWER_GIN);
        w.g().move_count = 7;
        w.g().winner = FIRST_PLAYER;
        if (entry == 0) w.form.START_Click();
        if (entry == 1) w.form.SENTE_Click();
        if (entry == 2) w.form.GOTE_Click();
        EXPECT_EQ(w.g().at(5, 9), LOWER_OU) << entry;
        EXPECT_EQ(w.g().at(5, 5), EMPTY) << entry;
        EXPECT_EQ(w.g().winner, TURN_NONE) << entry;
    }
}

TEST(StartGame, StartingDropsAPickedUpPiece) {
    PlayWindow w;
    w.start_people_game();
    w.click(7, 7);
    w.form.START_Click();
    EXPECT_EQ(w.selection().selection_state, 0);
}

TEST(StartGame, FreshGameAgainstTheComputerPlayerFirst) {
    PlayWindow w;
    w.form.SENTE_Click();
    EXPECT_EQ(w.lines("message"), Log{"message [ ] MANの番です"});
    EXPECT_EQ(w.g().game_mode, MODE_COM);
    EXPECT_EQ(w.g().lower_order, FIRST_PLAYER);
    EXPECT_EQ(w.g().upper_order, SECOND_PLAYER);
    EXPECT_EQ(w.g().turn, w.g().lower_order);
    EXPECT_TRUE(w.timer.enabled()) << "whatever the elapsed-time display says";
}

TEST(StartGame, ResumingAgainstTheComputerWithThePlayerToMove) {
    PlayWindow w;
    w.g().turn = SECOND_PLAYER;
    w.g().lower_order = SECOND_PLAYER;
    w.g().upper_order = FIRST_PLAYER;
    w.g().move_count = 3;
    w.g().rec_index = 3;
    w.form.SENTE_Click();
    EXPECT_EQ(w.lines("message"), Log{"message [対局] MANの番です"});
    EXPECT_EQ(w.g().lower_order, FIRST_PLAYER);
    EXPECT_EQ(w.g().turn, FIRST_PLAYER);

    PlayWindow g;
    g.g().turn = SECOND_PLAYER;
    g.g().lower_order = SECOND_PLAYER;
    g.g().upper_order = FIRST_PLAYER;
    g.g().move_count = 3;
    g.turn_clock().turn_start_time = 39990;  // the player has thought for ten seconds
    g.clock.now = 40000;
    g.form.GOTE_Click();
    EXPECT_EQ(g.lines("message"), Log{"message [対局] MANの番です"});
    EXPECT_EQ(g.g().lower_order, SECOND_PLAYER) << "orders kept";
    EXPECT_DOUBLE_EQ(g.turn_clock().turn_start_time, 39990) << "the seconds spent still count";
}

TEST(StartGame, ComputerFirstMakesTheUpperSideFirstPlayer) {
    PlayWindow w;
    w.form.GOTE_Click();
    EXPECT_EQ(w.g().lower_order, SECOND_PLAYER);
    EXPECT_EQ(w.g().upper_order, FIRST_PLAYER);
    EXPECT_EQ(w.g().game_mode, MODE_COM);
    EXPECT_EQ(w.lines("message"), Log{}) << "the computer moves at once";
}

TEST(StartGame, ForwardRecordReachesOnlyEntriesWritten) {
    PlayWindow w;
    w.g().rec_last = 40;  // left from an earlier, longer game
    w.form.START_Click();
    EXPECT_EQ(w.g().rec_last, 0);

    PlayWindow c;
    c.g().turn = FIRST_PLAYER;
    c.g().lower_order = FIRST_PLAYER;
    c.g().upper_order = SECOND_PLAYER;
    c.g().move_count = 6;
    c.g().rec_index = 6;
    c.g().rec_last = 5;
    c.form.SENTE_Click();
    EXPECT_EQ(c.g().rec_last, 5) << "the last entry written, never the unwritten one";

    c.g().rec_index = 0;  // a flipped board keeps its moves but not their record
    c.form.SENTE_Click();
    EXPECT_EQ(c.g().rec_last, 0);
}

TEST(Levels, ChoosingALevelMovesTheCheckMark) {
    PlayWindow w;
    w.form.LEVEL1_Click();
    EXPECT_EQ(w.g().level, 1);
    EXPECT_TRUE(shown(w, MenuItem::LEVEL1));
    EXPECT_FALSE(shown(w, MenuItem::LEVEL2));
    EXPECT_FALSE(shown(w, MenuItem::LEVEL3));
    w.form.LEVEL2_Click();
    EXPECT_EQ(w.g().level, 2);
    EXPECT_FALSE(shown(w, MenuItem::LEVEL1));
    EXPECT_TRUE(shown(w, MenuItem::LEVEL2));
    w.form.LEVEL3_Click();
    EXPECT_EQ(w.g().level, 3);
    EXPECT_TRUE(shown(w, MenuItem::LEVEL3));
    EXPECT_FALSE(shown(w, MenuItem::LEVEL2));
}

TEST(Levels, ChoosingTheCheckedLevelDoesNothing) {
    PlayWindow w;
    w.form.LEVEL3_Click();
    EXPECT_TRUE(w.log.empty());
    EXPECT_TRUE(shown(w, MenuItem::LEVEL3));
    EXPECT_EQ(w.g().level, 3);
}

TEST(Levels, LevelCanChangeMidGame) {
    PlayWindow w;
    w.form.SENTE_Click();
    w.form.LEVEL1_Click();
    EXPECT_EQ(w.g().level, 1);
    EXPECT_EQ(w.g().turn, w.g().lower_order);
}

}  // namespace
}  // namespace banzuri
