// bestmove at levels 4 and 5 and match, end to end with node budgets (deterministic), the
// players of every level for either side, and the Elo summary.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "../rules/fixtures.h"
#include "cli/match.h"
#include "cli/players.h"
#include "cli/run_cli.h"
#include "rules/legal_moves.h"

namespace banzuri {
namespace {

using testing::CliRun;
using testing::run_cli;

const std::string kStart = "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1";
const std::string kStartUpper = "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1";
// The lower king on 5g between an upper gold on 4g and the square 6g an upper gold can reach.
const std::string kKingBetween = "8k/9/9/9/9/3g5/4Kg3/9/9 w - 1";
// The same turned round: the lower side takes the upper king by moving 4d4c.
const std::string kKingBetweenLower = "9/9/3Gk4/5G3/9/9/9/9/K8 b - 1";
const std::string kUpperStuck = "3SkS3/3GGG3/9/9/9/9/9/9/4K4 w - 1";

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

bool listed(const std::string& sfen, const std::string& move) {
    for (const std::string& m : lines_of(run_cli({"moves", sfen}).out))
        if (m == move) return true;
    return false;
}

TEST(LookAheadBestmove, InfoThenALegalMoveOfTheSideToMoveRepeatably) {
    for (const std::string& sfen : {kStart, kStartUpper}) {
        for (const std::string level : {"4", "5"}) {
            const CliRun r = run_cli({"bestmove", sfen, "--level", level, "--nodes", "3000"});
            ASSERT_EQ(r.status, 0) << r.err;
            const auto lines = lines_of(r.out);
            ASSERT_EQ(lines.size(), 2u) << r.out;
            EXPECT_EQ(lines[0].rfind("info depth ", 0), 0u);
            EXPECT_NE(lines[0].find(" nodes 3000 score cp "), std::string::npos) << lines[0];
            ASSERT_EQ(lines[1].rfind("bestmove ", 0), 0u);
            EXPECT_TRUE(listed(sfen, lines[1].substr(9))) << lines[1];
            EXPECT_EQ(run_cli({"bestmove", sfen, "--level", level, "--nodes", "3000"}).out, r.out);
        }
    }
    const CliRun timed = run_cli({"bestmove", kStart, "--level", "4", "--movetime", "50"});
    ASSERT_EQ(timed.status, 0) << timed.err;
    EXPECT_EQ(lines_of(timed.out).size(), 2u);
}

TEST(LookAheadBestmove, TakesTheKingForEitherSideAndResignsWithoutAMove) {
    EXPECT_EQ(run_cli({"bestmove", kKingBetween, "--level", "4", "--nodes", "5000"}).out,
              "info depth 1 nodes 12 score mate 1\nbestmove 6f6g\n");
    const CliRun lower =
        run_cli({"bestmove", kKingBetweenLower, "--level", "5", "--nodes", "5000"});
    EXPECT_EQ(lines_of(lower.out).back(), "bestmove 4d4c");
    EXPECT_NE(lower.out.find("score mate 1"), std::string::npos);
    EXPECT_EQ(lines_of(run_cli({"bestmove", kUpperStuck, "--level", "4"}).out).back(),
              "bestmove resign");
}

TEST(LookAheadCommands, RefuseBadArguments) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"bestmove", kStart, "--level", "3", "--nodes", "5"},
             {"bestmove", kStart, "--level", "4", "--nodes", "0"},
             {"bestmove", kStart, "--level", "4", "--nodes"},
             {"bestmove", kStart, "--level", "4", "--nodes", "5", "--movetime", "5"},
             {"bestmove", kStart, "--level", "5", "--movetime", "x"},
             {"trace", kStart, "--level", "4"},
             {"trace", kStart, "--nodes", "5"},
             {"match"},
             {"match", "--levels", "4", "--games", "2", "--seed", "1"},
             {"match", "--levels", "0", "3", "--games", "2", "--seed", "1"},
             {"match", "--levels", "4", "3", "--games", "0", "--seed", "1"},
             {"match", "--levels", "4", "3", "--games", "2"},
             {"match", "--levels", "4", "3", "--games", "2", "--seed", "1", "--nodes", "-3"},
             {"match", "--levels", "4", "3", "--games", "2", "--seed", "1", "--nodes", "3",
              "--movetime", "3"},
             {"match", "--levels", "4", "3", "--games", "2", "--seed", "1", "--fast", "1"}}) {
        const CliRun r = run_cli(args);
        EXPECT_EQ(r.status, 2) << args.back();
        EXPECT_EQ(r.out, "") << args.back();
        EXPECT_EQ(r.err.rfind("banzuri-cli: ", 0), 0u) << r.err;
        EXPECT_EQ(lines_of(r.err).size(), 1u) << r.err;
    }
}

