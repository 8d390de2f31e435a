#include "records/position_sfen.h"

#include <cctype>
#include <string_view>

namespace banzuri::records {

namespace {

constexpr std::string_view kKindLetters = " PLNSGBR";  // by hand kind 1..7

char side_letter(char upper, bool lower) {
    return lower ? upper : static_cast<char>(std::tolower(static_cast<unsigned char>(upper)));
}

std::string square_letters(int code) {
    if (!is_piece(code)) return {};
    const int magnitude = code < 0 ? -code : code;
    const char upper =
        magnitude == UPPER_OU ? 'K' : kKindLetters[static_cast<std::size_t>(hand_kind(code))];
    std::string letters(magnitude % 2 == 1 ? "+" : "");
    letters.push_back(side_letter(upper, code < 0));
    return letters;
}

void append_hand(std::string& out, const Hand& hand, bool lower) {
    for (std::size_t kind = 7; kind >= 1; --kind) {
        if (hand[kind] <= 0) continue;
        if (hand[kind] > 1) out += std::to_string(hand[kind]);
        out += side_letter(kKindLetters[kind], lower);
    }
}

}  // namespace

std::string position_sfen(const Board& board, const Hand& hand_lower, const Hand& hand_upper,
                          bool lower_to_move, int move_number) {
    std::string out;
    for (std::size_t row = 1; row <= 9; ++row) {
        int empties = 0;
        for (std::size_t column = 1; column <= 9; ++column) {
            const std::string letters = square_letters(board[column][row]);
            if (letters.empty()) {
                ++empties;
                continue;
            }
            if (empties > 0) out += std::to_string(empties);
            empties = 0;
            out += letters;
        }
        if (empties > 0) out += std::to_string(empties);
        if (row < 9) out += '/';
    }
    out += lower_to_move ? " b " : " w ";
    const std::size_t before_hands = out.size();
    append_hand(out, hand_lower, true);
    append_hand(out, hand_upper, false);
    if (out.size() == before_hands) out += '-';
    return out + " " + std::to_string(move_number < 1 ? 1 : move_number);
}

}  // namespace banzuri::records
