#include "settings/options.h"

#include <gtest/gtest.h>

#include <string>

#include "fakes/recording_fakes.h"
#include "settings/backgrounds.h"
#include "settings/settings_fixtures.h"
#include "settings/settings_text.h"

namespace banzuri {
namespace {

using testing::FakeDialogs;
using testing::FakeMenu;
using testing::Log;

struct OptionsTest : ::testing::Test {
    testing::SettingsFolder folder;
    Log log;
    FakeMenu menu;
    FakeDialogs dialogs{log};
    Options options{menu, dialogs, folder.path};
};

TEST_F(OptionsTest, NoFileTakesTheDefaultsAndAsksForThemToBeWritten) {
    const LoadedOptions loaded = options.読込_環境設定ファイル();
    EXPECT_EQ(loaded.background, BG_MIDORI);
    EXPECT_EQ(loaded.guidance, false);
    EXPECT_EQ(loaded.music, false);
    EXPECT_TRUE(loaded.write_back);
    EXPECT_TRUE(options.elapsed());
    EXPECT_TRUE(options.checked(MenuItem::MIDORI));
    EXPECT_TRUE(menu.shown[static_cast<int>(MenuItem::KEIKA)]);
}

TEST_F(OptionsTest, WrittenOptionsReadBackAndTheMarksFollowThem) {
    options.set_background(BG_UCHU);
    options.set_guidance(true);
    options.set_elapsed(false);
    options.set_music(true);
    options.書込_環境設定ファイル();
    EXPECT_FALSE(options.unsaved());

    Options again(menu, dialogs, folder.path);
    const LoadedOptions loaded = again.読込_環境設定ファイル();
    EXPECT_EQ(loaded.background, BG_UCHU);
    EXPECT_EQ(loaded.music, true);
    EXPECT_FALSE(loaded.write_back);
    EXPECT_TRUE(again.checked(MenuItem::UCHU));
    EXPECT_FALSE(again.checked(MenuItem::MIDORI));
    EXPECT_TRUE(again.checked(MenuItem::SIDOU));
    EXPECT_FALSE(again.checked(MenuItem::KEIKA));
    EXPECT_TRUE(again.checked(MenuItem::BGM));
    EXPECT_FALSE(again.checked(MenuItem::LEVEL3));
    EXPECT_TRUE(log.empty());
}

TEST_F(OptionsTest, NoBackgroundMarkWritesNoBackgroundLine) {
    options.書込_環境設定ファイル();
    EXPECT_EQ(folder.read().find(settings::KEY_BACKGROUND), std::string::npos);
    options.チェック設定(BG_TAKE);
    options.書込_環境設定ファイル();
    EXPECT_NE(folder.read().find(settings::KEY_BACKGROUND), std::string::npos);
}

TEST_F(OptionsTest, AFailedWriteWarnsOnceAndKeepsTheOptionsForTheNextRead) {
    Options lost(menu, dialogs, folder.path / "missing" / "deeper");
    lost.set_background(BG_RENGA);
    lost.書込_環境設定ファイル();
    lost.書込_環境設定ファイル();
    EXPECT_TRUE(lost.unsaved());
    EXPECT_EQ(log.size(), 1u);
    const LoadedOptions loaded = lost.読込_環境設定ファイル();
    EXPECT_EQ(loaded.background, BG_RENGA);
    EXPECT_FALSE(loaded.music);
    EXPECT_FALSE(loaded.write_back);
}

}  // namespace
}  // namespace banzuri
