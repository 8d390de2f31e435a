// banzuri-cli analyse: a saved game, one line per move with the scores around it, the search's
// move and the marks; a move that lets the king be taken is a 悪手. Bad arguments are refused.
#include "cli/analyse_command.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "../rules/fixtures.h"
#include "cli/run_cli.h"
#include "records/record_file.h"
#include "records/record_of_game.h"

namespace banzuri::cli {
namespace {

class AnalyseCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("banzuri-analyse-cli-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    // The game saved as `name`: from the position `g`, the lower side first, `moves` played.
    std::string saved(const std::string& name, const GameState& g, const std::vector<Move>& moves) {
        Game game;
        game.set_position(g.board, g.hand_own, g.hand_enemy, true);
        for (const Move& m : moves)
            EXPECT_TRUE(game.play(m, 1.0).has_value());
        const std::string file = (dir_ / name).string();
        EXPECT_EQ(
            records::save_record(records::record_of_game(game, records::RecordEnd::LINE_END), file)
                .japanese,
            "");
        return file;
    }
    std::filesystem::path dir_;
};

TEST_F(AnalyseCommand, AMoveThatLetsTheKingBeTakenIsMarkedABlunder) {
    // The lower side pushes a pawn and the upper gold takes the lower king.
    const GameState g = testing::king_left_to_capture();
    const std::string file =
        saved("blunder.kifu", g, {Move::board(1, 7, 1, 6), Move::board(4, 6, 4, 7)});
    const testing::CliRun r = testing::run_cli({"analyse", file, "--nodes", "20000"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const auto first = r.out.find('\n');
    ASSERT_NE(first, std::string::npos);
    const std::string pawn = r.out.substr(0, first);
    EXPECT_TRUE(pawn.starts_with("1 9g9f ")) << pawn;
    EXPECT_NE(pawn.find(" -999 best "), std::string::npos) << "the king falls next: " << pawn;
    EXPECT_TRUE(pawn.ends_with(" 悪手")) << pawn;
    EXPECT_EQ(r.out.substr(first + 1), "2 6f6g -999 -999 best 6f6g\n");
}

TEST(AnalyseLine, ShowsPawnsWithSignsKingCapturesAs999AndTheMark) {
    MoveVerdict v{Move::board(7, 7, 7, 6), true,          0.35, -1.2,
                  Move::drop_of(1, 5, 5),  MoveMark::none};
    EXPECT_EQ(analysis_line(12, v), "12 3g3f +0.35 -1.20 best P*5e\n");
    v.after = -KING_CAPTURE_PAWNS;
    v.mark = MoveMark::blunder;
    EXPECT_EQ(analysis_line(3, v), "3 3g3f +0.35 -999 best P*5e 悪手\n");
    v.before = KING_CAPTURE_PAWNS;
    v.after = 0;
    v.best.reset();
    v.mark = MoveMark::dubious;
    EXPECT_EQ(analysis_line(4, v), "4 3g3f +999 +0.00 best - 疑問手\n");
}

TEST_F(AnalyseCommand, RefusesBadArgumentsAndFilesWithOneLine) {
    const std::string file = saved("one.kifu", testing::start_game(), {Move::board(7, 7, 7, 6)});
    EXPECT_EQ(run({"analyse", file, "--nodes", "50"}).status, 0);
    const struct {
        Args args;
        std::string err;
    } cases[] = {
        {{"analyse"}, "banzuri-cli: analyse: expected a record FILE\n"},
        {{"analyse", file, "--level", "3"},
         "banzuri-cli: analyse: --level: expected a level 4 or 5\n"},
        {{"analyse", file, "--nodes", "5", "--movetime", "5"},
         "banzuri-cli: analyse: --movetime: give either --nodes or --movetime, not both\n"},
        {{"analyse", file, file},
         "banzuri-cli: analyse: option " + cli::quoted(file) + ": unknown option\n"},
        {{"analyse", file, "--terms"},
         "banzuri-cli: analyse: option \"--terms\": unknown option\n"},
    };
    for (const auto& c : cases) {
        const Output out = run(c.args);
        EXPECT_EQ(out.status, EXIT_BAD_INPUT);
        EXPECT_EQ(out.out, "");
        EXPECT_EQ(out.err, c.err);
    }
    const Output missing = run({"analyse", (dir_ / "none.kifu").string(), "--nodes", "50"});
    EXPECT_EQ(missing.status, EXIT_BAD_INPUT);
    EXPECT_TRUE(missing.err.starts_with("banzuri-cli: analyse \"")) << missing.err;
}

}  // namespace
}  // namespace banzuri::cli
