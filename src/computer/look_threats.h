// Where each side captures by placing a piece: for every empty square, the material a
// sandwich or an enclosure would take if one of the side's pieces arrived there (the square a
// moving piece leaves is not taken into account). The same sweep counts the squares the
// long-range pieces reach.
#pragma once

#include <array>

#include "computer/look_position.h"

namespace banzuri::look {

// A king counts this much in a threat, so that a threat to it outweighs any material.
inline constexpr int KING_THREAT_VALUE = 5000;

struct SideThreats {
    std::array<int, SQUARES> gain{};  // material taken by arriving on the square
    int best = 0;                     // the largest gain of one square
    int king_squares = 0;             // squares where the enemy king would be taken
    int reach = 0;                    // squares the side's lances, bishops and rooks reach

    void add(int s, int value) {
        int& g = gain[static_cast<std::size_t>(s)];
        if (g == 0) touched[static_cast<std::size_t>(touched_count++)] = s;
        if (g < KING_THREAT_VALUE && g + value >= KING_THREAT_VALUE) ++king_squares;
        g += value;
        if (g > best) best = g;
    }
    // Back to no threats, clearing only the squares written.
    void clear() {
        for (int i = 0; i < touched_count; ++i)
            gain[static_cast<std::size_t>(touched[static_cast<std::size_t>(i)])] = 0;
        touched_count = 0;
        best = 0;
        king_squares = 0;
        reach = 0;
    }

  private:
    std::array<int, SQUARES> touched{};
    int touched_count = 0;
};

struct Threats {
    SideThreats upper;
    SideThreats lower;
    const SideThreats& of(int side) const { return side > 0 ? upper : lower; }
    SideThreats& of(int side) { return side > 0 ? upper : lower; }
};

class ThreatFinder {
  public:
    void find(const Position& p, Threats& out);

  private:
    void groups(const Position& p, int side, Bits empty, SideThreats& out);
};

}  // namespace banzuri::look
