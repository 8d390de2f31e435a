#include "settings/settings_text.h"

#include <array>
#include <utility>

#include "settings/backgrounds.h"

namespace banzuri::settings {

namespace {

struct Spelling {
    std::string_view cp932;
    std::string_view utf8;
    bool matches(std::string_view text) const { return text == cp932 || text == utf8; }
};

constexpr Spelling BACKGROUND{KEY_BACKGROUND, "背景画"};
constexpr Spelling GUIDANCE{KEY_GUIDANCE, "移動指導"};
constexpr Spelling ELAPSED{KEY_ELAPSED, "経過時間"};

struct BackgroundName {
    int code;
    Spelling name;
};

constexpr std::array<BackgroundName, 5> BACKGROUND_NAMES{{
    {BG_MIDORI, {VALUE_MIDORI, "緑"}},
    {BG_TAKE, {VALUE_TAKE, "竹"}},
    {BG_TATAMI, {VALUE_TATAMI, "畳"}},
    {BG_UCHU, {VALUE_UCHU, "宇宙"}},
    {BG_RENGA, {VALUE_RENGA, "煉瓦"}},
}};

std::optional<int> background_code(std::string_view value) {
    for (const auto& entry : BACKGROUND_NAMES)
        if (entry.name.matches(value)) return entry.code;
    return std::nullopt;
}

std::string_view background_name(int code) {
    for (const auto& entry : BACKGROUND_NAMES)
        if (entry.code == code) return entry.name.cp932;
    return {};
}

void apply_line(std::string_view line, FileOptions& options) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return;
    const std::string_view key = line.substr(0, equals);
    const std::string_view value = line.substr(equals + 1);
    if (BACKGROUND.matches(key)) {
        if (auto code = background_code(value)) options.background = code;
    } else if (GUIDANCE.matches(key)) {
        options.guidance = value == "ON";
    } else if (ELAPSED.matches(key)) {
        options.elapsed = value == "ON";
    } else if (key == KEY_MUSIC) {
        options.music = value == "ON";
    }
}

void append_line(std::string& out, std::string_view key, std::string_view value) {
    out.append(key);
    out.push_back('=');
    out.append(value);
    out.append(LINE_END);
}

std::string_view on_off(bool on) {
    return on ? "ON" : "OFF";
}

}  // namespace

FileOptions parse_settings(std::string_view text) {
    FileOptions options;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        apply_line(text.substr(0, end), options);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return options;
}

std::string format_settings(const MenuOptions& options) {
    std::string out;
    if (const auto name = background_name(options.background); !name.empty())
        append_line(out, KEY_BACKGROUND, name);
    append_line(out, KEY_GUIDANCE, on_off(options.guidance));
    append_line(out, KEY_ELAPSED, on_off(options.elapsed));
    append_line(out, KEY_MUSIC, on_off(options.music));
    return out;
}

}  // namespace banzuri::settings
