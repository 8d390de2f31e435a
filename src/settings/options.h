// The player's options: background, move guidance, elapsed time and music. One value of each,
// read by the menus' check marks, the settings file and the drawing alike.
#pragma once

#include "settings/language.h"

#include <filesystem>
#include <optional>

#include "platform/dialogs.h"
#include "platform/menu_view.h"
#include "settings/backgrounds.h"

namespace banzuri {

// What reading the settings file asks of the window, in this order: show a background, colour
// the guidance, start or stop the music, and write the file back (the defaults were taken).
struct LoadedOptions {
    std::optional<int> background;
    std::optional<bool> guidance;
    std::optional<bool> music;
    bool write_back = false;
};

class Options {
  public:
    // The settings file lives in `files_dir`; a failed write is reported through `dialogs`;
    // every change of an option shows its check mark through `menu`.
    Options(MenuView& menu, Dialogs& dialogs, std::filesystem::path files_dir);

    // The language of the warning about the settings file.
    void set_language(Language language) { language_ = language; }

    int background() const { return background_; }
    // The check mark of an option's menu item; false for the level items.
    bool checked(MenuItem item) const;
    bool guidance() const { return guidance_; }
    bool elapsed() const { return elapsed_; }
    bool music() const { return music_; }
    // True when the last write failed: the options held here are the only copy.
    bool unsaved() const { return unsaved_; }

    // Takes the file's options (or, when it cannot be read, the defaults). After a failed
    // write the options held here are kept and only the background is to be shown again.
    LoadedOptions 読込_環境設定ファイル();
    // Writes the options; the first failure of a run is shown once in a warning box.
    void 書込_環境設定ファイル();
    // Checks the background item of `background_code` and no other.
    void チェック設定(int background_code);

    void set_background(int code);
    void set_guidance(bool on);
    void set_elapsed(bool on);
    void set_music(bool on);

  private:
    MenuView& menu_;
    Dialogs& dialogs_;
    std::filesystem::path files_dir_;
    int background_ = BG_MIDORI;       // the background drawn
    bool background_checked_ = false;  // its menu item carries the mark (none before the file)
    bool guidance_ = false;
    bool elapsed_ = false;
    bool music_ = false;
    bool write_warned_ = false;
    bool unsaved_ = false;
    Language language_ = Language::JAPANESE;
};

}  // namespace banzuri
