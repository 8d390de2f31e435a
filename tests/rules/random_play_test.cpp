// Thousands of random legal moves and drops through the silent paths: pieces are never
// created or lost, the mover never loses a piece, and the record keeps every position.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "fixtures.h"
#include "rules/legal_moves.h"
#include "rules/move.h"

namespace banzuri {
namespace {

using testing::pieces_on_board;
using testing::start_game;

int hand_pieces(const Hand& h) {
    int n = 0;
    for (int k = 1; k <= 7; ++k)
        n += h[static_cast<std::size_t>(k)];
    return n;
}

int side_on_board(const GameState& g, bool lower) {
    int n = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (lower ? is_lower_piece(g.at(x, y)) : is_upper_piece(g.at(x, y))) ++n;
    return n;
}

int kings_taken(const GameState& g) {
    int kings = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (g.at(x, y) == LOWER_OU || g.at(x, y) == UPPER_OU) ++kings;
    return 2 - kings;
}

int all_pieces(const GameState& g) {
    return pieces_on_board(g) + hand_pieces(g.hand_own) + hand_pieces(g.hand_enemy) +
           kings_taken(g);
}

bool edges_empty(const GameState& g) {
    for (std::size_t i = 0; i <= 9; ++i)
        if (g.board[0][i] != EMPTY || g.board[i][0] != EMPTY) return false;
    return true;
}

// The forty pieces of the starting set scattered over both sides, the board and the hands.
GameState random_position(std::mt19937& rng) {
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

// The single-move judgement agrees with the list: every listed move is legal as listed, and a
// random candidate is legal exactly when the list holds it.
void expect_judgement_agrees(GameState& g, bool lower, const std::vector<LegalMove>& moves,
                             std::mt19937& rng) {
    for (LegalMove m : moves) {
        const LegalMove listed = m;
        m.piece = m.placed = EMPTY;
        ASSERT_TRUE(is_legal(g, lower, m));
        ASSERT_EQ(m, listed);
    }
    std::uniform_int_distribution<int> coordinate(-1, 11);
    for (int i = 0; i < 20; ++i) {
        LegalMove m{coordinate(rng),
                    coordinate(rng),
                    coordinate(rng),
                    coordinate(rng),
                    EMPTY,
                    rng() % 2 == 0,
                    EMPTY};
        const bool legal = is_legal(g, lower, m);
        bool in_list = false;
        for (const LegalMove& l : moves)
            in_list = in_list || (l.fx == m.fx && l.fy == m.fy && l.tx == m.tx && l.ty == m.ty &&
                                  l.promote == m.promote);
        ASSERT_EQ(legal, in_list) << m.fx << "," << m.fy << " -> " << m.tx << "," << m.ty;
    }
}

// Plays up to `plies` random moves; returns how many were played.
int play_randomly(GameState& g, std::mt19937& rng, int plies) {
    bool lower = true;
    int played = 0;
    for (; played < plies && g.winner == TURN_NONE; ++played, lower = !lower) {
        const std::vector<LegalMove> moves = legal_moves(g, lower);
        if (moves.empty()) break;
        expect_judgement_agrees(g, lower, moves, rng);
        const LegalMove m =
            moves[std::uniform_int_distribution<std::size_t>(0, moves.size() - 1)(rng)];
        const Board board_before = g.board;
        const Hand own_before = g.hand_own;
        const Hand enemy_before = g.hand_enemy;
        const int mover_before = side_on_board(g, lower);
        const int index = g.rec_index;

        play_move(g, m.fx, m.fy, m.tx, m.ty, m.placed);

        EXPECT_EQ(all_pieces(g), 40);
        EXPECT_EQ(side_on_board(g, lower), mover_before + (is_drop(m) ? 1 : 0));
        EXPECT_EQ(g.rec_index, index + 1);
        const RecordEntry& entry = g.record[static_cast<std::size_t>(index)];
        EXPECT_EQ(entry.board, board_before);
        EXPECT_EQ(entry.hand_lower, own_before);
        EXPECT_EQ(entry.hand_upper, enemy_before);
        EXPECT_EQ(g.hand_total_lower(), hand_pieces(g.hand_own));
        EXPECT_EQ(g.hand_total_upper(), hand_pieces(g.hand_enemy));
        EXPECT_TRUE(edges_empty(g));
        if (::testing::Test::HasFailure()) return played;
    }
    return played;
}

TEST(LegalMoves, StartingPositionHasThirtyForEachSide) {
    GameState g = start_game();
    const Board before = g.board;
    EXPECT_EQ(legal_moves(g, true).size(), 30u);
    EXPECT_EQ(legal_moves(g, false).size(), 30u);
    EXPECT_EQ(g.board, before);
}

TEST(RandomPlay, FromTheStartingPosition) {
    std::mt19937 rng(20261208);
    int total = 0;
    for (int game = 0; game < 20 && !::testing::Test::HasFailure(); ++game) {
        GameState g = start_game();
        total += play_randomly(g, rng, 600);
    }
    EXPECT_GT(total, 2000);
}

TEST(RandomPlay, FromRandomPositions) {
    std::mt19937 rng(4242);
    int total = 0;
    for (int game = 0; game < 60 && !::testing::Test::HasFailure(); ++game) {
        GameState g = random_position(rng);
        ASSERT_EQ(all_pieces(g), 40);
        total += play_randomly(g, rng, 120);
    }
    EXPECT_GT(total, 1000);
}

}  // namespace
}  // namespace banzuri
