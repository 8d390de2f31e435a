// Start-up and the game menu: the state after loading, the three ways into a game and the
// computer's level.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <thread>

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

// Waits (on the test's thread) until the sounds set up beside the window are loaded.
void wait_for_sounds(const FakeWindow& w) {
    for (int i = 0; i < 5000 && !w.form.sound().loading_done(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    ASSERT_TRUE(w.form.sound().loading_done());
}

// Sounds set up beside the window: the start-up ends first; their warnings still come before
// the settings file's, once the poll has found them loaded, and then the poll stops.
TEST(StartUp, SoundsSetUpBesideTheWindowWarnFirst) {
    FakeWindow w;
    w.sound.in_background = true;
    w.sound.accept_buffers = false;  // each of the six files warns with the library's text
    w.write_sound_files();
    std::filesystem::create_directory(w.folder / "Banzuri.ini");  // cannot be written
    w.form.Form_Load();
    EXPECT_TRUE(w.lines("warning").empty());
    EXPECT_TRUE(w.poll.enabled());
    wait_for_sounds(w);
    EXPECT_TRUE(w.lines("warning").empty()) << "shown from the poll, on the window's thread";
    w.form.Poll_Timer();
    const auto warnings = w.lines("warning");
    ASSERT_EQ(warnings.size(), 7u);
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_EQ(warnings[i], "warning [Banzuri.dll] not a valid WAV image");
    EXPECT_NE(warnings[6].find("Banzuri.ini"), std::string::npos) << warnings[6];
    EXPECT_FALSE(w.poll.enabled());
    w.form.Poll_Timer();
    EXPECT_EQ(w.lines("warning").size(), 7u) << "shown once";
}

// A warning raised after the start-up, before the poll has seen the sounds loaded, is shown
// at once, after theirs.
TEST(StartUp, AWarningAfterTheStartUpWaitsForTheSoundsOnly) {
    FakeWindow w;
    w.sound.in_background = true;
    w.sound.accept_buffers = false;
    w.write_sound_files();
    w.form.Form_Load();
    std::filesystem::remove(w.folder / "Banzuri.ini");
    std::filesystem::create_directory(w.folder / "Banzuri.ini");
    w.form.BGM_Click();  // the settings file cannot be written
    const auto warnings = w.lines("warning");
    ASSERT_EQ(warnings.size(), 7u);
    EXPECT_EQ(warnings[5], "warning [Banzuri.dll] not a valid WAV image");
    EXPECT_NE(warnings[6].find("Banzuri.ini"), std::string::npos) << warnings[6];
}

// Sounds held back until the window's first picture: ending the program before that, or a
// click that needs a sound, lets them go ahead rather than waiting.
TEST(StartUp, HeldSoundsGoAheadWhenTheWindowNeedsThem) {
    for (const bool click : {false, true}) {
        FakeWindow w;
        w.sound.in_background = true;
        w.sound.held = true;
        w.write_sound_files();
        w.form.Form_Load();
        const auto started = std::chrono::steady_clock::now();
        if (click)
            w.form.Form_MouseDown(MOUSE_LEFT, 0, 1915 + 300, 790 + 300);
        else
            w.form.Form_Unload();
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
        EXPECT_EQ(w.sound.calls().at(0), "dsInitialize");
        EXPECT_EQ(w.sound.calls().back(), click ? "dsPlay 2" : "dsTerminate 1");
    }
}

// Music the settings ask for starts once the sounds are there; a click before that waits for
// them and plays its sound.
TEST(StartUp, MusicAndEffectsAskedForWhileLoadingPlayOnceLoaded) {
    FakeWindow w;
    w.sound.in_background = true;
    w.write_sound_files();
    std::ofstream(w.folder / "Banzuri.ini", std::ios::binary) << "BGM=ON\r\n";
    w.form.Form_Load();
    EXPECT_TRUE(w.form.sound().music_playing());
    w.form.Form_MouseDown(MOUSE_LEFT, 0, 1915 + 300, 790 + 300);  // no game yet: refused
    const auto calls = w.sound.calls();
    ASSERT_GE(calls.size(), 9u);
    EXPECT_EQ(calls[0], "dsInitialize");
    EXPECT_EQ(calls[6].rfind("dsCreateDSB", 0), 0u) << "the six sounds first";
    EXPECT_EQ(calls[7], "dsPlayLooping 6");
    EXPECT_EQ(calls[8], "dsPlay 2");
    EXPECT_EQ(w.lines("message").size(), 1u);
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
    ASSERT_FALSE(on.timer.enabled());
    on.form.START_Click();
    EXPECT_TRUE(on.timer.enabled());
}

TEST(StartGame, SwitchingToPeopleMidGameKeepsOrdersAndAnnouncesTheSideToMove) {
    PlayWindow w;
    w.form.GOTE_Click();  // the computer, the first player, has moved
    ASSERT_EQ(w.g().move_count, 1);
    const Board played = w.g().board;
    w.log.clear();
    w.form.START_Click();
    EXPECT_EQ(w.lines("message"), Log{"message [ ] 後手の番です"});
    EXPECT_EQ(w.g().lower_order, SECOND_PLAYER);
    EXPECT_EQ(w.g().turn, SECOND_PLAYER);
    EXPECT_EQ(w.g().board, played) << "position kept";
    EXPECT_EQ(w.g().game_mode, MODE_MAN);

    w.click(7, 7);
    w.click(7, 6);  // between people now: the upper side, the first player, is to move
    ASSERT_EQ(w.g().turn, FIRST_PLAYER);
    w.log.clear();
    w.form.START_Click();
    EXPECT_EQ(w.lines("message"), Log{"message [ ] 先手の番です"});
}

TEST(StartGame, AfterADecidedGameEveryEntryStartsFromTheInitialPosition) {
    for (int entry = 0; entry < 3; ++entry) {
        PlayWindow w;
        // The lower pawn's step sandwiched the upper king.
        w.lay_out(testing::Position::empty()
                      .put(9, 5, LOWER_OU)
                      .put(7, 5, UPPER_OU)
                      .put(7, 4, LOWER_KIN)
                      .put(7, 7, LOWER_HU)
                      .then(7, 7, 7, 6));
        ASSERT_NE(w.g().winner, TURN_NONE);
        if (entry == 0) w.form.START_Click();
        if (entry == 1) w.form.SENTE_Click();
        if (entry == 2) w.form.GOTE_Click();
        EXPECT_EQ(w.g().at(5, 9), LOWER_OU) << entry;
        EXPECT_EQ(w.g().at(9, 5), EMPTY) << entry;
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

// The computer first, then the player and the computer's reply: the player is to move.
void three_moves_against_the_computer(PlayWindow& w) {
    w.form.GOTE_Click();
    w.click(7, 7);
    w.click(7, 6);
    ASSERT_EQ(w.g().move_count, 3);
    ASSERT_EQ(w.g().turn, SECOND_PLAYER);
    ASSERT_EQ(w.g().lower_order, SECOND_PLAYER);
    w.log.clear();
}

TEST(StartGame, ResumingAgainstTheComputerWithThePlayerToMove) {
    PlayWindow w;
    three_moves_against_the_computer(w);
    w.form.SENTE_Click();
    EXPECT_EQ(w.lines("message"), Log{"message [対局] MANの番です"});
    EXPECT_EQ(w.g().lower_order, FIRST_PLAYER);
    EXPECT_EQ(w.g().turn, FIRST_PLAYER);

    PlayWindow g;
    three_moves_against_the_computer(g);
    const double started = g.turn_clock().turn_start_time;
    g.clock.now += 10;  // the player has thought for ten seconds
    g.form.GOTE_Click();
    EXPECT_EQ(g.lines("message"), Log{"message [対局] MANの番です"});
    EXPECT_EQ(g.g().lower_order, SECOND_PLAYER) << "orders kept";
    EXPECT_DOUBLE_EQ(g.turn_clock().turn_start_time, started) << "the seconds spent still count";
}

TEST(StartGame, ComputerFirstMakesTheUpperSideFirstPlayer) {
    PlayWindow w;
    w.form.GOTE_Click();
    EXPECT_EQ(w.g().lower_order, SECOND_PLAYER);
    EXPECT_EQ(w.g().upper_order, FIRST_PLAYER);
    EXPECT_EQ(w.g().game_mode, MODE_COM);
    EXPECT_EQ(w.lines("message"), Log{}) << "the computer moves at once";
}

// Moves between people, pawns forward from the left, each side in turn.
void pawn_moves(PlayWindow& w, int moves) {
    for (int n = 0; n < moves; ++n) {
        const int column = 9 - n / 2;
        const bool lower = n % 2 == 0;
        w.click(column, lower ? 7 : 3);
        w.click(column, lower ? 6 : 4);
    }
    ASSERT_EQ(w.g().move_count, moves);
}

TEST(StartGame, ForwardRecordReachesOnlyEntriesWritten) {
    PlayWindow w;
    w.start_people_game();
    pawn_moves(w, 2);
    w.form.CANCEL_Click();  // back to the start; the entries of the longer game stay
    ASSERT_GT(w.g().rec_last, 0);
    w.form.START_Click();
    EXPECT_EQ(w.g().rec_last, 0);

    PlayWindow c;
    c.start_people_game();
    pawn_moves(c, 6);
    c.form.SENTE_Click();
    EXPECT_EQ(c.g().rec_last, 5) << "the last entry written, never the unwritten one";

    PlayWindow back;
    back.start_people_game();
    pawn_moves(back, 6);
    for (int n = 0; n < 6; ++n)
        back.form.REPLAY_Click();
    back.form.SENTE_Click();
    EXPECT_EQ(back.g().rec_last, 6) << "stepped back, all six moves can be stepped to again";

    PlayWindow flipped;
    flipped.start_people_game();
    pawn_moves(flipped, 5);
    flipped.form.REVERSE_Click();  // a flipped board keeps its moves but not their record
    ASSERT_EQ(flipped.g().turn, flipped.g().lower_order);
    flipped.form.SENTE_Click();
    EXPECT_EQ(flipped.g().rec_last, 0);
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
