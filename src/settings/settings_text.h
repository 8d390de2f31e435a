// The text of the settings file "Banzuri.ini": four key=value lines in Shift-JIS (CP932),
// each ending in CR LF. Only a handful of Japanese words occur, so their CP932 spellings are
// kept as byte constants instead of converting text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace banzuri::settings {

// Shift-JIS spellings of the keys and the background values.
inline constexpr std::string_view KEY_BACKGROUND = "\x94\x77\x8c\x69\x89\xe6";        // 背景画
inline constexpr std::string_view KEY_GUIDANCE = "\x88\xda\x93\xae\x8e\x77\x93\xb1";  // 移動指導
inline constexpr std::string_view KEY_ELAPSED = "\x8c\x6f\x89\xdf\x8e\x9e\x8a\xd4";  // 経過時間
inline constexpr std::string_view KEY_MUSIC = "BGM";
inline constexpr std::string_view VALUE_MIDORI = "\x97\xce";         // 緑
inline constexpr std::string_view VALUE_TATAMI = "\x8f\xf4";         // 畳
inline constexpr std::string_view VALUE_TAKE = "\x92\x7c";           // 竹
inline constexpr std::string_view VALUE_UCHU = "\x89\x46\x92\x88";   // 宇宙
inline constexpr std::string_view VALUE_RENGA = "\x97\xf9\x8a\xa2";  // 煉瓦
inline constexpr std::string_view LINE_END = "\r\n";

// What a settings file says; a key that does not occur (or, for the background, never with
// one of the five values) stays empty. A key given twice counts with its last line.
struct FileOptions {
    std::optional<int> background;  // a background code
    std::optional<bool> guidance;
    std::optional<bool> elapsed;
    std::optional<bool> music;
};

// The options as the menus show them, for writing. background 0: no background line.
struct MenuOptions {
    int background = 0;
    bool guidance = false;
    bool elapsed = false;
    bool music = false;
};

// Reads the lines of `text`: lines end in CR LF, LF or CR; the key is everything before the
// first "=" and the value everything after it; lines without "=" and unknown keys are skipped.
// Keys and values spelled in UTF-8 (a file saved by a Linux editor) are understood as well.
FileOptions parse_settings(std::string_view text);

// The file's content: background (when one is chosen), guidance, elapsed time, music.
std::string format_settings(const MenuOptions& options);

}  // namespace banzuri::settings
