#include "settings/options.h"

#include <array>
#include <string>
#include <utility>

#include "files/atomic_file.h"
#include "settings/backgrounds.h"
#include "settings/settings_file.h"
#include "settings/settings_text.h"
#include "settings/texts.h"

namespace banzuri {

namespace {

constexpr const char* SETTINGS_FILE = "Banzuri.ini";
constexpr const char* WRITE_FAILED_TITLE = "Banzuri.ini";

struct BackgroundItem {
    MenuItem item;
    int code;
};

// In the order in which the marks are cleared.
constexpr std::array<BackgroundItem, 5> BACKGROUND_ITEMS{{
    {MenuItem::MIDORI, BG_MIDORI},
    {MenuItem::TAKE, BG_TAKE},
    {MenuItem::TATAMI, BG_TATAMI},
    {MenuItem::UCHU, BG_UCHU},
    {MenuItem::RENGA, BG_RENGA},
}};

}  // namespace

Options::Options(MenuView& menu, Dialogs& dialogs, std::filesystem::path files_dir)
    : menu_(menu), dialogs_(dialogs), files_dir_(std::move(files_dir)) {}

bool Options::checked(MenuItem item) const {
    switch (item) {
        case MenuItem::SIDOU:
            return guidance_;
        case MenuItem::KEIKA:
            return elapsed_;
        case MenuItem::BGM:
            return music_;
        default:
            break;
    }
    for (const auto& entry : BACKGROUND_ITEMS)
        if (entry.item == item) return background_checked_ && background_ == entry.code;
    return false;
}

LoadedOptions Options::読込_環境設定ファイル() {
    // Starting again after a failed write keeps the choices the file could not take.
    if (unsaved_) return {background_, std::nullopt, std::nullopt, false};
    files::remove_stale_temporary_files(files_dir_ / SETTINGS_FILE);  // of a killed write
    const auto text = settings::read_settings_file(files_dir_ / SETTINGS_FILE);
    if (!text) {
        // First run, or a file that cannot be read: the defaults, written back at once.
        set_background(BG_MIDORI);
        set_guidance(false);
        set_elapsed(true);
        set_music(false);
        return {BG_MIDORI, false, false, true};
    }
    const settings::FileOptions file = settings::parse_settings(*text);
    if (file.background) set_background(*file.background);
    if (file.guidance) set_guidance(*file.guidance);
    if (file.elapsed) set_elapsed(*file.elapsed);
    if (file.music) set_music(*file.music);
    return {file.background, file.guidance, file.music, false};
}

void Options::書込_環境設定ファイル() {
    settings::MenuOptions options;
    options.background = background_checked_ ? background_ : 0;
    options.guidance = guidance_;
    options.elapsed = elapsed_;
    options.music = music_;
    unsaved_ = !files::write_file_atomically(files_dir_ / SETTINGS_FILE,
                                             settings::format_settings(options))
                    .empty();
    if (!unsaved_) return;
    // The choices stay as they are for this game; the player hears about it once.
    if (write_warned_) return;
    write_warned_ = true;
    dialogs_.warning(text(TextId::SETTINGS_NOT_WRITTEN, language_), WRITE_FAILED_TITLE);
}

void Options::チェック設定(int background_code) {
    for (const auto& entry : BACKGROUND_ITEMS)
        menu_.show_checked(entry.item, false);
    background_checked_ = false;
    for (const auto& entry : BACKGROUND_ITEMS) {
        if (entry.code != background_code) continue;
        menu_.show_checked(entry.item, true);
        background_checked_ = true;
    }
}

void Options::set_background(int code) {
    チェック設定(code);
    background_ = code;
}

void Options::set_guidance(bool on) {
    guidance_ = on;
    menu_.show_checked(MenuItem::SIDOU, on);
}

void Options::set_elapsed(bool on) {
    elapsed_ = on;
    menu_.show_checked(MenuItem::KEIKA, on);
}

void Options::set_music(bool on) {
    music_ = on;
    menu_.show_checked(MenuItem::BGM, on);
}

}  // namespace banzuri
