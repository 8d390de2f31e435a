#include "computer/look_threats.h"

namespace banzuri::look {

namespace {

constexpr int kDiagonals[] = {UP + LEFT, UP + RIGHT, DOWN + LEFT, DOWN + RIGHT};
constexpr int kStraights[] = {UP, DOWN, LEFT, RIGHT};

// Tables by the content of a square (a piece, EMPTY or WALL) plus CELL_OFFSET.
constexpr int CELL_OFFSET = TYPE_COUNT;
constexpr std::size_t CELL_KINDS = WALL + CELL_OFFSET + 1;

constexpr std::size_t cell_index(int cell) {
    return static_cast<std::size_t>(cell + CELL_OFFSET);
}

struct CellTables {
    std::array<int, CELL_KINDS> side{};   // +1 upper, -1 lower, 0 empty or the wall
    std::array<int, CELL_KINDS> value{};  // what taking the piece is worth in a threat
};

constexpr CellTables make_cell_tables() {
    CellTables t;
    for (int type = 1; type < TYPE_COUNT; ++type)
        for (const int side : {UPPER, LOWER}) {
            t.side[cell_index(side * type)] = side;
            t.value[cell_index(side * type)] =
                type == OU ? KING_THREAT_VALUE : BOARD_VALUE[static_cast<std::size_t>(type)];
        }
    return t;
}

constexpr CellTables kCells = make_cell_tables();

int piece_side(int cell) {
    return kCells.side[cell_index(cell)];
}

int threat_value(int cell) {
    return kCells.value[cell_index(cell)];
}

// The sum of the values of the run of pieces of one side from `s` in steps of `step`; `s`
// is left on the first square after it.
int run_value(const Position& p, int& s, int step) {
    const int side = piece_side(p.at(s));
    int value = 0;
    for (; piece_side(p.at(s)) == side; s += step)
        value += threat_value(p.at(s));
    return value;
}

// The sandwiches along the line of nine squares from `first` in steps of `step`. A stretch
// of pieces between empty squares or the wall that holds runs of both sides loses its end
// runs: each to the other side arriving on the empty square beside it.
void sandwich_line(const Position& p, int first, int step, Threats& out) {
    const int end = first + 9 * step;
    int s = first;
    while (s != end) {
        if (p.at(s) == EMPTY) {
            s += step;
            continue;
        }
        const int before = s - step;
        const int first_side = piece_side(p.at(s));
        const int first_value = run_value(p, s, step);
        if (piece_side(p.at(s)) == 0) continue;  // one side only: nothing is closed
        if (p.at(before) == EMPTY) out.of(-first_side).add(before, first_value);
        int last_side = 0;
        int last_value = 0;
        while (piece_side(p.at(s)) != 0) {
            last_side = piece_side(p.at(s));
            last_value = run_value(p, s, step);
        }
        if (p.at(s) == EMPTY) out.of(-last_side).add(s, last_value);
    }
}

int slide_count(const Position& p, int from, const int (&directions)[4]) {
    int n = 0;
    for (const int d : directions)
        for (int s = from + d; p.at(s) == EMPTY; s += d)
            ++n;
    return n;
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
// it by arriving there. The fill gives up at a second empty square, and on meeting a piece
// an earlier fill of this sweep (`first` its first stamp) gave up on: it is the same group.
void ThreatFinder::group(const Position& p, int start, std::uint64_t first, Threats& out) {
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
                if (liberty_seen_[at_n] == stamp) continue;
                liberty_seen_[at_n] = stamp;
                if (++liberties > 1) return;
                liberty = n;
            } else if (piece_side(piece) == side && seen_[at_n] != stamp) {
                if (seen_[at_n] >= first) return;
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
    for (int i = 1; i <= 9; ++i) {
        sandwich_line(p, sq(i, 1), DOWN, out);
        sandwich_line(p, sq(1, i), RIGHT, out);
    }
    const std::uint64_t first = stamp_ + 1;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int s = sq(x, y);
            const int piece = p.at(s);
            if (piece == EMPTY) continue;
            out.of(piece_side(piece)).reach += reach(p, s, piece);
            // A group with one empty square beside it has no member with two.
            if (seen_[static_cast<std::size_t>(s)] < first && empty_neighbours(p, s) <= 1)
                group(p, s, first, out);
        }
}

}  // namespace banzuri::look
