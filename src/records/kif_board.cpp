#include "records/kif_board.h"

#include <array>

#include "records/kif_format.h"
#include "records/kif_names.h"

namespace banzuri::records {

using files::fill;
using files::Message;
using files::verbatim;

namespace {

constexpr std::string_view kEmptyCell = " ・";
constexpr std::string_view kNone = "なし";
constexpr int kMaxHandCount = 18;
// Hand kinds in the order a KIF hand lists them: rook first.
constexpr std::array<std::size_t, 7> kHandOrder = {KIND_SYA, KIND_KAKU, KIND_KIN, KIND_GIN,
                                                   KIND_KEI, KIND_KYOU, KIND_HU};

std::string cell_text(int code) {
    if (!is_piece(code)) return std::string(kEmptyCell);
    std::string text(code > 0 ? "v" : " ");
    return text.append(diagram_piece_name(code));
}

std::string hand_line(std::string_view title, const Hand& hand) {
    return std::string(title) + "の持駒：" + hand_text(hand) + "\n";
}

// One cell: " ・", " 歩" (lower side) or "v歩" (upper side); -1 when it is not a cell.
int take_cell(std::string_view& text) {
    if (take(text, kEmptyCell) || take(text, "・")) return EMPTY;
    const bool upper = take(text, "v") || take(text, "V");
    if (!upper && !take(text, " ")) return -1;
    const int code = take_piece_name(text);
    if (code == 0) return -1;
    return upper ? code : -code;
}

}  // namespace

std::string hand_text(const Hand& hand) {
    std::string text;
    for (std::size_t kind : kHandOrder) {
        if (hand[kind] <= 0) continue;
        if (!text.empty()) text += "　";
        text += move_piece_name(upper_code_of_kind(static_cast<int>(kind)));
        if (hand[kind] > 1) text += kanji_number(hand[kind]);
    }
    return text.empty() ? std::string(kNone) : text;
}

std::string board_diagram(const StartPosition& start) {
    std::string out = hand_line(upper_title(start), start.hand_upper);
    out += std::string(kDiagramFiles) + "\n" + std::string(kDiagramBorder) + "\n";
    for (std::size_t row = 1; row <= 9; ++row) {
        out += "|";
        for (std::size_t column = 1; column <= 9; ++column)
            out += cell_text(start.board[column][row]);
        out.append("|").append(rank_text(static_cast<int>(row))).append("\n");
    }
    out += std::string(kDiagramBorder) + "\n";
    out += hand_line(lower_title(start), start.hand_lower);
    const std::string_view mover = start.lower_to_move ? lower_title(start) : upper_title(start);
    return out + std::string(mover) + "番\n";
}

Message parse_hand(std::string_view text, Hand& hand) {
    hand = Hand{};
    text = trimmed(text);
    if (text == kNone || text.empty()) return {};
    while (!text.empty()) {
        const int code = take_piece_name(text);
        const int kind = hand_kind(code);
        if (kind == 0)
            return {"持駒の駒の名前が読めません", "a piece name in a hand cannot be read"};
        int count = take_kanji_number(text);
        if (count == 0) count = 1;
        auto& slot = hand[static_cast<std::size_t>(kind)];
        if (slot != 0)
            return {"持駒に同じ駒が二度書かれています", "a hand names the same piece twice"};
        if (count > kMaxHandCount) return {"持駒の数が多すぎます", "a hand holds too many pieces"};
        slot = count;
        text = trimmed(text);
    }
    return {};
}

Message parse_board_row(std::string_view line, int row, Board& board) {
    if (!take(line, "|"))
        return {"盤面の段は「|」で始まります", "a rank of the board diagram must start with “|”"};
    for (std::size_t column = 1; column <= 9; ++column) {
        const int code = take_cell(line);
        if (code == -1)
            return fill({"盤面の%1列目の升が読めません", "square %1 of a rank cannot be read"},
                        {verbatim(std::to_string(column))});
        board[column][static_cast<std::size_t>(row)] = code;
    }
    if (!take(line, "|"))
        return {"盤面の段に升が9つより多くあります", "a rank has more than 9 squares"};
    std::string_view rank = trimmed(line);
    if (take_rank(rank) != row || !rank.empty())
        return fill({"盤面の段の数字が%1ではありません", "a rank is not numbered %1"},
                    {Message{rank_text(row), std::to_string(row)}});
    return {};
}

}  // namespace banzuri::records
