#include "computer/search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "computer/computer_fixtures.h"
#include "rules/game.h"

namespace banzuri {
namespace {

using testing::com_game;
using testing::com_start;

struct SearchRun {
    std::optional<Move> best;
    std::vector<Candidate> candidates;
    int ticks = 0;
    ComputerState c;
};

SearchRun run(GameState& g) {
    SearchRun r;
    r.best = search_best_move(
        g, r.c, [&r] { ++r.ticks; }, &r.candidates);
    return r;
}

TEST(Search, EarliestMoveWinsTies) {
    GameState g = com_game(1);
    g.set(5, 5, UPPER_OU);
    g.set(1, 9, LOWER_OU);
    const SearchRun r = run(g);
    ASSERT_TRUE(r.best.has_value());
    EXPECT_EQ(*r.best, Move::board(5, 5, 4, 4));
    ASSERT_EQ(r.candidates.size(), 8u);
    EXPECT_EQ(r.candidates[1].move.to.y, 5);  // scan order: to-column, then to-row
    for (const Candidate& k : r.candidates)
        EXPECT_EQ(k.score, 0);
    EXPECT_EQ(r.c.best_score, 0);
}

TEST(Search, OptionalPromotionWithEqualScoresDoesNotPromote) {
    // The rook's only move is along row 9 to (5,9); promoted it would meet the silver and gold
    // wall (-10), which cancels the promotion's +10.
    GameState g = com_game(3);
    g.set(4, 9, UPPER_SYA);
    g.set(3, 9, LOWER_KEI);
    g.set(4, 8, LOWER_KIN);
    g.set(5, 8, LOWER_GIN);
    g.set(6, 9, LOWER_OU);
    const SearchRun r = run(g);
    ASSERT_TRUE(r.best.has_value());
    ASSERT_EQ(r.candidates.size(), 2u);
    EXPECT_EQ(r.candidates[0].move, Move::board(4, 9, 5, 9));
    EXPECT_EQ(r.candidates[1].move, Move::board(4, 9, 5, 9, true));
    EXPECT_EQ(r.candidates[0].score, r.candidates[1].score);
    EXPECT_EQ(*r.best, Move::board(4, 9, 5, 9));
}

TEST(Search, BetterPromotionIsTaken) {
    GameState g = com_game(1);
    g.set(5, 6, UPPER_GIN);
    g.set(9, 1, UPPER_OU);
    g.set(1, 9, LOWER_OU);
    const SearchRun r = run(g);
    ASSERT_TRUE(r.best.has_value());
    EXPECT_TRUE(r.best->promote);
    EXPECT_EQ(placed_code(g, false, *r.best), UPPER_GIN_NARI);
    EXPECT_EQ(r.c.best_score, 100);
}

TEST(Search, ForcedPromotionIsTheOnlyOption) {
    GameState g = com_game(1);
    g.set(5, 8, UPPER_HU);
    g.set(1, 1, LOWER_OU);
    const SearchRun r = run(g);
    ASSERT_EQ(r.candidates.size(), 1u);
    EXPECT_EQ(*r.best, Move::board(5, 8, 5, 9, true));
}

TEST(Search, DropsComeAfterBoardMovesAndTickPerKind) {
    GameState g = com_game(1);
    g.set(1, 1, UPPER_KYOU);
    g.set(1, 2, LOWER_HU);  // the lance cannot move
    g.hand_enemy[KIND_KIN] = 1;
    SearchRun r = run(g);
    EXPECT_EQ(r.ticks, 9 + 7);
    ASSERT_TRUE(r.best.has_value());
    EXPECT_EQ(r.best->drop, KIND_KIN);
    EXPECT_EQ(r.best->from, Square{}) << "a drop has no source square";
    EXPECT_EQ(r.candidates.size(), 81u - 2u);
    g.hand_enemy[KIND_KIN] = 0;
    r = run(g);
    EXPECT_EQ(r.ticks, 9);  // an empty hand: no drop is tried
}

TEST(Search, NoMoveAndNoDropAnswersNothing) {
    GameState g = com_game(3);
    g.set(5, 5, UPPER_HU);
    g.set(5, 6, LOWER_HU);
    const SearchRun r = run(g);
    EXPECT_FALSE(r.best.has_value());
    EXPECT_TRUE(r.candidates.empty());
    EXPECT_EQ(r.c.best_score, INITIAL_BEST_SCORE);
}

TEST(Search, BoardAndHandsAreLeftAsTheyWere) {
    for (int level = 1; level <= 3; ++level) {
        GameState g = com_start(level);
        g.hand_enemy = {0, 2, 1, 1, 1, 1, 1, 1};
        g.hand_own = {0, 1, 0, 0, 0, 1, 0, 0};
        const GameState before = g;
        const SearchRun r = run(g);
        ASSERT_TRUE(r.best.has_value());
        EXPECT_EQ(g.board, before.board);
        EXPECT_EQ(g.hand_enemy, before.hand_enemy);
        EXPECT_EQ(g.hand_own, before.hand_own);
        EXPECT_EQ(g.winner, TURN_NONE);
        EXPECT_EQ(r.c.search_hand_total, 8);
    }
}

TEST(Search, BestScoreIsTheExactScoreOfTheChosenCandidate) {
    GameState g = com_start(3);
    const SearchRun r = run(g);
    ASSERT_TRUE(r.best.has_value());
    Score top = INITIAL_BEST_SCORE;
    const Candidate* first_top = nullptr;
    for (const Candidate& k : r.candidates) {
        if (k.score > top) {
            top = k.score;
            first_top = &k;
        }
    }
    ASSERT_NE(first_top, nullptr);
    EXPECT_EQ(r.c.best_score, top);
    EXPECT_EQ(first_top->move, *r.best);
}

TEST(Search, SameSearchSameMove) {
    GameState g = com_start(3);
    const SearchRun a = run(g);
    const SearchRun b = run(g);
    EXPECT_EQ(a.best, b.best);
    EXPECT_EQ(a.candidates.size(), b.candidates.size());
}

bool before(const Move& a, const Move& b) {
    return std::tie(a.from.x, a.from.y, a.drop, a.to.x, a.to.y, a.promote) <
           std::tie(b.from.x, b.from.y, b.drop, b.to.x, b.to.y, b.promote);
}

// The one-ply search, the legal move list and the command-line tool speak one move type: over
// seeded random games the search's options are exactly the upper side's legal moves, drops
// and promotions written the same way, so a move found by either plays through the other.
TEST(Search, OptionsAreExactlyTheLegalMovesOfTheUpperSide) {
    std::mt19937 rng(2026);
    int compared = 0;
    for (int n = 0; n < 6; ++n) {
        Game game;
        game.start(MODE_COM, FIRST_PLAYER, SECOND_PLAYER);
        for (int ply = 0; ply < 80 && !game.decided(); ++ply) {
            std::vector<Move> legal = game.legal_moves();
            if (legal.empty()) break;
            if (!game.lower_to_move()) {
                GameState g = game.position();
                SearchRun r = run(g);
                std::vector<Move> options;
                for (const Candidate& k : r.candidates)
                    options.push_back(k.move);
                std::sort(options.begin(), options.end(), before);
                std::vector<Move> sorted = legal;
                std::sort(sorted.begin(), sorted.end(), before);
                ASSERT_EQ(options, sorted) << "game " << n << " ply " << ply;
                ASSERT_EQ(g.board, game.position().board);
                ASSERT_TRUE(r.best.has_value());
                ASSERT_TRUE(game.is_legal(*r.best));
                ++compared;
            }
            ASSERT_TRUE(game.play(legal[rng() % legal.size()], 0));
        }
    }
    EXPECT_GT(compared, 150);
}

}  // namespace
}  // namespace banzuri

namespace banzuri {
namespace {

TEST(CandidateTerms, ListsTheTermsOfOneOptionAndRestoresTheBoard) {
    GameState g = testing::com_game(3);
    g.set(5, 4, UPPER_KYOU);
    g.set(9, 1, UPPER_OU);
    g.set(1, 9, LOWER_OU);
    ComputerState c;
    ASSERT_TRUE(search_best_move(g, c, [] {}).has_value());
    const GameState before = g;
    EXPECT_EQ(candidate_terms(g, c, Move::board(5, 4, 5, 5)), "advance +1; lance move -0.9; ");
    EXPECT_EQ(g.board, before.board);
}

}  // namespace
}  // namespace banzuri
