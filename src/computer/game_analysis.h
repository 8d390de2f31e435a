// A played game looked over by the look-ahead search, move by move: how the position stood
// before and after each move from the lower side's view, the move the search prefers there,
// and a mark where the move gave away much more than that one. Pure: the caller gives the
// limits of each search (a node budget, or a deadline it keeps), a progress report and a
// cancel flag; it runs on the caller's thread.
#pragma once

#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "computer/look_ahead.h"
#include "rules/game.h"

namespace banzuri {

// Pawns of a king capture in sight (either side), in place of a score.
inline constexpr double KING_CAPTURE_PAWNS = 999;
// What the move lost against the best move, in pawns, for each mark.
inline constexpr double DUBIOUS_LOSS = 2;
inline constexpr double BLUNDER_LOSS = 5;

enum class MoveMark { none, dubious, blunder };

struct MoveVerdict {
    Move move;
    bool lower = true;         // the lower side played it
    double before = 0;         // pawns, lower side's view; ±KING_CAPTURE_PAWNS a king capture
    double after = 0;          // the same after the move
    std::optional<Move> best;  // the search's move in the position before
    MoveMark mark = MoveMark::none;
};

struct GameAnalysis {
    std::vector<MoveVerdict> moves;  // the moves looked at, in order
    bool cancelled = false;          // stopped before the last move
};

struct AnalysisControl {
    std::function<LookLimits()> limits;                 // asked before each search
    std::function<void(int done, int total)> progress;  // after each move
    const std::atomic<bool>* cancel = nullptr;          // also stops a search at once
};

// "疑問手", "悪手" or "".
std::string mark_text(MoveMark mark);

// The mark of a move by the lower side (`lower`) or the upper side that went from `before` to
// `after` (lower side's view): none when it was the best move.
MoveMark mark_of(bool lower, double before, double after, bool was_best);

// A search's score (hundredths of a pawn for the side it searched) in pawns for the lower side.
double lower_side_pawns(int score, bool searched_lower);

// Every move of `game`'s line from its start up to its latest position, searched in `table`.
GameAnalysis analyse_game(const Game& game, const AnalysisControl& control, LookTable& table);

}  // namespace banzuri
