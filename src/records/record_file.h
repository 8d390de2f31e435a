// Record files: reading one (bounded size, UTF-8 or Shift-JIS) and writing one atomically.
// ".kifu" is UTF-8 with LF line ends; ".kif" is written in Shift-JIS (CP932) with CR LF and read
// as UTF-8 when it has a byte-order mark or is valid UTF-8, otherwise as CP932. A record that
// would be larger than a record file may be is not written, so every file written reads back.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "records/game_record.h"
#include "records/kif_reader.h"

namespace banzuri::records {

inline constexpr std::size_t kMaxRecordFileBytes = 4u << 20;

struct LoadResult {
    std::optional<GameRecord> record;
    Message error;  // names the file, the line and why, when there is no record
};

// The file's bytes as UTF-8 text, by its name and content; nothing and the problem otherwise.
std::optional<std::string> decode_record(std::string_view bytes, const std::filesystem::path& path,
                                         TextProblem& problem);

// The bytes of a record as they go into the file named `path`; nothing when the text has no
// Shift-JIS form for a ".kif" file.
std::optional<std::string> encode_record(const GameRecord& r, const std::filesystem::path& path);

// Reads and checks a record file. Nothing is changed on failure.
LoadResult load_record(const std::filesystem::path& path);

// Writes the record (after checking it) atomically. An empty message on success, otherwise one
// that names the file and the reason; the old file is then untouched.
Message save_record(const GameRecord& r, const std::filesystem::path& path);

}  // namespace banzuri::records
