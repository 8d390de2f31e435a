// bestmove, trace and selfplay end to end.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/run_cli.h"

namespace banzuri {
namespace {

using testing::CliRun;
using testing::run_cli;

const std::string kStartUpperToMove =
    "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1";
// The upper king on 5a boxed in by lower silvers and golds.
const std::string kUpperStuck = "3SkS3/3GGG3/9/9/9/9/9/9/4K4 w - 1";
// The lower king on 5g between an upper gold on 4g and the square 6g an upper gold can reach.
const std::string kKingBetween = "8k/9/9/9/9/3g5/4Kg3/9/9 w - 1";

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

TEST(BestmoveCommand, StartPositionAtEachLevel) {
    EXPECT_EQ(run_cli({"bestmove", kStartUpperToMove}).out, "bestmove 3c3d\n");
    EXPECT_EQ(run_cli({"bestmove", kStartUpperToMove, "--level", "3"}).out, "bestmove 3c3d\n");
    EXPECT_EQ(run_cli({"bestmove", kStartUpperToMove, "--level", "1"}).out, "bestmove 9a9b\n");
    const CliRun first = run_cli({"bestmove", kStartUpperToMove, "--upper-first"});
    EXPECT_EQ(first.status, 0);
    EXPECT_EQ(first.out, "bestmove 3c3d\n");
}

TEST(BestmoveCommand, TakesTheKingWhenItCan) {
    EXPECT_EQ(run_cli({"bestmove", kKingBetween, "--level", "1"}).out, "bestmove 6f6g\n");
}

TEST(BestmoveCommand, ResignsWithoutAMove) {
    const CliRun r = run_cli({"bestmove", kUpperStuck});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "bestmove resign\n");
}

TEST(TraceCommand, EveryOptionInScanOrderThenTheChoice) {
    const CliRun r = run_cli({"trace", kKingBetween, "--level", "1"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = lines_of(r.out);
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines.front(), "6f7f 0");
    EXPECT_EQ(lines[3], "6f6g 1000");
    EXPECT_EQ(lines.back(), "bestmove 6f6g");
}

TEST(TraceCommand, ScoresInTenthsAndTheFirstBestIsChosen) {
    const CliRun r = run_cli({"trace", kStartUpperToMove});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = lines_of(r.out);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines.front(), "9a9b 0.1");  // a lance move: advance +1, lance -0.9
    double best = -1e9;
    std::string first_best;
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        const auto space = lines[i].find(' ');
        ASSERT_NE(space, std::string::npos) << lines[i];
        const double score = std::stod(lines[i].substr(space + 1));
        if (score > best) {
            best = score;
            first_best = lines[i].substr(0, space);
        }
    }
    EXPECT_EQ(lines.back(), "bestmove " + first_best);
    EXPECT_EQ(first_best, "3c3d");
    EXPECT_DOUBLE_EQ(best, 10.9);
}

TEST(TraceCommand, TermsListTheEvaluation) {
    const CliRun r = run_cli({"trace", kKingBetween, "--level", "1", "--terms"});
    const auto lines = lines_of(r.out);
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines[3], "6f6g 1000  sandwich +20; king capture =1000; ");
}

TEST(TraceCommand, ResignsWithoutAMove) {
    EXPECT_EQ(run_cli({"trace", kUpperStuck}).out, "bestmove resign\n");
}

TEST(ComputerCommands, RefuseBadArguments) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"bestmove"},
                                               {"bestmove", "not an sfen"},
                                               {"bestmove", kStartUpperToMove, "--level", "6"},
                                               {"bestmove", kStartUpperToMove, "--level"},
                                               {"bestmove", kStartUpperToMove, "--terms"},
                                               {"trace", kStartUpperToMove, "--level", "x"},
                                               {"selfplay"},
                                               {"selfplay", "--games", "2"},
                                               {"selfplay", "--games", "0", "--seed", "1"},
                                               {"selfplay", "--games", "1", "--seed", "-1"},
                                               {"selfplay", "--games", "1", "--seed", "1", "-x"},
                                               {"selfplay", "--games", "1", "--seed"}}) {
        const CliRun r = run_cli(args);
        EXPECT_EQ(r.status, 2) << args.back();
        EXPECT_EQ(r.out, "") << args.back();
        EXPECT_EQ(r.err.rfind("banzuri-cli: ", 0), 0u) << r.err;
    }
}

TEST(SelfplayCommand, GamesEndAndPiecesAreConserved) {
    const CliRun r = run_cli({"selfplay", "--games", "3", "--seed", "7", "--level", "2"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = lines_of(r.out);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].rfind("game 1: ", 0), 0u);
    EXPECT_NE(lines[0].find(" moves, winner "), std::string::npos);
    EXPECT_EQ(lines[3].rfind("games 3, computer ", 0), 0u);
    EXPECT_NE(lines[3].find("pieces conserved"), std::string::npos);
    // The same seed replays the same games.
    EXPECT_EQ(run_cli({"selfplay", "--games", "3", "--seed", "7", "--level", "2"}).out, r.out);
}

}  // namespace
}  // namespace banzuri
