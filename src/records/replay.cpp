#include "records/replay.h"

#include <array>

#include "rules/move.h"
#include "rules/movement.h"

namespace banzuri::records {

namespace {

// The most pieces of each hand kind 1..7 the set holds.
constexpr std::array<int, 8> kSetCount = {0, 18, 4, 4, 4, 4, 2, 2};
constexpr int kMaxSeconds = 100'000'000;

std::string check_square(int code, int row) {
    if (code == EMPTY) return {};
    if (!is_piece(code)) return "盤上に駒でない値があります";
    if (移動後チェック(row, code) == OFF) return "動けない駒が盤上にあります";
    return {};
}

std::string check_counts(const StartPosition& s) {
    std::array<int, 8> kinds{};
    int lower_kings = 0;
    int upper_kings = 0;
    for (std::size_t x = 1; x <= 9; ++x)
        for (std::size_t y = 1; y <= 9; ++y) {
            const int code = s.board[x][y];
            if (code == LOWER_OU) ++lower_kings;
            if (code == UPPER_OU) ++upper_kings;
            ++kinds[static_cast<std::size_t>(hand_kind(code))];
        }
    for (std::size_t k = 1; k <= 7; ++k) {
        if (s.hand_lower[k] < 0 || s.hand_upper[k] < 0) return "持駒の数が負です";
        kinds[k] += s.hand_lower[k] + s.hand_upper[k];
        if (kinds[k] > kSetCount[k]) return "駒の数が一組の駒より多くなっています";
    }
    if (lower_kings != 1 || upper_kings != 1) return "玉は両方に一枚ずつ必要です";
    return {};
}

std::string check_move_fields(const RecordedMove& stored, const LegalMove& played) {
    if (stored.move.piece != played.piece || stored.move.placed != played.placed)
        return "指し手の駒が局面と合いません";
    if (stored.seconds < 0 || stored.total < 0 || stored.seconds > kMaxSeconds ||
        stored.total > kMaxSeconds)
        return "消費時間が範囲外です";
    return {};
}

std::optional<RecordProblem> check_result(const GameRecord& r, const GameState& g) {
    const Side taken = winner_of(g);
    const std::size_t end = r.moves.size();
    if (r.resigned) {
        if (taken != Side::none) return RecordProblem{end, "玉を取った後に投了はできません"};
        const Side expected = lower_to_move_at_end(r) ? Side::upper : Side::lower;
        if (r.winner != expected) return RecordProblem{end, "投了した側が勝ちになっています"};
        return std::nullopt;
    }
    if (r.winner != taken) return RecordProblem{end, "勝敗が指し手と合いません"};
    return std::nullopt;
}

}  // namespace

GameState replay_state(const StartPosition& start) {
    GameState g;
    g.record.clear();
    g.game_mode = MODE_MAN;
    g.lower_order = FIRST_PLAYER;
    g.upper_order = SECOND_PLAYER;
    g.turn = start.lower_to_move ? FIRST_PLAYER : SECOND_PLAYER;
    g.board = start.board;
    for (std::size_t i = 0; i < 10; ++i)
        g.board[0][i] = g.board[i][0] = EMPTY;
    g.hand_own = start.hand_lower;
    g.hand_enemy = start.hand_upper;
    g.hand_own[0] = g.hand_enemy[0] = 0;
    sync_hand_totals(g);
    return g;
}

std::string check_start(const StartPosition& start) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            std::string why = check_square(
                start.board[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)], y);
            if (!why.empty()) return why;
        }
    return check_counts(start);
}

std::string play_recorded(GameState& g, bool lower_side, LegalMove& m) {
    if (g.winner != TURN_NONE) return "勝負が付いた後の指し手です";
    if (!is_legal(g, lower_side, m)) return "この局面では指せない手です";
    carry_out_move(g, m.fx, m.fy, m.tx, m.ty, m.placed);
    g.turn = -g.turn;
    return {};
}

Side winner_of(const GameState& g) {
    if (g.winner == FIRST_PLAYER) return Side::lower;
    if (g.winner == SECOND_PLAYER) return Side::upper;
    return Side::none;
}

std::optional<RecordProblem> replay(const GameRecord& r, GameState& g) {
    if (std::string why = check_start(r.start); !why.empty()) return RecordProblem{0, why};
    if (r.game_mode == MODE_COM ? (r.level < 1 || r.level > 5)
                                : (r.game_mode != MODE_MAN || r.level != 0))
        return RecordProblem{0, "対局の種類が正しくありません"};
    g = replay_state(r.start);
    for (std::size_t i = 0; i < r.moves.size(); ++i) {
        LegalMove m = r.moves[i].move;
        std::string why = play_recorded(g, lower_moves(r.start, i), m);
        if (why.empty()) why = check_move_fields(r.moves[i], m);
        if (!why.empty()) return RecordProblem{i + 1, why};
    }
    return check_result(r, g);
}

std::optional<RecordProblem> check_record(const GameRecord& r) {
    GameState g;
    return replay(r, g);
}

}  // namespace banzuri::records
