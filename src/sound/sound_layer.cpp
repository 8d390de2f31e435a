// Loading, playing and releasing the six sounds through the sound library.
#include "play/main_form.h"
#include "sound/wav_file.h"

namespace banzuri {

namespace {

constexpr const char* NO_SOUND_SYSTEM = "Direct Soundインターフェースが作成できません。";
constexpr const char* LIBRARY_TITLE = "Banzuri.dll";

constexpr int EFFECT_FLAGS = 3;
constexpr int MUSIC_FLAGS = 1;

}  // namespace

void MainForm::sound_init(long window_handle) {
    ds_handle = p.sound.dsInitialize(window_handle);
    if (ds_handle == 0) sound_warning(NO_SOUND_SYSTEM);
}

int MainForm::sound_load(const std::string& file_name, int flags) {
    if (ds_handle == 0) return 0;
    const SoundFileImage image = read_sound_file(files_dir / file_name);
    if (image.missing) return 0;
    if (!image.error.empty()) {
        sound_warning(image.error);
        return 0;
    }
    const int buffer =
        p.sound.dsCreateDSB(ds_handle, image.bytes.data(), image.bytes.size(), flags);
    if (buffer == 0) sound_warning(p.sound.last_error());
    return buffer;
}

void MainForm::sound_warning(const std::string& text) {
    p.dialogs.warning(text, LIBRARY_TITLE);
}

void MainForm::sound_term() {
    if (ds_handle != 0) p.sound.dsTerminate(ds_handle);
    ds_handle = 0;
}

void MainForm::play(int buffer) {
    p.sound.dsPlay(buffer);
}

void MainForm::load_sounds() {
    if (sounds_loaded) return;  // the start-up runs again after a finished game
    sounds_loaded = true;
    sound_init(0);
    snd_other = sound_load("その他.wav", EFFECT_FLAGS);
    snd_forbidden = sound_load("禁止.wav", EFFECT_FLAGS);
    snd_piece = sound_load("駒打音.wav", EFFECT_FLAGS);
    snd_game_end = sound_load("終局.wav", EFFECT_FLAGS);
    snd_vanish = sound_load("消滅.wav", EFFECT_FLAGS);
    snd_bgm = sound_load("BGM.wav", MUSIC_FLAGS);
}

void MainForm::free_sounds() {
    if (!sounds_loaded) return;  // already released: closing the window after "終わり"
    for (int* buffer :
         {&snd_other, &snd_forbidden, &snd_piece, &snd_game_end, &snd_vanish, &snd_bgm}) {
        p.sound.dsFree(*buffer);
        *buffer = 0;
    }
    sound_term();
    music_playing = false;
    sounds_loaded = false;
}

void MainForm::start_music() {
    if (music_playing) return;
    p.sound.dsPlayLooping(snd_bgm);
    music_playing = true;
}

void MainForm::stop_music() {
    if (!music_playing) return;
    p.sound.dsStop(snd_bgm);
    music_playing = false;
}

}  // namespace banzuri
