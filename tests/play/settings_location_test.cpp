#include <gtest/gtest.h>
#include <sys/stat.h>

#include "settings/settings_location.h"
#include "settings_fixtures.h"

namespace banzuri {
namespace {

using namespace testing;
using settings::settings_folder;
using settings::SettingsPlaces;

std::string file_bytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Folders {
    FakeWindow w;  // owns a temporary folder, removed at the end
    std::filesystem::path here = w.folder / "here";
    std::filesystem::path run = w.folder / "build" / "run";
    std::filesystem::path config = w.folder / "config";
    std::filesystem::path home = w.folder / "home";
    Folders() { std::filesystem::create_directories(here); }
};

TEST(SettingsLocation, AFileInTheCurrentFolderIsUsedThereWhateverElseIsSet) {
    Folders f;
    std::ofstream(f.here / "Banzuri.ini") << "BGM=ON\r\n";
    EXPECT_EQ(settings_folder({f.here, f.run, f.config.string(), f.home.string()}), f.here);
    EXPECT_EQ(settings_folder({f.here, std::nullopt, "", ""}), f.here);
    // A link to a file elsewhere, even a broken one, is the player's own file too.
    std::filesystem::remove(f.here / "Banzuri.ini");
    std::filesystem::create_symlink(f.w.folder / "gone.ini", f.here / "Banzuri.ini");
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

TEST(SettingsLocation, TheGameReadsAndWritesInItsSettingsFolderNotBesideItsSounds) {
    Folders f;
    std::filesystem::create_directory(f.config);
    std::filesystem::create_directory(f.w.folder / "game");
    {
        FakeWindow w(f.w.folder / "game", f.config);
        w.start_up();
        EXPECT_EQ(file_bytes(f.config / "Banzuri.ini"),
                  settings_lines(SJIS_MIDORI, "OFF", "ON", "OFF"));
        EXPECT_FALSE(std::filesystem::exists(w.folder / "Banzuri.ini"));
        EXPECT_TRUE(w.lines("warning").empty());
    }
    std::ofstream(f.config / "Banzuri.ini", std::ios::binary) << "BGM=ON\r\n";
    std::filesystem::create_directory(f.w.folder / "again");
    FakeWindow again(f.w.folder / "again", f.config);
    again.start_up();
    EXPECT_TRUE(again.form.checked(MenuItem::BGM));
    EXPECT_TRUE(again.lines("warning").empty());
}

}  // namespace
}  // namespace banzuri
