#include <gtest/gtest.h>

#include <sys/stat.h>

#include <random>

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
    w.読込_環境設定ファイル();
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
    w.読込_環境設定ファイル();
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
    w.読込_環境設定ファイル();
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
        w.読込_環境設定ファイル();
        const int code = w.form.options().background();
        EXPECT_TRUE(code == BG_MIDORI || code == BG_TATAMI || code == BG_TAKE || code == BG_UCHU ||
                    code == BG_RENGA);
        EXPECT_EQ(w.form.options().guidance(), w.form.checked(MenuItem::SIDOU) ? 1 : 0);
        EXPECT_EQ(w.sound_layer().music_playing(), w.form.checked(MenuItem::BGM));
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

}  // namespace
}  // namespace banzuri
