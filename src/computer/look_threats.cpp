#include "computer/look_threats.h"

#include <cstdlib>

namespace banzuri::look {

namespace {

int piece_side(int piece) {
    return piece == WALL ? 0 : (piece > 0) - (piece < 0);
}

int threat_value(int piece) {
    const int type = std::abs(piece);
    return type == OU ? KING_THREAT_VALUE : board_value(type);
}

}  // namespace

void ThreatFinder::find(const Position& p, int side, Threats& out) {
    out.gain.fill(0);
    out.best = 0;
    out.king_squares = 0;
    sandwiches(p, side, out);
    enclosures(p, side, out);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int g = out.gain[static_cast<std::size_t>(sq(x, y))];
            if (g > out.best) out.best = g;
            if (g >= KING_THREAT_VALUE) ++out.king_squares;
        }
}

void ThreatFinder::sandwiches(const Position& p, int side, Threats& out) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int s = sq(x, y);
            if (p.at(s) != EMPTY) continue;
            for (const int d : {UP, DOWN, LEFT, RIGHT}) {
                int n = s + d;
                int value = 0;
                while (piece_side(p.at(n)) == -side) {
                    value += threat_value(p.at(n));
                    n += d;
                }
                if (value > 0 && piece_side(p.at(n)) == side)
                    out.gain[static_cast<std::size_t>(s)] += value;
            }
        }
}

// Every enemy group with exactly one empty square beside it is taken by arriving there.
void ThreatFinder::enclosures(const Position& p, int side, Threats& out) {
    const std::uint64_t first = stamp_ + 1;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int start = sq(x, y);
            if (piece_side(p.at(start)) != -side) continue;
            if (seen_[static_cast<std::size_t>(start)] >= first) continue;
            const std::uint64_t stamp = ++stamp_;
            int count = 0;
            int liberties = 0;
            int liberty = 0;
            int value = 0;
            group_[static_cast<std::size_t>(count++)] = start;
            seen_[static_cast<std::size_t>(start)] = stamp;
            for (int i = 0; i < count; ++i) {
                const int s = group_[static_cast<std::size_t>(i)];
                value += threat_value(p.at(s));
                for (const int d : {LEFT, RIGHT, UP, DOWN}) {
                    const int n = s + d;
                    const auto at_n = static_cast<std::size_t>(n);
                    const int piece = p.at(n);
                    if (piece == EMPTY && liberty_seen_[at_n] != stamp) {
                        liberty_seen_[at_n] = stamp;
                        ++liberties;
                        liberty = n;
                    } else if (piece_side(piece) == -side && seen_[at_n] != stamp) {
                        seen_[at_n] = stamp;
                        group_[static_cast<std::size_t>(count++)] = n;
                    }
                }
            }
            if (liberties == 1) out.gain[static_cast<std::size_t>(liberty)] += value;
        }
}

}  // namespace banzuri::look
