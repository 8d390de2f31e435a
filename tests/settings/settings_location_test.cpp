// Where the settings file lives: the current folder, the build tree's run folder or the
// user's configuration folder, and making that folder.
#include "settings/settings_location.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "settings/settings_fixtures.h"

namespace banzuri {
namespace {

using settings::settings_folder;

struct Folders {
    testing::SettingsFolder root;  // removed at the end with everything below it
    std::filesystem::path here = root.path / "here";
    std::filesystem::path run = root.path / "build" / "run";
    std::filesystem::path config = root.path / "config";
    std::filesystem::path home = root.path / "home";
    Folders() { std::filesystem::create_directories(here); }
};

TEST(SettingsLocation, AFileInTheCurrentFolderIsUsedThereWhateverElseIsSet) {
    Folders f;
    std::ofstream(f.here / "Banzuri.ini") << "BGM=ON\r\n";
    EXPECT_EQ(settings_folder({f.here, f.run, f.config.string(), f.home.string()}), f.here);
    EXPECT_EQ(settings_folder({f.here, std::nullopt, "", ""}), f.here);
    // A link to a file elsewhere, even a broken one, is the player's own file too.
    std::filesystem::remove(f.here / "Banzuri.ini");
    std::filesystem::create_symlink(f.root.path / "gone.ini", f.here / "Banzuri.ini");
    EXPECT_EQ(settings_folder({f.here, std::nullopt, f.config.string(), ""}), f.here);
}

TEST(SettingsLocation, WithoutOneTheBuildTreeKeepsItsRunFolderAndAnInstalledGameTheConfigFolder) {
    Folders f;
    EXPECT_EQ(settings_folder({f.here, f.run, f.config.string(), f.home.string()}), f.run);
    EXPECT_EQ(settings_folder({f.here, std::nullopt, f.config.string(), f.home.string()}),
              f.config / "banzuri");
    EXPECT_EQ(settings_folder({f.here, std::nullopt, "", f.home.string()}),
              f.home / ".config" / "banzuri");
    // A relative XDG_CONFIG_HOME is ignored; with no usable home either, the current folder.
    EXPECT_EQ(settings_folder({f.here, std::nullopt, "config", f.home.string()}),
              f.home / ".config" / "banzuri");
    EXPECT_EQ(settings_folder({f.here, std::nullopt, "config", "home"}), f.here);
    EXPECT_EQ(settings_folder({f.here, std::nullopt, "", ""}), f.here);
    // A folder called Banzuri.ini is no settings file, but it is in the way: still used, so the
    // write fails as it always did there.
    std::filesystem::create_directory(f.here / "Banzuri.ini");
    EXPECT_EQ(settings_folder({f.here, std::nullopt, f.config.string(), ""}), f.here);
}

TEST(SettingsLocation, MakingTheFolderCreatesPrivateParentsAndFailsWhenAFileIsInTheWay) {
    Folders f;
    const auto folder = f.home / ".config" / "banzuri";
    ASSERT_TRUE(settings::make_settings_folder(folder));
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    struct stat info {};
    ASSERT_EQ(::stat(folder.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_TRUE(settings::make_settings_folder(folder));  // already there
    std::ofstream(f.config) << "a file, not a folder";
    EXPECT_FALSE(settings::make_settings_folder(f.config / "banzuri"));
}

}  // namespace
}  // namespace banzuri
