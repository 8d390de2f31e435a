// The shared game state: board, hands, order tokens, record and the counters every rule reads.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "rules/pieces.h"

namespace banzuri {

// board[x][y]: x = column 1..9 from the left, y = row 1..9 from the top. Row 0 and column 0
// exist and stay EMPTY.
using Board = std::array<std::array<int, 10>, 10>;

// Counts of pieces in hand by kind index 1..7 (index 0 unused). The total is always read from
// the counts, so it can never fall behind them.
struct Hand {
    std::array<int, 8> counts{};

    int& operator[](std::size_t kind) { return counts[kind]; }
    const int& operator[](std::size_t kind) const { return counts[kind]; }
    // Pieces in the hand: the positive counts of kinds 1..7.
    int total() const {
        int sum = 0;
        for (std::size_t kind = 1; kind <= 7; ++kind)
            if (counts[kind] > 0) sum += counts[kind];
        return sum;
    }
    bool operator==(const Hand&) const = default;
};

// One entry of the game record: the position before a move and both clocks around it.
struct RecordEntry {
    Board board{};
    Hand hand_lower{};
    Hand hand_upper{};
    double time_lower_before = 0;
    double time_lower_after = 0;
    double time_upper_before = 0;
    double time_upper_after = 0;
    bool operator==(const RecordEntry&) const = default;
};

// The record starts with room for this many entries and grows when a game goes on longer.
inline constexpr std::size_t RECORD_INITIAL_CAPACITY = 501;

struct GameState {
    Board board{};
    Hand hand_own{};    // the lower side's hand
    Hand hand_enemy{};  // the upper side's hand
    int hand_total_lower() const { return hand_own.total(); }
    int hand_total_upper() const { return hand_enemy.total(); }

    int lower_order = SECOND_PLAYER;
    int upper_order = FIRST_PLAYER;
    int turn = TURN_NONE;
    int winner = TURN_NONE;
    int game_mode = MODE_MAN;
    int level = 3;  // strength of the computer, 1..5

    int move_count = 0;
    int rec_index = 0;
    int rec_last = 0;
    std::vector<RecordEntry> record = std::vector<RecordEntry>(RECORD_INITIAL_CAPACITY);

    double time_lower = 0;  // accumulated seconds of the lower side
    double time_upper = 0;

    std::array<int, 10> pawn_file_lower{};
    std::array<int, 10> pawn_file_upper{};
    int promoted_piece = EMPTY;

    int handicap_level = 0;

    // Bounds-safe access: anything outside 0..9 reads EMPTY; writes outside 1..9 are dropped.
    int at(int x, int y) const {
        if (x < 0 || x > 9 || y < 0 || y > 9) return EMPTY;
        return board[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
    }
    void set(int x, int y, int code) {
        if (x < 1 || x > 9 || y < 1 || y > 9) return;
        board[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)] = code;
    }
    // Hand counts by kind 1..7; other kinds read 0 and are never written.
    static int count(const Hand& h, int kind) {
        return (kind < 1 || kind > 7) ? 0 : h[static_cast<std::size_t>(kind)];
    }
    static void add(Hand& h, int kind, int delta) {
        if (kind >= 1 && kind <= 7) h[static_cast<std::size_t>(kind)] += delta;
    }
};

// Lays out the standard starting position and clears the game: steps of the initial setup
// that belong to the rules (the caller stops the clock and redraws the window).
void 初期設定(GameState& g);

// The starting position alone.
void 初期配置(GameState& g);

}  // namespace banzuri
