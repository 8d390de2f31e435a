#include "app/sdl_sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <climits>

namespace banzuri::app {

namespace {

constexpr int SOUND_SYSTEM = 1;  // the one handle dsInitialize gives out
constexpr int FREQUENCY = 44100;
constexpr int CHANNELS = 2;
constexpr int CHUNK_SIZE = 1024;
constexpr int MIXING_CHANNELS = 16;
constexpr int LOOP_CHANNEL = 0;  // reserved for the music; effects use the others
constexpr int LOOP_FOREVER = -1;

}  // namespace

SdlSoundLibrary::~SdlSoundLibrary() {
    close();
}

int SdlSoundLibrary::dsInitialize(long /*window_handle*/) {
    if (open_) return SOUND_SYSTEM;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        last_error_ = SDL_GetError();
        return 0;
    }
    if (Mix_OpenAudio(FREQUENCY, MIX_DEFAULT_FORMAT, CHANNELS, CHUNK_SIZE) != 0) {
        last_error_ = Mix_GetError();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return 0;
    }
    Mix_AllocateChannels(MIXING_CHANNELS);
    Mix_ReserveChannels(1);
    open_ = true;
    return SOUND_SYSTEM;
}

void SdlSoundLibrary::dsTerminate(int ds) {
    if (ds == SOUND_SYSTEM) close();
}

int SdlSoundLibrary::dsCreateDSB(int ds, const unsigned char* data, std::size_t length,
                                 int /*flags*/) {
    if (!open_ || ds != SOUND_SYSTEM) {
        last_error_ = "the sound system is not initialised";
        return 0;
    }
    if (data == nullptr || length == 0 || length > static_cast<std::size_t>(INT_MAX)) {
        last_error_ = "not a sound file image";
        return 0;
    }
    SDL_RWops* source = SDL_RWFromConstMem(data, static_cast<int>(length));
    if (source == nullptr) {
        last_error_ = SDL_GetError();
        return 0;
    }
    Mix_Chunk* loaded = Mix_LoadWAV_RW(source, 1);
    if (loaded == nullptr) {
        last_error_ = Mix_GetError();
        return 0;
    }
    const int buffer = next_buffer_++;
    buffers_[buffer] = loaded;
    return buffer;
}

void SdlSoundLibrary::dsFree(int buffer) {
    const auto found = buffers_.find(buffer);
    if (found == buffers_.end()) return;
    halt(found->second);
    Mix_FreeChunk(found->second);
    buffers_.erase(found);
}

void SdlSoundLibrary::dsPlay(int buffer) {
    if (Mix_Chunk* sound = chunk(buffer)) Mix_PlayChannel(-1, sound, 0);
}

void SdlSoundLibrary::dsPlayLooping(int buffer) {
    Mix_Chunk* sound = chunk(buffer);
    if (sound == nullptr) return;
    if (Mix_Playing(LOOP_CHANNEL) && Mix_GetChunk(LOOP_CHANNEL) == sound) return;
    Mix_PlayChannel(LOOP_CHANNEL, sound, LOOP_FOREVER);
}

void SdlSoundLibrary::dsStop(int buffer) {
    if (Mix_Chunk* sound = chunk(buffer)) halt(sound);
}

Mix_Chunk* SdlSoundLibrary::chunk(int buffer) const {
    const auto found = buffers_.find(buffer);
    return found == buffers_.end() ? nullptr : found->second;
}

// Stops every channel that plays this buffer.
void SdlSoundLibrary::halt(Mix_Chunk* sound) {
    for (int channel = 0; channel < MIXING_CHANNELS; ++channel)
        if (Mix_Playing(channel) && Mix_GetChunk(channel) == sound) Mix_HaltChannel(channel);
}

void SdlSoundLibrary::close() {
    if (!open_) return;
    Mix_HaltChannel(-1);
    for (auto& [buffer, sound] : buffers_)
        Mix_FreeChunk(sound);
    buffers_.clear();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    open_ = false;
}

}  // namespace banzuri::app
