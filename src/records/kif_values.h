// Numbers inside KIF lines: dates, move numbers, source squares and move times.
#pragma once

#include <cstddef>
#include <string_view>

#include "records/game_record.h"

namespace banzuri::records {

// "2024/05/01 10:00:00", also with the seconds or the whole time left out and with a weekday
// "(水)" after the date.
bool parse_date(std::string_view text, DateTime& out);

// Leading ASCII digits (at most 9) as a number: the rest of the text, or a view without data
// when the text does not start with a digit.
std::string_view take_number(std::string_view text, std::size_t& number);

// "58手で..." with `separator` "手で": the text after the separator, or a view without data.
std::string_view take_count_before(std::string_view text, std::string_view separator,
                                   std::size_t& count);

// "(77)": the source square as column and row; false when the front holds no square.
bool take_source(std::string_view& text, int& column, int& row);

// What follows a move: nothing (the time is 0 and `total` stays), or "( 0:03/00:00:03)",
// optionally followed by "+". False when it is anything else.
bool parse_move_time(std::string_view text, int& seconds, int& total);

}  // namespace banzuri::records
