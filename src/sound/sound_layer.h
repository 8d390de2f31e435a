// The sound layer: the sound library's handle, the six sound buffers and the music, loaded
// once per run and released at shutdown.
#pragma once

#include "settings/language.h"

#include <atomic>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "platform/dialogs.h"
#include "sound/sound_library.h"

namespace banzuri {

class SoundLayer {
  public:
    // Sounds are read from `files_dir`; failures are shown through `dialogs`.
    SoundLayer(SoundLibrary& library, Dialogs& dialogs, std::filesystem::path files_dir);
    ~SoundLayer();
    SoundLayer(const SoundLayer&) = delete;
    SoundLayer& operator=(const SoundLayer&) = delete;

    void sound_init(long window_handle);
    // A buffer made from the file, or 0 when the file is missing or cannot be used.
    int sound_load(const std::string& file_name, int flags);
    void sound_warning(const std::string& text);
    // The language of the warning that there is no sound system.
    void set_language(Language language) { language_ = language; }
    void sound_term();
    void play(int buffer);  // dsPlay

    // Start-up: the sound system and the six sounds, once per run. With a library that starts
    // in the background this only begins it: the window comes up meanwhile, and the music
    // asked for waits for it.
    void load_sounds();
    // The background start-up is still to be finished on the window's thread.
    bool loading() const { return loader_.joinable(); }
    // It has ended and waits for finish_loading().
    bool loading_done() const { return loading() && done_.load(std::memory_order_acquire); }
    // Waits for the background start-up to end, shows its warnings in their order, starts the
    // music if it was asked for and then calls the handler set below. Every call that uses the
    // sounds does this first; nothing happens when nothing is loading.
    void finish_loading();
    // Runs after the start-up's own warnings have been shown (the warnings raised meanwhile
    // elsewhere follow them).
    void set_on_loaded(std::function<void()> handler) { on_loaded_ = std::move(handler); }
    // Shutdown: the six buffers in order, then the sound system.
    void free_sounds();
    // The looping music; starting it while it plays does nothing.
    void start_music();
    void stop_music();

    // The handles, as far as the start-up has got.
    int ds_handle() const {
        settle();
        return ds_handle_;
    }
    int snd_other() const {
        settle();
        return snd_other_;
    }
    int snd_forbidden() const {
        settle();
        return snd_forbidden_;
    }
    int snd_piece() const {
        settle();
        return snd_piece_;
    }
    int snd_game_end() const {
        settle();
        return snd_game_end_;
    }
    int snd_vanish() const {
        settle();
        return snd_vanish_;
    }
    int snd_bgm() const {
        settle();
        return snd_bgm_;
    }
    bool music_playing() const { return music_playing_; }

  private:
    void load_all();
    // Finishes the start-up first when it is still loading, from any reader.
    void settle() const;

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
    bool music_waiting_ = false;  // asked for while loading
    // The background start-up: its thread, its end, the warnings it raised (text, title).
    std::thread loader_;
    std::atomic<bool> done_{false};
    bool collecting_ = false;
    std::vector<std::pair<std::string, std::string>> collected_;
    std::function<void()> on_loaded_;
};

}  // namespace banzuri
