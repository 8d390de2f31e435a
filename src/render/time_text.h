// Time arithmetic and the clock text: elapsed seconds across midnight, "hh:mm:ss".
#pragma once

#include <string>

namespace banzuri {

inline constexpr double SECONDS_PER_DAY = 86400;

// Seconds from `start` to `now`, both seconds since midnight; safe across midnight.
double 調査_経過秒(double start, double now);

// The clock text "hh:mm:ss" of a number of seconds; an hour count of 100 or more is empty.
std::string 調査_時間秒追加結果(double seconds);

// Two-digit field: "0" put before one digit, two digits unchanged, more digits give "".
std::string 変換_数字から文字(long long n);

}  // namespace banzuri
