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
    dialogs_.warning(text, LIBRARY_TITLE);
}

void SoundLayer::sound_term() {
    if (ds_handle_ != 0) library_.dsTerminate(ds_handle_);
    ds_handle_ = 0;
}

void SoundLayer::play(int buffer) {
    library_.dsPlay(buffer);
}

void SoundLayer::load_sounds() {
    if (sounds_loaded_) return;  // the start-up runs again after a finished game
    sounds_loaded_ = true;
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
    library_.dsPlayLooping(snd_bgm_);
    music_playing_ = true;
}

void SoundLayer::stop_music() {
    if (!music_playing_) return;
    library_.dsStop(snd_bgm_);
    music_playing_ = false;
}

}  // namespace banzuri
