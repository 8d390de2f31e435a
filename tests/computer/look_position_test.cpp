// The look-ahead position against the rules over seeded random games: the generator lists
// exactly the legal moves, a made move leaves exactly the position the rules leave, and
// unmake restores board, hands and hash.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "../rules/fixtures.h"
#include "computer/look_position.h"
#include "rules/legal_moves.h"
#include "rules/move.h"

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

// The look-ahead move written as the legal-move list writes it.
LegalMove as_legal(const Move& m, int side) {
    const bool lower = side == look::LOWER;
    LegalMove out;
    out.fx = m.drop() ? (lower ? HAND_LOWER_COLUMN : HAND_UPPER_COLUMN) : look::column_of(m.from);
    out.fy = m.drop() ? (lower ? m.type + 2 : m.type) : look::row_of(m.from);
    out.tx = look::column_of(m.to);
    out.ty = look::row_of(m.to);
    out.piece = look::code_of(side, m.type);
    out.promote = m.promote != 0;
    out.placed = look::code_of(side, m.promote ? look::promoted_type(m.type) : m.type);
    return out;
}

auto key(const LegalMove& m) {
    return std::tuple(m.fx, m.fy, m.tx, m.ty, m.piece, m.promote, m.placed);
}

// Position and rules agree square by square and kind by kind.
void expect_same(const Position& p, const GameState& g) {
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
}

TEST(LookPosition, AgreesWithTheRulesOverRandomGames) {
    int moves_checked = 0;
    int captures_seen = 0;
    int drops_made = 0;
    for (std::uint32_t seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 rng(seed);
        GameState g = testing::start_game();
        bool lower = true;
        for (int ply = 0; ply < 300 && g.winner == TURN_NONE; ++ply) {
            Position p;
            p.load(g, lower ? look::LOWER : look::UPPER);
            MoveList list;
            p.generate(list);
            std::vector<LegalMove> expected = legal_moves(g, lower);
            std::vector<LegalMove> generated;
            const Snapshot before = snapshot(p);
            for (int i = 0; i < list.size; ++i) {
                const Move m = list.moves[static_cast<std::size_t>(i)];
                generated.push_back(as_legal(m, p.side()));
                look::Undo u;
                p.make(m, u);
                p.unmake(u);
                ASSERT_EQ(snapshot(p), before) << "after move " << i;
            }
            auto by_key = [](const LegalMove& a, const LegalMove& b) { return key(a) < key(b); };
            std::sort(expected.begin(), expected.end(), by_key);
            std::sort(generated.begin(), generated.end(), by_key);
            ASSERT_EQ(generated, expected) << "ply " << ply;
            if (list.size == 0) break;
            const Move m = list.moves[rng() % static_cast<std::size_t>(list.size)];
            const LegalMove legal = as_legal(m, p.side());
            look::Undo u;
            captures_seen += p.make(m, u) > 0 ? 1 : 0;
            drops_made += m.drop() ? 1 : 0;
            carry_out_move(g, legal.fx, legal.fy, legal.tx, legal.ty, legal.placed);
            expect_same(p, g);
            expect_sets_match_board(p);
            ASSERT_EQ(p.winner() != 0, g.winner != TURN_NONE);
            Position fresh;
            fresh.load(g, p.side());
            ASSERT_EQ(fresh.hash(), p.hash()) << "ply " << ply;
            ASSERT_EQ(fresh.material(), p.material());
            ASSERT_EQ(fresh.advance(), p.advance());
            lower = !lower;
            ++moves_checked;
        }
    }
    EXPECT_GT(moves_checked, 1000);
    EXPECT_GT(captures_seen, 50);
    EXPECT_GT(drops_made, 50) << "a drop takes the piece out of the hash's hand";
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
