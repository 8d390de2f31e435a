#include "rules/move.h"

#include "rules/promotion.h"

namespace banzuri {

namespace {

// One piece of `kind` leaves the hand; a count never goes below zero.
void take_from_hand(Hand& h, int kind) {
    if (GameState::count(h, kind) > 0) GameState::add(h, kind, -1);
}

}  // namespace

void 駒移動(GameState& g, int fx, int fy, int tx, int ty, int piece) {
    g.set(tx, ty, piece);
    if (fx == DROP_COLUMN) {
        take_from_hand(piece < 0 ? g.hand_own : g.hand_enemy, fy);
    } else {
        g.set(fx, fy, EMPTY);
    }
}

void credit_capture(GameState& g, int code) {
    駒取得(g, code);
}

int enclosure_opponent(const GameState& g, int x, int y) {
    return -調査_駒手番(g, g.at(x, y));
}

}  // namespace banzuri
