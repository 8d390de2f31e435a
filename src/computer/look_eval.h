// The look-ahead search's evaluation, from the side to move's point of view: material on the
// board and in hand, the threat of sandwiches and enclosures, the king's freedom and the
// mobility of the long-range pieces.
#pragma once

#include "computer/look_threats.h"

namespace banzuri::look {

// Weights in hundredths of a pawn (percentages where named so). Tuned with self-play matches
// of LEVEL4 against itself with one weight changed at a time (match --nodes 20000, 40 games
// a step, the better of each pair kept).
struct EvalWeights {
    int threat_to_move_percent = 50;  // of the best capture the side to move has
    int threat_against_percent = 35;  // of the best capture the opponent threatens
    int double_king_threat = 3000;    // the opponent can take the king on two squares
    int king_liberty = 30;            // per empty square beside the king (orthogonal)
    int king_boxed = 150;             // the king has no empty square beside it at all
    int king_room = 8;                // per empty square of the eight around the king
    int slider_mobility = 3;          // per square a lance, bishop or rook can reach
};

class Evaluator {
  public:
    explicit Evaluator(const EvalWeights& w = EvalWeights{}) : w_(w) {}

    // `t` are the threats of both sides in `p`, already found by the caller.
    int evaluate(const Position& p, const Threats& t) const;

  private:
    int king_safety(const Position& p, int side) const;

    EvalWeights w_;
};

}  // namespace banzuri::look
