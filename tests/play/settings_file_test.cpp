#include <gtest/gtest.h>

#include "settings/settings_text.h"
#include "settings_fixtures.h"

namespace banzuri {
namespace {

using namespace testing;

TEST(SettingsFile, FirstRunCreatesTheFourDefaultLinesInShiftJis) {
    FakeWindow w;
    w.form.Form_Load();
    EXPECT_EQ(read_settings(w), settings_lines(SJIS_MIDORI, "OFF", "ON", "OFF"));
    EXPECT_EQ(read_settings(w),
              "\x94\x77\x8c\x69\x89\xe6=\x97\xce\r\n\x88\xda\x93\xae\x8e\x77\x93\xb1=OFF\r\n"
              "\x8c\x6f\x89\xdf\x8e\x9e\x8a\xd4=ON\r\nBGM=OFF\r\n");
    EXPECT_TRUE(w.form.checked(MenuItem::MIDORI));
    EXPECT_TRUE(w.form.checked(MenuItem::KEIKA));
    EXPECT_FALSE(w.form.checked(MenuItem::SIDOU));
    EXPECT_FALSE(w.form.checked(MenuItem::BGM));
    EXPECT_EQ(w.form.options().background(), BG_MIDORI);
    EXPECT_EQ(w.form.options().guidance(), 0);
    EXPECT_TRUE(w.lines("dsPlayLooping").empty());
    EXPECT_TRUE(w.lines("warning").empty());
    EXPECT_EQ(other_files(w), 0);
    EXPECT_TRUE(w.menu.shown[static_cast<int>(MenuItem::KEIKA)]);
}

TEST(SettingsFile, AFileOfTheWindowsProgramReadsTheSameInAnyOrder) {
    FakeWindow w;
    write_settings(w, "BGM=ON\r\n" + SJIS_ELAPSED + "=OFF\r\n" + SJIS_BACKGROUND + "=" + SJIS_UCHU +
                          "\r\n" + SJIS_GUIDANCE + "=ON\r\n");
    w.form.Form_Load();
    EXPECT_TRUE(w.form.checked(MenuItem::UCHU));
    EXPECT_FALSE(w.form.checked(MenuItem::MIDORI));
    EXPECT_EQ(w.form.options().background(), BG_UCHU);
    EXPECT_TRUE(w.form.checked(MenuItem::SIDOU));
    EXPECT_EQ(w.form.options().guidance(), 1);
    EXPECT_EQ(w.form.painter().guidance_colour(), COLOUR_WHITE);
    EXPECT_FALSE(w.form.checked(MenuItem::KEIKA));
    EXPECT_TRUE(w.form.checked(MenuItem::BGM));
    EXPECT_EQ(w.lines("dsPlayLooping"), (Log{"dsPlayLooping 0"}));
    EXPECT_TRUE(w.form.sound().music_playing());
}

TEST(SettingsFile, EveryBackgroundValueIsRecognised) {
    const std::pair<std::string, MenuItem> cases[] = {{SJIS_MIDORI, MenuItem::MIDORI},
                                                      {SJIS_TATAMI, MenuItem::TATAMI},
                                                      {SJIS_TAKE, MenuItem::TAKE},
                                                      {SJIS_UCHU, MenuItem::UCHU},
                                                      {SJIS_RENGA, MenuItem::RENGA}};
    const int codes[] = {BG_MIDORI, BG_TATAMI, BG_TAKE, BG_UCHU, BG_RENGA};
    for (int i = 0; i < 5; ++i) {
        FakeWindow w;
        write_settings(w, settings_lines(cases[i].first, "OFF", "ON", "OFF"));
        w.form.Form_Load();
        EXPECT_EQ(w.form.options().background(), codes[i]);
        for (const auto& [value, item] : cases)
            EXPECT_EQ(w.form.checked(item), item == cases[i].second);
    }
}

TEST(SettingsFile, UnknownLinesAreIgnoredAndDroppedAtTheNextWrite) {
    FakeWindow w;
    write_settings(w, "[Banzuri]\r\nvolume=7\r\n" + settings_lines(SJIS_TAKE, "ON", "ON", "OFF") +
                          "no equals sign here\r\n");
    w.form.Form_Load();
    EXPECT_TRUE(w.form.checked(MenuItem::TAKE));
    EXPECT_TRUE(w.form.checked(MenuItem::SIDOU));
    w.form.KEIKA_Click();
    EXPECT_EQ(read_settings(w), settings_lines(SJIS_TAKE, "ON", "OFF", "OFF"));
}

TEST(SettingsFile, ABackgroundOutsideTheFiveLeavesTheStartingOneAndIsNotWritten) {
    FakeWindow w;
    write_settings(w, settings_lines("\x8a\x43", "OFF", "ON", "OFF"));  // 海
    w.form.Form_Load();
    EXPECT_EQ(w.form.options().background(), BG_MIDORI);
    for (MenuItem item :
         {MenuItem::MIDORI, MenuItem::TATAMI, MenuItem::TAKE, MenuItem::UCHU, MenuItem::RENGA})
        EXPECT_FALSE(w.form.checked(item));
    w.form.SIDOU_Click();
    EXPECT_EQ(read_settings(w), settings_lines("", "ON", "ON", "OFF"));
}

TEST(SettingsFile, TheLastLineOfAKeyCounts) {
    FakeWindow w;
    write_settings(w, "BGM=ON\r\n" + settings_lines(SJIS_RENGA, "ON", "ON", "OFF") +
                          SJIS_BACKGROUND + "=" + SJIS_TATAMI + "\r\n" + SJIS_BACKGROUND +
                          "=???\r\n");
    w.form.Form_Load();
    EXPECT_EQ(w.form.options().background(), BG_TATAMI);
    EXPECT_FALSE(w.form.checked(MenuItem::BGM));
    EXPECT_FALSE(w.form.sound().music_playing());
}

TEST(SettingsFile, LinuxLineEndsAndUtf8SpellingsAreUnderstood) {
    FakeWindow w;
    write_settings(w, "背景画=煉瓦\n移動指導=ON\r経過時間=OFF\nBGM=OFF");
    w.form.Form_Load();
    EXPECT_EQ(w.form.options().background(), BG_RENGA);
    EXPECT_TRUE(w.form.checked(MenuItem::SIDOU));
    EXPECT_FALSE(w.form.checked(MenuItem::KEIKA));
}

TEST(SettingsFile, ValuesAreExactAndKeysEndAtTheFirstEquals) {
    settings::FileOptions read = settings::parse_settings(SJIS_GUIDANCE + "=on\r\n" + SJIS_ELAPSED +
                                                          "==ON\r\nBGM=ON \r\n BGM=ON\r\n");
    EXPECT_EQ(read.guidance, false);
    EXPECT_EQ(read.elapsed, false);
    EXPECT_EQ(read.music, false);
    EXPECT_FALSE(read.background);
}

TEST(SettingsFile, AnEmptyFileChangesNothingAndIsNotRewritten) {
    FakeWindow w;
    write_settings(w, "");
    w.form.Form_Load();
    EXPECT_EQ(read_settings(w), "");
    EXPECT_FALSE(w.form.checked(MenuItem::KEIKA));
}

TEST(SettingsFile, AFileThatCannotBeReadIsReplacedByTheDefaults) {
    FakeWindow w;
    std::filesystem::create_symlink(w.folder / "elsewhere", settings_path(w));  // dangling
    w.form.Form_Load();
    EXPECT_EQ(read_settings(w), settings_lines(SJIS_MIDORI, "OFF", "ON", "OFF"));
    EXPECT_TRUE(w.lines("warning").empty());
}

}  // namespace
}  // namespace banzuri
