// Positions shared by the rules tests.
#pragma once

#include <algorithm>
#include <optional>
#include <random>
#include <utility>
#include <vector>

#include "rules/capture_sequence.h"
#include "rules/game_state.h"

namespace banzuri::testing {

// An empty board, no game mode set beyond two humans, lower side first.
inline GameState empty_game() {
    GameState g;
    g.game_mode = MODE_MAN;
    g.lower_order = FIRST_PLAYER;
    g.upper_order = SECOND_PLAYER;
    g.turn = FIRST_PLAYER;
    return g;
}

// The starting position after the initial setup, lower side first between two humans.
// The lower king on (5, 7) beside an upper gold on (6, 7); the upper gold on (4, 6) takes it by
// stepping to (4, 7) unless the lower side, to move, sees to it. A lower pawn stands on (1, 7)
// to be pushed instead: the blunder the analysis tests look for.
inline GameState king_left_to_capture() {
    GameState g = empty_game();
    g.set(9, 1, UPPER_OU);
    g.set(5, 7, LOWER_OU);
    g.set(6, 7, UPPER_KIN);
    g.set(4, 6, UPPER_KIN);
    g.set(1, 7, LOWER_HU);
    g.set(2, 8, LOWER_KIN);
    return g;
}

inline GameState start_game() {
    GameState g = empty_game();
    初期設定(g);
    g.lower_order = FIRST_PLAYER;
    g.upper_order = SECOND_PLAYER;
    g.turn = FIRST_PLAYER;
    return g;
}

// The forty pieces of the starting set scattered over both sides, the board and the hands.
inline GameState random_position(std::mt19937& rng) {
    GameState g = start_game();
    std::vector<int> set;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (g.at(x, y) != EMPTY && g.at(x, y) != LOWER_OU && g.at(x, y) != UPPER_OU)
                set.push_back(g.at(x, y) < 0 ? -g.at(x, y) : g.at(x, y));
    g.board = Board{};
    std::vector<std::pair<int, int>> squares;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            squares.emplace_back(x, y);
    std::shuffle(squares.begin(), squares.end(), rng);
    std::size_t next = 0;
    auto place = [&](int code) {
        g.set(squares[next].first, squares[next].second, code);
        ++next;
    };
    place(LOWER_OU);
    place(UPPER_OU);
    std::uniform_int_distribution<int> percent(0, 99);
    for (int magnitude : set) {
        const bool lower = percent(rng) < 50;
        if (percent(rng) < 35) {
            GameState::add(lower ? g.hand_own : g.hand_enemy, hand_kind(magnitude), 1);
            continue;
        }
        const bool promote = magnitude != 110 && percent(rng) < 30;
        const int code = magnitude + (promote ? 1 : 0);
        place(lower ? -code : code);
    }
    return g;
}

// The upper gold on (5, 1) has just arrived between two lower single-piece groups, each closed
// by upper pawns and the edge: (4, 1) and (6, 1).
inline GameState two_enclosed_groups() {
    GameState g = empty_game();
    g.set(5, 1, UPPER_KIN);
    g.set(4, 1, LOWER_HU);
    g.set(3, 1, UPPER_HU);
    g.set(4, 2, UPPER_HU);
    g.set(6, 1, LOWER_GIN);
    g.set(7, 1, UPPER_HU);
    g.set(6, 2, UPPER_HU);
    return g;
}

// Every capture of the piece that arrived on (x, y), taken in the order the rules take them.
inline void take_captures(GameState& g, int x, int y) {
    CaptureSequence captures(g, x, y);
    while (std::optional<CaptureStep> step = captures.next())
        take_capture(g, *step);
}

inline int pieces_on_board(const GameState& g) {
    int n = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (g.at(x, y) != EMPTY) ++n;
    return n;
}

}  // namespace banzuri::testing
