// The record's limits agree: a game of any length that fits in a record file is written and
// read back, and a record too large to be read is never written.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "records/random_records.h"
#include "records/record_file.h"
#include "records/record_of_game.h"

namespace banzuri::records {
namespace {

// Both kings step out and back, taking nothing: a game as long as asked for.
Game long_game(int moves) {
    Game game;
    game.start(MODE_MAN, FIRST_PLAYER, FIRST_PLAYER);
    const std::array<Move, 4> steps = {Move::board(5, 9, 5, 8), Move::board(5, 1, 5, 2),
                                       Move::board(5, 8, 5, 9), Move::board(5, 2, 5, 1)};
    for (int n = 0; n < moves; ++n)
        EXPECT_TRUE(game.play(steps[static_cast<std::size_t>(n % 4)], 1.5)) << n;
    return game;
}

class RecordLimits : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("banzuri-record-limits-" + std::to_string(::getpid()));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::filesystem::path dir_;
};

TEST_F(RecordLimits, AGamePastTenThousandMovesIsWrittenAndReadBack) {
    const GameRecord r = record_of_game(long_game(10'003), RecordEnd::LINE_END);
    ASSERT_EQ(r.moves.size(), 10'003u);
    for (const char* name : {"long.kifu", "long.kif"}) {
        ASSERT_EQ(save_record(r, dir_ / name).japanese, "") << name;
        const LoadResult back = load_record(dir_ / name);
        ASSERT_TRUE(back.record) << back.error.japanese;
        EXPECT_EQ(*back.record, r) << name;
    }
}

TEST_F(RecordLimits, TheLongestTimesAreWrittenAndReadBack) {
    GameRecord r = record_of_game(long_game(3), RecordEnd::LINE_END);
    r.moves[0].seconds = r.moves[0].total = 100'000'000;  // the most a record holds
    r.moves[1].seconds = r.moves[1].total = 99'999'999;
    r.moves[2].seconds = 0;
    r.moves[2].total = 100'000'000;
    const std::string file = (dir_ / "slow.kifu").string();
    ASSERT_EQ(save_record(r, file).japanese, "");
    EXPECT_NE(testing::slurp_file(file).find("(1666666:40/27777:46:40)"), std::string::npos);
    const LoadResult back = load_record(file);
    ASSERT_TRUE(back.record) << back.error.japanese;
    EXPECT_EQ(*back.record, r);
}

TEST_F(RecordLimits, ARecordTooLargeToReadIsNotWrittenAndTheOldFileStays) {
    const std::filesystem::path file = dir_ / "last-game.kifu";
    const GameRecord small = testing::random_record(3, 0, 20);
    ASSERT_EQ(save_record(small, file).japanese, "");
    GameRecord huge = record_of_game(long_game(100'000), RecordEnd::LINE_END);
    for (RecordedMove& m : huge.moves) {  // long times make long lines
        m.seconds = 99'000;
        m.total = 99'000'000;
    }
    EXPECT_EQ(save_record(huge, file).japanese,
              "「" + file.string() +
                  "」を保存できません: 棋譜が大きすぎます（棋譜ファイルは4MiBまでです）");
    const LoadResult back = load_record(file);
    ASSERT_TRUE(back.record) << back.error.japanese;
    EXPECT_EQ(*back.record, small);
}

}  // namespace
}  // namespace banzuri::records
