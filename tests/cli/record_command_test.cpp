// banzuri-cli record: the final position and winner of a saved game, and its start and moves
// in the notation play takes, which lead play to the same position.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <random>

#include "cli/commands.h"
#include "cli/run_cli.h"
#include "cli/sfen.h"
#include "records/position_sfen.h"
#include "records/random_records.h"
#include "records/record_file.h"

namespace banzuri::cli {
namespace {

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t a = 0, b; (b = text.find('\n', a)) != std::string::npos; a = b + 1)
        lines.push_back(text.substr(a, b - a));
    return lines;
}

class RecordCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("banzuri-record-cli-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::filesystem::path dir_;
};

TEST_F(RecordCommand, SavedGamesReplayThroughPlayToTheSamePosition) {
    for (std::uint32_t seed = 1; seed <= 24 && !::testing::Test::HasFailure(); ++seed) {
        const records::GameRecord r = testing::random_record(seed, static_cast<int>(seed), 60);
        const std::string file = (dir_ / (seed % 2 ? "g.kif" : "g.kifu")).string();
        ASSERT_EQ(records::save_record(r, file).japanese, "");
        const Output final_position = run({"record", file});
        ASSERT_EQ(final_position.status, 0) << final_position.err;
        const std::string winner = r.winner == records::Side::lower   ? "lower"
                                   : r.winner == records::Side::upper ? "upper"
                                                                      : "none";
        EXPECT_EQ(lines_of(final_position.out).at(1), "winner: " + winner);

        const Output usi = run({"record", "--usi", file});
        ASSERT_EQ(usi.status, 0) << usi.err;
        const std::vector<std::string> lines = lines_of(usi.out);
        ASSERT_EQ(lines.size(), r.moves.size() + 1);
        Args play_args = lines;
        play_args.insert(play_args.begin(), "play");
        const Output played = run(play_args);
        ASSERT_EQ(played.status, 0) << played.err;
        if (resigned(r))
            EXPECT_EQ(lines_of(played.out).at(0), lines_of(final_position.out).at(0));
        else
            EXPECT_EQ(played.out, final_position.out) << seed;
    }
}

TEST_F(RecordCommand, ThroughTheExecutable) {
    const std::string file = (dir_ / "game.kifu").string();
    ASSERT_EQ(records::save_record(testing::random_record(5, 3, 30), file).japanese, "");
    const testing::CliRun ok = testing::run_cli({"record", file});
    EXPECT_EQ(ok.status, 0);
    EXPECT_EQ(ok.out, run({"record", file}).out);

    const std::string bad = (dir_ / "bad.kifu").string();
    std::ofstream(bad) << "先手：あなた\n\n1 ７六歩(77)\n2 ７五歩(73)\n";
    const testing::CliRun refused = testing::run_cli({"record", bad});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err, "banzuri-cli: record: 「" + bad +
                               "」は棋譜として読めません: 4行目: 2手目「７五歩(73)」: "
                               "この局面では指せない手です\n");
}

TEST_F(RecordCommand, WrongArgumentsAreOneLineAndStatusTwo) {
    for (const Args& args : {Args{"record"}, Args{"record", "--usi"}, Args{"record", "a", "b"},
                             Args{"record", (dir_ / "none.kif").string()}}) {
        const Output r = run(args);
        EXPECT_EQ(r.status, EXIT_BAD_INPUT);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
    }
}

TEST(PositionSfen, AgreesWithTheToolOnRandomPositions) {
    std::mt19937 rng(99);
    for (int i = 0; i < 40; ++i) {
        const records::GameRecord r = testing::random_record(static_cast<std::uint32_t>(i), i, 50);
        Position p;
        ASSERT_EQ(records::replay(r, p.game), std::nullopt);
        ASSERT_EQ(p.lower_to_move(), records::lower_to_move_at_end(r));
        p.move_number = static_cast<long long>(r.moves.size()) + 1;
        const GameState& g = p.game.position();
        EXPECT_EQ(records::position_sfen(g.board, g.hand_own, g.hand_enemy, p.lower_to_move(),
                                         static_cast<int>(p.move_number)),
                  to_sfen(p));
    }
}

}  // namespace
}  // namespace banzuri::cli
