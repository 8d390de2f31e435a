#include "rules/legal_moves.h"

#include "rules/movement.h"
#include "rules/promotion.h"

namespace banzuri {

namespace {

bool may_promote_from(int piece, const Square& from, int ty) {
    return from.x != DROP_COLUMN && promoted_code(piece, from.y, ty) != EMPTY;
}

// The plain and the promoting variants of one accepted (from, to) pair.
void add_variants(std::vector<Move>& out, const Move& plain, int piece) {
    if (移動後チェック(plain.to.y, piece) == ON) out.push_back(plain);
    if (may_promote_from(piece, source_of(plain), plain.to.y)) {
        Move promoting = plain;
        promoting.promote = true;
        out.push_back(promoting);
    }
}

// Every destination of the piece from `plain`'s source, in column and row order.
void add_destinations(const GameState& g, std::vector<Move>& out, Move plain, int piece) {
    const Square from = source_of(plain);
    for (int tx = 1; tx <= 9; ++tx)
        for (int ty = 1; ty <= 9; ++ty)
            if (移動チェック(g, from.x, from.y, tx, ty, piece) == ON) {
                plain.to = {tx, ty};
                add_variants(out, plain, piece);
            }
}

}  // namespace

int moving_piece(const GameState& g, bool lower_side, const Move& m) {
    if (m.is_drop()) {
        const Hand& hand = lower_side ? g.hand_own : g.hand_enemy;
        if (GameState::count(hand, m.drop) <= 0) return EMPTY;
        return lower_side ? lower_code_of_kind(m.drop) : upper_code_of_kind(m.drop);
    }
    if (m.from.x < 1 || m.from.x > 9 || m.from.y < 1 || m.from.y > 9) return EMPTY;
    const int code = g.at(m.from.x, m.from.y);
    return (lower_side ? is_lower_piece(code) : is_upper_piece(code)) ? code : EMPTY;
}

int placed_code(const GameState& g, bool lower_side, const Move& m) {
    const int piece = moving_piece(g, lower_side, m);
    if (piece == EMPTY || !m.promote) return piece;
    if (m.is_drop()) return EMPTY;
    return promoted_code(piece, m.from.y, m.to.y);
}

bool may_promote(const GameState& g, bool lower_side, const Move& m) {
    const int piece = moving_piece(g, lower_side, m);
    return piece != EMPTY && may_promote_from(piece, source_of(m), m.to.y);
}

bool another_piece_reaches(const GameState& g, const Move& m) {
    if (m.is_drop()) return false;
    const int piece = g.at(m.from.x, m.from.y);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (Square{x, y} != m.from && g.at(x, y) == piece &&
                移動チェック(g, x, y, m.to.x, m.to.y, piece) == ON)
                return true;
    return false;
}

bool is_legal(GameState& g, bool lower_side, const Move& m) {
    if (m.is_drop() && (m.from != Square{} || m.promote)) return false;
    const int piece = moving_piece(g, lower_side, m);
    if (piece == EMPTY) return false;
    const Square from = source_of(m);
    調査_2歩フラグ設定(g);
    if (移動チェック(g, from.x, from.y, m.to.x, m.to.y, piece) != ON) return false;
    if (m.promote) return may_promote_from(piece, from, m.to.y);
    return 移動後チェック(m.to.y, piece) == ON;
}

std::vector<Move> legal_moves(GameState& g, bool lower_side) {
    調査_2歩フラグ設定(g);
    std::vector<Move> out;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int code = g.at(x, y);
            if (lower_side ? is_lower_piece(code) : is_upper_piece(code))
                add_destinations(g, out, Move::board(x, y, 0, 0), code);
        }
    const Hand& hand = lower_side ? g.hand_own : g.hand_enemy;
    for (int kind = 1; kind <= 7; ++kind) {
        if (GameState::count(hand, kind) <= 0) continue;
        add_destinations(g, out, Move::drop_of(kind, 0, 0),
                         lower_side ? lower_code_of_kind(kind) : upper_code_of_kind(kind));
    }
    return out;
}

}  // namespace banzuri
