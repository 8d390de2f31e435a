#include "rules/game.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "rules/legal_moves.h"
#include "rules/move.h"
#include "rules/movement.h"
#include "rules/record.h"

namespace banzuri {

namespace {

std::size_t slot(int n) {
    return static_cast<std::size_t>(n);
}

// A piece changes side and keeps its kind and promotion; anything else stays.
int flipped(int code) {
    return (code <= LOWER_HU || code >= UPPER_HU) ? -code : code;
}

// The order token of the side whose king is gone, or TURN_NONE while both stand.
int winner_by_kings(const GameState& g) {
    if (存在チェック_駒(g, LOWER_OU) == OFF) return g.upper_order;
    if (存在チェック_駒(g, UPPER_OU) == OFF) return g.lower_order;
    return TURN_NONE;
}

}  // namespace

bool lower_moves_at(bool lower_first, int n) {
    return (n % 2 == 0) == lower_first;
}

Game::Game() {
    初期設定(g_);
}

int Game::line_end() const {
    return line_end_ >= 0 ? line_end_ : g_.rec_index;
}

std::vector<RecordEntry> Game::line() const {
    const auto begin = g_.record.begin();
    if (line_end_ >= 0) return {begin, begin + line_end_ + 1};
    std::vector<RecordEntry> out(
        begin, begin + std::min<int>(g_.rec_index, static_cast<int>(g_.record.size())));
    RecordEntry latest;
    latest.board = g_.board;
    latest.hand_lower = g_.hand_own;
    latest.hand_upper = g_.hand_enemy;
    latest.time_lower_before = latest.time_lower_after = g_.time_lower;
    latest.time_upper_before = latest.time_upper_after = g_.time_upper;
    out.push_back(latest);
    return out;
}

std::vector<Move> Game::legal_moves() const {
    if (!running() || decided()) return {};
    GameState scratch = g_;
    return banzuri::legal_moves(scratch, lower_to_move());
}

int Game::piece_of(const Move& m) const {
    if (!running()) return EMPTY;
    return moving_piece(g_, lower_to_move(), m);
}

bool Game::is_legal(const Move& m) const {
    if (!running() || decided()) return false;
    GameState scratch = g_;
    return banzuri::is_legal(scratch, lower_to_move(), m);
}

int Game::promotion_of(const Move& m) const {
    if (m.is_drop()) return EMPTY;
    Move promoting = m;
    promoting.promote = true;
    GameState scratch = g_;
    return banzuri::is_legal(scratch, lower_to_move(), promoting)
               ? placed_code(g_, lower_to_move(), promoting)
               : EMPTY;
}

bool Game::must_promote(const Move& m) const {
    const int piece = piece_of(m);
    return piece != EMPTY && 移動後チェック(m.to.y, piece) == OFF;
}

void Game::reset() {
    初期設定(g_);
    moves_.clear();
    line_end_ = -1;
}

void Game::start(int mode, int lower_order, int turn) {
    g_.game_mode = mode;
    g_.lower_order = lower_order;
    g_.upper_order = -lower_order;
    g_.turn = turn;
}

void Game::set_mode(int mode) {
    g_.game_mode = mode;
}

void Game::set_players(int mode, int lower_order) {
    const auto same_side = [&](int token) {
        if (token == TURN_NONE) return TURN_NONE;
        return token == g_.lower_order ? lower_order : -lower_order;
    };
    g_.turn = same_side(g_.turn);
    g_.winner = same_side(g_.winner);
    g_.game_mode = mode;
    g_.lower_order = lower_order;
    g_.upper_order = -lower_order;
}

void Game::set_level(int level) {
    g_.level = level;
}

void Game::set_record_last(int last) {
    g_.rec_last = std::max(0, last);
}

std::optional<MoveResult> Game::play(const Move& m, double seconds) {
    const bool lower = lower_to_move();
    MoveClocks c{g_.time_lower, g_.time_lower, g_.time_upper, g_.time_upper};
    (lower ? c.lower_after : c.upper_after) += seconds;
    return play(m, c);
}

std::optional<MoveResult> Game::play(const Move& m, const MoveClocks& clocks) {
    if (!running() || decided()) return std::nullopt;
    const bool lower = lower_to_move();
    if (!banzuri::is_legal(g_, lower, m)) return std::nullopt;
    const int piece = moving_piece(g_, lower, m);
    const int placed = placed_code(g_, lower, m);
    const Square from = source_of(m);

    MoveResult result;
    result.lower = lower;
    result.played =
        PlayedMove{m, piece, placed, 0, may_promote(g_, lower, m), another_piece_reaches(g_, m)};
    result.played.seconds =
        lower ? clocks.lower_after - clocks.lower_before : clocks.upper_after - clocks.upper_before;

    手順保存(g_, from.x, from.y, m.to.x, m.to.y, piece, g_.at(m.to.x, m.to.y), clocks.lower_before,
             clocks.lower_after, clocks.upper_before, clocks.upper_after);
    moves_.resize(slot(g_.rec_index));
    moves_.push_back(result.played);
    line_end_ = -1;
    ++g_.move_count;
    ++g_.rec_index;

    駒移動(g_, from.x, from.y, m.to.x, m.to.y, placed);
    CaptureSequence captures(g_, m.to.x, m.to.y);
    while (std::optional<CaptureStep> step = captures.next()) {
        take_capture(g_, *step);
        result.captures.push_back(std::move(*step));
    }
    g_.time_lower = clocks.lower_after;
    g_.time_upper = clocks.upper_after;
    g_.turn = -g_.turn;
    result.winner = g_.winner;
    return result;
}

// Keeps the latest position (board, hands and both clocks) as the entry after the last move,
// so that stepping forward can return to it.
void Game::keep_latest_position() {
    if (line_end_ >= 0) return;
    手順保存(g_, 0, 0, 0, 0, EMPTY, EMPTY, g_.time_lower, g_.time_lower, g_.time_upper,
             g_.time_upper);
    line_end_ = g_.rec_index;
}

void Game::restore(int n) {
    const RecordEntry& entry = g_.record[slot(n)];
    g_.board = entry.board;
    g_.hand_own = entry.hand_lower;
    g_.hand_enemy = entry.hand_upper;
}

bool Game::step_back() {
    if (g_.rec_index < 1 || slot(g_.rec_index - 1) >= g_.record.size()) return false;
    keep_latest_position();
    const RecordEntry& entry = g_.record[slot(g_.rec_index - 1)];
    restore(g_.rec_index - 1);
    g_.time_upper = entry.time_upper_before;
    g_.time_lower = entry.time_lower_before;
    g_.rec_index -= 1;
    g_.move_count -= 1;
    g_.turn = -g_.turn;
    g_.winner = winner_by_kings(g_);
    return true;
}

bool Game::step_forward() {
    const int limit = std::min(g_.rec_last, line_end());
    if (g_.rec_index >= limit || slot(limit) >= g_.record.size()) return false;
    const RecordEntry& before = g_.record[slot(g_.rec_index)];
    g_.rec_index += 1;
    g_.move_count += 1;
    restore(g_.rec_index);
    g_.time_upper = before.time_upper_after;
    g_.time_lower = before.time_lower_after;
    g_.turn = -g_.turn;
    g_.winner = winner_by_kings(g_);
    return true;
}

bool Game::go_to(int n) {
    if (n < 0 || n > std::min(g_.rec_last, line_end())) return false;
    while (g_.rec_index > n)
        if (!step_back()) return false;
    while (g_.rec_index < n)
        if (!step_forward()) return false;
    return true;
}

bool Game::take_back(int n) {
    if (n < 1 || n > g_.rec_index) return false;
    if (!go_to(g_.rec_index - n)) return false;
    moves_.resize(slot(g_.rec_index));
    line_end_ = -1;
    g_.rec_last = std::max(0, g_.rec_index - 1);
    return true;
}

void Game::resign() {
    if (!running() || decided()) return;
    g_.winner = -g_.turn;
}

void Game::set_winner(int winner) {
    g_.winner = winner;
}

void Game::flip() {
    const Board before = g_.board;
    for (std::size_t x = 1; x <= 9; ++x)
        for (std::size_t y = 1; y <= 9; ++y)
            g_.board[10 - x][10 - y] = flipped(before[x][y]);
    std::swap(g_.hand_own, g_.hand_enemy);
    g_.rec_index = 0;
    g_.rec_last = 0;
    moves_.clear();
    line_end_ = -1;
    if (g_.turn != TURN_NONE) g_.turn = -g_.turn;
}

void Game::set_start_square(int x, int y, int code) {
    if (g_.rec_index != 0) return;
    g_.set(x, y, code);
    g_.rec_last = 0;  // nothing ahead of the starting position can be stepped to any more
    moves_.clear();
    line_end_ = -1;
}

void Game::set_handicap_level(int level) {
    g_.handicap_level = level;
}

void Game::set_clocks(double lower, double upper) {
    g_.time_lower = lower;
    g_.time_upper = upper;
}

void Game::set_position(const Board& board, const Hand& lower, const Hand& upper,
                        bool lower_to_move) {
    初期設定(g_);
    g_.board = board;
    g_.hand_own = lower;
    g_.hand_enemy = upper;
    g_.game_mode = MODE_MAN;
    g_.lower_order = FIRST_PLAYER;
    g_.upper_order = SECOND_PLAYER;
    g_.turn = lower_to_move ? FIRST_PLAYER : SECOND_PLAYER;
    g_.rec_last = 0;
    moves_.clear();
    line_end_ = -1;
}

}  // namespace banzuri
