#include "computer/look_eval.h"

#include <cstdlib>

namespace banzuri::look {

namespace {

int owner(int piece) {
    return piece == WALL ? 0 : (piece > 0) - (piece < 0);
}

int slide_count(const Position& p, int from, std::initializer_list<int> directions) {
    int n = 0;
    for (const int d : directions)
        for (int s = from + d; p.at(s) == EMPTY; s += d)
            ++n;
    return n;
}

}  // namespace

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

int Evaluator::mobility(const Position& p, int side) const {
    int n = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int s = sq(x, y);
            const int piece = p.at(s);
            if (owner(piece) != side) continue;
            switch (std::abs(piece)) {
                case KYOU:
                    n += slide_count(p, s, {side * DOWN});
                    break;
                case KAKU:
                case UMA:
                    n += slide_count(p, s, {UP + LEFT, UP + RIGHT, DOWN + LEFT, DOWN + RIGHT});
                    break;
                case SYA:
                case RYU:
                    n += slide_count(p, s, {UP, DOWN, LEFT, RIGHT});
                    break;
                default:
                    break;
            }
        }
    return n * w_.slider_mobility;
}

int Evaluator::evaluate(const Position& p, const Threats& own) {
    const int side = p.side();
    finder_.find(p, -side, theirs_);
    int score = p.material() * side;
    score += own.best * w_.threat_to_move_percent / 100;
    score -= theirs_.best * w_.threat_against_percent / 100;
    if (theirs_.king_squares >= 2) score -= w_.double_king_threat;
    score += king_safety(p, side) - king_safety(p, -side);
    score += mobility(p, side) - mobility(p, -side);
    return score;
}

}  // namespace banzuri::look
