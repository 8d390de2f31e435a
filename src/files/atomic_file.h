// Replacing a file so that it always holds either its old or its whole new content. Game
// records, the autosave and the settings file are all written this way.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>

#include "files/message.h"

namespace banzuri::files {

// Writes `bytes` to a new temporary file in the same folder, flushes it to the disk, renames it
// over `path` and flushes the folder. Answers an empty message on success; otherwise one
// that names the file and the reason, and the old file (if any) is untouched and no temporary
// file is left.
//
// A file that is replaced keeps its permission bits (set-id bits aside). A new file gets the
// bits of any newly created file: read and write for everyone, less the umask. A file that
// exists but may not be written (its owner's write bit is off, or we may not write it) is never
// replaced, although the folder alone would allow the rename.
Message write_file_atomically(const std::filesystem::path& path, std::string_view bytes);

// A reason for an errno value of a failed write.
Message reason_of(int error_number);

// The same for a failed read: a file that may not be read says so, not that it may not be
// written.
Message read_reason_of(int error_number);

// The temporary files of write_file_atomically() for `path` are named "." + file name + "." +
// six letters or digits. One that a killed write left behind is this old at least before it is
// taken for stale: younger ones may belong to another game writing just now.
inline constexpr std::chrono::seconds STALE_TEMPORARY_AGE{60};

// Removes the stale temporary files for `path`: regular files in its folder named as above and
// older than STALE_TEMPORARY_AGE. Nothing else is touched; failures are ignored.
void remove_stale_temporary_files(const std::filesystem::path& path);

}  // namespace banzuri::files
