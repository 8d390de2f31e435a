// Reading the settings file with a bound on what is read, and replacing it atomically.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace banzuri::settings {

// Only the beginning of a settings file is read: four short lines need a few dozen bytes.
inline constexpr std::size_t READ_LIMIT = 64 * 1024;

// The file's text, or nothing when it does not exist or cannot be read. A file longer than
// READ_LIMIT yields its first READ_LIMIT bytes without the line that was cut in two.
std::optional<std::string> read_settings_file(const std::filesystem::path& path);

// Writes `content` to a new file in the same folder and renames it over `path`, so that a crash
// or a full disk never leaves a truncated file behind. False, with the reason in `error`, when
// the file could not be replaced; the old file is then untouched.
bool replace_file(const std::filesystem::path& path, std::string_view content, std::string& error);

}  // namespace banzuri::settings
