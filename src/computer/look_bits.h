// Sets of squares of the look-ahead position as bits of one 128-bit word: square index s is
// bit s - FIRST_SQUARE, so that a step in any direction is a shift by the direction, and the
// wall squares between the columns keep steps off the board from landing on it.
#pragma once

#include <bit>
#include <cstdint>

namespace banzuri::look {

__extension__ typedef unsigned __int128 Bits;

inline constexpr int FIRST_SQUARE = 23;  // column 1, row 1 (see sq())

constexpr Bits bit_of(int s) {
    return Bits{1} << (s - FIRST_SQUARE);
}

// The set moved one step in direction d.
constexpr Bits shifted(Bits b, int d) {
    return d > 0 ? b << d : b >> -d;
}

// More than one square in the set (cheaper than counting them).
constexpr bool several(Bits b) {
    return (b & (b - 1)) != 0;
}

// The bit number of the lowest square of a set that is not empty.
inline int lowest_bit(Bits b) {
    const auto low = static_cast<std::uint64_t>(b);
    return low != 0 ? std::countr_zero(low)
                    : 64 + std::countr_zero(static_cast<std::uint64_t>(b >> 64));
}

// Calls f(s) for each square of the set, lowest index first.
template <typename F>
void for_each_square(Bits b, F&& f) {
    for (auto word = static_cast<std::uint64_t>(b); word != 0; word &= word - 1)
        f(FIRST_SQUARE + std::countr_zero(word));
    for (auto word = static_cast<std::uint64_t>(b >> 64); word != 0; word &= word - 1)
        f(FIRST_SQUARE + 64 + std::countr_zero(word));
}

}  // namespace banzuri::look
