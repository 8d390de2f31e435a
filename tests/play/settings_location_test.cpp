// The window reads and writes the settings file in the folder it is given.
#include <gtest/gtest.h>

#include "settings_fixtures.h"

namespace banzuri {
namespace {

using namespace testing;

std::string file_bytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Folders {
    FakeWindow w;  // owns a temporary folder, removed at the end
    std::filesystem::path config = w.folder / "config";
};

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
