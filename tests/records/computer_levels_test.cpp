// Records of games against the look-ahead levels name them and read back.
#include <gtest/gtest.h>

#include "records/kif_format.h"
#include "records/kif_reader.h"
#include "records/replay.h"

namespace banzuri::records {
namespace {

TEST(ComputerLevels, EveryLevelFromOneToFiveRoundTrips) {
    for (int level = 1; level <= 5; ++level) {
        GameRecord r;
        r.start = standard_start();
        r.game_mode = MODE_COM;
        r.level = level;
        const std::string text = write_kif(r);
        EXPECT_NE(text.find("後手：コンピュータ LEVEL" + std::to_string(level) + "\n"),
                  std::string::npos);
        const KifResult read = read_kif(text);
        ASSERT_TRUE(read.record) << read.problem.text().japanese;
        EXPECT_EQ(read.record->game_mode, MODE_COM);
        EXPECT_EQ(read.record->level, level);
        Game game;
        EXPECT_FALSE(replay(*read.record, game)) << level;
    }
}

TEST(ComputerLevels, LevelsBeyondFiveAreRefused) {
    GameRecord r;
    r.start = standard_start();
    r.game_mode = MODE_COM;
    r.level = 6;
    Game game;
    EXPECT_TRUE(replay(r, game));
    const KifResult read = read_kif("先手：あなた\n後手：コンピュータ LEVEL6\nまで0手で中断\n");
    ASSERT_TRUE(read.record);
    EXPECT_EQ(read.record->game_mode, MODE_MAN) << "an unknown level is a person's name";
}

}  // namespace
}  // namespace banzuri::records
