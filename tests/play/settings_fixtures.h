// Helpers of the settings tests: the file's bytes in Shift-JIS and a window reading them.
#pragma once

#include <fstream>
#include <iterator>
#include <string>

#include "fakes/recording_platform.h"

namespace banzuri::testing {

// Shift-JIS bytes, spelled out independently of the code under test.
inline const std::string SJIS_BACKGROUND = "\x94\x77\x8c\x69\x89\xe6";
inline const std::string SJIS_GUIDANCE = "\x88\xda\x93\xae\x8e\x77\x93\xb1";
inline const std::string SJIS_ELAPSED = "\x8c\x6f\x89\xdf\x8e\x9e\x8a\xd4";
inline const std::string SJIS_MIDORI = "\x97\xce";
inline const std::string SJIS_TATAMI = "\x8f\xf4";
inline const std::string SJIS_TAKE = "\x92\x7c";
inline const std::string SJIS_UCHU = "\x89\x46\x92\x88";
inline const std::string SJIS_RENGA = "\x97\xf9\x8a\xa2";

inline std::string settings_lines(const std::string& background, const std::string& guidance,
                                  const std::string& elapsed, const std::string& music) {
    std::string text;
    if (!background.empty()) text += SJIS_BACKGROUND + "=" + background + "\r\n";
    return text + SJIS_GUIDANCE + "=" + guidance + "\r\n" + SJIS_ELAPSED + "=" + elapsed +
           "\r\nBGM=" + music + "\r\n";
}

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
