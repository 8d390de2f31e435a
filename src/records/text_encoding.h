// The encodings of record files: UTF-8 and Shift-JIS (CP932, through iconv).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace banzuri::records {

// Whether `bytes` is well-formed UTF-8; otherwise `bad` is the offset of the first bad byte.
bool is_utf8(std::string_view bytes, std::size_t& bad);

// CP932 to UTF-8; nothing when a byte sequence is not CP932 (`bad` is then its offset).
std::optional<std::string> cp932_to_utf8(std::string_view bytes, std::size_t& bad);

// UTF-8 to CP932; nothing when a character has no CP932 form.
std::optional<std::string> utf8_to_cp932(std::string_view text);

// The 1-based line of a byte offset.
int line_at(std::string_view bytes, std::size_t offset);

}  // namespace banzuri::records
