#include "rules/move.h"

#include "rules/capture_sequence.h"
#include "rules/promotion.h"
#include "rules/record.h"

namespace banzuri {

namespace {

// One piece of `kind` leaves the hand; a count never goes below zero.
void take_from_hand(Hand& h, int kind) {
    if (GameState::count(h, kind) > 0) GameState::add(h, kind, -1);
}

}  // namespace

void 駒移動(GameState& g, int fx, int fy, int tx, int ty, int piece) {
    g.set(tx, ty, piece);
    if (fx == HAND_UPPER_COLUMN) {
        take_from_hand(g.hand_enemy, fy);
    } else if (fx == HAND_LOWER_COLUMN) {
        take_from_hand(g.hand_own, fy - 2);
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

void captures_after_move(GameState& g, int tx, int ty) {
    CaptureSequence captures(g, tx, ty);
    while (std::optional<CaptureStep> step = captures.next())
        take_capture(g, *step);
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
