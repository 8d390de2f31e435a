#include "rules/promotion.h"

namespace banzuri {

namespace {

int lower_owner(const GameState& g) {
    if (g.upper_order == FIRST_PLAYER) return SECOND_PLAYER;
    if (g.lower_order == FIRST_PLAYER) return FIRST_PLAYER;
    return TURN_NONE;
}

int upper_owner(const GameState& g) {
    if (g.lower_order == FIRST_PLAYER) return SECOND_PLAYER;
    if (g.upper_order == FIRST_PLAYER) return FIRST_PLAYER;
    return TURN_NONE;
}

}  // namespace

int 調査_駒手番(const GameState& g, int code) {
    if (!is_piece(code)) return TURN_NONE;
    if (g.game_mode == MODE_MAN) return code < 0 ? FIRST_PLAYER : SECOND_PLAYER;
    if (g.game_mode == MODE_COM) return code < 0 ? lower_owner(g) : upper_owner(g);
    return TURN_NONE;
}

int promoted_code(int piece, int fy, int ty) {
    bool may = false;
    switch (piece) {
        case LOWER_HU:
        case LOWER_KYOU:
        case LOWER_KEI:
            may = ty < 4;
            break;
        case LOWER_GIN:
        case LOWER_KAKU:
        case LOWER_SYA:
            may = ty < 4 || fy < 4;
            break;
        case UPPER_HU:
        case UPPER_KYOU:
        case UPPER_KEI:
            may = ty > 6;
            break;
        case UPPER_GIN:
        case UPPER_KAKU:
        case UPPER_SYA:
            may = ty > 6 || fy > 6;
            break;
        default:
            break;
    }
    if (!may) return EMPTY;
    return piece < 0 ? piece - 1 : piece + 1;
}

int 調査_駒成(GameState& g, int fx, int fy, int /*tx*/, int ty, int piece) {
    if (fx == DROP_COLUMN) return OFF;
    const int promoted = promoted_code(piece, fy, ty);
    if (promoted == EMPTY) return OFF;
    g.promoted_piece = promoted;
    return ON;
}

void 駒取得(GameState& g, int code) {
    if (code == UPPER_OU) {
        g.winner = g.lower_order;
        return;
    }
    if (code == LOWER_OU) {
        g.winner = g.upper_order;
        return;
    }
    const int kind = hand_kind(code);
    if (kind == 0) return;
    GameState::add(code > 0 ? g.hand_own : g.hand_enemy, kind, 1);
}

int 調査_持駒数(const GameState& g, int side) {
    if (side == g.lower_order) return g.hand_total_lower();
    if (side == g.upper_order) return g.hand_total_upper();
    return 0;
}

}  // namespace banzuri
