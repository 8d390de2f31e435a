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

// The squares from which a step in direction d lands in `b`.
constexpr Bits stepping_into(Bits b, int d) {
    return shifted(b, -d);
}

Bits neighbours(Bits b) {
    return shifted(b, UP) | shifted(b, DOWN) | shifted(b, LEFT) | shifted(b, RIGHT);
}

// The sandwiches `side` closes by arriving on an empty square: in each direction, a run of
// enemy pieces from the square's neighbour that ends on one of the side's own.
void sandwiches(const Position& p, int side, Bits empty, SideThreats& out) {
    const Bits own = p.occupied(side);
    const Bits enemy = p.occupied(-side);
    for (const int d : kStraights) {
        Bits run = enemy & stepping_into(own, d);  // enemy pieces whose run ends here
        if (run == 0) continue;
        for (Bits longer = run | (enemy & stepping_into(run, d)); longer != run;
             longer = run | (enemy & stepping_into(run, d)))
            run = longer;
        for_each_square(empty & stepping_into(run, d), [&](int e) {
            int value = 0;
            for (int s = e + d; piece_side(p.at(s)) == -side; s += d)
                value += threat_value(p.at(s));
            out.add(e, value);
        });
    }
}

int slide_count(const Position& p, int from, const int (&directions)[4]) {
    int n = 0;
    for (const int d : directions)
        for (int s = from + d; p.at(s) == EMPTY; s += d)
            ++n;
    return n;
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

// The pieces with at most one empty square beside them: every member of a group with one
// empty square beside it is one.
Bits crowded(Bits pieces, Bits empty) {
    const Bits up = stepping_into(empty, UP);
    const Bits down = stepping_into(empty, DOWN);
    const Bits left = stepping_into(empty, LEFT);
    const Bits right = stepping_into(empty, RIGHT);
    const Bits two_or_more = (up & down) | (left & right) | ((up | down) & (left | right));
    return pieces & ~two_or_more;
}

int group_value(const Position& p, Bits group) {
    int value = 0;
    for_each_square(group, [&](int s) { value += threat_value(p.at(s)); });
    return value;
}

}  // namespace

// The groups of `side` with exactly one empty square beside them, which the other side takes
// by arriving there. Each fill grows step by step from a crowded piece and gives up once the
// part grown has two empty squares beside it, or meets a part an earlier fill gave up on.
void ThreatFinder::groups(const Position& p, int side, Bits empty, SideThreats& out) {
    const Bits own = p.occupied(side);
    Bits left = crowded(own, empty);
    Bits given_up = 0;
    while (left != 0) {
        Bits group = left & (~left + 1);  // the lowest square left
        for (;;) {
            const Bits liberties = neighbours(group) & empty;
            const Bits grown = group | (neighbours(group) & own);
            if (several(liberties) || (grown & given_up) != 0) {
                given_up |= grown;
                break;
            }
            if (grown == group) {
                if (liberties != 0)
                    out.add(FIRST_SQUARE + lowest_bit(liberties), group_value(p, group));
                break;
            }
            group = grown;
        }
        left &= ~(group | given_up);
    }
}

void ThreatFinder::find(const Position& p, Threats& out) {
    out.upper.clear();
    out.lower.clear();
    const Bits empty = BOARD_BITS & ~(p.occupied(UPPER) | p.occupied(LOWER));
    sandwiches(p, UPPER, empty, out.upper);
    sandwiches(p, LOWER, empty, out.lower);
    groups(p, UPPER, empty, out.lower);
    groups(p, LOWER, empty, out.upper);
    for_each_square(p.sliders(), [&](int s) {
        const int piece = p.at(s);
        out.of(piece_side(piece)).reach += reach(p, s, piece);
    });
}

}  // namespace banzuri::look
