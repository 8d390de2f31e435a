#include "records/kif_reader.h"

#include "records/kif_board.h"
#include "records/kif_format.h"
#include "records/kif_names.h"
#include "records/kif_values.h"
#include "records/replay.h"

namespace banzuri::records {

namespace {

struct Reader {
    GameRecord r;
    int line = 0;
    bool board_seen = false;  // a diagram or a hand line was given
    int board_rows = -1;      // -1 before the diagram, 0..9 inside it, 10 after it
    int handicap_line = 0;    // the line of a 手合割 other than 平手
    bool started = false;     // the start position is fixed and checked
    bool finished = false;    // 投了 or 中断 was read
    std::optional<Side> declared;
    int declared_line = 0;
    Game game;
    int last_x = 0;
    int last_y = 0;
    int lower_total = 0;
    int upper_total = 0;
};

struct Refusal {
    std::string why;
};

[[noreturn]] void refuse(std::string why) {
    throw Refusal{std::move(why)};
}

void start_game(Reader& rd) {
    if (rd.started) return;
    if (rd.board_rows >= 0 && rd.board_rows < 10) refuse("盤面が終わっていません");
    if (rd.board_seen && rd.board_rows < 0) refuse("持駒はありますが盤面がありません");
    if (!rd.board_seen && rd.handicap_line != 0) {
        rd.line = rd.handicap_line;
        refuse("この手合割には対応していません（平手か盤面図で書いて下さい）");
    }
    if (!rd.board_seen) {
        const bool lower_first = rd.r.start.lower_to_move;
        rd.r.start = standard_start();
        rd.r.start.lower_to_move = lower_first;
    }
    if (std::string why = check_start(rd.r.start); !why.empty()) refuse("開始局面: " + why);
    rd.game = replay_game(rd.r.start);
    rd.started = true;
}

void read_players(Reader& rd, std::string_view upper_name) {
    std::string_view rest = upper_name;
    if (take(rest, kComputerName) && rest.size() == 1 && rest[0] >= '1' && rest[0] <= '5') {
        rd.r.game_mode = MODE_COM;
        rd.r.level = rest[0] - '0';
    } else {
        rd.r.game_mode = MODE_MAN;
        rd.r.level = 0;
    }
}

void read_header(Reader& rd, std::string_view key, std::string_view value) {
    if (rd.started) refuse("指し手の後に見出しの行があります");
    value = trimmed(value);
    if (key == "開始日時" || key == "終了日時") {
        DateTime d;
        if (!parse_date(value, d)) refuse("日時が読めません（2024/05/01 10:00:00 の形で書きます）");
        (key == "開始日時" ? rd.r.started : rd.r.ended) = d;
    } else if (key == "後手" || key == "上手") {
        read_players(rd, value);
    } else if (key == "手合割") {
        rd.handicap_line = value == "平手" ? 0 : rd.line;
    } else if (key.ends_with("の持駒")) {
        const bool lower = key.starts_with("先手") || key.starts_with("下手");
        if (!lower && !key.starts_with("後手") && !key.starts_with("上手")) return;
        rd.board_seen = true;
        Hand& hand = lower ? rd.r.start.hand_lower : rd.r.start.hand_upper;
        if (std::string why = parse_hand(value, hand); !why.empty()) refuse(why);
    }
}

bool read_diagram_line(Reader& rd, std::string_view line) {
    if (line.starts_with("+-")) {
        if (rd.started || rd.board_rows >= 10) refuse("盤面が二つあります");
        if (rd.board_rows < 0) {
            rd.board_rows = 0;
            rd.board_seen = true;
            rd.r.start.board = Board{};
        } else if (rd.board_rows < 9) {
            refuse("盤面の段が9つありません");
        } else {
            rd.board_rows = 10;
        }
        return true;
    }
    if (rd.board_rows < 0 || rd.board_rows >= 9) return false;
    if (std::string why = parse_board_row(line, rd.board_rows + 1, rd.r.start.board); !why.empty())
        refuse(why);
    ++rd.board_rows;
    return true;
}

void read_result(Reader& rd, std::string_view text) {
    start_game(rd);
    std::size_t count = 0;
    const std::string_view rest = take_count_before(text, "手で", count);
    if (rest.data() == nullptr) refuse("終局の行が読めません");
    if (count != rd.r.moves.size())
        refuse("手数が指し手の数（" + std::to_string(rd.r.moves.size()) + "）と合いません");
    if (rest == "中断") {
        rd.declared = Side::none;
    } else if (rest == "先手の勝ち" || rest == "下手の勝ち") {
        rd.declared = Side::lower;
    } else if (rest == "後手の勝ち" || rest == "上手の勝ち") {
        rd.declared = Side::upper;
    } else {
        refuse("この終局には対応していません");
    }
    rd.declared_line = rd.line;
}

Move parse_move(const Reader& rd, std::string_view& text) {
    Move m;
    if (take(text, "同")) {
        if (rd.last_x == 0) refuse("最初の指し手に「同」は使えません");
        m.to = {rd.last_x, rd.last_y};
        text = trimmed(text);
    } else {
        const int file = take_file(text);
        const int rank = file == 0 ? 0 : take_rank(text);
        if (rank == 0) refuse("移動先の升が読めません");
        m.to = {10 - file, rank};
    }
    const int named = take_piece_name(text);
    if (named == 0) refuse("駒の名前が読めません");
    if (take(text, "不成"))
        m.promote = false;
    else
        m.promote = take(text, "成");
    if (take(text, "打")) {
        const int kind = hand_kind(named);
        if (kind == 0 || named != upper_code_of_kind(kind)) refuse("打てない駒です");
        m.drop = kind;  // a promotion mark on a drop stays, for the rules to refuse
        return m;
    }
    if (!take_source(text, m.from.x, m.from.y)) refuse("移動元「(77)」か「打」が必要です");
    const int there = rd.game.at(m.from.x, m.from.y);
    if ((there < 0 ? -there : there) != named) refuse("移動元にその駒がありません");
    return m;
}

void read_move(Reader& rd, std::size_t number, std::string_view text) {
    start_game(rd);
    if (rd.finished) refuse("終局の後に指し手があります");
    if (number != rd.r.moves.size() + 1)
        refuse("手数が続いていません（" + std::to_string(rd.r.moves.size() + 1) + "手目のはず）");
    if (take(text, "投了")) {
        if (rd.game.decided()) refuse("勝負が付いた後の投了です");
        rd.r.resigned = true;
        rd.finished = true;
        return;
    }
    if (take(text, "中断")) {
        rd.finished = true;
        return;
    }
    if (rd.r.moves.size() >= kMaxRecordMoves) refuse("指し手が多すぎます");
    const std::string move_shown = shown(text, 30);
    const bool lower = lower_moves(rd.r.start, rd.r.moves.size());
    RecordedMove rm;
    rm.move = parse_move(rd, text);
    int& total = lower ? rd.lower_total : rd.upper_total;
    rm.total = total;
    if (!parse_move_time(text, rm.seconds, rm.total)) refuse("消費時間が読めません");
    total = rm.total;
    if (std::string why = play_recorded(rd.game, rm); !why.empty())
        refuse(std::to_string(number) + "手目「" + move_shown + "」: " + why);
    rd.last_x = rm.move.to.x;
    rd.last_y = rm.move.to.y;
    rd.r.moves.push_back(rm);
}

// False when the rest of the text is not to be read.
bool read_line(Reader& rd, std::string_view line) {
    const std::string_view text = trimmed(line);
    if (text.empty() || text[0] == '#' || text[0] == '*' || text[0] == '&') return true;
    if (text.starts_with("変化：")) return false;
    if (read_diagram_line(rd, line.starts_with('|') ? line : text)) return true;
    if (text.starts_with("９")) return true;  // the file numbers above the diagram
    if (text == "先手番" || text == "下手番" || text == "後手番" || text == "上手番") {
        rd.r.start.lower_to_move = text == "先手番" || text == "下手番";
        return true;
    }
    if (text.starts_with("手数")) return true;
    std::size_t number = 0;
    std::string_view rest = take_number(text, number);
    if (rest.data() != nullptr) {
        read_move(rd, number, trimmed(rest));
        return true;
    }
    if (std::string_view rest2 = text; take(rest2, "まで")) {
        read_result(rd, rest2);
        return false;
    }
    const auto colon = text.find("：");
    if (colon == std::string_view::npos) refuse("読めない行です「" + shown(text) + "」");
    read_header(rd, text.substr(0, colon), text.substr(colon + std::string_view("：").size()));
    return true;
}

void settle_result(Reader& rd) {
    const Side taken = winner_of(rd.game);
    Side winner = taken;
    if (rd.r.resigned) winner = lower_to_move_at_end(rd.r) ? Side::upper : Side::lower;
    if (rd.declared && *rd.declared != winner) {
        rd.line = rd.declared_line;
        refuse("勝敗が指し手と合いません");
    }
    rd.r.winner = winner;
}

}  // namespace

std::string TextProblem::text() const {
    return line > 0 ? std::to_string(line) + "行目: " + why : why;
}

std::string shown(std::string_view text, std::size_t limit) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const bool starts_character = (byte & 0xC0) != 0x80;
        if (starts_character && out.size() >= limit) return out + "…";
        out += (byte < 0x20 || byte == 0x7f) ? '?' : text[i];
    }
    return out;
}

KifResult read_kif(std::string_view text) {
    Reader rd;
    try {
        std::size_t start = 0;
        while (start <= text.size()) {
            const std::size_t end = std::min(text.find('\n', start), text.size());
            std::string_view line = text.substr(start, end - start);
            ++rd.line;
            if (line.ends_with('\r')) line.remove_suffix(1);
            if (line.size() > kMaxLineBytes) refuse("行が長すぎます");
            if (!read_line(rd, line)) break;
            start = end + 1;
        }
        rd.line = 0;
        start_game(rd);
        settle_result(rd);
    } catch (const Refusal& refusal) {
        return KifResult{std::nullopt, TextProblem{rd.line, refusal.why}};
    }
    if (auto problem = check_record(rd.r))
        return KifResult{std::nullopt, TextProblem{0, problem->why}};
    return KifResult{rd.r, {}};
}

}  // namespace banzuri::records
