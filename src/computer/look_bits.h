// Sets of squares of the look-ahead position as bits of one 128-bit number (the compiler's own
// where it has one, two 64-bit words otherwise): square index s is
// bit s - FIRST_SQUARE, so that a step in any direction is a shift by the direction, and the
// wall squares between the columns keep steps off the board from landing on it.
#pragma once

#include <bit>
#include <cstdint>

namespace banzuri::look {

// Two 64-bit words that act as one unsigned 128-bit number, for the compilers (32-bit
// targets) that have no such number of their own; only what the square sets use.
struct WordPair {
    std::uint64_t low = 0;
    std::uint64_t high = 0;

    constexpr WordPair() = default;
    constexpr WordPair(std::uint64_t value) : low(value) {}  // NOLINT: as an integer converts
    constexpr WordPair(std::uint64_t high_word, std::uint64_t low_word)
        : low(low_word), high(high_word) {}
    constexpr explicit operator std::uint64_t() const { return low; }
    constexpr bool operator==(const WordPair&) const = default;

    friend constexpr WordPair operator&(WordPair a, WordPair b) {
        return {a.high & b.high, a.low & b.low};
    }
    friend constexpr WordPair operator|(WordPair a, WordPair b) {
        return {a.high | b.high, a.low | b.low};
    }
    friend constexpr WordPair operator~(WordPair a) { return {~a.high, ~a.low}; }
    friend constexpr WordPair operator+(WordPair a, WordPair b) {
        const std::uint64_t sum = a.low + b.low;
        return {a.high + b.high + (sum < a.low ? 1 : 0), sum};
    }
    friend constexpr WordPair operator-(WordPair a, WordPair b) {
        return {a.high - b.high - (a.low < b.low ? 1 : 0), a.low - b.low};
    }
    friend constexpr WordPair operator<<(WordPair a, int n) {
        if (n == 0) return a;
        if (n >= 64) return {a.low << (n - 64), 0};
        return {(a.high << n) | (a.low >> (64 - n)), a.low << n};
    }
    friend constexpr WordPair operator>>(WordPair a, int n) {
        if (n == 0) return a;
        if (n >= 64) return {0, a.high >> (n - 64)};
        return {a.high >> n, (a.low >> n) | (a.high << (64 - n))};
    }
    constexpr WordPair& operator&=(WordPair b) { return *this = *this & b; }
    constexpr WordPair& operator|=(WordPair b) { return *this = *this | b; }
};

#if defined(__SIZEOF_INT128__) && !defined(BANZURI_WORD_PAIR_BITS)
__extension__ typedef unsigned __int128 Bits;
#else
using Bits = WordPair;
#endif

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
