#include "records/replay.h"

#include <array>

#include "rules/movement.h"

namespace banzuri::records {

using files::Message;

namespace {

// The most pieces of each hand kind 1..7 the set holds.
constexpr std::array<int, 8> kSetCount = {0, 18, 4, 4, 4, 4, 2, 2};
constexpr int kMaxSeconds = 100'000'000;

Message check_square(int code, int row) {
    if (code == EMPTY) return {};
    if (!is_piece(code)) return {"盤上に駒でない値があります", "a square holds no known piece"};
    if (移動後チェック(row, code) == OFF)
        return {"動けない駒が盤上にあります", "a piece on the board could never move"};
    return {};
}

Message check_counts(const StartPosition& s) {
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
        if (s.hand_lower[k] < 0 || s.hand_upper[k] < 0)
            return {"持駒の数が負です", "a hand holds a negative number"};
        kinds[k] += s.hand_lower[k] + s.hand_upper[k];
        if (kinds[k] > kSetCount[k])
            return {"駒の数が一組の駒より多くなっています",
                    "there are more pieces than in one set"};
    }
    if (lower_kings != 1 || upper_kings != 1)
        return {"玉は両方に一枚ずつ必要です", "each side needs exactly one king"};
    return {};
}

Message check_move_fields(const RecordedMove& stored, const RecordedMove& played) {
    if (stored.piece != played.piece || stored.could_promote != played.could_promote)
        return {"指し手の駒が局面と合いません", "the move's piece does not match the position"};
    if (stored.seconds < 0 || stored.total < 0 || stored.seconds > kMaxSeconds ||
        stored.total > kMaxSeconds)
        return {"消費時間が範囲外です", "the time used is out of range"};
    return {};
}

std::optional<RecordProblem> check_result(const GameRecord& r, const Game& game) {
    const Side taken = winner_of(game);
    const std::size_t end = r.moves.size();
    if (r.ending != Ending::none) {
        if (taken != Side::none)
            return RecordProblem{
                end, {"玉を取った後の終局の行です", "an ending after a king was taken"}};
        if (r.winner != ending_winner(r.ending, lower_to_move_at_end(r)))
            return RecordProblem{
                end, {"終局の行と勝敗が合いません", "the ending does not match the winner"}};
        return std::nullopt;
    }
    if (r.winner != taken) return RecordProblem{end, result_disagrees()};
    return std::nullopt;
}

}  // namespace

Game replay_game(const StartPosition& start) {
    Board board = start.board;
    for (std::size_t i = 0; i < 10; ++i)
        board[0][i] = board[i][0] = EMPTY;
    Hand lower = start.hand_lower;
    Hand upper = start.hand_upper;
    lower[0] = upper[0] = 0;
    Game game;
    game.set_position(board, lower, upper, start.lower_to_move);
    return game;
}

Message result_disagrees() {
    return {"勝敗が指し手と合いません", "the result does not match the moves"};
}

Message check_start(const StartPosition& start) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            Message why = check_square(
                start.board[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)], y);
            if (!why.empty()) return why;
        }
    return check_counts(start);
}

Message play_recorded(Game& game, RecordedMove& rm) {
    if (game.decided()) return {"勝負が付いた後の指し手です", "a move after the game was decided"};
    const bool lower = game.lower_to_move();
    MoveClocks clocks{game.time_lower(), game.time_lower(), game.time_upper(), game.time_upper()};
    (lower ? clocks.lower_before : clocks.upper_before) = rm.total - rm.seconds;
    (lower ? clocks.lower_after : clocks.upper_after) = rm.total;
    const std::optional<MoveResult> played = game.play(rm.move, clocks);
    if (!played)
        return {"この局面では指せない手です", "the move cannot be played in this position"};
    rm.piece = played->played.piece;
    rm.could_promote = played->played.could_promote;
    return {};
}

Side winner_of(const Game& game) {
    if (!game.decided()) return Side::none;
    if (game.winner() == game.lower_order()) return Side::lower;
    if (game.winner() == game.upper_order()) return Side::upper;
    return Side::none;
}

std::optional<RecordProblem> replay(const GameRecord& r, Game& game) {
    if (Message why = check_start(r.start); !why.empty()) return RecordProblem{0, why};
    if (r.game_mode == MODE_COM ? (r.level < 1 || r.level > 5)
                                : (r.game_mode != MODE_MAN || r.level != 0))
        return RecordProblem{0, {"対局の種類が正しくありません", "the kind of game is not valid"}};
    game = replay_game(r.start);
    for (std::size_t i = 0; i < r.moves.size(); ++i) {
        RecordedMove played = r.moves[i];
        Message why = play_recorded(game, played);
        if (why.empty()) why = check_move_fields(r.moves[i], played);
        if (!why.empty()) return RecordProblem{i + 1, why};
    }
    return check_result(r, game);
}

std::optional<RecordProblem> check_record(const GameRecord& r) {
    Game game;
    return replay(r, game);
}

}  // namespace banzuri::records
