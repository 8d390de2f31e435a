// Reading a sound file whole, as the raw bytes handed to the sound library.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace banzuri {

// Larger files are refused rather than read: the game's sounds are a few megabytes at most.
inline constexpr std::size_t SOUND_FILE_LIMIT = std::size_t{64} << 20;

struct SoundFileImage {
    bool missing = false;              // no file of that name: silently no sound
    std::string error;                 // the failure's own text when the file could not be read
    std::vector<unsigned char> bytes;  // the complete file image otherwise
};

SoundFileImage read_sound_file(const std::filesystem::path& path);

}  // namespace banzuri
