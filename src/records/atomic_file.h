// Writing a file so that it is always either the old or the whole new content.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace banzuri::records {

// Writes `bytes` to a temporary file in the same folder, flushes it to the disk, renames it over
// `path` and flushes the folder. Answers an empty string on success; otherwise a message that
// names the file and the reason, and the old file (if any) is untouched.
std::string write_file_atomically(const std::filesystem::path& path, std::string_view bytes);

// A reason for an errno value, in Japanese.
std::string reason_of(int error_number);

}  // namespace banzuri::records
