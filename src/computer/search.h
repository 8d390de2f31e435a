// The computer's one-ply search: every legal board move and drop of the upper side is tried
// on the real board, scored, and undone; the first move with the highest score is kept.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "computer/computer_state.h"
#include "rules/legal_moves.h"

namespace banzuri {

// One scored option of the search, in scan order. A move that may promote but need not is
// listed twice: unpromoted, then promoted.
struct Candidate {
    Move move;
    Score score = 0;
};

// Runs the search for the upper side on `g` and answers the best move, or nothing when the
// upper side can neither move nor drop. `tick` is called once per origin column and, when the
// upper hand holds pieces, once per hand kind. The board and the hands are left as they were;
// the two-pawn flags, promoted_piece and the enclosure marks are scratch. When `candidates` is
// given, every scored option is appended to it.
std::optional<Move> search_best_move(GameState& g, ComputerState& c,
                                     const std::function<void()>& tick,
                                     std::vector<Candidate>* candidates = nullptr);

// The terms of the evaluation that fire for one option of the last search (its snapshot
// tables are read from `c`), as "name +1.5; " items; a king capture by sandwich that replaces
// the score is listed last. The board is left as it was.
std::string candidate_terms(GameState& g, ComputerState& c, const Move& m);

}  // namespace banzuri
