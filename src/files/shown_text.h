// Text from files and file names as a message shows it: well-formed UTF-8, Japanese too,
// stays as it is; control characters, bidirectional controls and malformed bytes are escaped,
// so that a name can neither garble nor reorder the line it stands in.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace banzuri::files {

// The length of the well-formed UTF-8 character at the start of `text`; 0 when it is malformed.
std::size_t utf8_length(std::string_view text);

// The code point of one well-formed UTF-8 character.
char32_t code_point(std::string_view character);

// C0 and C1 control characters and DEL.
bool is_control(char32_t code);

// The bidirectional embeddings, overrides and isolates U+202A..U+202E and U+2066..U+2069.
bool is_bidi_control(char32_t code);

// A character or a malformed byte as text: "\u202e" for a code point above U+00FF (the
// bidirectional controls), "\xNN" for each byte otherwise.
std::string escaped(std::string_view bytes, char32_t code);

// About `limit` bytes of a piece of a file, or of a file name, for a message, cut at a
// character boundary with "…": control characters, bidirectional controls and bytes of
// malformed UTF-8 are written as "\x1b", "\u202e" or "\xff"; everything else stays as it is.
std::string shown(std::string_view text, std::size_t limit = 40);

// A path for a message, escaped as above and never cut short.
std::string shown_path(const std::string& path);

}  // namespace banzuri::files
