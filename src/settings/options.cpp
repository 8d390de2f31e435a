// The settings file and the option menu: background, move guidance, elapsed time and music.
#include <array>

#include "play/main_form.h"
#include "settings/settings_file.h"
#include "settings/settings_text.h"

namespace banzuri {

namespace {

constexpr const char* SETTINGS_FILE = "Banzuri.ini";
constexpr const char* WRITE_FAILED_TEXT =
    "設定ファイル「Banzuri.ini」に書き込めません。\n"
    "変更した設定は、このゲームを終えるまで有効です。";
constexpr const char* WRITE_FAILED_TITLE = "Banzuri.ini";

struct BackgroundItem {
    MenuItem item;
    int code;
};

// In the order in which the marks are cleared and the writer looks for the checked one.
constexpr std::array<BackgroundItem, 5> BACKGROUND_ITEMS{{
    {MenuItem::MIDORI, BG_MIDORI},
    {MenuItem::TAKE, BG_TAKE},
    {MenuItem::TATAMI, BG_TATAMI},
    {MenuItem::UCHU, BG_UCHU},
    {MenuItem::RENGA, BG_RENGA},
}};

int checked_background(const MainForm& form) {
    for (const auto& entry : BACKGROUND_ITEMS)
        if (form.checked(entry.item)) return entry.code;
    return 0;
}

void show_background(MainForm& form, int code) {
    form.チェック設定(code);
    form.描画_背景(code);
    form.background = code;
}

void set_guidance(MainForm& form, bool on) {
    form.guidance_colour = on ? COLOUR_WHITE : COLOUR_GREEN;
    form.set_checked(MenuItem::SIDOU, on);
    form.guidance_on = on ? 1 : 0;
}

void set_music(MainForm& form, bool on) {
    form.set_checked(MenuItem::BGM, on);
    if (on)
        form.start_music();
    else
        form.stop_music();
}

// First run, or a file that cannot be read: the defaults, written back at once.
void apply_defaults(MainForm& form) {
    show_background(form, BG_MIDORI);
    set_guidance(form, false);
    form.set_checked(MenuItem::KEIKA, true);
    set_music(form, false);
    form.書込_環境設定ファイル();
}

void background_click(MainForm& form, MenuItem item, int code) {
    if (!form.checked(item)) {
        form.チェック設定(code);
        form.background = code;
    }
    form.書込_環境設定ファイル();
    form.画面_再描画();
}

// Outlines every square and hand slot in the grid colour, which removes shown destinations.
void redraw_all_outlines(MainForm& form) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            form.描画_桝輪郭(form.grid_colour, x, y);
    for (int y = 1; y <= 7; ++y)
        form.描画_桝輪郭(form.grid_colour, -1, y);
    for (int y = 3; y <= 9; ++y)
        form.描画_桝輪郭(form.grid_colour, 11, y);
}

}  // namespace

void MainForm::読込_環境設定ファイル() {
    // Starting again after a failed write keeps the choices the file could not take.
    if (settings_unsaved) {
        描画_背景(background);
        return;
    }
    const auto text = settings::read_settings_file(settings_dir / SETTINGS_FILE);
    if (!text) {
        apply_defaults(*this);
        return;
    }
    const settings::FileOptions options = settings::parse_settings(*text);
    if (options.background) show_background(*this, *options.background);
    if (options.guidance) set_guidance(*this, *options.guidance);
    if (options.elapsed) set_checked(MenuItem::KEIKA, *options.elapsed);
    if (options.music) set_music(*this, *options.music);
}

void MainForm::書込_環境設定ファイル() {
    settings::MenuOptions options;
    options.background = checked_background(*this);
    options.guidance = checked(MenuItem::SIDOU);
    options.elapsed = checked(MenuItem::KEIKA);
    options.music = checked(MenuItem::BGM);
    std::string error;
    settings_unsaved = !settings::replace_file(settings_dir / SETTINGS_FILE,
                                               settings::format_settings(options), error);
    if (!settings_unsaved) return;
    // The choices stay as they are for this game; the player hears about it once.
    if (settings_write_warned) return;
    settings_write_warned = true;
    p.dialogs.warning(WRITE_FAILED_TEXT, WRITE_FAILED_TITLE);
}

void MainForm::チェック設定(int background_code) {
    for (const auto& entry : BACKGROUND_ITEMS)
        set_checked(entry.item, false);
    for (const auto& entry : BACKGROUND_ITEMS)
        if (entry.code == background_code) set_checked(entry.item, true);
}

void MainForm::MIDORI_Click() {
    background_click(*this, MenuItem::MIDORI, BG_MIDORI);
}

void MainForm::TATAMI_Click() {
    background_click(*this, MenuItem::TATAMI, BG_TATAMI);
}

void MainForm::TAKE_Click() {
    background_click(*this, MenuItem::TAKE, BG_TAKE);
}

void MainForm::UCHU_Click() {
    background_click(*this, MenuItem::UCHU, BG_UCHU);
}

void MainForm::RENGA_Click() {
    background_click(*this, MenuItem::RENGA, BG_RENGA);
}

void MainForm::SIDOU_Click() {
    if (checked(MenuItem::SIDOU)) {
        redraw_all_outlines(*this);
        set_checked(MenuItem::SIDOU, false);
        guidance_on = 0;
        guidance_colour = grid_colour;
    } else {
        set_checked(MenuItem::SIDOU, true);
        guidance_on = 1;
        guidance_colour = COLOUR_WHITE;
    }
    書込_環境設定ファイル();
}

void MainForm::KEIKA_Click() {
    if (checked(MenuItem::KEIKA)) {
        set_checked(MenuItem::KEIKA, false);
        p.timer.set_enabled(false);
        消去_所有時間(g.upper_order);
        消去_所有時間(g.lower_order);
    } else {
        set_checked(MenuItem::KEIKA, true);
        p.timer.set_enabled(true);
        描画_所有時間(g.upper_order, g.time_upper);
        描画_所有時間(g.lower_order, g.time_lower);
    }
    書込_環境設定ファイル();
}

void MainForm::BGM_Click() {
    set_music(*this, !checked(MenuItem::BGM));
    書込_環境設定ファイル();
}

}  // namespace banzuri
