#include <grp.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <functional>

#include "play_fixture.h"
#include "settings/backgrounds.h"
#include "settings_fixtures.h"

namespace banzuri {
namespace {

using namespace testing;

// A window that has read a fresh default file, with its sounds loaded.
struct StartedWindow : FakeWindow {
    StartedWindow() {
        write_all_sounds();
        form.Form_Load();
        log.clear();
    }
    void write_all_sounds() {
        for (const char* name :
             {"その他.wav", "禁止.wav", "駒打音.wav", "終局.wav", "消滅.wav", "BGM.wav"})
            std::ofstream(folder / name) << "RIFF";
    }
};

// Every option survives a restart: the second window reads what the first one wrote.
TEST(OptionMenu, EveryOptionRoundTripsThroughTheFile) {
    using Click = void (MainForm::*)();
    const std::pair<Click, MenuItem> backgrounds[] = {{&MainForm::MIDORI_Click, MenuItem::MIDORI},
                                                      {&MainForm::TATAMI_Click, MenuItem::TATAMI},
                                                      {&MainForm::TAKE_Click, MenuItem::TAKE},
                                                      {&MainForm::UCHU_Click, MenuItem::UCHU},
                                                      {&MainForm::RENGA_Click, MenuItem::RENGA}};
    for (const auto& [click, item] : backgrounds) {
        for (Click toggle :
             {&MainForm::SIDOU_Click, &MainForm::KEIKA_Click, &MainForm::BGM_Click}) {
            StartedWindow first;
            (first.form.*click)();
            (first.form.*toggle)();
            FakeWindow second(first.folder);
            second.form.Form_Load();
            for (MenuItem shown :
                 {MenuItem::MIDORI, MenuItem::TATAMI, MenuItem::TAKE, MenuItem::UCHU,
                  MenuItem::RENGA, MenuItem::SIDOU, MenuItem::KEIKA, MenuItem::BGM})
                EXPECT_EQ(second.form.checked(shown), first.form.checked(shown));
            EXPECT_TRUE(second.form.checked(item));
            EXPECT_EQ(second.form.options().background(), first.form.options().background());
            EXPECT_EQ(other_files(first), 6);  // the six sounds, no temporary file left
        }
    }
}

TEST(OptionMenu, ChoosingABackgroundMovesTheCheckMarkAndRewritesTheFile) {
    StartedWindow w;
    w.form.TATAMI_Click();
    EXPECT_EQ(w.form.options().background(), BG_TATAMI);
    EXPECT_TRUE(w.form.checked(MenuItem::TATAMI));
    EXPECT_FALSE(w.form.checked(MenuItem::MIDORI));
    EXPECT_FALSE(w.menu.shown[static_cast<int>(MenuItem::MIDORI)]);
    EXPECT_EQ(read_settings(w), settings_lines(SJIS_TATAMI, "OFF", "ON", "OFF"));
}

TEST(OptionMenu, TheCheckedBackgroundAgainStillRewritesTheFile) {
    StartedWindow w;
    write_settings(w, "junk");
    w.form.MIDORI_Click();
    EXPECT_EQ(read_settings(w), settings_lines(SJIS_MIDORI, "OFF", "ON", "OFF"));
    EXPECT_TRUE(w.form.checked(MenuItem::MIDORI));
}

TEST(OptionMenu, GuidanceOffRedrawsEveryOutlineInTheGridColour) {
    StartedWindow w;
    w.form.SIDOU_Click();
    EXPECT_EQ(w.form.options().guidance(), 1);
    EXPECT_EQ(w.form.painter().guidance_colour(), COLOUR_MARK_GUIDANCE);
    EXPECT_TRUE(w.lines("box").empty());
    w.form.SIDOU_Click();
    EXPECT_EQ(w.form.options().guidance(), 0);
    EXPECT_EQ(w.form.painter().guidance_colour(), w.form.painter().grid_colour());
    const auto outlines = w.lines("box");
    ASSERT_EQ(outlines.size(), 81u + 14u);
    for (const auto& line : outlines)
        EXPECT_EQ(line.rfind("box 2 ", 0), 0u) << line;
    EXPECT_EQ(outlines.front(), "box 2 1915 790 2530 1480");  // square (1, 1)
    EXPECT_EQ(outlines.back(), "box 2 8065 6310 8680 7000");  // lower hand slot (11, 9)
    EXPECT_EQ(read_settings(w), settings_lines(SJIS_MIDORI, "OFF", "ON", "OFF"));
}

TEST(OptionMenu, ElapsedTimeSwitchesTheClockTimer) {
    StartedWindow w;
    w.timer.record = true;
    w.form.KEIKA_Click();
    EXPECT_EQ(w.lines("timer"), (Log{"timer off"}));
    EXPECT_FALSE(w.form.checked(MenuItem::KEIKA));
    w.form.KEIKA_Click();
    EXPECT_EQ(w.lines("timer"), (Log{"timer off", "timer on"}));
    EXPECT_TRUE(w.form.checked(MenuItem::KEIKA));
    EXPECT_EQ(read_settings(w), settings_lines(SJIS_MIDORI, "OFF", "ON", "OFF"));
}

TEST(OptionMenu, MusicStopsAndRestartsTheSameBuffer) {
    StartedWindow w;
    w.form.BGM_Click();
    w.form.BGM_Click();
    w.form.BGM_Click();
    EXPECT_EQ(w.lines("ds"), (Log{"dsPlayLooping 6", "dsStop 6", "dsPlayLooping 6"}));
    EXPECT_EQ(read_settings(w), settings_lines(SJIS_MIDORI, "OFF", "ON", "ON"));
}

TEST(OptionMenu, MusicFromTheFileIsNotStartedTwiceWhenTheStartUpRunsAgain) {
    StartedWindow w;
    w.form.BGM_Click();
    w.form.Form_Load();  // as after "続けますか？" はい
    EXPECT_EQ(w.lines("dsPlayLooping").size(), 1u);
    EXPECT_EQ(w.lines("dsCreateDSB").size(), 0u);
}

// The settings file cannot be replaced: a folder stands where it belongs. This stops writing
// even for root, where a read-only folder would not.
TEST(OptionMenu, AFailedWriteKeepsTheChoicesAndWarnsOnce) {
    StartedWindow w;
    std::filesystem::remove(settings_path(w));
    std::filesystem::create_directory(settings_path(w));
    w.form.TAKE_Click();
    w.form.BGM_Click();
    w.form.SIDOU_Click();
    w.form.KEIKA_Click();
    EXPECT_EQ(w.lines("warning"),
              (Log{"warning [Banzuri.ini] 設定ファイル「Banzuri.ini」に書き込めません。\n"
                   "変更した設定は、このゲームを終えるまで有効です。"}));
    EXPECT_TRUE(w.form.checked(MenuItem::TAKE));
    EXPECT_FALSE(w.form.checked(MenuItem::MIDORI));
    EXPECT_TRUE(w.form.checked(MenuItem::BGM));
    EXPECT_TRUE(w.form.sound().music_playing());
    EXPECT_TRUE(w.form.checked(MenuItem::SIDOU));
    EXPECT_FALSE(w.form.checked(MenuItem::KEIKA));
    EXPECT_EQ(w.form.options().background(), BG_TAKE);
    EXPECT_TRUE(std::filesystem::is_directory(settings_path(w)));
    EXPECT_EQ(other_files(w), 6);
}

TEST(OptionMenu, StartingAgainAfterAFailedWriteKeepsTheChoices) {
    StartedWindow w;
    std::filesystem::remove(settings_path(w));
    std::filesystem::create_directory(settings_path(w));
    w.form.RENGA_Click();
    w.form.BGM_Click();
    w.log.clear();
    w.form.Form_Load();  // as the start-up does again after "続けますか？" Yes
    EXPECT_TRUE(w.form.checked(MenuItem::RENGA));
    EXPECT_TRUE(w.form.checked(MenuItem::BGM));
    EXPECT_TRUE(w.form.sound().music_playing());
    EXPECT_EQ(w.form.options().background(), BG_RENGA);
    EXPECT_TRUE(w.lines("warning").empty());
    EXPECT_TRUE(w.lines("dsStop").empty());
}

// The whole way through "続けますか？" はい: the start-up runs again, the file cannot be read
// back as written, and the guidance the menu shows still outlines the destinations.
TEST(OptionMenu, GuidanceStillOutlinesAfterPlayingAgainWhenTheFileCannotBeWritten) {
    StartedWindow w;
    std::filesystem::remove(settings_path(w));
    std::filesystem::create_directory(settings_path(w));
    w.form.SIDOU_Click();
    // The lower pawn's step sandwiches the upper king against the gold.
    w.lay_out(Position::king_in_reach());
    w.form.START_Click();
    w.dialogs.answers = {true};
    w.form.Form_MouseDown(MOUSE_LEFT, 0, board_left + 7.5 * cell_width,
                          board_top + 7.5 * cell_height);
    w.form.Form_MouseDown(MOUSE_LEFT, 0, board_left + 7.5 * cell_width,
                          board_top + 6.5 * cell_height);
    ASSERT_EQ(w.lines("ask"), Log{"ask [再ゲーム] 続けますか？"});
    w.form.START_Click();
    ASSERT_TRUE(w.form.checked(MenuItem::SIDOU));
    w.log.clear();
    w.form.Form_MouseDown(MOUSE_LEFT, 0, board_left + 7.5 * cell_width,
                          board_top + 7.5 * cell_height);
    EXPECT_EQ(std::count(w.log.begin(), w.log.end(), box_line(COLOUR_MARK_GUIDANCE, 7, 6)), 1);
}

// What went wrong in a check run as an ordinary user: a bit for each expectation not met.
enum Problem { WARNINGS = 1, CHECK_MARK = 2, NOT_RUN = 64 };

// Runs `check` where folder permissions hold: as this process, or when the tests run as root
// (who may write into any folder) in a child process that becomes the user "nobody" first.
// Answers the problems it found.
int as_ordinary_user(const std::function<int()>& check) {
    if (::geteuid() != 0) return check();
    const pid_t child = ::fork();
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        const bool dropped =
            ::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0;
        ::_exit(dropped ? check() : NOT_RUN);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return NOT_RUN;
    return WEXITSTATUS(status);
}

TEST(OptionMenu, AReadOnlyFolderWarnsOnceAtStartUpAndKeepsTheOldFile) {
    FakeWindow w;
    write_settings(w, settings_lines(SJIS_UCHU, "OFF", "ON", "OFF"));
    using std::filesystem::perms;
    std::filesystem::permissions(settings_path(w),
                                 perms::owner_read | perms::group_read | perms::others_read);
    std::filesystem::permissions(w.folder, perms::owner_read | perms::owner_exec |
                                               perms::group_read | perms::group_exec |
                                               perms::others_read | perms::others_exec);
    const int problems = as_ordinary_user([&w] {
        w.form.Form_Load();
        w.form.RENGA_Click();
        w.form.BGM_Click();
        return (w.lines("warning").size() == 1 ? 0 : WARNINGS) |
               (w.form.checked(MenuItem::RENGA) ? 0 : CHECK_MARK);
    });
    EXPECT_EQ(problems, 0);
    EXPECT_EQ(read_settings(w), settings_lines(SJIS_UCHU, "OFF", "ON", "OFF"));
    std::filesystem::permissions(w.folder, perms::owner_all);
}

TEST(OptionMenu, NoFileAndNoWayToWriteOneStillGivesTheDefaults) {
    FakeWindow w;
    std::filesystem::create_directory(settings_path(w));
    w.form.Form_Load();
    EXPECT_EQ(w.lines("warning").size(), 1u);
    EXPECT_TRUE(w.form.checked(MenuItem::MIDORI));
    EXPECT_TRUE(w.form.checked(MenuItem::KEIKA));
    EXPECT_FALSE(w.form.checked(MenuItem::BGM));
}

}  // namespace
}  // namespace banzuri
