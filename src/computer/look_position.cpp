#include "computer/look_position.h"

#include <cstdlib>

namespace banzuri::look {

namespace {

// A piece in hand can land on any empty square, which suits both ways of capturing.
constexpr int HAND_BONUS_PERCENT = 115;

struct Zobrist {
    std::array<std::array<std::uint64_t, 2 * TYPE_COUNT>, SQUARES> piece{};
    std::array<std::array<std::uint64_t, 40>, 16> hand{};
    std::uint64_t side = 0;

    Zobrist() {
        std::uint64_t state = 0x9e3779b97f4a7c15ULL;
        auto next = [&state] {
            std::uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
            z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
            z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
            return z ^ (z >> 31);
        };
        for (auto& row : piece)
            for (auto& key : row)
                key = next();
        for (auto& row : hand)
            for (auto& key : row)
                key = next();
        side = next();
    }
};

const Zobrist& zobrist() {
    static const Zobrist keys;
    return keys;
}

std::size_t piece_key(int piece) {
    return static_cast<std::size_t>(piece > 0 ? piece : TYPE_COUNT - piece);
}

int sign(int piece) {
    return piece == WALL ? 0 : (piece > 0) - (piece < 0);
}

bool slides(int type) {
    return type == KYOU || type == KAKU || type == SYA || type == UMA || type == RYU;
}

int progress(int side, int type, int s) {
    if (type == OU) return 0;
    return ADVANCE_BY_ROWS[static_cast<std::size_t>(rows_forward(side, row_of(s)))];
}

}  // namespace

int hand_value(int kind) {
    return board_value(kind) * HAND_BONUS_PERCENT / 100;
}

int promoted_type(int type) {
    switch (type) {
        case HU:
            return TO;
        case KYOU:
            return NARI_KYOU;
        case KEI:
            return NARI_KEI;
        case GIN:
            return NARI_GIN;
        case KAKU:
            return UMA;
        case SYA:
            return RYU;
        default:
            return 0;
    }
}

int unpromoted_type(int type) {
    switch (type) {
        case TO:
            return HU;
        case NARI_KYOU:
            return KYOU;
        case NARI_KEI:
            return KEI;
        case NARI_GIN:
            return GIN;
        case UMA:
            return KAKU;
        case RYU:
            return SYA;
        default:
            return type;
    }
}

int type_of_code(int code) {
    if (!is_piece(code)) return 0;
    const int magnitude = std::abs(code);
    if (magnitude == UPPER_OU) return OU;
    const int kind = hand_kind(code);
    const bool promoted = magnitude == upper_code_of_kind(kind) + 1;
    return promoted ? promoted_type(kind) : kind;
}

int code_of(int side, int type) {
    if (type == OU) return side * UPPER_OU;
    const int kind = unpromoted_type(type);
    const int code = upper_code_of_kind(kind) + (type == kind ? 0 : 1);
    return side * code;
}

void Position::load(const GameState& g, int side) {
    board_.fill(WALL);
    hands_.fill(0);
    pawn_files_.fill(0);
    occupied_ = {0, 0};
    sliders_ = 0;
    king_ = {0, 0};
    hash_ = 0;
    material_ = 0;
    advance_ = 0;
    winner_ = 0;
    captured_top_ = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            board_[static_cast<std::size_t>(sq(x, y))] = EMPTY;
            const int type = type_of_code(g.at(x, y));
            if (type != 0) put(sq(x, y), (g.at(x, y) > 0 ? UPPER : LOWER) * type);
        }
    for (int kind = 1; kind <= 7; ++kind) {
        add_hand(UPPER, kind, GameState::count(g.hand_enemy, kind));
        add_hand(LOWER, kind, GameState::count(g.hand_own, kind));
    }
    side_ = side;
    if (side_ == UPPER) hash_ ^= zobrist().side;
}

void Position::put(int s, int piece) {
    const auto at = static_cast<std::size_t>(s);
    board_[at] = piece;
    hash_ ^= zobrist().piece[at][piece_key(piece)];
    const int type = std::abs(piece);
    const int side = sign(piece);
    material_ += side * board_value(type);
    advance_ += side * progress(side, type, s);
    occupied_[side_slot(side)] |= bit_of(s);
    if (slides(type)) sliders_ |= bit_of(s);
    if (type == OU) king_[side_slot(side)] = s;
    if (type == HU) ++pawn_files_[side_slot(side) * 11 + static_cast<std::size_t>(column_of(s))];
}

