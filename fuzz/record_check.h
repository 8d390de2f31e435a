// What must hold for any bytes read as a record file: the reader either refuses them with a
// reason or gives a record that replays through the rules to its end, and whose written form
// reads back to the same start, moves and winner.
#pragma once

#include <string>
#include <string_view>

namespace banzuri::fuzz {

// Empty when the bytes of a file named `name` behave as above; otherwise what went wrong.
std::string check_record_bytes(std::string_view bytes, std::string_view name);

}  // namespace banzuri::fuzz
