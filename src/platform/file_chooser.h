// Choosing the file a game record is read from or written to.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace banzuri {

class FileChooser {
  public:
    virtual ~FileChooser() = default;
    // The record file to open; nothing when the player cancelled.
    virtual std::optional<std::filesystem::path> choose_file_to_open(const std::string& title) = 0;
    // The file to save a record in, offered first as `suggested_name`; nothing when the player
    // cancelled. Asking before an existing file is replaced is the chooser's business.
    virtual std::optional<std::filesystem::path> choose_file_to_save(
        const std::string& title, const std::string& suggested_name) = 0;
};

}  // namespace banzuri
