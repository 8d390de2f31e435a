#include "computer/look_threats.h"

namespace banzuri::look {

namespace {

constexpr int kDiagonals[] = {UP + LEFT, UP + RIGHT, DOWN + LEFT, DOWN + RIGHT};
constexpr int kStraights[] = {UP, DOWN, LEFT, RIGHT};

int piece_side(int piece) {
    return piece == WALL ? 0 : (piece > 0) - (piece < 0);
}

int threat_value(int piece) {
    const int type = piece > 0 ? piece : -piece;
    return type == OU ? KING_THREAT_VALUE : board_value(type);
}

int slide_count(const Position& p, int from, const int (&directions)[4]) {
    int n = 0;
    for (const int d : directions)
        for (int s = from + d; p.at(s) == EMPTY; s += d)
            ++n;
    return n;
}

// Runs of enemy pieces from the piece on `s` closed by an empty square: arriving there takes
// them.
void sandwich_lines(const Position& p, int s, int side, SideThreats& out) {
    for (const int d : kStraights) {
        int n = s + d;
        int value = 0;
        while (piece_side(p.at(n)) == -side) {
            value += threat_value(p.at(n));
            n += d;
        }
        if (value > 0 && p.at(n) == EMPTY) out.add(n, value);
    }
}

int empty_neighbours(const Position& p, int s) {
    return (p.at(s + UP) == EMPTY) + (p.at(s + DOWN) == EMPTY) + (p.at(s + LEFT) == EMPTY) +
           (p.at(s + RIGHT) == EMPTY);
}

int reach(const Position& p, int s, int piece) {
    switch (piece > 0 ? piece : -piece) {
        case KYOU: {
            const int d = piece > 0 ? DOWN : UP;
            int n = 0;
            for (int t = s + d; p.at(t) == EMPTY; t += d)
                ++n;
            return n;
        }
        case KAKU:
        case UMA:
            return slide_count(p, s, kDiagonals);
        case SYA:
        case RYU:
            return slide_count(p, s, kStraights);
        default:
            return 0;
    }
}

}  // namespace

// The group through `start`; with exactly one empty square beside it, the other side takes
// it by arriving there.
void ThreatFinder::group(const Position& p, int start, Threats& out) {
    const int side = piece_side(p.at(start));
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
        for (const int d : kStraights) {
            const int n = s + d;
            const auto at_n = static_cast<std::size_t>(n);
            const int piece = p.at(n);
            if (piece == EMPTY) {
                if (liberty_seen_[at_n] != stamp) {
                    liberty_seen_[at_n] = stamp;
                    ++liberties;
                    liberty = n;
                }
            } else if (piece_side(piece) == side && seen_[at_n] != stamp) {
                seen_[at_n] = stamp;
                group_[static_cast<std::size_t>(count++)] = n;
            }
        }
    }
    if (liberties == 1) out.of(-side).add(liberty, value);
}

void ThreatFinder::find(const Position& p, Threats& out) {
    out.upper.clear();
    out.lower.clear();
    const std::uint64_t first = stamp_ + 1;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int s = sq(x, y);
            const int piece = p.at(s);
            if (piece == EMPTY) continue;
            const int side = piece_side(piece);
            sandwich_lines(p, s, side, out.of(side));
            out.of(side).reach += reach(p, s, piece);
            // A group with one empty square beside it has no member with two.
            if (seen_[static_cast<std::size_t>(s)] < first && empty_neighbours(p, s) <= 1)
                group(p, s, out);
        }
}

}  // namespace banzuri::look
