// The sound layer: the sound library's handle, the six sound buffers and the music, loaded
// once per run and released at shutdown.
#pragma once

#include "settings/language.h"

#include <filesystem>
#include <string>

#include "platform/dialogs.h"
#include "sound/sound_library.h"

namespace banzuri {

class SoundLayer {
  public:
    // Sounds are read from `files_dir`; failures are shown through `dialogs`.
    SoundLayer(SoundLibrary& library, Dialogs& dialogs, std::filesystem::path files_dir);

    void sound_init(long window_handle);
    // A buffer made from the file, or 0 when the file is missing or cannot be used.
    int sound_load(const std::string& file_name, int flags);
    void sound_warning(const std::string& text);
    // The language of the warning that there is no sound system.
    void set_language(Language language) { language_ = language; }
    void sound_term();
    void play(int buffer);  // dsPlay

    // Start-up: the sound system and the six sounds, once per run.
    void load_sounds();
    // Shutdown: the six buffers in order, then the sound system.
    void free_sounds();
    // The looping music; starting it while it plays does nothing.
    void start_music();
    void stop_music();

    int ds_handle() const { return ds_handle_; }
    int snd_other() const { return snd_other_; }
    int snd_forbidden() const { return snd_forbidden_; }
    int snd_piece() const { return snd_piece_; }
    int snd_game_end() const { return snd_game_end_; }
    int snd_vanish() const { return snd_vanish_; }
    int snd_bgm() const { return snd_bgm_; }
    bool music_playing() const { return music_playing_; }

  private:
    SoundLibrary& library_;
    Dialogs& dialogs_;
    std::filesystem::path files_dir_;
    int ds_handle_ = 0;
    int snd_other_ = 0;
    int snd_forbidden_ = 0;
    int snd_piece_ = 0;
    int snd_game_end_ = 0;
    int snd_vanish_ = 0;
    int snd_bgm_ = 0;
    bool sounds_loaded_ = false;  // the start-up runs again after a finished game
    bool music_playing_ = false;
    Language language_ = Language::JAPANESE;
};

}  // namespace banzuri
