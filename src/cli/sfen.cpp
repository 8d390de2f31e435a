#include "cli/sfen.h"

#include <array>
#include <cctype>
#include <vector>

#include "cli/commands.h"
#include "records/position_sfen.h"

namespace banzuri::cli {

namespace {

// Uppercase letters by hand kind 1..7.
constexpr std::string_view kKindLetters = " PLNSGBR";

// A piece of the input as it may appear in a message: in single quotes, escaped and cut.
std::string shown(std::string_view text) {
    const std::string in_double_quotes = quoted(text);
    std::string text_shown("'");
    return text_shown.append(in_double_quotes, 1, in_double_quotes.size() - 2).append("'");
}

int kind_of_letter(char upper) {
    const auto at = kKindLetters.find(upper);
    return (at == std::string_view::npos || at == 0) ? 0 : static_cast<int>(at);
}

// Code of a board letter, with the promotion mark; EMPTY when it names no piece.
int code_of_letter(char letter, bool promoted) {
    const bool lower = std::isupper(static_cast<unsigned char>(letter)) != 0;
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    int magnitude = 0;
    if (upper == 'K') {
        if (promoted) return EMPTY;
        magnitude = UPPER_OU;
    } else {
        const int kind = kind_of_letter(upper);
        if (kind == 0 || (promoted && kind == KIND_KIN)) return EMPTY;
        magnitude = upper_code_of_kind(kind) + (promoted ? 1 : 0);
    }
    return lower ? -magnitude : magnitude;
}

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const auto at = text.find(separator, start);
        parts.push_back(text.substr(start, at == std::string_view::npos ? at : at - start));
        if (at == std::string_view::npos) return parts;
        start = at + 1;
    }
}

std::string parse_rank(std::string_view rank, int row, Board& board) {
    const std::string name = "rank " + std::string(1, static_cast<char>('a' + row - 1));
    int column = 0;
    for (std::size_t i = 0; i < rank.size(); ++i) {
        const char c = rank[i];
        if (c >= '1' && c <= '9') {
            column += c - '0';
        } else {
            const bool promoted = c == '+';
            if (promoted && ++i == rank.size()) return name + ": '+' without a piece";
            const int code = code_of_letter(rank[i], promoted);
            if (code == EMPTY) {
                std::string piece(promoted ? "+" : "");
                piece.push_back(rank[i]);
                return name + ": unknown piece " + shown(piece);
            }
            ++column;
            if (column <= 9)
                board[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)] = code;
        }
        if (column > 9) return name + ": more than 9 squares";
    }
    if (column < 9) return name + ": fewer than 9 squares";
    return {};
}

std::string parse_board(std::string_view text, Board& board) {
    const std::vector<std::string_view> ranks = split(text, '/');
    if (ranks.size() != 9) return "board: " + std::to_string(ranks.size()) + " ranks, not 9";
    for (int row = 1; row <= 9; ++row) {
        std::string why = parse_rank(ranks[static_cast<std::size_t>(row - 1)], row, board);
        if (!why.empty()) return why;
    }
    return {};
}

std::string parse_hands(std::string_view text, Hand& hand_lower, Hand& hand_upper) {
    if (text == "-") return {};
    if (text.empty()) return "hands: empty (write '-')";
    std::array<bool, 16> seen{};
    std::size_t i = 0;
    while (i < text.size()) {
        int count = 1;
        if (std::isdigit(static_cast<unsigned char>(text[i]))) {
            const std::size_t start = i;
            while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])))
                ++i;
            const std::string_view digits = text.substr(start, i - start);
            if (digits[0] == '0' || digits.size() > 2 || digits == "1")
                return "hands: bad count " + shown(digits);
            count = std::stoi(std::string(digits));
            if (i == text.size()) return "hands: count without a piece";
        }
        const char c = text[i++];
        const int kind =
            kind_of_letter(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
        if (kind == 0 || !std::isalpha(static_cast<unsigned char>(c)))
            return "hands: unknown piece " + shown(std::string(1, c));
        const bool lower = std::isupper(static_cast<unsigned char>(c)) != 0;
        const auto slot = static_cast<std::size_t>(kind + (lower ? 0 : 8));
        if (seen[slot]) return "hands: piece " + shown(std::string(1, c)) + " given twice";
        seen[slot] = true;
        if (count > MAX_HAND_COUNT) return "hands: bad count";
        GameState::add(lower ? hand_lower : hand_upper, kind, count);
    }
    return {};
}

std::string parse_move_number(std::string_view text, long long& number) {
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return "move number: " + shown(text) + " is not a number";
    if (text.empty() || text.size() > 9)
        return "move number: " + shown(text) + " (expected 1 to " +
               std::to_string(MAX_MOVE_NUMBER) + ")";
    number = std::stoll(std::string(text));
    if (number < 1) return "move number: must be at least 1";
    return {};
}

}  // namespace

Position start_position() {
    Position p;
    p.game.start(MODE_MAN, FIRST_PLAYER, FIRST_PLAYER);
    return p;
}

std::string parse_sfen(std::string_view text, Position& out) {
    std::vector<std::string_view> fields;
    for (std::string_view field : split(text, ' '))
        if (!field.empty()) fields.push_back(field);
    if (fields.size() < 4)
        return "expected 4 fields (board, side, hands, move number), found " +
               std::to_string(fields.size());
    if (fields.size() > 4) return "more than 4 fields";
    out = Position{};
    Board board{};
    Hand hand_lower{};
    Hand hand_upper{};
    if (std::string why = parse_board(fields[0], board); !why.empty()) return why;
    if (fields[1] != "b" && fields[1] != "w")
        return "side to move: " + shown(fields[1]) + " (expected b or w)";
    if (std::string why = parse_hands(fields[2], hand_lower, hand_upper); !why.empty()) return why;
    out.game.set_position(board, hand_lower, hand_upper, fields[1] == "b");
    return parse_move_number(fields[3], out.move_number);
}

std::string beyond_sfen_limits(const Position& p) {
    if (p.move_number > MAX_MOVE_NUMBER)
        return "the move number would pass " + std::to_string(MAX_MOVE_NUMBER);
    for (const Hand* hand : {&p.game.position().hand_own, &p.game.position().hand_enemy})
        for (int kind = 1; kind <= 7; ++kind)
            if (GameState::count(*hand, kind) > MAX_HAND_COUNT)
                return "a hand would hold more than " + std::to_string(MAX_HAND_COUNT) +
                       " of a piece";
    return {};
}

std::string piece_letters(int code) {
    if (!is_piece(code)) return {};
    const int magnitude = code < 0 ? -code : code;
    char letter = 'K';
    if (magnitude != UPPER_OU) letter = kKindLetters[static_cast<std::size_t>(hand_kind(code))];
    if (code > 0) letter = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
    const bool promoted = magnitude % 2 == 1;
    std::string letters = promoted ? "+" : "";
    letters += letter;
    return letters;
}

std::string to_sfen(const Position& p) {
    const GameState& g = p.game.position();
    return records::position_sfen(g.board, g.hand_own, g.hand_enemy, p.lower_to_move(),
                                  static_cast<int>(p.move_number));
}

}  // namespace banzuri::cli
