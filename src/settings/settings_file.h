// Reading the settings file with a bound on what is read. It is written with
// files::write_file_atomically().
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace banzuri::settings {

// Only the beginning of a settings file is read: four short lines need a few dozen bytes.
inline constexpr std::size_t READ_LIMIT = 64 * 1024;

// The file's text, or nothing when it does not exist or cannot be read. A file longer than
// READ_LIMIT yields its first READ_LIMIT bytes without the line that was cut in two.
std::optional<std::string> read_settings_file(const std::filesystem::path& path);

}  // namespace banzuri::settings
