#include "rules/move.h"

#include "rules/enclosure.h"
#include "rules/promotion.h"
#include "rules/record.h"
#include "rules/sandwich.h"

namespace banzuri {

namespace {

int hand_sum(const Hand& h) {
    int total = 0;
    for (int k = 1; k <= 7; ++k)
        if (GameState::count(h, k) > 0) total += GameState::count(h, k);
    return total;
}

// One piece of `kind` leaves the hand; a count never goes below zero.
void take_from_hand(Hand& h, int kind) {
    if (GameState::count(h, kind) > 0) GameState::add(h, kind, -1);
}

}  // namespace

void 駒移動(GameState& g, int fx, int fy, int tx, int ty, int piece) {
    g.set(tx, ty, piece);
    if (fx == HAND_UPPER_COLUMN) {
        take_from_hand(g.hand_enemy, fy);
        sync_hand_totals(g);
    } else if (fx == HAND_LOWER_COLUMN) {
        take_from_hand(g.hand_own, fy - 2);
        sync_hand_totals(g);
    } else {
        g.set(fx, fy, EMPTY);
    }
}

void sync_hand_totals(GameState& g) {
    g.hand_total_lower = hand_sum(g.hand_own);
    g.hand_total_upper = hand_sum(g.hand_enemy);
}

void credit_capture(GameState& g, int code) {
    駒取得(g, code);
    sync_hand_totals(g);
}

int enclosure_opponent(const GameState& g, int x, int y) {
    return -調査_駒手番(g, g.at(x, y));
}

void take_sandwiched(GameState& g, int x1, int y1, int x2, int y2) {
    for (const Square& s : 挟まれる駒(g, x1, y1, x2, y2)) {
        credit_capture(g, g.at(s.x, s.y));
        g.set(s.x, s.y, EMPTY);
    }
}

void take_enclosed(GameState& g) {
    for (const Square& s : 当たり駒(g)) {
        credit_capture(g, g.at(s.x, s.y));
        g.set(s.x, s.y, EMPTY);
    }
}

void captures_after_move(GameState& g, int tx, int ty) {
    挟み走査(g, tx, ty,
             [&g](int x1, int y1, int x2, int y2) { take_sandwiched(g, x1, y1, x2, y2); });
    const int opponent = enclosure_opponent(g, tx, ty);
    if (opponent == TURN_NONE) return;
    while (調査_当たり(g, tx, ty, -opponent, opponent) == ON)
        take_enclosed(g);
}

void carry_out_move(GameState& g, int fx, int fy, int tx, int ty, int piece) {
    ++g.move_count;
    駒移動(g, fx, fy, tx, ty, piece);
    captures_after_move(g, tx, ty);
}

void play_move(GameState& g, int fx, int fy, int tx, int ty, int piece) {
    手順保存(g, fx, fy, tx, ty, piece, g.at(tx, ty), g.time_lower, g.time_lower, g.time_upper,
             g.time_upper);
    ++g.rec_index;
    carry_out_move(g, fx, fy, tx, ty, piece);
}

}  // namespace banzuri
