// The look-ahead position against the rules over seeded random games: the generator lists
// exactly the legal moves, every move made leaves exactly the position Game::play leaves, and
// unmake restores board, hands and hash.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "../rules/fixtures.h"
#include "computer/look_position.h"
#include "rules/game.h"

namespace banzuri {
namespace {

using look::Move;
using look::MoveList;
using look::Position;

struct Snapshot {
    std::vector<int> cells;
    std::vector<int> hands;
    std::vector<std::uint64_t> sets;  // both sides' squares and the sliders', in halves
    std::uint64_t hash = 0;
    int material = 0;
    int advance = 0;
    int side = 0;
    int winner = 0;
    bool operator==(const Snapshot&) const = default;
};

Snapshot snapshot(const Position& p) {
    Snapshot s;
    for (int i = 0; i < look::SQUARES; ++i)
        s.cells.push_back(p.at(i));
    for (const int side : {look::UPPER, look::LOWER})
        for (int kind = 1; kind <= 7; ++kind)
            s.hands.push_back(p.hand(side, kind));
    for (const look::Bits b : {p.occupied(look::UPPER), p.occupied(look::LOWER), p.sliders()}) {
        s.sets.push_back(static_cast<std::uint64_t>(b));
        s.sets.push_back(static_cast<std::uint64_t>(b >> 64));
    }
    s.hash = p.hash();
    s.material = p.material();
    s.advance = p.advance();
    s.side = p.side();
    s.winner = p.winner();
    return s;
}

// The square sets name exactly the squares the board holds.
void expect_sets_match_board(const Position& p) {
    look::Bits upper = 0;
    look::Bits lower = 0;
    look::Bits sliders = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int s = look::sq(x, y);
            const int type = std::abs(p.at(s));
            if (p.at(s) > 0) upper |= look::bit_of(s);
            if (p.at(s) < 0) lower |= look::bit_of(s);
            if (type == look::KYOU || type == look::KAKU || type == look::SYA ||
                type == look::UMA || type == look::RYU)
                sliders |= look::bit_of(s);
        }
    EXPECT_TRUE(p.occupied(look::UPPER) == upper);
    EXPECT_TRUE(p.occupied(look::LOWER) == lower);
    EXPECT_TRUE(p.sliders() == sliders);
}

// The look-ahead move as the game writes it.
banzuri::Move as_game_move(const Move& m) {
    const int tx = look::column_of(m.to);
    const int ty = look::row_of(m.to);
    if (m.drop()) return banzuri::Move::drop_of(m.type, tx, ty);
    return banzuri::Move::board(look::column_of(m.from), look::row_of(m.from), tx, ty,
                                m.promote != 0);
}

bool before(const banzuri::Move& a, const banzuri::Move& b) {
    return std::tie(a.from.x, a.from.y, a.drop, a.to.x, a.to.y, a.promote) <
           std::tie(b.from.x, b.from.y, b.drop, b.to.x, b.to.y, b.promote);
}

// Position and game agree square by square, kind by kind, on the side to move and the winner.
void expect_same(const Position& p, const Game& game) {
    const GameState& g = game.position();
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int piece = p.at(look::sq(x, y));
            const int code = piece == EMPTY
                                 ? EMPTY
                                 : look::code_of(piece > 0 ? 1 : -1, piece > 0 ? piece : -piece);
            ASSERT_EQ(code, g.at(x, y)) << "square " << x << "," << y;
        }
    for (int kind = 1; kind <= 7; ++kind) {
        ASSERT_EQ(p.hand(look::UPPER, kind), GameState::count(g.hand_enemy, kind));
        ASSERT_EQ(p.hand(look::LOWER, kind), GameState::count(g.hand_own, kind));
    }
    ASSERT_EQ(p.side(), game.lower_to_move() ? look::LOWER : look::UPPER);
    int winner = 0;
    if (game.decided()) winner = game.winner() == game.lower_order() ? look::LOWER : look::UPPER;
    ASSERT_EQ(p.winner(), winner);
}

struct RandomGames {
    int moves = 0;
    int captures = 0;
    int drops = 0;
    int kings_taken = 0;
};

// One seeded random game played move by move on one look-ahead position and through
// Game::play, compared after every move. `thorough` also compares the generated moves with the
// game's legal moves, makes and unmakes every one of them, and checks the square sets and the
// incremental hash, material and progress against a position loaded afresh.
void play_both(const GameState& start, std::uint32_t seed, int plies, bool thorough,
               RandomGames& seen) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 rng(seed);
    Game game;
    game.set_position(start.board, start.hand_own, start.hand_enemy, rng() % 2 == 0);
    Position p;
    p.load(game.position(), game.lower_to_move() ? look::LOWER : look::UPPER);
    for (int ply = 0; ply < plies && !game.decided(); ++ply) {
        MoveList list;
        p.generate(list);
        if (thorough) {
            std::vector<banzuri::Move> generated;
            const Snapshot before_moves = snapshot(p);
            for (int i = 0; i < list.size; ++i) {
                const Move m = list.moves[static_cast<std::size_t>(i)];
                generated.push_back(as_game_move(m));
                look::Undo u;
                p.make(m, u);
                p.unmake(u);
                ASSERT_EQ(snapshot(p), before_moves) << "after move " << i;
            }
            std::vector<banzuri::Move> expected = game.legal_moves();
            std::sort(expected.begin(), expected.end(), before);
            std::sort(generated.begin(), generated.end(), before);
            ASSERT_EQ(generated, expected) << "ply " << ply;
        }
        if (list.size == 0) break;
        const Move m = list.moves[rng() % static_cast<std::size_t>(list.size)];
        look::Undo u;
        const int taken = p.make(m, u);
        const std::optional<MoveResult> played = game.play(as_game_move(m), 0);
        ASSERT_TRUE(played) << "ply " << ply;
        std::size_t removed = 0;
        for (const CaptureStep& step : played->captures)
            removed += step.squares.size();
        ASSERT_EQ(static_cast<std::size_t>(taken), removed) << "ply " << ply;
        expect_same(p, game);
        if (::testing::Test::HasFatalFailure()) return;
        if (thorough) {
            expect_sets_match_board(p);
            Position fresh;
            fresh.load(game.position(), p.side());
            ASSERT_EQ(fresh.hash(), p.hash()) << "ply " << ply;
            ASSERT_EQ(fresh.material(), p.material());
            ASSERT_EQ(fresh.advance(), p.advance());
        }
        ++seen.moves;
        seen.captures += taken > 0 ? 1 : 0;
        seen.drops += m.drop() ? 1 : 0;
        seen.kings_taken += played->king_taken() ? 1 : 0;
    }
}

