#include "records/kif_format.h"

#include <array>
#include <cstdio>

#include "records/kif_board.h"
#include "records/kif_handicaps.h"
#include "records/kif_names.h"

namespace banzuri::records {

namespace {

// The width of the move field before the time, in screen columns.
constexpr std::size_t kMoveColumns = 14;

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

std::string numbered(std::size_t number, std::string text, int seconds, int total) {
    std::array<char, 32> prefix{};
    std::snprintf(prefix.data(), prefix.size(), "%4zu ", number);
    const std::size_t width = display_width(text);
    text.append(width < kMoveColumns ? kMoveColumns - width : 1, ' ');
    return prefix.data() + text + time_text(seconds, total) + "\n";
}

// A move line. A move without 成 does not promote, so a declined promotion is not marked: KIF
// readers take "不成" for no move.
std::string move_line(std::size_t number, const RecordedMove& rm) {
    return numbered(number, move_text(rm.move, rm.piece, false), rm.seconds, rm.total);
}

// The mover's accumulated time before move `index`.
int total_before(const GameRecord& r, std::size_t index) {
    return index >= 2 ? r.moves[index - 2].total : 0;
}

// The closing line, taken by the side to move like a move with no time: the ending's word, or
// 中断 for a game no king and no ending decided.
std::string closing_line(const GameRecord& r) {
    const std::size_t n = r.moves.size();
    if (r.winner != Side::none && r.ending == Ending::none) return {};
    return numbered(n + 1, std::string(ending_word(r.ending)), 0, total_before(r, n));
}

std::string side_title(const GameRecord& r, Side side) {
    return std::string(side == Side::lower ? lower_title(r.start) : upper_title(r.start));
}

std::string result_line(const GameRecord& r) {
    const std::string head = "まで" + std::to_string(r.moves.size()) + "手で";
    const Side mover = lower_to_move_at_end(r) ? Side::lower : Side::upper;
    switch (r.ending) {
        case Ending::mate:
        case Ending::repetition:
        case Ending::impasse:
            return head + std::string(ending_word(r.ending)) + "\n";
        case Ending::loss_on_time:
            return head + "時間切れにより" + side_title(r, r.winner) + "の勝ち\n";
        case Ending::foul_win:
        case Ending::foul_loss:
        case Ending::entering_king:
            return head + side_title(r, mover) + "の" + std::string(ending_word(r.ending)) + "\n";
        default:
            break;
    }
    if (r.winner == Side::none) return head + "中断\n";
    return head + side_title(r, r.winner) + "の勝ち\n";
}

std::string player_line(std::string_view title, const std::string& name) {
    return std::string(title) + "：" + name + "\n";
}

std::string header(const GameRecord& r) {
    std::string out = "# ---- ばんずり 棋譜ファイル ----\n";
    if (r.started) out += "開始日時：" + date_text(*r.started) + "\n";
    if (r.ended) out += "終了日時：" + date_text(*r.ended) + "\n";
    out += std::string(kRulesKey) + "：" + std::string(kRulesText) + "\n";
    // A named start is named; a reader that does not know the name finds the diagram.
    const std::string_view name = start_name(r.start);
    if (!name.empty()) out += "手合割：" + std::string(name) + "\n";
    if (!widely_known(name)) out += board_diagram(r.start);
    out += player_line(lower_title(r.start), lower_player(r));
    out += player_line(upper_title(r.start), upper_player(r));
    if (!r.note.empty()) out += "備考：" + r.note + "\n";
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
    if (!r.lower_name.empty()) return r.lower_name;
    return std::string(r.game_mode == MODE_COM ? kHumanName : kLowerHumanName);
}

std::string upper_player(const GameRecord& r) {
    if (!r.upper_name.empty()) return r.upper_name;
    if (r.game_mode == MODE_COM) return std::string(kComputerName) + std::to_string(r.level);
    return std::string(kUpperHumanName);
}

std::string_view ending_word(Ending ending) {
    switch (ending) {
        case Ending::resignation:
            return "投了";
        case Ending::mate:
            return "詰み";
        case Ending::loss_on_time:
            return "切れ負け";
        case Ending::foul_loss:
            return "反則負け";
        case Ending::foul_win:
            return "反則勝ち";
        case Ending::entering_king:
            return "入玉勝ち";
        case Ending::repetition:
            return "千日手";
        case Ending::impasse:
            return "持将棋";
        default:
            return "中断";
    }
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
    return out + closing_line(r) + result_line(r);
}

}  // namespace banzuri::records
