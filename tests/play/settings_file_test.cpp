// What the window does with the settings file at start-up: the marks, the guidance colour and
// the music it takes from the file, and when it writes the file back.
#include <gtest/gtest.h>

#include "settings/backgrounds.h"
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
    EXPECT_EQ(w.form.painter().guidance_colour(), COLOUR_MARK_GUIDANCE);
    EXPECT_FALSE(w.form.checked(MenuItem::KEIKA));
    EXPECT_TRUE(w.form.checked(MenuItem::BGM));
    EXPECT_EQ(w.lines("dsPlayLooping"), (Log{"dsPlayLooping 0"}));
    EXPECT_TRUE(w.form.sound().music_playing());
}

TEST(SettingsFile, AnEmptyFileChangesNothingAndIsNotRewritten) {
    FakeWindow w;
    write_settings(w, "");
    w.form.Form_Load();
    EXPECT_EQ(read_settings(w), "");
    EXPECT_FALSE(w.form.checked(MenuItem::KEIKA));
}

}  // namespace
}  // namespace banzuri
