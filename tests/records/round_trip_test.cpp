// Seeded random games written as KIF and read back, through files in both encodings, and
// through the game's own record entries, come back identical.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <limits>

#include "records/entries.h"
#include "records/kif_format.h"
#include "records/kif_reader.h"
#include "records/random_records.h"
#include "records/record_file.h"
#include "records/record_of_game.h"
#include "records/text_encoding.h"

namespace banzuri::records {
namespace {

std::filesystem::path scratch_folder() {
    const auto dir =
        std::filesystem::temp_directory_path() / ("banzuri-records-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    return dir;
}

TEST(RecordRoundTrip, RandomGamesThroughKifText) {
    int captures = 0, drops = 0, promotions = 0, decided = 0, resignations = 0;
    for (std::uint32_t seed = 1; seed <= 80 && !::testing::Test::HasFailure(); ++seed) {
        const GameRecord r = testing::random_record(seed, static_cast<int>(seed));
        ASSERT_EQ(check_record(r), std::nullopt) << seed;
        const std::string text = write_kif(r);
        const KifResult back = read_kif(text);
        ASSERT_TRUE(back.record) << seed << ": " << back.problem.text().japanese << "\n" << text;
        EXPECT_EQ(*back.record, r) << seed << "\n" << text;
        EXPECT_EQ(write_kif(*back.record), text);
        for (const RecordedMove& m : r.moves) {
            drops += m.move.is_drop();
            promotions += m.move.promote;
        }
        const std::vector<RecordEntry> entries = to_entries(r);
        for (std::size_t i = 0; i + 1 < entries.size(); ++i) {
            int pieces_before = 0, pieces_after = 0;
            for (std::size_t x = 1; x <= 9; ++x)
                for (std::size_t y = 1; y <= 9; ++y) {
                    pieces_before += entries[i].board[x][y] != EMPTY;
                    pieces_after += entries[i + 1].board[x][y] != EMPTY;
                }
            captures += pieces_after < pieces_before;
        }
        decided += r.winner != Side::none && !resigned(r);
        resignations += resigned(r);
    }
    EXPECT_GT(captures, 50);
    EXPECT_GT(drops, 20);
    EXPECT_GT(promotions, 10);
    EXPECT_GT(decided, 3);
    EXPECT_GT(resignations, 3);
}

TEST(RecordRoundTrip, RandomGamesThroughFilesInBothEncodings) {
    const auto dir = scratch_folder();
    for (std::uint32_t seed = 100; seed < 124; ++seed) {
        const GameRecord r = testing::random_record(seed, static_cast<int>(seed));
        for (const char* name : {"game.kifu", "game.kif"}) {
            const auto path = dir / name;
            ASSERT_EQ(save_record(r, path).japanese, "") << seed;
            const LoadResult back = load_record(path);
            ASSERT_TRUE(back.record) << back.error.japanese;
            EXPECT_EQ(*back.record, r) << seed << " " << name;
        }
        std::size_t bad = 0;
        EXPECT_FALSE(is_utf8(testing::slurp_file(dir / "game.kif"), bad)) << "Shift-JIS";
    }
    std::filesystem::remove_all(dir);
}

// The positions a record gives the window, played again as a game, give back its moves.
TEST(RecordRoundTrip, GameEntriesGiveTheSameMovesClocksAndWinner) {
    for (std::uint32_t seed = 200; seed < 240 && !::testing::Test::HasFailure(); ++seed) {
        GameRecord r = testing::random_record(seed, static_cast<int>(seed));
        const std::vector<RecordEntry> entries = to_entries(r);
        ASSERT_EQ(entries.size(), r.moves.size() + 1);
        Game game;
        ASSERT_FALSE(replay(r, game)) << seed;
        EXPECT_EQ(game.line(), entries) << seed;
        const GameRecord back = record_of_game(game, RecordEnd::LINE_END);
        EXPECT_EQ(back.start, r.start);
        EXPECT_EQ(back.moves, r.moves) << seed;
    }
}

TEST(RecordRoundTrip, EntriesKeepTheClocksAroundEachMove) {
    GameRecord r = testing::random_record(7, 0, 4);
    r.moves[0].seconds = 3;
    r.moves[0].total = 3;
    r.moves[1].seconds = 10;
    r.moves[1].total = 10;
    r.moves[2].seconds = 4;
    r.moves[2].total = 7;
    const std::vector<RecordEntry> e = to_entries(r);
    EXPECT_EQ(e[2].time_lower_before, 3);
    EXPECT_EQ(e[2].time_lower_after, 7);
    EXPECT_EQ(e[2].time_upper_before, 10);
    EXPECT_EQ(e[2].time_upper_after, 10);
    EXPECT_EQ(e[4].time_lower_before, 7) << "the position after the last move holds the totals";
    EXPECT_EQ(e[4].time_upper_before, r.moves[3].total);
}

TEST(RecordRoundTrip, FractionalClocksBecomeWholeSeconds) {
    Game game;
    game.start(MODE_MAN, FIRST_PLAYER, FIRST_PLAYER);
    ASSERT_TRUE(game.play(Move::board(3, 7, 3, 6), MoveClocks{0.4, 3.9, 0, 0}));
    ASSERT_TRUE(game.play(Move::board(7, 3, 7, 4), MoveClocks{3.9, 3.9, 0, 1.99}));
    const GameRecord back = record_of_game(game, RecordEnd::LINE_END);
    ASSERT_EQ(back.moves.size(), 2u);
    EXPECT_EQ(back.moves[0].seconds, 3);
    EXPECT_EQ(back.moves[0].total, 3);
    EXPECT_EQ(back.moves[1].seconds, 1);
    EXPECT_EQ(back.moves[1].total, 1);
    EXPECT_EQ(whole_seconds(-5), 0);
    EXPECT_EQ(whole_seconds(std::numeric_limits<double>::quiet_NaN()), 0);
}

}  // namespace
}  // namespace banzuri::records
