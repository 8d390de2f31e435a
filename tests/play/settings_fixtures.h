// Helpers of the window's settings tests: the settings file in a window's folder.
#pragma once

#include <fstream>
#include <iterator>
#include <string>

#include "fakes/recording_platform.h"
#include "settings/settings_fixtures.h"

namespace banzuri::testing {

inline std::filesystem::path settings_path(const FakeWindow& w) {
    return w.folder / "Banzuri.ini";
}

inline void write_settings(const FakeWindow& w, const std::string& bytes) {
    std::ofstream(settings_path(w), std::ios::binary) << bytes;
}

inline std::string read_settings(const FakeWindow& w) {
    std::ifstream in(settings_path(w), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Files left in the folder besides the settings file (a write must not leave any).
inline int other_files(const FakeWindow& w) {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(w.folder))
        if (entry.path().filename() != "Banzuri.ini") ++count;
    return count;
}

}  // namespace banzuri::testing
