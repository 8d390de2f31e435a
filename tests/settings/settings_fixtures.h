// Helpers of the settings tests: the file's bytes in Shift-JIS, spelled out independently of
// the code under test, and a temporary folder to keep the file in.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace banzuri::testing {

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

// A new, empty folder, removed with everything in it at the end.
struct SettingsFolder {
    SettingsFolder() {
        static int counter = 0;
        path = std::filesystem::temp_directory_path() /
               ("banzuri-settings-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~SettingsFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    SettingsFolder(const SettingsFolder&) = delete;
    SettingsFolder& operator=(const SettingsFolder&) = delete;

    std::filesystem::path file_path() const { return path / "Banzuri.ini"; }
    void write(const std::string& bytes) const {
        std::ofstream(file_path(), std::ios::binary) << bytes;
    }
    std::string read() const {
        std::ifstream in(file_path(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // Entries in the folder besides the settings file (a write must not leave any).
    int others() const {
        int count = 0;
        for (const auto& entry : std::filesystem::directory_iterator(path))
            if (entry.path().filename() != "Banzuri.ini") ++count;
        return count;
    }

    std::filesystem::path path;
};

}  // namespace banzuri::testing
