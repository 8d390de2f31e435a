#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <random>
#include <vector>

#include "settings/settings_file.h"
#include "settings/settings_text.h"
#include "settings_fixtures.h"

namespace banzuri {
namespace {

using namespace testing;

TEST(SettingsRobustness, BinaryJunkNulBytesAndBrokenShiftJisAreHarmless) {
    FakeWindow w;
    std::string junk("\0\0\xff\xfe\x81=\x81\r\n\x94\x77\x8c\x69\x89", 14);
    junk += "\r\n" + SJIS_BACKGROUND + "=" + SJIS_TAKE + std::string("\0", 1) + "\r\n";
    junk += std::string("BGM\0=ON\r\n", 9) + SJIS_ELAPSED + "=OFF\r\n";
    write_settings(w, junk);
    w.form.Form_Load();
    EXPECT_EQ(w.form.options().background(), BG_MIDORI);  // "竹" followed by a NUL is another value
    EXPECT_FALSE(w.form.checked(MenuItem::TAKE));
    EXPECT_FALSE(w.form.checked(MenuItem::BGM));
    EXPECT_FALSE(w.form.checked(MenuItem::KEIKA));
    EXPECT_EQ(read_settings(w), junk);  // reading never rewrites a file it could read
}

TEST(SettingsRobustness, AOneMegabyteLineIsCutOffAtTheReadLimit) {
    FakeWindow w;
    write_settings(w, "BGM=OFF\r\n" + SJIS_BACKGROUND + "=" + std::string(1 << 20, 'x') + "\r\n" +
                          SJIS_GUIDANCE + "=ON\r\n");
    w.form.Form_Load();
    EXPECT_FALSE(w.form.checked(MenuItem::SIDOU));  // beyond what is read
    EXPECT_FALSE(w.form.checked(MenuItem::MIDORI));
}

TEST(SettingsRobustness, AHundredMegabyteFileReadsOnlyItsBeginning) {
    FakeWindow w;
    write_settings(w, settings_lines(SJIS_UCHU, "ON", "OFF", "OFF"));
    std::filesystem::resize_file(settings_path(w), 100u << 20);
    const auto text = settings::read_settings_file(settings_path(w));
    ASSERT_TRUE(text);
    EXPECT_LE(text->size(), settings::READ_LIMIT);
    w.form.Form_Load();
    EXPECT_EQ(w.form.options().background(), BG_UCHU);
    EXPECT_TRUE(w.form.checked(MenuItem::SIDOU));
}

TEST(SettingsRobustness, TheLineCutAtTheLimitIsDropped) {
    FakeWindow w;
    std::string text = std::string(settings::READ_LIMIT - 6, '#') + "\r\nBGM=ON";
    write_settings(w, text + "OFF\r\n");
    const auto read = settings::read_settings_file(settings_path(w));
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, std::string(settings::READ_LIMIT - 6, '#') + "\r\n");
}

TEST(SettingsRobustness, AFifoInPlaceOfTheFileDoesNotBlock) {
    FakeWindow w;
    ASSERT_EQ(::mkfifo(settings_path(w).c_str(), 0600), 0);
    EXPECT_FALSE(settings::read_settings_file(settings_path(w)));
}

// Seeded fuzz: random mixtures of real keys, values, separators and random bytes.
TEST(SettingsRobustness, TheReaderSurvivesRandomFiles) {
    const std::string pieces[] = {SJIS_BACKGROUND,
                                  SJIS_GUIDANCE,
                                  SJIS_ELAPSED,
                                  "BGM",
                                  "=",
                                  "=",
                                  "\r\n",
                                  "\r",
                                  "\n",
                                  "ON",
                                  "OFF",
                                  SJIS_MIDORI,
                                  SJIS_RENGA,
                                  SJIS_TAKE,
                                  std::string("\0", 1),
                                  "\x81",
                                  "\xff"};
    std::mt19937 random(20240611);
    FakeWindow w;
    for (int round = 0; round < 400; ++round) {
        std::string text;
        const int parts = static_cast<int>(random() % 40);
        for (int i = 0; i < parts; ++i) {
            if (random() % 4 == 0)
                text.push_back(static_cast<char>(random() % 256));
            else
                text += pieces[random() % std::size(pieces)];
        }
        write_settings(w, text);
        w.form.Form_Load();
        w.log.clear();
        const int code = w.form.options().background();
        EXPECT_TRUE(code == BG_MIDORI || code == BG_TATAMI || code == BG_TAKE || code == BG_UCHU ||
                    code == BG_RENGA);
        EXPECT_EQ(w.form.options().guidance(), w.form.checked(MenuItem::SIDOU) ? 1 : 0);
        EXPECT_EQ(w.form.sound().music_playing(), w.form.checked(MenuItem::BGM));
        EXPECT_EQ(read_settings(w), text);
    }
}

TEST(SettingsRobustness, WhatIsWrittenIsReadBackForEveryCombination) {
    const int codes[] = {0, BG_MIDORI, BG_TATAMI, BG_TAKE, BG_UCHU, BG_RENGA};
    for (int code : codes)
        for (int bits = 0; bits < 8; ++bits) {
            settings::MenuOptions options{code, (bits & 1) != 0, (bits & 2) != 0, (bits & 4) != 0};
            const auto read = settings::parse_settings(settings::format_settings(options));
            EXPECT_EQ(read.background.value_or(0), code);
            EXPECT_EQ(read.guidance, options.guidance);
            EXPECT_EQ(read.elapsed, options.elapsed);
            EXPECT_EQ(read.music, options.music);
        }
}

void touch(const std::filesystem::path& path, std::chrono::seconds age) {
    std::ofstream(path) << "half";
    std::filesystem::last_write_time(path, std::filesystem::file_time_type::clock::now() - age);
}

TEST(SettingsRobustness, StaleTemporaryFilesOfAKilledWriteAreRemovedAtStartUp) {
    FakeWindow w;
    const auto old = std::chrono::hours(1);
    for (const char* stale : {".Banzuri.ini.AbC123", ".Banzuri.ini.zzzzzz", ".Banzuri.ini.000000"})
        touch(w.folder / stale, old);
    // Similar names, a folder, a link, a young file and a file in a subfolder stay.
    const char* kept[] = {".Banzuri.ini.AbC12",  ".Banzuri.ini.AbC1234", "Banzuri.ini.AbC123",
                          ".Banzuri.ini.AbC-23", ".banzuri.ini.AbC123",  ".Banzuri.ini.AbC123~",
                          ".Banzuri.txt.AbC123", ".Banzuri.ini.Young1",  "AbC123"};
    for (const char* name : kept)
        touch(w.folder / name, old);
    touch(w.folder / ".Banzuri.ini.Young1", std::chrono::seconds(0));
    std::filesystem::create_directory(w.folder / ".Banzuri.ini.Dir123");
    std::filesystem::create_symlink(w.folder / "AbC123", w.folder / ".Banzuri.ini.Link12");
    std::filesystem::create_directory(w.folder / "sub");
    touch(w.folder / "sub" / ".Banzuri.ini.Sub123", old);
    write_settings(w, settings_lines(SJIS_TAKE, "ON", "ON", "OFF"));

    w.form.Form_Load();

    EXPECT_EQ(w.form.options().background(), BG_TAKE);
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(w.folder))
        left.push_back(entry.path().filename().string());
    std::sort(left.begin(), left.end());
    std::vector<std::string> expected(std::begin(kept), std::end(kept));
    expected.insert(expected.end(),
                    {".Banzuri.ini.Dir123", ".Banzuri.ini.Link12", "sub", "Banzuri.ini"});
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(left, expected);
    EXPECT_TRUE(std::filesystem::exists(w.folder / "sub" / ".Banzuri.ini.Sub123"));
}

