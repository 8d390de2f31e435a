// Reading the settings file with a bound on what is read, and replacing it atomically.
#pragma once

#include <chrono>
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
// the file could not be replaced; the old file is then untouched. A file that exists and may
// not be written (no write permission for its owner, or none for us) is never replaced.
bool replace_file(const std::filesystem::path& path, std::string_view content, std::string& error);

// A temporary file left behind by a replace_file() that was killed half-way is this old at least
// before it is taken for stale: younger ones may belong to another game writing just now.
inline constexpr std::chrono::seconds STALE_TEMPORARY_AGE{60};

// Removes the stale temporary files of replace_file() for `path`: regular files in its folder
// named exactly "." + file name + "." + six letters or digits, older than STALE_TEMPORARY_AGE.
// Nothing else is touched; failures are ignored.
void remove_stale_temporary_files(const std::filesystem::path& path);

}  // namespace banzuri::settings
