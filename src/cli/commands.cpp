// startpos, moves and play.
#include "cli/commands.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "cli/sfen.h"
#include "cli/usi.h"

namespace banzuri::cli {

namespace {

constexpr std::size_t kShownBytes = 60;
// An error line never grows beyond this and "...", whatever a command puts into it.
constexpr std::size_t kLineBytes = ERROR_LINE_LIMIT - 3;

Output wrong_count(std::string_view command, std::string_view expected) {
    return fail(command, "expected " + std::string(expected));
}

std::string side_name(bool lower) {
    return lower ? "lower" : "upper";
}

std::string winner_name(const Game& game) {
    if (!game.decided()) return "none";
    if (game.winner() == game.lower_order()) return "lower";
    if (game.winner() == game.upper_order()) return "upper";
    return "none";
}

// Length of the well-formed UTF-8 character of a printable character (U+00A0 and above, line
// and paragraph separators and bidirectional controls excepted) at the start of `text`; 0 for
// anything else.
std::size_t printable_utf8_length(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t length = lead >= 0xf0 ? 4 : lead >= 0xe0 ? 3 : lead >= 0xc2 ? 2 : 0;
    if (length == 0 || lead > 0xf4 || text.size() < length) return 0;
    char32_t code = lead & (0x7f >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xc0) != 0x80) return 0;
        code = (code << 6) | (next & 0x3f);
    }
    const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < smallest[length] || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff)) return 0;
    if (code < 0xa0 || code == 0x2028 || code == 0x2029) return 0;
    if ((code >= 0x202a && code <= 0x202e) || (code >= 0x2066 && code <= 0x2069)) return 0;
    return length;
}

// The text with every control byte and every byte of malformed UTF-8 written as \xNN, cut to
// about `limit` bytes between characters.
std::string printable(std::string_view text, std::size_t limit) {
    std::string line;
    for (std::size_t at = 0; at < text.size();) {
        const auto byte = static_cast<unsigned char>(text[at]);
        std::string piece(1, text[at]);
        std::size_t taken = 1;
        if (byte >= 0x80) {
            taken = printable_utf8_length(text.substr(at));
            piece = std::string(text.substr(at, taken));
        }
        if (taken == 0 || byte < 0x20 || byte == 0x7f) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
            piece = escaped;
            taken = 1;
        }
        if (line.size() + piece.size() > limit) return line + "...";
        line += piece;
        at += taken;
    }
    return line;
}

}  // namespace

Output fail(std::string_view what, std::string_view why) {
    const std::string line = "banzuri-cli: " + std::string(what) + ": " + std::string(why);
    return Output{EXIT_BAD_INPUT, {}, printable(line, kLineBytes) + "\n"};
}

Output fail_output(std::string_view what, std::string_view why) {
    Output out = fail(what, why);
    out.status = EXIT_OUTPUT_FAILED;
    return out;
}

std::string quoted(std::string_view argument) {
    std::string text = "\"";
    for (std::size_t i = 0; i < argument.size() && i < kShownBytes; ++i) {
        const auto byte = static_cast<unsigned char>(argument[i]);
        if (byte < 0x20 || byte >= 0x7f || byte == '"' || byte == '\\') {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
            text += escaped;
        } else {
            text += static_cast<char>(byte);
        }
    }
    if (argument.size() > kShownBytes) text += "...";
    return text + "\"";
}

Output command_startpos(const Args& args) {
    if (!args.empty()) return wrong_count("startpos", "no arguments");
    return Output{0, to_sfen(start_position()) + "\n", {}};
}

Output command_moves(const Args& args) {
    if (args.size() != 1) return wrong_count("moves", "one SFEN argument");
    Position p;
    if (std::string why = parse_sfen(args[0], p); !why.empty())
        return fail("moves: SFEN " + quoted(args[0]), why);
    std::vector<std::string> lines;
    for (const Move& m : p.game.legal_moves())
        lines.push_back(to_usi(m));
    std::sort(lines.begin(), lines.end());
    Output result;
    for (const std::string& line : lines)
        result.out += line + "\n";
    return result;
}

Output command_play(const Args& args) {
    if (args.empty()) return wrong_count("play", "an SFEN argument and then the moves");
    Position p;
    if (std::string why = parse_sfen(args[0], p); !why.empty())
        return fail("play: SFEN " + quoted(args[0]), why);
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string what = "play: move " + std::to_string(i) + " " + quoted(args[i]);
        if (p.game.decided()) return fail(what, "the game is already decided");
        Move m;
        if (std::string why = parse_usi(args[i], m); !why.empty()) return fail(what, why);
        if (!p.game.play(m, 0))
            return fail(what, "not a legal move for the " + side_name(p.lower_to_move()) + " side");
        ++p.move_number;
        // What is printed must read back as input.
        if (std::string why = beyond_sfen_limits(p); !why.empty()) return fail(what, why);
    }
    return Output{0, to_sfen(p) + "\nwinner: " + winner_name(p.game) + "\n", {}};
}

}  // namespace banzuri::cli
