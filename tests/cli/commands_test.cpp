// The executable end to end: output, exit status and the one-line refusals.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "cli/run_cli.h"

namespace banzuri {
namespace {

using testing::CliRun;
using testing::run_cli;

const std::string kStart = "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1";

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

bool listed(const CliRun& r, const std::string& move) {
    const auto lines = lines_of(r.out);
    return std::find(lines.begin(), lines.end(), move) != lines.end();
}

// A refusal: status 2, nothing on standard output, one line naming the argument and why.
void expect_refused(const std::vector<std::string>& args, const std::string& names,
                    const std::string& why) {
    const CliRun r = run_cli(args);
    EXPECT_EQ(r.status, 2) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_EQ(r.err.rfind("banzuri-cli: ", 0), 0u) << r.err;
    EXPECT_NE(r.err.find(names), std::string::npos) << r.err;
    EXPECT_NE(r.err.find(why), std::string::npos) << r.err;
}

TEST(Cli, StartposAndItsThirtyMoves) {
    const CliRun start = run_cli({"startpos"});
    EXPECT_EQ(start.status, 0);
    EXPECT_EQ(start.out, kStart + "\n");
    EXPECT_EQ(start.err, "");

    const CliRun moves = run_cli({"moves", kStart});
    EXPECT_EQ(moves.status, 0);
    const auto lines = lines_of(moves.out);
    EXPECT_EQ(lines.size(), 30u);
    EXPECT_TRUE(std::is_sorted(lines.begin(), lines.end()));
    EXPECT_EQ(lines.front(), "1g1f");
    EXPECT_EQ(lines.back(), "9i9h");
    EXPECT_TRUE(listed(moves, "2h7h")) << "the rook slides along its rank";
    EXPECT_FALSE(listed(moves, "8h7g")) << "never onto an occupied square";
}

TEST(Cli, PositionsPlayNeverReachesAreValidInput) {
    const CliRun no_kings = run_cli({"moves", "9/9/9/9/9/9/9/9/9 b P 1"});
    EXPECT_EQ(no_kings.status, 0);
    EXPECT_EQ(lines_of(no_kings.out).size(), 72u) << "a pawn on rows 2..9 of every file";
    const CliRun pawns = run_cli({"moves", "4k4/9/4P4/4P4/4P4/9/9/9/KK7 b P 1"});
    EXPECT_EQ(pawns.status, 0);
    EXPECT_TRUE(listed(pawns, "5c5b"));
    EXPECT_TRUE(listed(pawns, "5c5b+"));
    EXPECT_FALSE(listed(pawns, "P*5f"));
    EXPECT_EQ(run_cli({"play", "4k4/9/4P4/4P4/4P4/9/9/9/KK7 b P 1", "8i8h"}).out,
              "4k4/9/4P4/4P4/4P4/9/9/1K7/K8 w P 2\nwinner: none\n");
}

TEST(Cli, CornersOfTheNotationForBothSides) {
    EXPECT_EQ(run_cli({"moves", "8k/9/9/9/9/9/9/9/K8 b - 1"}).out, "9i8h\n9i8i\n9i9h\n");
    EXPECT_EQ(run_cli({"moves", "8k/9/9/9/9/9/9/9/K8 w - 1"}).out, "1a1b\n1a2a\n1a2b\n");
}

TEST(Cli, DropsOfEveryKind) {
    const CliRun lower = run_cli({"moves", "4k4/9/9/9/9/9/9/9/4K4 b RBGSNLP - 1"});
    const CliRun lower_ok = run_cli({"moves", "4k4/9/9/9/9/9/9/9/4K4 b RBGSNLP 1"});
    EXPECT_EQ(lower.status, 2) << "five fields";
    for (const char* drop :
         {"R*5e", "B*5e", "G*5e", "S*5e", "N*5e", "L*5e", "P*5e", "R*1a", "N*5c", "G*9i"})
        EXPECT_TRUE(listed(lower_ok, drop)) << drop;
    for (const char* drop : {"P*5a", "L*5a", "N*5b", "N*1a", "R*5i"})
        EXPECT_FALSE(listed(lower_ok, drop)) << drop;

    const CliRun upper = run_cli({"moves", "4k4/9/9/9/9/9/9/9/4K4 w rbgsnlp 1"});
    for (const char* drop : {"P*5h", "L*5h", "N*5g", "R*9i"})
        EXPECT_TRUE(listed(upper, drop));
    for (const char* drop : {"P*5i", "L*5i", "N*5h", "p*5e"})
        EXPECT_FALSE(listed(upper, drop));

    const CliRun pawn_file = run_cli({"moves", "4k4/9/9/9/9/9/4P4/9/4K4 b P 1"});
    EXPECT_FALSE(listed(pawn_file, "P*5e")) << "two pawns in one file";
    EXPECT_TRUE(listed(pawn_file, "P*4e"));

    EXPECT_EQ(run_cli({"play", "4k4/9/9/9/9/9/9/9/4K4 b N 1", "N*5c"}).out,
              "4k4/9/4N4/9/9/9/9/9/4K4 w - 2\nwinner: none\n");
    EXPECT_EQ(run_cli({"play", "4k4/9/9/9/9/9/9/9/4K4 w 2s 1", "S*1i"}).out,
              "4k4/9/9/9/9/9/9/9/4K3s b s 2\nwinner: none\n");
}

TEST(Cli, PromotionSuffix) {
    const CliRun optional = run_cli({"moves", "4k4/9/9/4P4/9/9/9/9/4K4 b - 1"});
    EXPECT_TRUE(listed(optional, "5d5c"));
    EXPECT_TRUE(listed(optional, "5d5c+"));
    const CliRun forced = run_cli({"moves", "k8/4P4/9/9/9/9/9/9/4K4 b - 1"});
    EXPECT_TRUE(listed(forced, "5b5a+"));
    EXPECT_FALSE(listed(forced, "5b5a"));
    const CliRun knight = run_cli({"moves", "k8/9/9/4N4/9/9/9/9/4K4 b - 1"});
    EXPECT_TRUE(listed(knight, "5d4b+"));
    EXPECT_FALSE(listed(knight, "5d4b"));
    const CliRun upper = run_cli({"moves", "4k4/9/9/9/9/4p4/9/9/K8 w - 1"});
    EXPECT_TRUE(listed(upper, "5f5g"));
    EXPECT_TRUE(listed(upper, "5f5g+"));
    EXPECT_FALSE(listed(upper, "5f5e"));

    EXPECT_EQ(run_cli({"play", "k8/4P4/9/9/9/9/9/9/4K4 b - 1", "5b5a+"}).out,
              "k3+P4/9/9/9/9/9/9/9/4K4 w - 2\nwinner: none\n");
    expect_refused({"play", "k8/4P4/9/9/9/9/9/9/4K4 b - 1", "5b5a"}, "move 1 \"5b5a\"",
                   "not a legal move for the lower side");
    expect_refused({"play", "4k4/9/9/9/9/9/9/9/4K4 b - 1", "5i5h+"}, "\"5i5h+\"", "not a legal");
}

TEST(Cli, PlayCapturesAsTheMouseDoes) {
    // A gold completes a sandwich; the pawn goes to the lower hand.
    EXPECT_EQ(run_cli({"play", "4k4/9/9/9/4pP3/3G5/9/9/4K4 b - 1", "6f6e"}).out,
              "4k4/9/9/9/3G1P3/9/9/9/4K4 w P 2\nwinner: none\n");
    // A gold walls in the silver in the corner.
    EXPECT_EQ(run_cli({"play", "4k2Ps/9/8G/9/9/9/9/9/4K4 b - 1", "1c1b"}).out,
              "4k2P1/8G/9/9/9/9/9/9/4K4 w S 2\nwinner: none\n");
    // The king sandwiched: the game is decided and takes no further move.
    const std::string king = "3Gk4/5S3/9/9/9/9/9/9/4K4 b - 1";
    EXPECT_EQ(run_cli({"play", king, "4b4a"}).out,
              "3G1S3/9/9/9/9/9/9/9/4K4 w - 2\nwinner: lower\n");
    expect_refused({"play", king, "4b4a", "5i5h"}, "move 2 \"5i5h\"", "already decided");
    // A dropped pawn closes the lower king in: the upper side wins by enclosure.
    EXPECT_EQ(run_cli({"play", "4k4/9/9/9/9/9/9/9/3sKs3 w P 1", "P*5h"}).status, 2)
        << "the lower side's pawn is not the upper side's to drop";
    EXPECT_EQ(run_cli({"play", "4k4/9/9/9/9/9/9/9/3sKs3 w p 1", "P*5h"}).out,
              "4k4/9/9/9/9/9/9/4p4/3s1s3 b - 2\nwinner: upper\n");
    // Only groups next to the arriving piece are examined.
    EXPECT_EQ(run_cli({"play", "4k4/9/9/9/9/9/9/4p4/3sKs3 w - 1", "5a5b"}).out,
              "9/4k4/9/9/9/9/9/4p4/3sKs3 b - 2\nwinner: none\n");
}

TEST(Cli, PlayWithoutMovesAndLongGames) {
    EXPECT_EQ(run_cli({"play", kStart}).out, kStart + "\nwinner: none\n");
    std::vector<std::string> args = {"play", kStart};
    for (int i = 0; i < 500; ++i) {
        for (const char* m : {"6i6h", "4a4b", "6h6i", "4b4a"})
            args.emplace_back(m);
    }
    const CliRun r = run_cli(args);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 2001\n"
              "winner: none\n");
}

TEST(Cli, Refusals) {
    expect_refused({}, "usage", "");
    expect_refused({"bestmov"}, "unknown command \"bestmov\"", "usage");
    expect_refused({"startpos", "x"}, "startpos", "no arguments");
    expect_refused({"moves"}, "moves", "one SFEN");
    expect_refused({"moves", kStart, "7g7f"}, "moves", "one SFEN");
    expect_refused({"play"}, "play", "SFEN");
    expect_refused({"moves", "9/9/4x4/9/9/9/9/9/9 b - 1"}, "SFEN \"9/9/4x4", "unknown piece 'x'");
    expect_refused({"play", kStart, "7g7f", "7g7e"}, "move 2 \"7g7e\"",
                   "not a legal move for the upper side");
    expect_refused({"play", kStart, "7g7e"}, "move 1", "not a legal move");
    expect_refused({"play", kStart, "7g7"}, "move 1 \"7g7\"", "not a move");
    expect_refused({"play", kStart, "P*5e"}, "\"P*5e\"", "not a legal move");  // empty hand
    expect_refused({"play", kStart, "3c3d"}, "\"3c3d\"", "not a legal move");  // not its turn
    expect_refused({"play", kStart, std::string("7g\x01\xff")}, "\"7g\\x01\\xff\"",
                   "bad destination");
    const CliRun huge = run_cli({"moves", std::string(100000, 'p')});
    EXPECT_EQ(huge.status, 2);
    EXPECT_LT(huge.err.size(), 300u) << "a long argument is shortened in the message";
}

TEST(Cli, OutputThatCannotBeWrittenIsReportedWithItsOwnStatus) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"startpos"}, {"moves", kStart}, {"--help"}}) {
        const CliRun full = run_cli(args, "/dev/full");
        EXPECT_EQ(full.status, 3) << args[0];
        EXPECT_EQ(full.err,
                  "banzuri-cli: standard output: could not be written (No space left on "
                  "device)\n");
    }
    // Bad input writes nothing to standard output: still the input error.
    EXPECT_EQ(run_cli({"moves", "x"}, "/dev/full").status, 2);
}

