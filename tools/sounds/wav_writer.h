// Writing mono 16-bit PCM WAV files.
#pragma once

#include <filesystem>

#include "synth.h"

namespace sounds {

// Samples in -1..1; false when the file could not be written.
bool write_wav(const std::filesystem::path& path, const Samples& samples);

}  // namespace sounds
