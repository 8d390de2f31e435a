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

}  // namespace

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
