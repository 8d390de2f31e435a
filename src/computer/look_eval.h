// The look-ahead search's evaluation, from the side to move's point of view: material on the
// board and in hand, the threat of sandwiches and enclosures, the king's freedom and the
// mobility of the long-range pieces.
#pragma once

#include "computer/look_threats.h"

namespace banzuri::look {

// Weights in hundredths of a pawn (percentages where named so). Tuned by self-play with
// bench_eval_tuning 20 2000 1: each weight halved and doubled in turn, LEVEL4 with the change
// against LEVEL4 without it, 20 games at 2000 nodes a move, the change kept above 55 %. Only
// threat_against_percent moved (35 -> 17, 60 %); the samples are small, a first pass.
// advance, added against the locked pawn walls of long drawn games: LEVEL5 against LEVEL4 at
// --nodes 4000, seed 100, 40 games, advance 0 -> 65.0 % (20 draws), 10 -> 67.5 % (18 draws).
// threat_against_percent 17 -> 0: the opponent's next capture is searched anyway, and counting
// it again here made the search block every enemy piece that came forward, which locked the
// pawn walls of the games LEVEL4 failed to finish against LEVEL1. LEVEL4 with 0 against
// LEVEL4 with 17, 100 games at --nodes 10000, seed 11: 66.5 % (46-13-41).
struct EvalWeights {
    int threat_to_move_percent = 50;  // of the best capture the side to move has
    int threat_against_percent = 0;   // of the best capture the opponent threatens
    int double_king_threat = 3000;    // the opponent can take the king on two squares
    int king_liberty = 30;            // per empty square beside the king (orthogonal)
    int king_boxed = 150;             // the king has no empty square beside it at all
    int king_room = 8;                // per empty square of the eight around the king
    int slider_mobility = 3;          // per square a lance, bishop or rook can reach
    int advance = 10;                 // per step of ADVANCE_BY_ROWS (see below)
};

class Evaluator {
  public:
    explicit Evaluator(const EvalWeights& w = EvalWeights{}) : w_(w) {}

    // `t` are the threats of both sides in `p`, already found by the caller.
    int evaluate(const Position& p, const Threats& t) const;
    // The same when the best capture the side to move can actually make (a move or a drop onto
    // the square) is known: a threat on a square none of its pieces reaches counts for nothing.
    int evaluate(const Position& p, const Threats& t, int own_reachable_best) const;
    // What the side to move's best capture adds to the evaluation.
    int own_threat(int gain) const { return gain * w_.threat_to_move_percent / 100; }

  private:
    int king_safety(const Position& p, int side) const;

    EvalWeights w_;
};

}  // namespace banzuri::look
