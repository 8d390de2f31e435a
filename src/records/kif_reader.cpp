#include "records/kif_reader.h"

#include <array>
#include <utility>

#include "records/kif_board.h"
#include "records/kif_format.h"
#include "records/kif_handicaps.h"
#include "records/kif_names.h"
#include "records/kif_values.h"
#include "records/replay.h"
#include "records/text_encoding.h"

namespace banzuri::records {

namespace {

// The words of closing lines and the endings they give; 中断 leaves the game open.
constexpr std::array<std::pair<std::string_view, Ending>, 11> kClosingWords = {{
    {"投了", Ending::resignation},
    {"中断", Ending::none},
    {"詰み", Ending::mate},
    {"切れ負け", Ending::loss_on_time},
    {"時間切れ", Ending::loss_on_time},
    {"千日手", Ending::repetition},
    {"持将棋", Ending::impasse},
    {"反則勝ち", Ending::foul_win},
    {"反則負け", Ending::foul_loss},
    {"入玉勝ち", Ending::entering_king},
    {"詰", Ending::mate},
}};

// What a result line ("まで…") says: the winner, or a draw or an unfinished game, and the ending
// it gives when the moves do not say.
struct Declared {
    Side winner = Side::none;
    Ending ending = Ending::none;
};

struct Reader {
    GameRecord r;
    int line = 0;
    bool board_seen = false;  // a diagram or a hand line was given
    int board_rows = -1;      // -1 before the diagram, 0..9 inside it, 10 after it
    int handicap_line = 0;    // the line of a 手合割 other than 平手
    bool started = false;     // the start position is fixed and checked
    bool finished = false;    // a closing line was read
    bool content = false;     // a move, a closing line, a result line or a diagram was read
    std::optional<StartPosition> named;  // the start 手合割 names
    std::optional<Declared> declared;
    int declared_line = 0;
    std::string lower_name;
    std::string upper_name;
    Game game;
    int last_x = 0;
    int last_y = 0;
    int lower_total = 0;
    int upper_total = 0;
};

struct Refusal {
    Message why;
};

Message unknown_ending() {
    return {"この終局には対応していません", "this ending is not known"};
}

Message unreadable_time() {
    return {"消費時間が読めません", "the time used cannot be read"};
}

[[noreturn]] void refuse(Message why) {
    throw Refusal{std::move(why)};
}

void start_game(Reader& rd) {
    if (rd.started) return;
    if (rd.board_rows >= 0 && rd.board_rows < 10)
        refuse({"盤面が終わっていません", "the board diagram does not end"});
    if (rd.board_seen && rd.board_rows < 0)
        refuse({"持駒はありますが盤面がありません", "there are hands but no board diagram"});
    if (!rd.board_seen && rd.handicap_line != 0 && !rd.named) {
        rd.line = rd.handicap_line;
        refuse({"この手合割には対応していません（盤面図で書いて下さい）",
                "this handicap is not known (write it as a board diagram)"});
    }
    if (!rd.board_seen && rd.named) {
        rd.r.start = *rd.named;
    } else if (!rd.board_seen) {
        const bool lower_first = rd.r.start.lower_to_move;
        rd.r.start = standard_start();
        rd.r.start.lower_to_move = lower_first;
    }
    if (Message why = check_start(rd.r.start); !why.empty())
        refuse(fill({"開始局面: %1", "start position: %1"}, {why}));
    rd.game = replay_game(rd.r.start);
    rd.started = true;
}

void read_players(Reader& rd, std::string_view upper_name) {
    rd.upper_name = upper_name;
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
    if (rd.started) refuse({"指し手の後に見出しの行があります", "a header line after the moves"});
    value = trimmed(value);
    if (key == "開始日時" || key == "終了日時") {
        DateTime d;
        if (!parse_date(value, d))
            refuse({"日時が読めません（2024/05/01 10:00:00 の形で書きます）",
                    "the date cannot be read (write it as 2024/05/01 10:00:00)"});
        (key == "開始日時" ? rd.r.started : rd.r.ended) = d;
    } else if (key == "後手" || key == "上手") {
        read_players(rd, value);
    } else if (key == "先手" || key == "下手") {
        rd.lower_name = value;
    } else if (key == "備考") {
        rd.r.note = value;
    } else if (key == "手合割") {
        rd.handicap_line = value == "平手" ? 0 : rd.line;
        rd.named = named_start(value);
    } else if (key.ends_with("の持駒")) {
        const bool lower = key.starts_with("先手") || key.starts_with("下手");
        if (!lower && !key.starts_with("後手") && !key.starts_with("上手")) return;
        rd.board_seen = true;
        Hand& hand = lower ? rd.r.start.hand_lower : rd.r.start.hand_upper;
        if (Message why = parse_hand(value, hand); !why.empty()) refuse(why);
    }
}

bool read_diagram_line(Reader& rd, std::string_view line) {
    if (line.starts_with("+-")) {
        if (rd.started || rd.board_rows >= 10)
            refuse({"盤面が二つあります", "there are two board diagrams"});
        if (rd.board_rows < 0) {
            rd.content = true;
            rd.board_rows = 0;
            rd.board_seen = true;
            rd.r.start.board = Board{};
        } else if (rd.board_rows < 9) {
            refuse({"盤面の段が9つありません", "the board diagram does not have 9 ranks"});
        } else {
            rd.board_rows = 10;
        }
        return true;
    }
    if (rd.board_rows < 0 || rd.board_rows >= 9) return false;
    if (Message why = parse_board_row(line, rd.board_rows + 1, rd.r.start.board); !why.empty())
        refuse(why);
    ++rd.board_rows;
    return true;
}

Side side_named(std::string_view& text) {
    for (std::string_view lower : {"先手", "下手"})
        if (take(text, lower)) return Side::lower;
    for (std::string_view upper : {"後手", "上手"})
        if (take(text, upper)) return Side::upper;
    return Side::none;
}

Side other_side(Side s) {
    return s == Side::lower ? Side::upper : Side::lower;
}

// "中断", "千日手", "持将棋", "詰み", "先手の勝ち", "時間切れにより後手の勝ち", "先手の反則勝ち",
// "後手の反則負け", "先手の入玉勝ち", with the side to move at the end `mover`.
Declared declared_result(std::string_view text, Side mover) {
    for (const auto& [word, ending] : kClosingWords)
        if (text == word) return {ending_winner(ending, mover == Side::lower), ending};
    const bool on_time = take(text, "時間切れにより");
    const Side side = side_named(text);
    if (side == Side::none || !take(text, "の")) refuse(unknown_ending());
    if (text == "勝ち") {
        if (side == mover) return {side, Ending::none};  // never so: refused when settled
        return {side, on_time ? Ending::loss_on_time : Ending::resignation};
    }
    if (on_time) refuse(unknown_ending());
    if (text == "反則勝ち") return {side, side == mover ? Ending::foul_win : Ending::foul_loss};
    if (text == "反則負け")
        return {other_side(side), side == mover ? Ending::foul_loss : Ending::foul_win};
    if (text == "入玉勝ち" && side == mover) return {side, Ending::entering_king};
    refuse(unknown_ending());
}

void read_result(Reader& rd, std::string_view text) {
    start_game(rd);
    rd.content = true;
    std::size_t count = 0;
    const std::string_view rest = take_count_before(text, "手で", count);
    if (rest.data() == nullptr) refuse({"終局の行が読めません", "the result line cannot be read"});
    if (count != rd.r.moves.size())
        refuse(fill({"手数が指し手の数（%1）と合いません",
                     "the number of moves does not match the moves played (%1)"},
                    {verbatim(std::to_string(rd.r.moves.size()))}));
    const Side mover = lower_to_move_at_end(rd.r) ? Side::lower : Side::upper;
    rd.declared = declared_result(trimmed(rest), mover);
    rd.declared_line = rd.line;
}

Move parse_move(const Reader& rd, std::string_view& text) {
    Move m;
    if (take(text, "同")) {
        if (rd.last_x == 0)
            refuse({"最初の指し手に「同」は使えません", "the first move cannot use 同"});
        m.to = {rd.last_x, rd.last_y};
        text = trimmed(text);
    } else {
        const int file = take_file(text);
        const int rank = file == 0 ? 0 : take_rank(text);
        if (rank == 0) refuse({"移動先の升が読めません", "the destination square cannot be read"});
        m.to = {10 - file, rank};
    }
    const int named = take_piece_name(text);
    if (named == 0) refuse({"駒の名前が読めません", "the piece name cannot be read"});
    if (take(text, "不成"))
        m.promote = false;
    else
        m.promote = take(text, "成");
    if (take(text, "打")) {
        const int kind = hand_kind(named);
        if (kind == 0 || named != upper_code_of_kind(kind))
            refuse({"打てない駒です", "this piece cannot be dropped"});
        m.drop = kind;  // a promotion mark on a drop stays, for the rules to refuse
        return m;
    }
    if (!take_source(text, m.from.x, m.from.y))
        refuse({"移動元「(77)」か「打」が必要です", "the origin “(77)” or 打 is missing"});
    const int there = rd.game.at(m.from.x, m.from.y);
    if ((there < 0 ? -there : there) != named)
        refuse({"移動元にその駒がありません", "that piece is not on the origin square"});
    return m;
}

// A closing line: an ending's word with or without a time. False when the line is a move.
bool read_closing(Reader& rd, std::string_view text) {
    for (const auto& [word, ending] : kClosingWords) {
        std::string_view rest = text;
        if (!take(rest, word)) continue;
        int seconds = 0;
        int total = 0;
        if (!parse_move_time(rest, seconds, total)) refuse(unreadable_time());
        if (rd.game.decided())
            refuse(fill({"勝負が付いた後の%1です", "%1 after the game was decided"},
                        {verbatim(word)}));
        rd.r.ending = ending;
        rd.finished = true;
        return true;
    }
    return false;
}

void read_move(Reader& rd, std::size_t number, std::string_view text) {
    start_game(rd);
    rd.content = true;
    if (rd.finished) refuse({"終局の後に指し手があります", "a move after the end of the game"});
    if (number != rd.r.moves.size() + 1)
        refuse(fill({"手数が続いていません（%1手目のはず）",
                     "the move numbers are not in sequence (move %1 expected)"},
                    {verbatim(std::to_string(rd.r.moves.size() + 1))}));
    if (read_closing(rd, text)) return;
    const std::string move_shown = shown(text, 30);
    const bool lower = lower_moves(rd.r.start, rd.r.moves.size());
    RecordedMove rm;
    rm.move = parse_move(rd, text);
    int& total = lower ? rd.lower_total : rd.upper_total;
    rm.total = total;
    if (!parse_move_time(text, rm.seconds, rm.total)) refuse(unreadable_time());
    total = rm.total;
    if (Message why = play_recorded(rd.game, rm); !why.empty())
        refuse(fill({"%1手目「%2」: %3", "move %1 “%2”: %3"},
                    {verbatim(std::to_string(number)), verbatim(move_shown), why}));
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
    if (colon == std::string_view::npos)
        refuse(fill({"読めない行です「%1」", "a line that cannot be read: “%1”"},
                    {verbatim(shown(text))}));
    read_header(rd, text.substr(0, colon), text.substr(colon + std::string_view("：").size()));
    return true;
}

// The winner: a king taken, or the closing line; a result line alone gives the ending when the
// moves leave the game open.
void settle_result(Reader& rd) {
    const bool lower_to_move = lower_to_move_at_end(rd.r);
    Side winner = winner_of(rd.game);
    if (rd.r.ending != Ending::none) winner = ending_winner(rd.r.ending, lower_to_move);
    const bool open = winner == Side::none && !rd.finished;
    if (rd.declared && open && rd.declared->ending != Ending::none) {
        rd.r.ending = rd.declared->ending;
        winner = ending_winner(rd.r.ending, lower_to_move);
    }
    if (rd.declared && rd.declared->winner != winner) {
        rd.line = rd.declared_line;
        refuse(result_disagrees());
    }
    rd.r.winner = winner;
}

// The names are kept only when they are not those the mode and the level give.
void settle_names(Reader& rd) {
    GameRecord plain = rd.r;
    if (rd.lower_name != lower_player(plain)) rd.r.lower_name = rd.lower_name;
    if (rd.upper_name != upper_player(plain)) rd.r.upper_name = rd.upper_name;
}

}  // namespace

Message TextProblem::text() const {
    if (line <= 0) return why;
    return fill({"%1行目: %2", "line %1: %2"}, {verbatim(std::to_string(line)), why});
}

KifResult read_kif(std::string_view text) {
    take(text, "\xEF\xBB\xBF");  // a byte-order mark
    Reader rd;
    try {
        std::size_t start = 0;
        while (start <= text.size()) {
            const std::size_t end = std::min(text.find('\n', start), text.size());
            std::string_view line = text.substr(start, end - start);
            ++rd.line;
            if (line.ends_with('\r')) line.remove_suffix(1);
            if (line.size() > kMaxLineBytes) refuse({"行が長すぎます", "a line is too long"});
            if (!read_line(rd, line)) break;
            start = end + 1;
        }
        rd.line = 0;
        start_game(rd);
        if (!rd.content)
            refuse({"棋譜がありません（指し手も盤面図もありません）",
                    "there is no record (no moves and no board diagram)"});
        settle_result(rd);
        settle_names(rd);
    } catch (const Refusal& refusal) {
        return KifResult{std::nullopt, TextProblem{rd.line, refusal.why}};
    }
    if (auto problem = check_record(rd.r))
        return KifResult{std::nullopt, TextProblem{0, problem->why}};
    return KifResult{rd.r, {}};
}

}  // namespace banzuri::records
