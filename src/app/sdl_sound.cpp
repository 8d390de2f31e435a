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

SdlSoundLibrary::SdlSoundLibrary() {
    idle_timer_.setSingleShot(true);
    idle_timer_.setInterval(IDLE_CLOSE_MS);
    QObject::connect(&idle_timer_, &QTimer::timeout, [this] { close_when_idle(); });
}

SdlSoundLibrary::~SdlSoundLibrary() {
    close();
}

int SdlSoundLibrary::dsInitialize(long /*window_handle*/) {
    if (open_) return SOUND_SYSTEM;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        last_error_ = SDL_GetError();
        return 0;
    }
    if (!open_device()) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return 0;
    }
    open_ = true;
    idle_timer_.start();
    return SOUND_SYSTEM;
}

bool SdlSoundLibrary::open_device() {
    if (Mix_OpenAudio(FREQUENCY, MIX_DEFAULT_FORMAT, CHANNELS, CHUNK_SIZE) != 0) {
        last_error_ = Mix_GetError();
        return false;
    }
    Mix_AllocateChannels(MIXING_CHANNELS);
    Mix_ReserveChannels(1);
    device_open_ = true;
    Format now;
    Mix_QuerySpec(&now.frequency, &now.format, &now.channels);
    if (now == format_) return true;
    // Another device, another format: the sounds are decoded again for it.
    format_ = now;
    for (auto& [handle, buffer] : buffers_) {
        Mix_FreeChunk(buffer.chunk);
        buffer.chunk = decode(buffer.image);
    }
    return true;
}

void SdlSoundLibrary::close_device() {
    if (!device_open_) return;
    Mix_HaltChannel(-1);
    Mix_CloseAudio();
    device_open_ = false;
}

void SdlSoundLibrary::close_when_idle() {
    if (!device_open_) return;
    if (Mix_Playing(-1) > 0) {
        idle_timer_.start();
        return;
    }
    close_device();
}

void SdlSoundLibrary::dsTerminate(int ds) {
    if (ds == SOUND_SYSTEM) close();
}

Mix_Chunk* SdlSoundLibrary::decode(const std::vector<unsigned char>& image) {
    SDL_RWops* source = SDL_RWFromConstMem(image.data(), static_cast<int>(image.size()));
    if (source == nullptr) {
        last_error_ = SDL_GetError();
        return nullptr;
    }
    Mix_Chunk* loaded = Mix_LoadWAV_RW(source, 1);
    if (loaded == nullptr) last_error_ = Mix_GetError();
    return loaded;
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
    // Decoding needs the device's format: an idle-closed device is opened again first.
    if (!device_open_ && !open_device()) return 0;
    Buffer buffer{std::vector<unsigned char>(data, data + length), nullptr};
    buffer.chunk = decode(buffer.image);
    if (buffer.chunk == nullptr) return 0;
    const int handle = next_buffer_++;
    buffers_[handle] = std::move(buffer);
    idle_timer_.start();
    return handle;
}

void SdlSoundLibrary::dsFree(int buffer) {
    const auto found = buffers_.find(buffer);
    if (found == buffers_.end()) return;
    if (device_open_) halt(found->second.chunk);
    Mix_FreeChunk(found->second.chunk);
    buffers_.erase(found);
}

void SdlSoundLibrary::dsPlay(int buffer) {
    Mix_Chunk* sound = chunk(buffer);
    if (sound == nullptr) return;
    if (!device_open_ && !open_device()) return;
    Mix_PlayChannel(-1, chunk(buffer), 0);
    idle_timer_.start();
}

void SdlSoundLibrary::dsPlayLooping(int buffer) {
    Mix_Chunk* sound = chunk(buffer);
    if (sound == nullptr) return;
    if (!device_open_ && !open_device()) return;
    sound = chunk(buffer);  // decoded again if the device came back in another format
    idle_timer_.start();
    if (Mix_Playing(LOOP_CHANNEL) && Mix_GetChunk(LOOP_CHANNEL) == sound) return;
    Mix_PlayChannel(LOOP_CHANNEL, sound, LOOP_FOREVER);
}

void SdlSoundLibrary::dsStop(int buffer) {
    if (!device_open_) return;  // nothing plays on a closed device
    if (Mix_Chunk* sound = chunk(buffer)) halt(sound);
}

Mix_Chunk* SdlSoundLibrary::chunk(int buffer) const {
    const auto found = buffers_.find(buffer);
    return found == buffers_.end() ? nullptr : found->second.chunk;
}

// Stops every channel that plays this buffer.
void SdlSoundLibrary::halt(Mix_Chunk* sound) {
    for (int channel = 0; channel < MIXING_CHANNELS; ++channel)
        if (Mix_Playing(channel) && Mix_GetChunk(channel) == sound) Mix_HaltChannel(channel);
}

void SdlSoundLibrary::close() {
    if (!open_) return;
    idle_timer_.stop();
    close_device();
    for (auto& [handle, buffer] : buffers_)
        Mix_FreeChunk(buffer.chunk);
    buffers_.clear();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    open_ = false;
    format_ = Format{};
}

}  // namespace banzuri::app
