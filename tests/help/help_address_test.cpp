// Addresses handed to the browser.
#include "help/help_address.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace banzuri {
namespace {

std::filesystem::path utf8_path(const std::string& text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

TEST(FileUrl, KeepsPlainPathsReadable) {
    EXPECT_EQ(file_url("/opt/banzuri/Banzuri.htm"), "file:///opt/banzuri/Banzuri.htm");
    EXPECT_EQ(file_url("/a/b-c_d.e~f/x.htm"), "file:///a/b-c_d.e~f/x.htm");
}

TEST(FileUrl, EncodesEveryByteThatCouldEndOrChangeTheAddress) {
    EXPECT_EQ(file_url("/a b/c"), "file:///a%20b/c");
    EXPECT_EQ(file_url("/q'\"/c"), "file:///q%27%22/c");
    EXPECT_EQ(file_url("/s;#%?&=+/c"), "file:///s%3B%23%25%3F%26%3D%2B/c");
    EXPECT_EQ(file_url("/$(x)`y`|\\/c"), "file:///%24%28x%29%60y%60%7C%5C/c");
    EXPECT_EQ(file_url("/tab\tnl\n/c"), "file:///tab%09nl%0A/c");
}

TEST(FileUrl, EncodesJapaneseNamesAsUtf8) {
    EXPECT_EQ(file_url(utf8_path("/home/将棋/盤.htm")),
              "file:///home/%E5%B0%86%E6%A3%8B/%E7%9B%A4.htm");
}

TEST(FileUrl, MakesRelativePathsAbsoluteAndTidy) {
    const std::string url = file_url("some dir/../Banzuri.htm");
    const std::string cwd = file_url(std::filesystem::current_path() / "Banzuri.htm");
    EXPECT_EQ(url, cwd);
    EXPECT_EQ(url.rfind("file:///", 0), 0u);
}

TEST(FileUrl, EveryAddressItBuildsMayBeOpened) {
    for (const std::string name : {"/a b", "/'\"", "/;#%", "/盤 'x'", "/\x01\x7f"})
        EXPECT_TRUE(openable_address(file_url(utf8_path(name)))) << name;
}

TEST(OpenableAddress, OnlyWebAndFileAddressesWithoutLooseCharacters) {
    EXPECT_TRUE(openable_address(HOME_PAGE_ADDRESS));
    EXPECT_TRUE(openable_address("http://example.org/a?b=c#d"));
    EXPECT_TRUE(openable_address("file:///tmp/a%20b.htm"));
    EXPECT_FALSE(openable_address(""));
    EXPECT_FALSE(openable_address("javascript:alert(1)"));
    EXPECT_FALSE(openable_address("file://host/x"));
    EXPECT_FALSE(openable_address("/tmp/Banzuri.htm"));
    EXPECT_FALSE(openable_address("file:///tmp/a b.htm"));
    EXPECT_FALSE(openable_address("https://x.org/\"; rm -rf ~"));
    EXPECT_FALSE(openable_address("https://x.org/`y`"));
    EXPECT_FALSE(openable_address("https://x.org/盤"));
    EXPECT_FALSE(openable_address("https://x.org/a\nb"));
}

}  // namespace
}  // namespace banzuri