TEST(LookPosition, AgreesWithTheRulesOverRandomGames) {
    RandomGames seen;
    // A few long games checked in every detail...
    for (std::uint32_t seed = 1; seed <= 12 && !::testing::Test::HasFatalFailure(); ++seed)
        play_both(testing::start_game(), seed, 300, true, seen);
    EXPECT_GT(seen.moves, 1000);
    EXPECT_GT(seen.captures, 50);
    EXPECT_GT(seen.drops, 50) << "a drop takes the piece out of the hash's hand";
    // ...and a thousand short ones from the start and from scattered positions, compared
    // after every move.
    RandomGames many;
    std::mt19937 scatter(2027);
    for (std::uint32_t seed = 1; seed <= 1000 && !::testing::Test::HasFatalFailure(); ++seed) {
        const GameState start =
            seed % 2 == 0 ? testing::random_position(scatter) : testing::start_game();
        play_both(start, 1000 + seed, 60, false, many);
    }
    EXPECT_GT(many.moves, 40000);
    EXPECT_GT(many.captures, 2000);
    EXPECT_GT(many.kings_taken, 100);
}

// Positions that differ in a hand alone are different positions to the table: each count of
// each kind in either hand gives its own hash.
TEST(LookPosition, TheHashTellsHandsApart) {
    const GameState start = testing::start_game();
    std::set<std::uint64_t> hashes;
    std::size_t positions = 0;
    auto add = [&](const GameState& g) {
        Position p;
        p.load(g, look::UPPER);
        hashes.insert(p.hash());
        ++positions;
    };
    add(start);
    for (int kind = 1; kind <= 7; ++kind)
        for (int count = 1; count <= 2; ++count) {
            GameState upper = start;
            GameState::add(upper.hand_enemy, kind, count);
            add(upper);
            GameState lower = start;
            GameState::add(lower.hand_own, kind, count);
            add(lower);
        }
    GameState both = start;
    GameState::add(both.hand_enemy, KIND_HU, 1);
    GameState::add(both.hand_own, KIND_HU, 1);
    add(both);
    EXPECT_EQ(hashes.size(), positions);
}

// The quiescence search lists only the moves onto chosen squares: the same moves, in the same
// order, as the full list with the others struck out.
TEST(LookPosition, MovesOntoTargetsAreTheFullListFiltered) {
    int drops_seen = 0;
    for (std::uint32_t seed = 1; seed <= 8; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 rng(seed);
        Position p;
        p.load(testing::start_game(), look::LOWER);
        for (int ply = 0; ply < 200 && p.winner() == 0; ++ply) {
            MoveList all;
            p.generate(all);
            if (all.size == 0) break;
            std::array<int, look::SQUARES> targets{};
            for (int& t : targets)
                t = rng() % 4 == 0 ? 1 + static_cast<int>(rng() % 900) : 0;
            std::vector<std::uint32_t> expected;
            for (int i = 0; i < all.size; ++i) {
                const Move m = all.moves[static_cast<std::size_t>(i)];
                if (targets[m.to] != 0) expected.push_back(m.bits());
                drops_seen += m.drop() && targets[m.to] != 0 ? 1 : 0;
            }
            MoveList onto;
            p.generate_onto(targets, onto);
            std::vector<std::uint32_t> listed;
            for (int i = 0; i < onto.size; ++i)
                listed.push_back(onto.moves[static_cast<std::size_t>(i)].bits());
            ASSERT_EQ(listed, expected) << "ply " << ply;
            look::Undo u;
            p.make(all.moves[rng() % static_cast<std::size_t>(all.size)], u);
        }
    }
    EXPECT_GT(drops_seen, 1000);
}

TEST(LookPosition, PieceCodesRoundTrip) {
    for (int code = -950; code <= 950; ++code) {
        if (!is_piece(code)) continue;
        const int type = look::type_of_code(code);
        ASSERT_NE(type, 0) << code;
        EXPECT_EQ(look::code_of(code > 0 ? 1 : -1, type), code);
    }
    EXPECT_EQ(look::type_of_code(UPPER_KIN_NARI), 0);
    EXPECT_EQ(look::type_of_code(EMPTY), 0);
}

}  // namespace
}  // namespace banzuri
