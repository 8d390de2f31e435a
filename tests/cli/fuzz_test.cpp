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

// One line of printable UTF-8 (no control character, no malformed sequence), no longer than
// the limit, ending in its newline.
void expect_one_printable_line(const std::string& err) {
    ASSERT_FALSE(err.empty());
    EXPECT_EQ(err.rfind("banzuri-cli: ", 0), 0u) << err;
    EXPECT_EQ(err.back(), '\n');
    EXPECT_LE(err.size(), ERROR_LINE_LIMIT + 1) << err.size();
    for (std::size_t i = 0; i + 1 < err.size();) {
        const auto byte = static_cast<unsigned char>(err[i]);
        if (byte < 0x80) {
            ASSERT_TRUE(byte >= 0x20 && byte < 0x7f) << "byte " << int(byte) << " at " << i;
            ++i;
            continue;
        }
        const std::size_t length = byte >= 0xf0 ? 4 : byte >= 0xe0 ? 3 : byte >= 0xc2 ? 2 : 0;
        ASSERT_TRUE(length != 0 && byte <= 0xf4 && i + length < err.size()) << "at " << i;
        char32_t code = byte & (0x7f >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(err[i + k]);
            ASSERT_EQ(next & 0xc0, 0x80) << "at " << i + k;
            code = (code << 6) | (next & 0x3f);
        }
        const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        ASSERT_TRUE(code >= smallest[length] && code >= 0xa0 && code <= 0x10ffff) << "at " << i;
        ASSERT_FALSE((code >= 0xd800 && code <= 0xdfff) || code == 0x2028 || code == 0x2029);
        i += length;
    }
}

TEST(CliFuzz, ErrorLinesKeepJapaneseTextAndEscapeBrokenBytes) {
    const Output r = fail("record", "「棋譜」\xff\xc3\x28\xe2\x80\xa8\t");
    expect_one_printable_line(r.err);
    EXPECT_EQ(r.err, "banzuri-cli: record: 「棋譜」\\xff\\xc3(\\xe2\\x80\\xa8\\x09\n");
    const Output cut = fail("record", std::string(600, 'a') + "あ");
    expect_one_printable_line(cut.err);
    const Output cut_inside = fail("x", std::string(496, 'a') + "ああああ");
    expect_one_printable_line(cut_inside.err);
}

void expect_well_formed(const Output& r, const Args& args) {
    ASSERT_TRUE(r.status == 0 || r.status == EXIT_BAD_INPUT);
    if (r.status == 0) {
        EXPECT_EQ(r.err, "");
        return;
    }
    EXPECT_EQ(r.out, "") << args.size();
    expect_one_printable_line(r.err);
}

// A well-formed board with hostile side, hands and move number fields, each sometimes long.
std::string hostile_fields(std::mt19937& rng) {
    const auto field = [&rng] {
        const std::size_t longest = rng() % 8 == 0 ? 140000 : 12;
        std::string text = random_bytes(rng, longest);
        for (char& c : text)
            if (c == ' ') c = '\n';
        return text.empty() ? std::string("\x01") : text;
    };
    const std::string board = "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL";
    const std::string sides[] = {"b", "w", field()};
    const std::string hands[] = {"-", "2P", field(), std::to_string(rng()) + "P",
                                 std::string("P").append(field())};
    const std::string numbers[] = {"1", field(), std::string(rng() % 200000, '9')};
    return board + " " + sides[rng() % 3] + " " + hands[rng() % 5] + " " + numbers[rng() % 3];
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

TEST(CliFuzz, HostileFieldsGiveOnePrintableBoundedLine) {
    std::mt19937 rng(18);
    for (int i = 0; i < 400 && !::testing::Test::HasFailure(); ++i) {
        const Args args = {rng() % 2 ? "moves" : "play", hostile_fields(rng)};
        expect_well_formed(run(args), args);
    }
    // Commands, options and moves made of raw bytes.
    for (int i = 0; i < 400 && !::testing::Test::HasFailure(); ++i) {
        const char* commands[] = {"bestmove", "trace", "selfplay", "play"};
        Args args = {commands[rng() % 4], to_sfen(start_position())};
        if (args[0] == "selfplay") args[1] = random_bytes(rng, 20);
        args.push_back(random_bytes(rng, rng() % 8 == 0 ? 100000 : 10));
        args.push_back(random_bytes(rng, 10));
        const Output r = run(args);
        if (r.status != 0) expect_one_printable_line(r.err);
    }
    expect_well_formed(run({random_bytes(rng, 200000)}), {});
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
            ASSERT_EQ(moves.size(), p.game.legal_moves().size());
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
            expect_one_printable_line(r.err);
        }
    }
}

}  // namespace
}  // namespace banzuri::cli
