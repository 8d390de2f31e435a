// Seeded random input: whatever the bytes, the tool answers with a result or one refusal line,
// never a crash or a hang.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/run_cli.h"
#include "cli/sfen.h"
#include "cli/usi.h"
#include "rules/legal_moves.h"

namespace banzuri::cli {
namespace {

const std::string kAlphabet = "lnsgkbrpLNSGKBRP+/0123456789 bw-*abcdefghi";

std::string random_bytes(std::mt19937& rng, std::size_t max_length) {
    std::uniform_int_distribution<std::size_t> length(0, max_length);
    std::uniform_int_distribution<int> byte(1, 255);
    std::uniform_int_distribution<std::size_t> pick(0, kAlphabet.size() - 1);
    const bool raw = rng() % 2 == 0;
    std::string text(length(rng), ' ');
    for (char& c : text)
        c = raw ? static_cast<char>(byte(rng)) : kAlphabet[pick(rng)];
    return text;
}

// A valid SFEN with a few characters replaced, inserted or removed.
std::string mutated(std::mt19937& rng, std::string text) {
    std::uniform_int_distribution<std::size_t> pick(0, kAlphabet.size() - 1);
    const int edits = static_cast<int>(rng() % 4);
    for (int i = 0; i < edits && !text.empty(); ++i) {
        const std::size_t at = rng() % text.size();
        switch (rng() % 3) {
            case 0:
                text[at] = kAlphabet[pick(rng)];
                break;
            case 1:
                text.insert(text.begin() + static_cast<std::ptrdiff_t>(at), kAlphabet[pick(rng)]);
                break;
            default:
                text.erase(at, 1);
                break;
        }
    }
    return text;
}

void expect_well_formed(const Output& r, const Args& args) {
    ASSERT_TRUE(r.status == 0 || r.status == EXIT_BAD_INPUT);
    if (r.status == 0) {
        EXPECT_EQ(r.err, "");
        return;
    }
    EXPECT_EQ(r.out, "") << args.size();
    ASSERT_FALSE(r.err.empty());
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
    EXPECT_EQ(r.err.rfind("banzuri-cli: ", 0), 0u);
}

TEST(CliFuzz, RandomArgumentsInProcess) {
    std::mt19937 rng(1208);
    const std::string start = to_sfen(start_position());
    for (int i = 0; i < 3000 && !::testing::Test::HasFailure(); ++i) {
        Args args;
        const char* commands[] = {"moves", "play", "startpos", "x"};
        args.emplace_back(commands[rng() % 4]);
        args.push_back(rng() % 2 ? mutated(rng, start) : random_bytes(rng, 120));
        const int moves = static_cast<int>(rng() % 6);
        for (int m = 0; m < moves; ++m)
            args.push_back(random_bytes(rng, 6));
        expect_well_formed(run(args), args);
    }
}

TEST(CliFuzz, RandomLegalGamesRoundTripThroughTheNotation) {
    std::mt19937 rng(77);
    for (int game = 0; game < 30 && !::testing::Test::HasFailure(); ++game) {
        Position p = start_position();
        Args args = {"play", to_sfen(p)};
        for (int ply = 0; ply < 80; ++ply) {
            const Output listed = run({"moves", to_sfen(p)});
            ASSERT_EQ(listed.status, 0);
            std::vector<std::string> moves;
            for (std::size_t a = 0, b; (b = listed.out.find('\n', a)) != std::string::npos;
                 a = b + 1)
                moves.push_back(listed.out.substr(a, b - a));
            ASSERT_EQ(moves.size(), legal_moves(p.g, p.lower_to_move).size());
            if (moves.empty()) break;
            const std::string move = moves[rng() % moves.size()];
            const Output played = run({"play", to_sfen(p), move});
            ASSERT_EQ(played.status, 0) << move << " " << played.err;
            args.push_back(move);
            const std::string sfen = played.out.substr(0, played.out.find('\n'));
            ASSERT_EQ(parse_sfen(sfen, p), "") << sfen;
            if (played.out.find("winner: none") == std::string::npos) break;
        }
        const Output whole = run(args);
        EXPECT_EQ(whole.status, 0) << whole.err;
        EXPECT_EQ(whole.out.substr(0, whole.out.find('\n')), to_sfen(p)) << "one call, same game";
    }
}

TEST(CliFuzz, RandomBytesThroughTheExecutable) {
    std::mt19937 rng(31);
    for (int i = 0; i < 40; ++i) {
        Args args = {rng() % 2 ? "moves" : "play", random_bytes(rng, 200)};
        if (args[0] == "play") args.push_back(random_bytes(rng, 8));
        const testing::CliRun r = testing::run_cli(args);
        ASSERT_TRUE(r.status == 0 || r.status == 2) << "exit " << r.status;
        if (r.status == 2) {
            EXPECT_EQ(r.out, "");
        }
    }
}

}  // namespace
}  // namespace banzuri::cli
