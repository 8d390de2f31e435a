// banzuri-cli's own options: --help and --version answer on standard output and succeed.
#include <gtest/gtest.h>

#include "build_info.h"
#include "cli/run_cli.h"

namespace banzuri {
namespace {

using testing::run_cli;

TEST(CliOptions, VersionIsTheOneVersionOfTheBuildLongAndShort) {
    for (const char* option : {"--version", "-v"}) {
        const auto run = run_cli({option});
        EXPECT_EQ(run.status, 0) << option;
        EXPECT_EQ(run.out, "banzuri-cli " + std::string(VERSION) + "\n") << option;
        EXPECT_EQ(run.err, "") << option;
    }
}

TEST(CliOptions, HelpShowsTheUsageOnStandardOutputAndSucceeds) {
    for (const char* option : {"--help", "-h"}) {
        const auto run = run_cli({option});
        EXPECT_EQ(run.status, 0) << option;
        EXPECT_EQ(run.out.rfind("usage: banzuri-cli startpos | moves SFEN", 0), 0u) << run.out;
        EXPECT_NE(run.out.find("--version"), std::string::npos);
        EXPECT_EQ(run.err, "") << option;
    }
    // Only as the first word: after a command it is that command's argument.
    EXPECT_EQ(run_cli({"startpos", "--help"}).status, 2);
}

}  // namespace
}  // namespace banzuri
