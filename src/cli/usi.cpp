#include "cli/usi.h"

namespace banzuri::cli {

namespace {

constexpr std::string_view kDropLetters = " PLNSGBR";  // by hand kind 1..7

std::string square_text(int column, int row) {
    return {static_cast<char>('0' + 10 - column), static_cast<char>('a' + row - 1)};
}

// "7g" -> column 3, row 7; false when the text names no square.
bool parse_square(std::string_view text, int& column, int& row) {
    if (text.size() != 2 || text[0] < '1' || text[0] > '9' || text[1] < 'a' || text[1] > 'i')
        return false;
    column = 10 - (text[0] - '0');
    row = text[1] - 'a' + 1;
    return true;
}

}  // namespace

std::string to_usi(const Move& m) {
    if (m.is_drop()) {
        if (m.drop < 1 || m.drop > 7) return {};
        return std::string(1, kDropLetters[static_cast<std::size_t>(m.drop)]) + "*" +
               square_text(m.to.x, m.to.y);
    }
    return square_text(m.from.x, m.from.y) + square_text(m.to.x, m.to.y) + (m.promote ? "+" : "");
}

std::string parse_usi(std::string_view text, Move& out) {
    out = Move{};
    if (text.size() == 4 && text[1] == '*') {
        const auto kind = kDropLetters.find(text[0]);
        if (kind == std::string_view::npos || kind == 0)
            return "unknown piece to drop (use one of P L N S G B R)";
        if (!parse_square(text.substr(2), out.to.x, out.to.y)) return "bad destination square";
        out.drop = static_cast<int>(kind);
        return {};
    }
    if (text.size() != 4 && !(text.size() == 5 && text[4] == '+'))
        return "not a move (expected e.g. 7g7f, 2b3c+ or P*5e)";
    if (!parse_square(text.substr(0, 2), out.from.x, out.from.y)) return "bad source square";
    if (!parse_square(text.substr(2, 2), out.to.x, out.to.y)) return "bad destination square";
    out.promote = text.size() == 5;
    return {};
}

}  // namespace banzuri::cli
