// The captures that follow a move, in the order the rules take them: each sandwiched run (the
// scans up, down, left, right), then each enclosed group next to the arriving piece until none
// is left. Game::play and the window's animation both walk this one sequence.
#pragma once

#include <optional>
#include <vector>

#include "rules/game_state.h"
#include "rules/sandwich.h"

namespace banzuri {

enum class CaptureKind { SANDWICH, ENCLOSURE };

struct CaptureStep {
    CaptureKind kind = CaptureKind::SANDWICH;
    Square mover;                 // the piece that arrived
    Square closing;               // a sandwich's closing piece; unused for an enclosure
    std::vector<Square> squares;  // the pieces the step removes, in removal order
    std::vector<int> pieces;      // their codes, filled in as the step is taken
};

// Walks the captures of the piece on (x, y). Each step is found on the board as it stands, so
// the caller removes a step's pieces before asking for the next one.
class CaptureSequence {
  public:
    CaptureSequence(GameState& g, int x, int y) : g_(g), x_(x), y_(y) {}

    // The next capture, sandwiches first; nothing when every capture has been taken.
    std::optional<CaptureStep> next();
    // The next sandwich only; nothing once the four scans are done.
    std::optional<CaptureStep> next_sandwich();
    // The next enclosed group beside the arriving piece, whatever the scans have done: for a
    // caller that has taken the sandwiches already.
    std::optional<CaptureStep> next_enclosure();

  private:
    GameState& g_;
    int x_;
    int y_;
    int scan_ = 0;  // the sandwich scans already made
};

// Removes the step's pieces and credits each to the capturer's hand (a king decides the game);
// notes the codes removed in the step.
void take_capture(GameState& g, CaptureStep& step);

}  // namespace banzuri