TEST(MatchCommand, GamesAlternateColoursAndTheSummaryCounts) {
    const std::vector<std::string> args = {"match", "--levels", "4", "3",       "--games",
                                           "2",     "--seed",   "3", "--nodes", "300"};
    const CliRun r = run_cli(args);
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = lines_of(r.out);
    ASSERT_EQ(lines.size(), 3u) << r.out;
    EXPECT_EQ(lines[0].rfind("game 1: A LEVEL4 first, B LEVEL3, ", 0), 0u) << lines[0];
    EXPECT_EQ(lines[1].rfind("game 2: A LEVEL4 second, B LEVEL3, ", 0), 0u) << lines[1];
    EXPECT_EQ(lines[2].rfind("games 2, A LEVEL4 vs B LEVEL3: wins ", 0), 0u) << lines[2];
    EXPECT_NE(lines[2].find(", score "), std::string::npos);
    EXPECT_NE(lines[2].find(", Elo "), std::string::npos);
    EXPECT_EQ(run_cli(args).out, r.out);  // the seed and the budgets replay the same games
}

TEST(MatchSummary, EloWithItsInterval) {
    EXPECT_EQ(cli::elo_text(1, 1, 0), "+0 (95% -inf .. +inf)");
    EXPECT_EQ(cli::elo_text(3, 1, 0), "+191 (95% -126 .. +inf)");
    EXPECT_EQ(cli::elo_text(4, 0, 0), "+inf (95% +7 .. +inf)");
    EXPECT_EQ(cli::elo_text(0, 4, 0), "-inf (95% -inf .. -7)");
    EXPECT_EQ(cli::elo_text(50, 30, 20), "+70 (95% +10 .. +135)");
}

TEST(Players, TheOnePlyLevelsPlayTheLowerSideOnTheBoardTurnedRound) {
    GameState g = testing::start_game();
    ComputerState scratch;
    // The upper side's first choice at level 3 is 3c3d; the lower side mirrors it.
    const auto lower = cli::computer_move(g, true, 3, {}, scratch);
    ASSERT_TRUE(lower.has_value());
    EXPECT_EQ(*lower, Move::board(3, 7, 3, 6));
    const auto upper = cli::computer_move(g, false, 3, {}, scratch);
    ASSERT_TRUE(upper.has_value());
    EXPECT_EQ(*upper, Move::board(7, 3, 7, 4));
    // A drop from the lower hand (the lower side has nothing else) comes back as the lower
    // side's drop.
    GameState h = testing::empty_game();
    h.set(5, 1, UPPER_OU);
    h.hand_own[KIND_KIN] = 1;
    const auto drop = cli::computer_move(h, true, 1, {}, scratch);
    ASSERT_TRUE(drop.has_value());
    EXPECT_EQ(drop->drop, KIND_KIN);
    EXPECT_EQ(drop->from, Square{});
    EXPECT_EQ(moving_piece(h, true, *drop), LOWER_KIN);
    GameState played = h;
    EXPECT_TRUE(is_legal(played, true, *drop));
    EXPECT_EQ(cli::turned_round(h).at(5, 9), LOWER_OU);
    EXPECT_EQ(cli::turned_round(h).hand_enemy[KIND_KIN], 1);
}

}  // namespace
}  // namespace banzuri
