#include "computer/look_eval.h"

namespace banzuri::look {

int Evaluator::king_safety(const Position& p, int side) const {
    const int k = p.king(side);
    if (k == 0) return 0;
    int liberties = 0;
    for (const int d : {UP, DOWN, LEFT, RIGHT})
        if (p.at(k + d) == EMPTY) ++liberties;
    int room = 0;
    for (const int d : {UP + LEFT, UP + RIGHT, DOWN + LEFT, DOWN + RIGHT})
        if (p.at(k + d) == EMPTY) ++room;
    room += liberties;
    int score = liberties * w_.king_liberty + room * w_.king_room;
    if (liberties == 0) score -= w_.king_boxed;
    return score;
}

int Evaluator::evaluate(const Position& p, const Threats& t) const {
    return evaluate(p, t, t.of(p.side()).best);
}

int Evaluator::evaluate(const Position& p, const Threats& t, int own_reachable_best) const {
    const int side = p.side();
    const SideThreats& own = t.of(side);
    const SideThreats& theirs = t.of(-side);
    int score = p.material() * side;
    score += own_threat(own_reachable_best);
    score -= theirs.best * w_.threat_against_percent / 100;
    if (theirs.king_squares >= 2) score -= w_.double_king_threat;
    score += king_safety(p, side) - king_safety(p, -side);
    score += (own.reach - theirs.reach) * w_.slider_mobility;
    score += p.advance() * side * w_.advance;
    return score;
}

}  // namespace banzuri::look