void Position::remove(int s) {
    const auto at = static_cast<std::size_t>(s);
    const int piece = board_[at];
    board_[at] = EMPTY;
    hash_ ^= zobrist().piece[at][piece_key(piece)];
    const int type = std::abs(piece);
    const int side = sign(piece);
    material_ -= side * board_value(type);
    advance_ -= side * progress(side, type, s);
    occupied_[side_slot(side)] &= ~bit_of(s);
    sliders_ &= ~bit_of(s);
    if (type == OU) king_[side_slot(side)] = 0;
    if (type == HU) --pawn_files_[side_slot(side) * 11 + static_cast<std::size_t>(column_of(s))];
}

void Position::add_hand(int side, int kind, int delta) {
    if (delta == 0) return;
    const std::size_t i = hand_index(side, kind);
    const auto before = static_cast<std::size_t>(hands_[i]);
    hands_[i] += delta;
    const auto after = static_cast<std::size_t>(hands_[i]);
    if (before < 40 && after < 40) hash_ ^= zobrist().hand[i][before] ^ zobrist().hand[i][after];
    material_ += side * hand_value(kind) * delta;
}

// The piece on `s` leaves the board for the capturer's hand; a king decides the game.
void Position::capture(int s) {
    const int piece = at(s);
    const auto top = static_cast<std::size_t>(captured_top_++);
    captured_sq_[top] = static_cast<std::int16_t>(s);
    captured_piece_[top] = static_cast<std::int8_t>(piece);
    remove(s);
    const int type = std::abs(piece);
    if (type == OU)
        winner_ = -sign(piece);
    else
        add_hand(-sign(piece), unpromoted_type(type), 1);
}

int Position::sandwiches(int to) {
    const int mover = sign(at(to));
    int taken = 0;
    for (const int d : {UP, DOWN, LEFT, RIGHT}) {
        int s = to + d;
        int run = 0;
        while (sign(at(s)) == -mover) {
            ++run;
            s += d;
        }
        if (run == 0 || sign(at(s)) != mover) continue;
        for (int k = 1; k <= run; ++k)
            capture(to + k * d);
        taken += run;
    }
    return taken;
}

// True when the group of `enemy` pieces through `start` touches no empty square; group_
// then holds its members.
bool Position::enclosed_group(int start, int enemy) {
    ++stamp_;
    int count = 0;
    group_[static_cast<std::size_t>(count++)] = start;
    seen_[static_cast<std::size_t>(start)] = stamp_;
    for (int i = 0; i < count; ++i) {
        const int s = group_[static_cast<std::size_t>(i)];
        for (const int d : {LEFT, RIGHT, UP, DOWN}) {
            const int n = s + d;
            const int piece = at(n);
            if (piece == EMPTY) return false;
            if (sign(piece) != enemy || seen_[static_cast<std::size_t>(n)] == stamp_) continue;
            seen_[static_cast<std::size_t>(n)] = stamp_;
            group_[static_cast<std::size_t>(count++)] = n;
        }
    }
    group_[static_cast<std::size_t>(count)] = 0;
    return true;
}

int Position::enclosures(int to) {
    const int enemy = -sign(at(to));
    int taken = 0;
    for (const int d : {LEFT, RIGHT, UP, DOWN}) {
        if (sign(at(to + d)) != enemy || !enclosed_group(to + d, enemy)) continue;
        for (std::size_t i = 0; group_[i] != 0; ++i, ++taken)
            capture(group_[i]);
    }
    return taken;
}

int Position::make(Move m, Undo& u) {
    u.move = m;
    u.winner_before = winner_;
    u.hash_before = hash_;
    u.material_before = material_;
    u.captured_begin = captured_top_;
    const int placed = side_ * placed_type(m);
    if (m.drop())
        add_hand(side_, m.type, -1);
    else
        remove(m.from);
    put(m.to, placed);
    const int taken = sandwiches(m.to) + enclosures(m.to);
    u.captured_end = captured_top_;
    side_ = -side_;
    hash_ ^= zobrist().side;
    return taken;
}

void Position::unmake(const Undo& u) {
    side_ = -side_;
    for (int i = u.captured_end - 1; i >= u.captured_begin; --i) {
        const auto at_i = static_cast<std::size_t>(i);
        const int piece = captured_piece_[at_i];
        if (std::abs(piece) != OU) add_hand(-sign(piece), unpromoted_type(std::abs(piece)), -1);
        put(captured_sq_[at_i], piece);
    }
    captured_top_ = u.captured_begin;
    remove(u.move.to);
    if (u.move.drop())
        add_hand(side_, u.move.type, 1);
    else
        put(u.move.from, side_ * u.move.type);
    winner_ = u.winner_before;
    hash_ = u.hash_before;
    material_ = u.material_before;
}

}  // namespace banzuri::look
