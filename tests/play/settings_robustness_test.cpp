// The window under random and read-only settings files: its marks, music and guidance stay in
// step with the options, and a file it cannot write is left as it was.
#include <gtest/gtest.h>

#include <random>

#include "settings/backgrounds.h"
#include "settings_fixtures.h"

namespace banzuri {
namespace {

using namespace testing;

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
        w.form.Form_Load();
        w.log.clear();
        const int code = w.form.options().background();
        EXPECT_TRUE(code == BG_MIDORI || code == BG_TATAMI || code == BG_TAKE || code == BG_UCHU ||
                    code == BG_RENGA);
        EXPECT_EQ(w.form.options().guidance(), w.form.checked(MenuItem::SIDOU) ? 1 : 0);
        EXPECT_EQ(w.form.sound().music_playing(), w.form.checked(MenuItem::BGM));
        EXPECT_EQ(read_settings(w), text);
    }
}

// The write is refused by the file's own mode bits, so this holds for root as well.
TEST(SettingsRobustness, AReadOnlyFileIsKeptByteForByteAndWarnedOnce) {
    for (const auto mode :
         {std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
              std::filesystem::perms::others_read,
          std::filesystem::perms::owner_read | std::filesystem::perms::group_all}) {
        FakeWindow w;
        const std::string pinned = settings_lines(SJIS_UCHU, "ON", "OFF", "OFF") + "# mine\r\n";
        write_settings(w, pinned);
        std::filesystem::permissions(settings_path(w), mode);
        w.form.Form_Load();
        w.form.BGM_Click();
        w.form.RENGA_Click();
        EXPECT_EQ(read_settings(w), pinned);
        EXPECT_EQ(std::filesystem::status(settings_path(w)).permissions(), mode);
        EXPECT_EQ(other_files(w), 0) << "no temporary file is left";
        EXPECT_EQ(w.lines("warning").size(), 1u);
        EXPECT_TRUE(w.form.checked(MenuItem::BGM)) << "the choices stay for this game";
        EXPECT_TRUE(w.form.checked(MenuItem::RENGA));
        std::filesystem::permissions(settings_path(w), std::filesystem::perms::owner_all);
    }
}

}  // namespace
}  // namespace banzuri
