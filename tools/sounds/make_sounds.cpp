// Writes the game's six sounds into the folder given as the argument.
#include <iostream>

#include "effects.h"
#include "music.h"
#include "wav_writer.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: make_sounds <folder>\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    struct Sound {
        const char* name;
        sounds::Samples samples;
        bool effect;
    };
    Sound all[] = {
        {"駒打音.wav", sounds::piece_click(), true},
        {"禁止.wav", sounds::forbidden_buzz(), true},
        {"消滅.wav", sounds::vanish_sparkle(), true},
        {"終局.wav", sounds::game_end_chime(), true},
        {"その他.wav", sounds::soft_bell(), true},
        {"BGM.wav", sounds::background_music(), false},
    };
    for (Sound& sound : all) {
        if (sound.effect) sounds::level_effect(sound.samples);
        if (!sounds::write_wav(folder / sound.name, sound.samples)) {
            std::cerr << "make_sounds: cannot write " << (folder / sound.name).string() << '\n';
            return 1;
        }
    }
    return 0;
}
