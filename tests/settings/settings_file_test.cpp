// The settings file "Banzuri.ini" as Options reads and writes it: exact bytes, files of the
// Windows program and of Linux editors, broken, huge and unreadable files, and failed writes.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <string>

#include "fakes/recording_fakes.h"
#include "settings/backgrounds.h"
#include "settings/options.h"
#include "settings/settings_file.h"
#include "settings/settings_fixtures.h"

namespace banzuri {
namespace {

using namespace testing;

constexpr const char* WRITE_FAILED =
    "warning [Banzuri.ini] 設定ファイル「Banzuri.ini」に書き込めません。\n"
    "変更した設定は、このゲームを終えるまで有効です。";

struct SettingsFile : ::testing::Test {
    SettingsFolder folder;
    Log log;
    FakeMenu menu;
    FakeDialogs dialogs{log};
    Options options{menu, dialogs, folder.path};

    // Reads the file as the window does at start-up, writing it back when asked to.
    LoadedOptions start() {
        const LoadedOptions loaded = options.読込_環境設定ファイル();
        if (loaded.write_back) options.書込_環境設定ファイル();
        return loaded;
    }
    // The options' marks of the five backgrounds, guidance, elapsed time and music.
    std::string marks() const {
        std::string out;
        for (MenuItem item : {MenuItem::MIDORI, MenuItem::TATAMI, MenuItem::TAKE, MenuItem::UCHU,
                              MenuItem::RENGA, MenuItem::SIDOU, MenuItem::KEIKA, MenuItem::BGM})
            out += options.checked(item) ? '1' : '0';
        return out;
    }
};

TEST_F(SettingsFile, TheFirstRunWritesTheFourDefaultLinesInShiftJisWithCrLf) {
    const LoadedOptions loaded = start();
    EXPECT_TRUE(loaded.write_back);
    EXPECT_EQ(folder.read(),
              "\x94\x77\x8c\x69\x89\xe6=\x97\xce\r\n"
              "\x88\xda\x93\xae\x8e\x77\x93\xb1=OFF\r\n"
              "\x8c\x6f\x89\xdf\x8e\x9e\x8a\xd4=ON\r\n"
              "BGM=OFF\r\n");
    EXPECT_EQ(marks(), "10000010");
    EXPECT_EQ(folder.others(), 0);
    EXPECT_TRUE(log.empty());
    EXPECT_FALSE(options.unsaved());
}

TEST_F(SettingsFile, AFileOfTheWindowsProgramReadsTheSameInAnyOrder) {
    folder.write("BGM=ON\r\n" + SJIS_ELAPSED + "=OFF\r\n" + SJIS_BACKGROUND + "=" + SJIS_UCHU +
                 "\r\n" + SJIS_GUIDANCE + "=ON\r\n");
    const LoadedOptions loaded = start();
    EXPECT_EQ(loaded.background, BG_UCHU);
    EXPECT_EQ(loaded.guidance, true);
    EXPECT_EQ(loaded.music, true);
    EXPECT_FALSE(loaded.write_back);
    EXPECT_EQ(marks(), "00010101");
    EXPECT_EQ(options.background(), BG_UCHU);
}

TEST_F(SettingsFile, EveryBackgroundValueIsRecognised) {
    const std::pair<std::string, int> cases[] = {{SJIS_MIDORI, BG_MIDORI},
                                                 {SJIS_TATAMI, BG_TATAMI},
                                                 {SJIS_TAKE, BG_TAKE},
                                                 {SJIS_UCHU, BG_UCHU},
                                                 {SJIS_RENGA, BG_RENGA}};
    const char* expected_marks[] = {"10000010", "01000010", "00100010", "00010010", "00001010"};
    for (int i = 0; i < 5; ++i) {
        folder.write(settings_lines(cases[i].first, "OFF", "ON", "OFF"));
        EXPECT_EQ(start().background, cases[i].second);
        EXPECT_EQ(options.background(), cases[i].second);
        EXPECT_EQ(marks(), expected_marks[i]) << i;
    }
}

TEST_F(SettingsFile, UnknownLinesAreIgnoredAndDroppedAtTheNextWrite) {
    folder.write("[Banzuri]\r\nvolume=7\r\n" + settings_lines(SJIS_TAKE, "ON", "ON", "OFF") +
                 "no equals sign here\r\n");
    start();
    EXPECT_EQ(marks(), "00100110");
    options.set_elapsed(false);
    options.書込_環境設定ファイル();
    EXPECT_EQ(folder.read(), settings_lines(SJIS_TAKE, "ON", "OFF", "OFF"));
}

TEST_F(SettingsFile, ABackgroundOutsideTheFiveLeavesTheStartingOneAndIsNotWritten) {
    folder.write(settings_lines("\x8a\x43", "OFF", "ON", "OFF"));  // 海
    EXPECT_FALSE(start().background);
    EXPECT_EQ(options.background(), BG_MIDORI);
    EXPECT_EQ(marks(), "00000010");
    options.set_guidance(true);
    options.書込_環境設定ファイル();
    EXPECT_EQ(folder.read(), settings_lines("", "ON", "ON", "OFF"));
}

TEST_F(SettingsFile, TheLastLineOfAKeyCounts) {
    folder.write("BGM=ON\r\n" + settings_lines(SJIS_RENGA, "ON", "ON", "OFF") + SJIS_BACKGROUND +
                 "=" + SJIS_TATAMI + "\r\n" + SJIS_BACKGROUND + "=???\r\n");
    const LoadedOptions loaded = start();
    EXPECT_EQ(loaded.background, BG_TATAMI);
    EXPECT_EQ(loaded.music, false);
    EXPECT_EQ(marks(), "01000110");
}

TEST_F(SettingsFile, LinuxLineEndsAndUtf8SpellingsAreUnderstood) {
    folder.write("背景画=煉瓦\n移動指導=ON\r経過時間=OFF\nBGM=OFF");
    const LoadedOptions loaded = start();
    EXPECT_EQ(loaded.background, BG_RENGA);
    EXPECT_EQ(marks(), "00001100");
    EXPECT_FALSE(loaded.write_back);
    EXPECT_EQ(folder.read(), "背景画=煉瓦\n移動指導=ON\r経過時間=OFF\nBGM=OFF");
}

TEST_F(SettingsFile, AnEmptyFileChangesNothingAndAsksForNoWrite) {
    folder.write("");
    const LoadedOptions loaded = start();
    EXPECT_FALSE(loaded.background || loaded.guidance || loaded.music || loaded.write_back);
    EXPECT_EQ(marks(), "00000000");
    EXPECT_EQ(folder.read(), "");
}

TEST_F(SettingsFile, AFileThatCannotBeReadGivesTheDefaultsWrittenInItsPlace) {
    std::filesystem::create_symlink(folder.path / "elsewhere", folder.file_path());  // dangling
    EXPECT_TRUE(start().write_back);
    EXPECT_EQ(folder.read(), settings_lines(SJIS_MIDORI, "OFF", "ON", "OFF"));
    EXPECT_EQ(marks(), "10000010");
    EXPECT_TRUE(log.empty());
}

TEST_F(SettingsFile, BinaryJunkNulBytesAndBrokenShiftJisAreHarmless) {
    std::string junk("\0\0\xff\xfe\x81=\x81\r\n\x94\x77\x8c\x69\x89", 14);
    junk += "\r\n" + SJIS_BACKGROUND + "=" + SJIS_TAKE + std::string("\0", 1) + "\r\n";
    junk += std::string("BGM\0=ON\r\n", 9) + SJIS_ELAPSED + "=OFF\r\n";
    folder.write(junk);
    const LoadedOptions loaded = start();
    EXPECT_FALSE(loaded.background) << "竹 followed by a NUL is another value";
    EXPECT_FALSE(loaded.music);
    EXPECT_EQ(options.background(), BG_MIDORI);
    EXPECT_EQ(marks(), "00000000");
    EXPECT_EQ(folder.read(), junk) << "reading never rewrites a file it could read";
}

TEST_F(SettingsFile, AOneMegabyteLineIsCutOffAtTheReadLimit) {
    folder.write("BGM=OFF\r\n" + SJIS_BACKGROUND + "=" + std::string(1 << 20, 'x') + "\r\n" +
                 SJIS_GUIDANCE + "=ON\r\n");
    const LoadedOptions loaded = start();
    EXPECT_FALSE(loaded.guidance) << "beyond what is read";
    EXPECT_EQ(loaded.music, false);
    EXPECT_EQ(marks(), "00000000");
}

TEST_F(SettingsFile, AHundredMegabyteFileReadsOnlyItsBeginning) {
    folder.write(settings_lines(SJIS_UCHU, "ON", "OFF", "OFF"));
    std::filesystem::resize_file(folder.file_path(), 100u << 20);
    const auto text = settings::read_settings_file(folder.file_path());
    ASSERT_TRUE(text);
    EXPECT_LE(text->size(), settings::READ_LIMIT);
    EXPECT_EQ(start().background, BG_UCHU);
    EXPECT_EQ(marks(), "00010100");
}

TEST_F(SettingsFile, TheLineCutAtTheLimitIsDropped) {
    const std::string lines = std::string(settings::READ_LIMIT - 6, '#') + "\r\n";
    folder.write(lines + "BGM=ONOFF\r\n");
    EXPECT_EQ(settings::read_settings_file(folder.file_path()), lines);
    folder.write(lines + "BGM=");  // exactly at the limit: the whole file
    EXPECT_EQ(settings::read_settings_file(folder.file_path()), lines + "BGM=");
    folder.write(std::string(settings::READ_LIMIT + 1, 'x'));
    EXPECT_EQ(settings::read_settings_file(folder.file_path()), "") << "no line end at all";
}

TEST_F(SettingsFile, AFifoOrAFolderInPlaceOfTheFileIsNoFile) {
    ASSERT_EQ(::mkfifo(folder.file_path().c_str(), 0600), 0);
    EXPECT_FALSE(settings::read_settings_file(folder.file_path())) << "and does not block";
    std::filesystem::remove(folder.file_path());
    std::filesystem::create_directory(folder.file_path());
    EXPECT_FALSE(settings::read_settings_file(folder.file_path()));
    EXPECT_FALSE(settings::read_settings_file(folder.path / "missing.ini"));
}

TEST_F(SettingsFile, ReadingRemovesTheStaleTemporaryFilesOfAKilledWrite) {
    const auto write_aged = [&](const char* name, std::chrono::seconds age) {
        std::ofstream(folder.path / name) << "half";
        std::filesystem::last_write_time(folder.path / name,
                                         std::filesystem::file_time_type::clock::now() - age);
    };
    write_aged(".Banzuri.ini.AbC123", std::chrono::hours(1));
    write_aged(".Banzuri.ini.Young1", std::chrono::seconds(0));
    folder.write(settings_lines(SJIS_TAKE, "ON", "ON", "OFF"));
    EXPECT_EQ(start().background, BG_TAKE);
    EXPECT_FALSE(std::filesystem::exists(folder.path / ".Banzuri.ini.AbC123"));
    EXPECT_TRUE(std::filesystem::exists(folder.path / ".Banzuri.ini.Young1"));
}

// The write is refused by the file's own mode bits, so this holds for root as well.
TEST_F(SettingsFile, AReadOnlyFileIsKeptByteForByteAndTheFailureWarnedOnce) {
    const std::string pinned = settings_lines(SJIS_UCHU, "ON", "OFF", "OFF") + "# mine\r\n";
    folder.write(pinned);
    ::chmod(folder.file_path().c_str(), 0444);
    start();
    options.set_music(true);
    options.書込_環境設定ファイル();
    EXPECT_TRUE(options.unsaved());
    options.set_background(BG_RENGA);
    options.書込_環境設定ファイル();
    EXPECT_EQ(folder.read(), pinned);
    EXPECT_EQ(folder.others(), 0) << "no temporary file is left";
    EXPECT_EQ(log, Log{WRITE_FAILED});
    EXPECT_EQ(marks(), "00001101") << "the choices stay for this game";
    ::chmod(folder.file_path().c_str(), 0644);
    options.書込_環境設定ファイル();
    EXPECT_FALSE(options.unsaved());
    EXPECT_EQ(folder.read(), settings_lines(SJIS_RENGA, "ON", "OFF", "ON"));
    EXPECT_EQ(log.size(), 1u) << "once in a run, even after a write succeeded";
}

TEST_F(SettingsFile, NoFileAndNoWayToWriteOneStillGivesTheDefaults) {
    std::filesystem::create_directory(folder.file_path());
    EXPECT_TRUE(start().write_back);
    EXPECT_EQ(log, Log{WRITE_FAILED});
    EXPECT_EQ(marks(), "10000010");
    EXPECT_TRUE(options.unsaved());
    EXPECT_EQ(folder.others(), 0);
}

}  // namespace
}  // namespace banzuri
