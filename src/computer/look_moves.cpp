// Move generation of the look-ahead position from each piece's pattern: steps and slides onto
// empty squares, promotion where allowed or forced, and drops.
#include "computer/look_position.h"

namespace banzuri::look {

namespace {

struct Step {
    int dx;
    int forward;  // rows towards the opponent
};

constexpr Step kGold[] = {{-1, 1}, {0, 1}, {1, 1}, {-1, 0}, {1, 0}, {0, -1}};
constexpr Step kSilver[] = {{-1, 1}, {0, 1}, {1, 1}, {-1, -1}, {1, -1}};
constexpr Step kKing[] = {{-1, 1}, {0, 1}, {1, 1}, {-1, 0}, {1, 0}, {-1, -1}, {0, -1}, {1, -1}};
constexpr Step kPawn[] = {{0, 1}};
constexpr Step kKnight[] = {{-1, 2}, {1, 2}};
constexpr Step kDiagonal[] = {{-1, 1}, {1, 1}, {-1, -1}, {1, -1}};
constexpr Step kStraight[] = {{0, 1}, {0, -1}, {-1, 0}, {1, 0}};

int delta(Step s, int side) {
    return s.dx * RIGHT + s.forward * side * DOWN;
}

bool in_zone(int side, int row) {
    return side == UPPER ? row >= 7 : row <= 3;
}

// Rows left in front of a piece standing on `row`.
int rows_ahead(int side, int row) {
    return side == UPPER ? 9 - row : row - 1;
}

bool must_promote(int type, int side, int row) {
    if (type == HU || type == KYOU) return rows_ahead(side, row) < 1;
    if (type == KEI) return rows_ahead(side, row) < 2;
    return false;
}

bool may_promote(int type, int side, int from, int to) {
    switch (type) {
        case HU:
        case KYOU:
        case KEI:
            return in_zone(side, row_of(to));
        case GIN:
        case KAKU:
        case SYA:
            return in_zone(side, row_of(to)) || in_zone(side, row_of(from));
        default:
            return false;
    }
}

Bits column_bits(int x) {
    Bits b = 0;
    for (int y = 1; y <= 9; ++y)
        b |= bit_of(sq(x, y));
    return b;
}

// The squares where a dropped piece of `kind` could still move.
Bits drop_squares(int kind, int side) {
    static const auto table = [] {
        std::array<std::array<Bits, 2>, SYA + 1> t{};
        for (int k = HU; k <= SYA; ++k)
            for (const int s : {UPPER, LOWER})
                for (int x = 1; x <= 9; ++x)
                    for (int y = 1; y <= 9; ++y)
                        if (!must_promote(k, s, y))
                            t[static_cast<std::size_t>(k)][s > 0 ? 0 : 1] |= bit_of(sq(x, y));
        return t;
    }();
    return table[static_cast<std::size_t>(kind)][side > 0 ? 0 : 1];
}

template <std::size_t N>
void steps(const Position& p, const Step (&pattern)[N], int from, int side, auto&& add) {
    for (const Step s : pattern) {
        const int to = from + delta(s, side);
        if (p.at(to) == EMPTY) add(to);
    }
}

template <std::size_t N>
void slides(const Position& p, const Step (&pattern)[N], int from, int side, auto&& add) {
    for (const Step s : pattern) {
        const int d = delta(s, side);
        for (int to = from + d; p.at(to) == EMPTY; to += d)
            add(to);
    }
}

// Calls add(to) for every square a piece of `type` and `side` on `from` moves to.
template <typename Add>
void piece_moves(const Position& p, int from, int type, int side, Add&& add) {
    switch (type) {
        case HU:
            steps(p, kPawn, from, side, add);
            break;
        case KYOU:
            slides(p, kPawn, from, side, add);
            break;
        case KEI:
            steps(p, kKnight, from, side, add);
            break;
        case GIN:
            steps(p, kSilver, from, side, add);
            break;
        case OU:
            steps(p, kKing, from, side, add);
            break;
        case KAKU:
            slides(p, kDiagonal, from, side, add);
            break;
        case SYA:
            slides(p, kStraight, from, side, add);
            break;
        case UMA:
            slides(p, kDiagonal, from, side, add);
            steps(p, kStraight, from, side, add);
            break;
        case RYU:
            slides(p, kStraight, from, side, add);
            steps(p, kDiagonal, from, side, add);
            break;
        default:  // gold and the promoted small pieces
            steps(p, kGold, from, side, add);
            break;
    }
}

}  // namespace

void Position::add_board_move(MoveList& out, int from, int to, int type) const {
    const auto f = static_cast<std::uint8_t>(from);
    const auto t = static_cast<std::uint8_t>(to);
    const auto k = static_cast<std::uint8_t>(type);
    if (!must_promote(type, side_, row_of(to))) out.add({f, t, k, 0});
    if (may_promote(type, side_, from, to)) out.add({f, t, k, 1});
}

Bits Position::destinations(int from, int type) const {
    Bits to = 0;
    piece_moves(*this, from, type, side_, [&](int s) { to |= bit_of(s); });
    return to;
}

void Position::generate_board(MoveList& out, const std::array<int, SQUARES>* targets) const {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int from = sq(x, y);
            const int piece = at(from);
            if (piece == EMPTY || piece == WALL || (piece > 0) != (side_ > 0)) continue;
            const int type = piece > 0 ? piece : -piece;
            piece_moves(*this, from, type, side_, [&](int to) {
                if (targets == nullptr || (*targets)[static_cast<std::size_t>(to)] != 0)
                    add_board_move(out, from, to, type);
            });
        }
}

void Position::generate_drops(MoveList& out) const {
    const Bits empty = BOARD_BITS & ~(occupied_[0] | occupied_[1]);
    for (int kind = HU; kind <= SYA; ++kind) {
        if (hand(side_, kind) <= 0) continue;
        Bits squares = empty & drop_squares(kind, side_);
        if (kind == HU)
            for (int x = 1; x <= 9; ++x)
                if (pawn_in_column(side_, x)) squares &= ~column_bits(x);
        // Ascending square order: column by column, each from row 1 down.
        for_each_square(squares, [&](int to) {
            out.add({0, static_cast<std::uint8_t>(to), static_cast<std::uint8_t>(kind), 0});
        });
    }
}

// The drops of generate_drops() onto the targets: kind by kind, squares in board order.
void Position::generate_drops_onto(const std::array<int, SQUARES>& targets, MoveList& out) const {
    std::array<int, 81> squares{};
    int count = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (targets[static_cast<std::size_t>(sq(x, y))] != 0 && at(sq(x, y)) == EMPTY)
                squares[static_cast<std::size_t>(count++)] = sq(x, y);
    for (int kind = HU; kind <= SYA; ++kind) {
        if (hand(side_, kind) <= 0) continue;
        for (int i = 0; i < count; ++i) {
            const int to = squares[static_cast<std::size_t>(i)];
            if (kind == HU && pawn_in_column(side_, column_of(to))) continue;
            if (must_promote(kind, side_, row_of(to))) continue;
            out.add({0, static_cast<std::uint8_t>(to), static_cast<std::uint8_t>(kind), 0});
        }
    }
}

void Position::generate(MoveList& out) const {
    out.size = 0;
    generate_board(out, nullptr);
    generate_drops(out);
}

void Position::generate_onto(const std::array<int, SQUARES>& targets, MoveList& out) const {
    out.size = 0;
    generate_board(out, &targets);
    generate_drops_onto(targets, out);
}

}  // namespace banzuri::look