// The write is refused by the file's own mode bits, so this holds for root as well.
TEST(SettingsRobustness, AReadOnlyFileIsKeptByteForByteAndWarnedOnce) {
    for (const auto mode :
         {std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
              std::filesystem::perms::others_read,
          std::filesystem::perms::owner_read | std::filesystem::perms::group_all}) {
        FakeWindow w;
        const std::string pinned = settings_lines(SJIS_UCHU, "ON", "OFF", "OFF") + "# mine\r\n";
        write_settings(w, pinned);
        std::filesystem::permissions(settings_path(w), mode);
        w.form.Form_Load();
        w.form.BGM_Click();
        w.form.RENGA_Click();
        EXPECT_EQ(read_settings(w), pinned);
        EXPECT_EQ(std::filesystem::status(settings_path(w)).permissions(), mode);
        EXPECT_EQ(other_files(w), 0) << "no temporary file is left";
        EXPECT_EQ(w.lines("warning").size(), 1u);
        EXPECT_TRUE(w.form.checked(MenuItem::BGM)) << "the choices stay for this game";
        EXPECT_TRUE(w.form.checked(MenuItem::RENGA));
        std::filesystem::permissions(settings_path(w), std::filesystem::perms::owner_all);
    }
}

}  // namespace
}  // namespace banzuri
