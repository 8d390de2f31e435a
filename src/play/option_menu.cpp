// The option menu: background, move guidance, elapsed time and music. Every change is written
// to the settings file at once.
#include "play/main_form.h"
#include "settings/backgrounds.h"

namespace banzuri {

void MainForm::読込_環境設定ファイル() {
    const LoadedOptions loaded = options_.読込_環境設定ファイル();
    if (loaded.background) painter_.描画_背景(*loaded.background);
    // From the options held: after a failed write the file no longer says what they are.
    painter_.set_guidance_colour(options_.guidance() ? COLOUR_MARK_GUIDANCE : COLOUR_GREEN);
    if (loaded.music) play_music(*loaded.music);
    if (loaded.write_back) options_.書込_環境設定ファイル();
}

void MainForm::play_music(bool on) {
    if (on)
        sound_.start_music();
    else
        sound_.stop_music();
}

void MainForm::background_click(MenuItem item, int code) {
    if (!options_.checked(item)) options_.set_background(code);
    options_.書込_環境設定ファイル();
    painter_.画面_再描画();
    show_last_moves();
    clock_.shown_second = NO_SECOND_SHOWN;  // the running clock shows its turn again at once
    if (thinking_shown_) show_thinking();   // the redraw painted over the label
}

void MainForm::set_language(Language language) {
    if (language == view_.language) return;
    view_.language = language;
    options_.set_language(language);
    sound_.set_language(language);
    // Every label and move text again, as after a change of background; the game is untouched.
    painter_.画面_再描画();
    show_last_moves();
    clock_.shown_second = NO_SECOND_SHOWN;
    if (thinking_shown_) show_thinking();
}

void MainForm::MIDORI_Click() {
    background_click(MenuItem::MIDORI, BG_MIDORI);
}

void MainForm::TATAMI_Click() {
    background_click(MenuItem::TATAMI, BG_TATAMI);
}

void MainForm::TAKE_Click() {
    background_click(MenuItem::TAKE, BG_TAKE);
}

void MainForm::UCHU_Click() {
    background_click(MenuItem::UCHU, BG_UCHU);
}

void MainForm::RENGA_Click() {
    background_click(MenuItem::RENGA, BG_RENGA);
}

void MainForm::SIDOU_Click() {
    if (options_.guidance()) {
        painter_.redraw_all_outlines();
        options_.set_guidance(false);
        painter_.set_guidance_colour(painter_.grid_colour());
    } else {
        options_.set_guidance(true);
        painter_.set_guidance_colour(COLOUR_MARK_GUIDANCE);
    }
    options_.書込_環境設定ファイル();
}

void MainForm::KEIKA_Click() {
    if (options_.elapsed()) {
        options_.set_elapsed(false);
        p.timer.set_enabled(false);
        painter_.消去_所有時間(g.upper_order);
        painter_.消去_所有時間(g.lower_order);
    } else {
        options_.set_elapsed(true);
        p.timer.set_enabled(true);
        painter_.描画_所有時間(g.upper_order, g.time_upper);
        painter_.描画_所有時間(g.lower_order, g.time_lower);
    }
    options_.書込_環境設定ファイル();
}

void MainForm::BGM_Click() {
    const bool on = !options_.music();
    options_.set_music(on);
    play_music(on);
    options_.書込_環境設定ファイル();
}

}  // namespace banzuri
