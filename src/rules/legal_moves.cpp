#include "rules/legal_moves.h"

#include "rules/movement.h"
#include "rules/promotion.h"

namespace banzuri {

namespace {

// The plain and the promoting variants of one accepted (from, to) pair.
void add_variants(GameState& g, std::vector<LegalMove>& out, LegalMove m) {
    if (移動後チェック(m.ty, m.piece) == ON) {
        m.promote = false;
        m.placed = m.piece;
        out.push_back(m);
    }
    if (調査_駒成(g, m.fx, m.fy, m.tx, m.ty, m.piece) == ON) {
        m.promote = true;
        m.placed = g.promoted_piece;
        out.push_back(m);
    }
}

void add_destinations(GameState& g, std::vector<LegalMove>& out, int fx, int fy, int piece) {
    for (int tx = 1; tx <= 9; ++tx)
        for (int ty = 1; ty <= 9; ++ty)
            if (移動チェック(g, fx, fy, tx, ty, piece) == ON)
                add_variants(g, out, LegalMove{fx, fy, tx, ty, piece, false, piece});
}

// The piece a move takes: the mover's piece on the source square or the kind dropped from
// the mover's hand; EMPTY when there is none.
int moving_piece(const GameState& g, bool lower_side, int fx, int fy) {
    if (fx == HAND_LOWER_COLUMN || fx == HAND_UPPER_COLUMN) {
        if ((fx == HAND_LOWER_COLUMN) != lower_side) return EMPTY;
        const int kind = lower_side ? fy - 2 : fy;
        const Hand& hand = lower_side ? g.hand_own : g.hand_enemy;
        if (GameState::count(hand, kind) <= 0) return EMPTY;
        return lower_side ? lower_code_of_kind(kind) : upper_code_of_kind(kind);
    }
    if (fx < 1 || fx > 9 || fy < 1 || fy > 9) return EMPTY;
    const int code = g.at(fx, fy);
    return (lower_side ? is_lower_piece(code) : is_upper_piece(code)) ? code : EMPTY;
}

}  // namespace

bool is_legal(GameState& g, bool lower_side, LegalMove& m) {
    m.piece = moving_piece(g, lower_side, m.fx, m.fy);
    if (m.piece == EMPTY) return false;
    調査_2歩フラグ設定(g);
    if (移動チェック(g, m.fx, m.fy, m.tx, m.ty, m.piece) != ON) return false;
    const int promoted_before = g.promoted_piece;
    std::vector<LegalMove> variants;
    add_variants(g, variants, m);
    g.promoted_piece = promoted_before;
    for (const LegalMove& v : variants)
        if (v.promote == m.promote) {
            m = v;
            return true;
        }
    return false;
}

std::vector<LegalMove> legal_moves(GameState& g, bool lower_side) {
    const int promoted_before = g.promoted_piece;
    調査_2歩フラグ設定(g);
    std::vector<LegalMove> out;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int code = g.at(x, y);
            if (lower_side ? is_lower_piece(code) : is_upper_piece(code))
                add_destinations(g, out, x, y, code);
        }
    const Hand& hand = lower_side ? g.hand_own : g.hand_enemy;
    for (int kind = 1; kind <= 7; ++kind) {
        if (GameState::count(hand, kind) <= 0) continue;
        if (lower_side)
            add_destinations(g, out, HAND_LOWER_COLUMN, kind + 2, lower_code_of_kind(kind));
        else
            add_destinations(g, out, HAND_UPPER_COLUMN, kind, upper_code_of_kind(kind));
    }
    g.promoted_piece = promoted_before;
    return out;
}

}  // namespace banzuri
