// The lines of the settings file: what a key and a value are, and what is written.
#include "settings/settings_text.h"

#include <gtest/gtest.h>

#include "settings/backgrounds.h"
#include "settings/settings_fixtures.h"

namespace banzuri {
namespace {

using namespace testing;

TEST(SettingsText, ValuesAreExactAndKeysEndAtTheFirstEquals) {
    settings::FileOptions read = settings::parse_settings(SJIS_GUIDANCE + "=on\r\n" + SJIS_ELAPSED +
                                                          "==ON\r\nBGM=ON \r\n BGM=ON\r\n");
    EXPECT_EQ(read.guidance, false);
    EXPECT_EQ(read.elapsed, false);
    EXPECT_EQ(read.music, false);
    EXPECT_FALSE(read.background);
    read = settings::parse_settings("BGM=ON\r\r\n\nBGM");
    EXPECT_EQ(read.music, true) << "empty lines and a last line without \"=\" are skipped";
    EXPECT_FALSE(read.guidance);
}

TEST(SettingsText, WhatIsWrittenIsReadBackForEveryCombination) {
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

TEST(SettingsText, TheLinesAreWrittenInTheirOrderWithCrLf) {
    EXPECT_EQ(settings::format_settings({BG_TAKE, true, false, true}),
              settings_lines(SJIS_TAKE, "ON", "OFF", "ON"));
    EXPECT_EQ(settings::format_settings({0, false, true, false}),
              settings_lines("", "OFF", "ON", "OFF"));
    EXPECT_EQ(settings::format_settings({999, false, false, false}),
              settings_lines("", "OFF", "OFF", "OFF"))
        << "a code that is no background writes no background line";
}

}  // namespace
}  // namespace banzuri
