// Loading, playing and releasing the six sounds through the sound library.
#include "sound/sound_layer.h"

#include <utility>

#include "settings/texts.h"
#include "sound/wav_file.h"

namespace banzuri {

namespace {

constexpr const char* LIBRARY_TITLE = "Banzuri.dll";

constexpr int EFFECT_FLAGS = 3;
constexpr int MUSIC_FLAGS = 1;

}  // namespace

SoundLayer::SoundLayer(SoundLibrary& library, Dialogs& dialogs, std::filesystem::path files_dir)
    : library_(library), dialogs_(dialogs), files_dir_(std::move(files_dir)) {}

SoundLayer::~SoundLayer() {
    if (loader_.joinable()) loader_.join();
}

void SoundLayer::sound_init(long window_handle) {
    ds_handle_ = library_.dsInitialize(window_handle);
    if (ds_handle_ == 0) sound_warning(text(TextId::NO_SOUND_SYSTEM, language_));
}

int SoundLayer::sound_load(const std::string& file_name, int flags) {
    if (ds_handle_ == 0) return 0;
    const SoundFileImage image = read_sound_file(files_dir_ / file_name);
    if (image.missing) return 0;
    if (!image.error.empty()) {
        sound_warning(image.error);
        return 0;
    }
    const int buffer =
        library_.dsCreateDSB(ds_handle_, image.bytes.data(), image.bytes.size(), flags);
    if (buffer == 0) sound_warning(library_.last_error());
    return buffer;
}

void SoundLayer::sound_warning(const std::string& text) {
    if (collecting_) {  // on the loading thread: shown from the window's thread afterwards
        collected_.emplace_back(text, LIBRARY_TITLE);
        return;
    }
    dialogs_.warning(text, LIBRARY_TITLE);
}

void SoundLayer::sound_term() {
    if (ds_handle_ != 0) library_.dsTerminate(ds_handle_);
    ds_handle_ = 0;
}

void SoundLayer::play(int buffer) {
    settle();
    library_.dsPlay(buffer);
}

void SoundLayer::load_sounds() {
    if (sounds_loaded_) return;  // the start-up runs again after a finished game
    sounds_loaded_ = true;
    if (!library_.starts_in_background()) {
        load_all();
        return;
    }
    collecting_ = true;
    done_.store(false, std::memory_order_relaxed);
    loader_ = std::thread([this] {
        load_all();
        done_.store(true, std::memory_order_release);
    });
}

void SoundLayer::settle() const {
    // The layer is never made const itself: its readers only wait for the start-up.
    if (loading()) const_cast<SoundLayer*>(this)->finish_loading();
}

void SoundLayer::finish_loading() {
    if (!loading()) return;
    library_.start_now();
    loader_.join();
    collecting_ = false;
    for (const auto& [text, title] : std::exchange(collected_, {}))
        dialogs_.warning(text, title);
    if (music_waiting_) {
        music_waiting_ = false;
        library_.dsPlayLooping(snd_bgm_);
    }
    if (on_loaded_) on_loaded_();
}

void SoundLayer::load_all() {
    sound_init(0);
    snd_other_ = sound_load("その他.wav", EFFECT_FLAGS);
    snd_forbidden_ = sound_load("禁止.wav", EFFECT_FLAGS);
    snd_piece_ = sound_load("駒打音.wav", EFFECT_FLAGS);
    snd_game_end_ = sound_load("終局.wav", EFFECT_FLAGS);
    snd_vanish_ = sound_load("消滅.wav", EFFECT_FLAGS);
    snd_bgm_ = sound_load("BGM.wav", MUSIC_FLAGS);
}

void SoundLayer::free_sounds() {
    if (!sounds_loaded_) return;  // already released: closing the window after "終わり"
    if (loading()) {              // ending before the start-up has: its warnings no longer matter
        library_.start_now();
        loader_.join();
        collecting_ = false;
        collected_.clear();
        music_waiting_ = false;
    }
    for (int* buffer :
         {&snd_other_, &snd_forbidden_, &snd_piece_, &snd_game_end_, &snd_vanish_, &snd_bgm_}) {
        library_.dsFree(*buffer);
        *buffer = 0;
    }
    sound_term();
    music_playing_ = false;
    sounds_loaded_ = false;
}

void SoundLayer::start_music() {
    if (music_playing_) return;
    music_playing_ = true;
    if (loading()) {  // starts once the sounds are there
        music_waiting_ = true;
        return;
    }
    library_.dsPlayLooping(snd_bgm_);
}

void SoundLayer::stop_music() {
    if (!music_playing_) return;
    music_playing_ = false;
    if (music_waiting_) {
        music_waiting_ = false;
        return;
    }
    library_.dsStop(snd_bgm_);
}

}  // namespace banzuri
