// The options that match and selfplay share are read by one reader: the same mistake gets the
// same words from both, and the values in range are taken whatever their order.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "cli/options.h"
#include "cli/run_cli.h"

namespace banzuri::cli {
namespace {

using testing::run_cli;

TEST(SharedOptions, BothCommandsRefuseTheSameMistakesInTheSameWords) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--games", "0", "--seed", "1"}, "--games: expected a number of games from 1"},
        {{"--games", "1000001", "--seed", "1"}, "--games: expected a number of games from 1"},
        {{"--games", "2", "--seed", "4294967296"},
         "--seed: expected a number from 0 to 4294967295"},
        {{"--games", "2", "--seed"}, "--seed: expected a number from 0 to 4294967295"},
        {{"--seed", "1", "--games", "2x"}, "--games: expected a number of games from 1"},
        {{"--games", "2", "--seed", "1", "-x"}, "option \"-x\": unknown option"},
    };
    for (const std::string command : {"selfplay", "match"}) {
        for (const auto& [options, why] : cases) {
            std::vector<std::string> args = {command};
            if (command == "match") args.insert(args.end(), {"--levels", "4", "3"});
            args.insert(args.end(), options.begin(), options.end());
            const testing::CliRun r = run_cli(args);
            EXPECT_EQ(r.status, 2);
            EXPECT_EQ(r.err, "banzuri-cli: " + command + ": " + why + "\n") << command;
        }
    }
}

TEST(SharedOptions, ReadersTakeTheirOwnOptionsAndLeaveTheRest) {
    const Args args = {"--seed", "4294967295", "--movetime", "20", "--level", "2", "--games", "7"};
    GamesAndSeed run;
    ThinkLimits think;
    std::vector<std::string> left;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (const auto why = read_games_or_seed("x", args, i, run)) {
            EXPECT_EQ(*why, "");
        } else if (const auto limit = read_think_limit("x", args, i, think)) {
            EXPECT_EQ(*limit, "");
        } else {
            left.push_back(args[i]);
        }
    }
    EXPECT_EQ(run.seed, 4294967295u);
    EXPECT_EQ(run.games, 7);
    EXPECT_TRUE(run.games_given && run.seed_given);
    EXPECT_EQ(think.movetime_ms, 20);
    EXPECT_EQ(left, (std::vector<std::string>{"--level", "2"}));

    std::size_t i = 0;
    const Args both = {"--nodes", "5", "--movetime", "5"};
    EXPECT_EQ(read_think_limit("x", both, i, think),
              "x: --nodes|give either --nodes or --movetime, not both");
    EXPECT_EQ(i, 0u) << "a refused option is not stepped over";
    EXPECT_EQ(whole_number("+5", 0, 9), std::nullopt);
    EXPECT_EQ(whole_number("09", 0, 9), 9);
}

}  // namespace
}  // namespace banzuri::cli
