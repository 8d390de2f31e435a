#include "records/kif_values.h"

#include "records/kif_names.h"

namespace banzuri::records {

namespace {

constexpr int kMaxDigits = 9;

// Up to `max_digits` ASCII digits; -1 when there are none.
int take_digits(std::string_view& text, int max_digits = kMaxDigits) {
    int value = 0;
    int digits = 0;
    while (!text.empty() && text[0] >= '0' && text[0] <= '9' && digits < max_digits) {
        value = value * 10 + (text[0] - '0');
        text.remove_prefix(1);
        ++digits;
    }
    return digits == 0 ? -1 : value;
}

bool take_char(std::string_view& text, char c) {
    if (text.empty() || text[0] != c) return false;
    text.remove_prefix(1);
    return true;
}

void skip_spaces(std::string_view& text) {
    while (take_char(text, ' ')) {
    }
}

// The time of day after the date: "10:00:00" or "10:00".
bool parse_clock(std::string_view text, DateTime& d) {
    d.hour = take_digits(text, 2);
    if (d.hour < 0 || d.hour > 23 || !take_char(text, ':')) return false;
    d.minute = take_digits(text, 2);
    if (d.minute < 0 || d.minute > 59) return false;
    d.second = 0;
    if (take_char(text, ':')) {
        d.second = take_digits(text, 2);
        if (d.second < 0 || d.second > 59) return false;
    }
    return trimmed(text).empty();
}

// "(水)" or "（水）" after the date.
void skip_weekday(std::string_view& text) {
    for (std::string_view open : {"(", "（"}) {
        std::string_view rest = text;
        if (!take(rest, open)) continue;
        const auto close = rest.find(open == "(" ? ")" : "）");
        if (close == std::string_view::npos || close > 6) return;
        text = rest.substr(close + (open == "(" ? 1 : std::string_view("）").size()));
        return;
    }
}

// "mm:ss" of a move or "hh:mm:ss" of a total, in seconds; -1 when not readable. Every time a
// record may hold (up to 100,000,000 seconds: 1666666 minutes, 27777 hours) is readable.
int take_duration(std::string_view& text, bool with_hours) {
    int first = take_digits(text, with_hours ? 5 : 7);
    if (first < 0 || !take_char(text, ':')) return -1;
    int second = take_digits(text, 2);
    if (second < 0 || second > 59) return -1;
    if (!with_hours) return first * 60 + second;
    if (!take_char(text, ':')) return -1;
    const int third = take_digits(text, 2);
    if (third < 0 || third > 59) return -1;
    return (first * 60 + second) * 60 + third;
}

}  // namespace

bool parse_date(std::string_view text, DateTime& out) {
    DateTime d;
    d.year = take_digits(text, 4);
    if (d.year < 1 || !take_char(text, '/')) return false;
    d.month = take_digits(text, 2);
    if (d.month < 1 || d.month > 12 || !take_char(text, '/')) return false;
    d.day = take_digits(text, 2);
    if (d.day < 1 || d.day > 31) return false;
    skip_weekday(text);
    text = trimmed(text);
    if (!text.empty() && !parse_clock(text, d)) return false;
    out = d;
    return true;
}

std::string_view take_number(std::string_view text, std::size_t& number) {
    const int value = take_digits(text);
    if (value < 0 || (!text.empty() && text[0] >= '0' && text[0] <= '9')) return {};
    number = static_cast<std::size_t>(value);
    return text;
}

std::string_view take_count_before(std::string_view text, std::string_view separator,
                                   std::size_t& count) {
    std::string_view rest = take_number(text, count);
    if (rest.data() == nullptr || !take(rest, separator)) return {};
    return rest;
}

bool take_source(std::string_view& text, int& column, int& row) {
    std::string_view rest = text;
    if (!take_char(rest, '(')) return false;
    const int file = take_file(rest);
    const int rank = file == 0 ? 0 : take_file(rest);
    if (rank == 0 || !take_char(rest, ')')) return false;
    column = 10 - file;
    row = rank;
    text = rest;
    return true;
}

bool parse_move_time(std::string_view text, int& seconds, int& total) {
    text = trimmed(text);
    seconds = 0;
    if (text.empty()) return true;
    if (!take_char(text, '(')) return false;
    skip_spaces(text);
    const int move = take_duration(text, false);
    if (move < 0 || !take_char(text, '/')) return false;
    const int sum = take_duration(text, true);
    if (sum < 0 || !take_char(text, ')')) return false;
    text = trimmed(text);
    take_char(text, '+');
    if (!text.empty()) return false;
    seconds = move;
    total = sum;
    return true;
}

}  // namespace banzuri::records
