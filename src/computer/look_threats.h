// Where a side captures by placing a piece: for every empty square, the material a sandwich
// or an enclosure would take if one of the side's pieces arrived there (the square a moving
// piece leaves is not taken into account).
#pragma once

#include <array>

#include "computer/look_position.h"

namespace banzuri::look {

// A king counts this much in a threat, so that a threat to it outweighs any material.
inline constexpr int KING_THREAT_VALUE = 5000;

struct Threats {
    std::array<int, SQUARES> gain{};  // material taken by arriving on the square
    int best = 0;                     // the largest gain of one square
    int king_squares = 0;             // squares where the enemy king would be taken
};

class ThreatFinder {
  public:
    void find(const Position& p, int side, Threats& out);

  private:
    void sandwiches(const Position& p, int side, Threats& out);
    void enclosures(const Position& p, int side, Threats& out);

    std::array<std::uint64_t, SQUARES> seen_{};
    std::array<std::uint64_t, SQUARES> liberty_seen_{};
    std::uint64_t stamp_ = 0;
    std::array<int, 96> group_{};
};

}  // namespace banzuri::look
