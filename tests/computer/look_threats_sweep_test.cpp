// The threat sweep against a plain reference over seeded random games: for every piece, the
// runs it closes in four directions and the empty squares of its whole group, counted square
// by square without any shortcut.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <vector>

#include "../rules/fixtures.h"
#include "computer/look_threats.h"

namespace banzuri {
namespace {

using look::Position;

int side_of(int cell) {
    return cell == look::WALL ? 0 : (cell > 0) - (cell < 0);
}

int value_of(int cell) {
    const int type = cell > 0 ? cell : -cell;
    return type == look::OU ? look::KING_THREAT_VALUE : look::board_value(type);
}

struct Reference {
    std::array<int, look::SQUARES> upper{};
    std::array<int, look::SQUARES> lower{};
    int upper_reach = 0;
    int lower_reach = 0;
    std::array<int, look::SQUARES>& of(int side) { return side > 0 ? upper : lower; }
};

constexpr int kStraights[] = {look::UP, look::DOWN, look::LEFT, look::RIGHT};
constexpr int kDiagonals[] = {look::UP + look::LEFT, look::UP + look::RIGHT,
                              look::DOWN + look::LEFT, look::DOWN + look::RIGHT};

// Empty squares a lance, bishop or rook (promoted or not) slides over.
int reach_of(const Position& p, int s) {
    const int cell = p.at(s);
    std::vector<int> directions;
    switch (cell > 0 ? cell : -cell) {
        case look::KYOU:
            directions = {cell > 0 ? look::DOWN : look::UP};
            break;
        case look::KAKU:
        case look::UMA:
            directions.assign(std::begin(kDiagonals), std::end(kDiagonals));
            break;
        case look::SYA:
        case look::RYU:
            directions.assign(std::begin(kStraights), std::end(kStraights));
            break;
        default:
            break;
    }
    int n = 0;
    for (const int d : directions)
        for (int t = s + d; p.at(t) == EMPTY; t += d)
            ++n;
    return n;
}

void reference_group(const Position& p, int start, std::array<bool, look::SQUARES>& done,
                     Reference& r) {
    const int side = side_of(p.at(start));
    std::vector<int> members{start};
    std::array<bool, look::SQUARES> liberty{};
    done[static_cast<std::size_t>(start)] = true;
    for (std::size_t i = 0; i < members.size(); ++i)
        for (const int d : kStraights) {
            const int n = members[i] + d;
            if (p.at(n) == EMPTY) liberty[static_cast<std::size_t>(n)] = true;
            if (side_of(p.at(n)) != side || done[static_cast<std::size_t>(n)]) continue;
            done[static_cast<std::size_t>(n)] = true;
            members.push_back(n);
        }
    int value = 0;
    for (const int m : members)
        value += value_of(p.at(m));
    if (std::count(liberty.begin(), liberty.end(), true) != 1) return;
    const auto at = std::find(liberty.begin(), liberty.end(), true) - liberty.begin();
    r.of(-side)[static_cast<std::size_t>(at)] += value;
}

Reference reference(const Position& p) {
    Reference r;
    std::array<bool, look::SQUARES> done{};
    for (int s = 0; s < look::SQUARES; ++s) {
        const int side = side_of(p.at(s));
        if (side == 0) continue;
        for (const int d : kStraights) {
            int n = s + d;
            int value = 0;
            for (; side_of(p.at(n)) == -side; n += d)
                value += value_of(p.at(n));
            if (value > 0 && p.at(n) == EMPTY) r.of(side)[static_cast<std::size_t>(n)] += value;
        }
        if (!done[static_cast<std::size_t>(s)]) reference_group(p, s, done, r);
        (side > 0 ? r.upper_reach : r.lower_reach) += reach_of(p, s);
    }
    return r;
}

void expect_agrees(const look::SideThreats& t, const std::array<int, look::SQUARES>& gain) {
    int best = 0;
    int king_squares = 0;
    for (int s = 0; s < look::SQUARES; ++s) {
        const int g = gain[static_cast<std::size_t>(s)];
        ASSERT_EQ(t.gain[static_cast<std::size_t>(s)], g) << "square " << s;
        best = std::max(best, g);
        king_squares += g >= look::KING_THREAT_VALUE ? 1 : 0;
    }
    EXPECT_EQ(t.best, best);
    EXPECT_EQ(t.king_squares, king_squares);
}

TEST(LookThreatSweep, AgreesWithAPlainCountOverRandomGames) {
    look::ThreatFinder finder;  // one finder throughout, as in a search
    look::Threats t;
    int threats_seen = 0;
    for (std::uint32_t seed = 1; seed <= 16; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 rng(seed);
        Position p;
        p.load(testing::start_game(), seed % 2 == 0 ? look::LOWER : look::UPPER);
        for (int ply = 0; ply < 250 && p.winner() == 0; ++ply) {
            finder.find(p, t);
            const Reference r = reference(p);
            expect_agrees(t.upper, r.upper);
            expect_agrees(t.lower, r.lower);
            EXPECT_EQ(t.upper.reach, r.upper_reach);
            EXPECT_EQ(t.lower.reach, r.lower_reach);
            ASSERT_FALSE(::testing::Test::HasFailure()) << "ply " << ply;
            threats_seen += t.upper.best > 0 ? 1 : 0;
            look::MoveList list;
            p.generate(list);
            if (list.size == 0) break;
            look::Undo u;
            p.make(list.moves[rng() % static_cast<std::size_t>(list.size)], u);
        }
    }
    EXPECT_GT(threats_seen, 500);
}

TEST(LookThreatSweep, SquareSetsSpanBothHalvesOfTheWord) {
    const std::vector<int> squares = {look::sq(1, 1), look::sq(6, 9), look::sq(7, 1),
                                      look::sq(9, 9)};
    look::Bits set = 0;
    for (const int s : squares)
        set |= look::bit_of(s);
    std::vector<int> listed;
    look::for_each_square(set, [&](int s) { listed.push_back(s); });
    EXPECT_EQ(listed, squares);
    EXPECT_TRUE(look::several(set));
    EXPECT_FALSE(look::several(look::bit_of(look::sq(9, 9))));
    EXPECT_TRUE(look::several(look::bit_of(look::sq(1, 1)) | look::bit_of(look::sq(9, 9))));
    int board_squares = 0;
    look::for_each_square(look::BOARD_BITS, [&](int) { ++board_squares; });
    EXPECT_EQ(board_squares, 81);
    EXPECT_EQ(look::FIRST_SQUARE + look::lowest_bit(look::bit_of(look::sq(9, 9))), look::sq(9, 9));
    EXPECT_TRUE(look::shifted(look::bit_of(look::sq(5, 5)), look::LEFT) ==
                look::bit_of(look::sq(4, 5)));
    // A step off the board's edge lands on no square of the board.
    EXPECT_TRUE((look::shifted(look::bit_of(look::sq(5, 9)), look::DOWN) & look::BOARD_BITS) == 0);
    EXPECT_TRUE((look::shifted(look::bit_of(look::sq(9, 5)), look::RIGHT) & look::BOARD_BITS) == 0);
}

}  // namespace
}  // namespace banzuri
