#include "records/kif_format.h"

#include <array>
#include <cstdio>

#include "records/kif_board.h"
#include "records/kif_names.h"

namespace banzuri::records {

namespace {

std::string date_text(const DateTime& d) {
    std::array<char, 64> text{};
    std::snprintf(text.data(), text.size(), "%04d/%02d/%02d %02d:%02d:%02d", d.year, d.month, d.day,
                  d.hour, d.minute, d.second);
    return text.data();
}

// Columns a move text takes on screen: two for every full-width character.
std::size_t display_width(std::string_view text) {
    std::size_t width = 0;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) ++width;
        if (byte >= 0xC0) width += 2;
    }
    return width;
}

std::string move_line(std::size_t number, const RecordedMove& rm) {
    std::array<char, 32> prefix{};
    std::snprintf(prefix.data(), prefix.size(), "%4zu ", number);
    std::string text = move_text(rm.move, rm.piece, rm.could_promote);
    const std::size_t width = display_width(text);
    if (width < 14) text.append(14 - width, ' ');
    return prefix.data() + text + time_text(rm.seconds, rm.total) + "\n";
}

std::string resign_line(std::size_t number) {
    std::array<char, 32> prefix{};
    std::snprintf(prefix.data(), prefix.size(), "%4zu ", number);
    return prefix.data() + std::string("投了\n");
}

std::string result_line(const GameRecord& r) {
    const std::string head = "まで" + std::to_string(r.moves.size()) + "手で";
    if (r.winner == Side::none) return head + "中断\n";
    const std::string_view side =
        r.winner == Side::lower ? lower_title(r.start) : upper_title(r.start);
    return head + std::string(side) + "の勝ち\n";
}

std::string header(const GameRecord& r) {
    std::string out = "# ---- ばんずり 棋譜ファイル ----\n";
    if (r.started) out += "開始日時：" + date_text(*r.started) + "\n";
    if (r.ended) out += "終了日時：" + date_text(*r.ended) + "\n";
    out += std::string(kRulesKey) + "：" + std::string(kRulesText) + "\n";
    if (r.start == standard_start())
        out += "手合割：平手\n";
    else
        out += board_diagram(r.start);
    out += std::string(lower_title(r.start)) + "：" + lower_player(r) + "\n";
    out += std::string(upper_title(r.start)) + "：" + upper_player(r) + "\n";
    return out;
}

}  // namespace

std::string_view lower_title(const StartPosition& start) {
    return start.lower_to_move ? "先手" : "下手";
}

std::string_view upper_title(const StartPosition& start) {
    return start.lower_to_move ? "後手" : "上手";
}

std::string lower_player(const GameRecord& r) {
    return std::string(r.game_mode == MODE_COM ? kHumanName : kLowerHumanName);
}

std::string upper_player(const GameRecord& r) {
    if (r.game_mode == MODE_COM) return std::string(kComputerName) + std::to_string(r.level);
    return std::string(kUpperHumanName);
}

std::string move_text(const Move& m, int piece, bool could_promote) {
    std::string text = file_text(10 - m.to.x) + rank_text(m.to.y) + move_piece_name(piece);
    if (m.is_drop()) return text + "打";
    if (m.promote)
        text += "成";
    else if (could_promote)
        text += "不成";
    return text + "(" + std::to_string(10 - m.from.x) + std::to_string(m.from.y) + ")";
}

std::string time_text(int seconds, int total) {
    std::array<char, 64> text{};
    std::snprintf(text.data(), text.size(), "(%2d:%02d/%02d:%02d:%02d)", seconds / 60, seconds % 60,
                  total / 3600, total / 60 % 60, total % 60);
    return text.data();
}

std::string write_kif(const GameRecord& r) {
    std::string out = header(r);
    out += std::string(kMovesHeading) + "\n";
    for (std::size_t i = 0; i < r.moves.size(); ++i)
        out += move_line(i + 1, r.moves[i]);
    if (r.resigned) out += resign_line(r.moves.size() + 1);
    return out + result_line(r);
}

}  // namespace banzuri::records
