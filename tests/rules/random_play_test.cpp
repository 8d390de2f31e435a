// Thousands of random legal moves and drops played through Game: pieces are never created or
// lost, the mover never loses a piece, and the record keeps every position.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "fixtures.h"
#include "rules/game.h"
#include "rules/legal_moves.h"

namespace banzuri {
namespace {

using testing::pieces_on_board;
using testing::random_position;
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

// The single-move judgement agrees with the list: every listed move is legal, and a random
// candidate is legal exactly when the list holds it.
void expect_judgement_agrees(GameState& g, bool lower, const std::vector<Move>& moves,
                             std::mt19937& rng) {
    for (const Move& m : moves)
        ASSERT_TRUE(is_legal(g, lower, m));
    std::uniform_int_distribution<int> coordinate(-1, 11);
    for (int i = 0; i < 20; ++i) {
        Move m{{coordinate(rng), coordinate(rng)},
               0,
               {coordinate(rng), coordinate(rng)},
               rng() % 2 == 0};
        if (rng() % 4 == 0) {  // a drop, now and then with a square or a promotion it cannot have
            m.drop = coordinate(rng) - 2;
            if (rng() % 3 != 0) m.from = {};
        }
        const bool legal = is_legal(g, lower, m);
        const bool in_list = std::find(moves.begin(), moves.end(), m) != moves.end();
        ASSERT_EQ(legal, in_list) << m.from.x << "," << m.from.y << " drop " << m.drop << " -> "
                                  << m.to.x << "," << m.to.y << (m.promote ? "+" : "");
    }
}

// Plays up to `plies` random moves; returns how many were played.
int play_randomly(Game& game, std::mt19937& rng, int plies) {
    int played = 0;
    GameState scratch = testing::empty_game();  // the position of each ply, for the rules' list
    for (; played < plies && !game.decided(); ++played) {
        const bool lower = game.lower_to_move();
        scratch.board = game.position().board;
        scratch.hand_own = game.position().hand_own;
        scratch.hand_enemy = game.position().hand_enemy;
        const std::vector<Move> moves = legal_moves(scratch, lower);
        if (moves.empty()) break;
        expect_judgement_agrees(scratch, lower, moves, rng);
        const Move m = moves[std::uniform_int_distribution<std::size_t>(0, moves.size() - 1)(rng)];
        const GameState& g = game.position();
        const Board board_before = g.board;
        const Hand own_before = g.hand_own;
        const Hand enemy_before = g.hand_enemy;
        const int mover_before = side_on_board(g, lower);
        const int index = g.rec_index;

        EXPECT_EQ(game.piece_of(m), moving_piece(g, lower, m));
        const std::optional<MoveResult> result = game.play(m, 0);
        if (!result) {
            ADD_FAILURE() << "a listed move was refused";
            return played;
        }

        EXPECT_EQ(all_pieces(g), 40);
        EXPECT_EQ(side_on_board(g, lower), mover_before + (m.is_drop() ? 1 : 0));
        EXPECT_EQ(g.at(m.to.x, m.to.y), result->played.placed) << "the mover is never taken";
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
    for (int n = 0; n < 20 && !::testing::Test::HasFailure(); ++n) {
        Game game;
        game.start(MODE_MAN, FIRST_PLAYER, FIRST_PLAYER);
        total += play_randomly(game, rng, 600);
    }
    EXPECT_GT(total, 2000);
}

TEST(RandomPlay, FromRandomPositions) {
    std::mt19937 rng(4242);
    int total = 0;
    for (int n = 0; n < 60 && !::testing::Test::HasFailure(); ++n) {
        const GameState g = random_position(rng);
        ASSERT_EQ(all_pieces(g), 40);
        Game game;
        game.set_position(g.board, g.hand_own, g.hand_enemy, true);
        total += play_randomly(game, rng, 120);
    }
    EXPECT_GT(total, 1000);
}

}  // namespace
}  // namespace banzuri
