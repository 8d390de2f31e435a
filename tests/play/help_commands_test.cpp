// The help page, the about box and the home page through the recording platform.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "fakes/recording_platform.h"
#include "help/help_address.h"

namespace banzuri {
namespace {

using testing::FakeWindow;

// A start folder whose name has spaces, quotes, shell characters and Japanese.
std::filesystem::path awkward_folder(const std::filesystem::path& base) {
    const std::string name = "盤 すり 'a' \"b\"; #c %d $(x) `y` &z";
    auto dir = base / std::filesystem::path(std::u8string(name.begin(), name.end()));
    std::filesystem::create_directories(dir);
    return dir;
}

void write_page(const std::filesystem::path& dir) {
    std::ofstream(dir / "Banzuri.htm") << "<!DOCTYPE html><title>t</title>";
}

TEST(HelpPage, OpensThePageInTheStartFolderAsOneEncodedFileAddress) {
    FakeWindow base;
    const auto dir = awkward_folder(base.folder);
    write_page(dir);
    FakeWindow w(dir);
    w.form.Form_Load();  // takes the start folder
    w.log.clear();
    w.form.KAISETU_Click();
    ASSERT_EQ(w.log.size(), 1u);
    const std::string expected =
        "open file://" + base.folder.string() +
        "/%E7%9B%A4%20%E3%81%99%E3%82%8A%20%27a%27%20%22b%22%3B%20%23c%20%25d%20%24%28x%29%20"
        "%60y%60%20%26z/Banzuri.htm";
    EXPECT_EQ(w.log[0], expected);
}

TEST(HelpPage, ComesFromTheStartFolderNotTheSettingsFolder) {
    FakeWindow base;
    const auto start = base.folder / "start";
    const auto settings = base.folder / "settings";
    std::filesystem::create_directories(start);
    std::filesystem::create_directories(settings);
    write_page(start);
    write_page(settings);
    FakeWindow w(start, settings);
    w.form.Form_Load();
    w.log.clear();
    w.form.KAISETU_Click();
    EXPECT_EQ(w.log, (testing::Log{"open file://" + start.string() + "/Banzuri.htm"}));
}

// In English the English page opens where it is installed, the Japanese one where it is not;
// in Japanese always the Japanese one.
TEST(HelpPage, TheEnglishPageInEnglish) {
    FakeWindow w;
    write_page(w.folder);
    w.form.set_language(Language::ENGLISH);
    w.form.Form_Load();
    w.log.clear();
    w.form.KAISETU_Click();
    EXPECT_EQ(w.log, (testing::Log{"open file://" + w.folder.string() + "/Banzuri.htm"}));
    std::ofstream(w.folder / "Banzuri-en.htm") << "<!DOCTYPE html><title>t</title>";
    w.log.clear();
    w.form.KAISETU_Click();
    EXPECT_EQ(w.log, (testing::Log{"open file://" + w.folder.string() + "/Banzuri-en.htm"}));
    w.form.set_language(Language::JAPANESE);
    w.log.clear();
    w.form.KAISETU_Click();
    EXPECT_EQ(w.log, (testing::Log{"open file://" + w.folder.string() + "/Banzuri.htm"}));
}

TEST(HelpPage, AMissingPageDisturbsNothing) {
    FakeWindow base;
    FakeWindow w(base.folder / "no such folder");
    w.form.KAISETU_Click();
    EXPECT_TRUE(w.log.empty());
}

TEST(HelpPage, ABrowserThatFailsIsIgnored) {
    FakeWindow w;
    write_page(w.folder);
    w.browser.succeed = false;
    w.form.KAISETU_Click();
    EXPECT_EQ(w.log.size(), 1u);
    EXPECT_TRUE(w.lines("message").empty());
}

TEST(AboutBox, PlaysTheOtherSoundThenShowsTheBox) {
    FakeWindow w;
    w.start_up();
    w.form.VER_Click();
    EXPECT_EQ(w.log, (testing::Log{"dsPlay 1", "about"}));
}

TEST(HomePage, OpensTheMakersAddressAndTellsWhetherItWorked) {
    FakeWindow w;
    EXPECT_TRUE(w.form.HOMEPAGE_Click());
    EXPECT_EQ(w.log, (testing::Log{std::string("open ") + HOME_PAGE_ADDRESS}));
    w.browser.succeed = false;
    EXPECT_FALSE(w.form.HOMEPAGE_Click()) << "the about box then stays open";
}

}  // namespace
}  // namespace banzuri