TEST(Cli, HelpNamesEveryCommandAndExitStatus) {
    const CliRun help = run_cli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.err, "");
    EXPECT_EQ(help.out.rfind("usage: banzuri-cli startpos | moves SFEN | play SFEN MOVE...", 0),
              0u);
    for (const char* status :
         {"exit status: 0 done; 1 selfplay found a move that lost or created a piece;",
          "  2 bad input (one line \"banzuri-cli: <argument>: <why>\" on stderr);",
          "  3 the output could not be written (one line on stderr)"})
        EXPECT_NE(help.out.find(status), std::string::npos) << status;
    EXPECT_EQ(run_cli({"-h"}).out, help.out);
    expect_refused({"--help", "x"}, "unknown command \"--help\"", "usage");
}

// What play prints at the limits reads back as input; one step past them is refused.
TEST(Cli, PlayPrintsOnlyPositionsItReadsBack) {
    const std::string last_number = "4k4/9/9/9/9/9/9/9/4K4 b - 999999998";
    const CliRun at_limit = run_cli({"play", last_number, "5i5h"});
    ASSERT_EQ(at_limit.status, 0) << at_limit.err;
    const std::string printed = lines_of(at_limit.out).front();
    EXPECT_EQ(printed, "4k4/9/9/9/9/9/9/4K4/9 w - 999999999");
    EXPECT_EQ(run_cli({"moves", printed}).status, 0);
    expect_refused({"play", last_number, "5i5h", "5a5b"}, "move 2 \"5a5b\"",
                   "the move number would pass 999999999");
    expect_refused({"moves", "4k4/9/9/9/9/9/9/9/4K4 b - 1000000000"}, "SFEN",
                   "move number: '1000000000' (expected 1 to 999999999)");

    // A sandwich takes the pawn into a hand that holds 98 or 99 already.
    const std::string sandwich = "4k4/9/9/9/4pP3/3G5/9/9/4K4 b ";
    const CliRun ninety_nine = run_cli({"play", sandwich + "98P 1", "6f6e"});
    ASSERT_EQ(ninety_nine.status, 0) << ninety_nine.err;
    const std::string full_hand = lines_of(ninety_nine.out).front();
    EXPECT_EQ(full_hand, "4k4/9/9/9/3G1P3/9/9/9/4K4 w 99P 2");
    EXPECT_EQ(run_cli({"play", full_hand}).out, ninety_nine.out);
    expect_refused({"play", sandwich + "99P 1", "6f6e"}, "move 1 \"6f6e\"",
                   "a hand would hold more than 99 of a piece");
    expect_refused({"moves", "4k4/9/9/9/9/9/9/9/4K4 b 100P 1"}, "SFEN", "bad count '100'");
}

}  // namespace
}  // namespace banzuri
