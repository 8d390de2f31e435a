#include "app/sdl_sound.h"

#include "app/sdl_functions.h"

#include <QThread>
#include <chrono>
#include <climits>
#include <cstring>

namespace banzuri::app {

namespace {

constexpr int SOUND_SYSTEM = 1;  // the one handle dsInitialize gives out
constexpr int FREQUENCY = 44100;
constexpr int CHANNELS = 2;
constexpr int CHUNK_SIZE = 1024;
constexpr int MIXING_CHANNELS = 16;
constexpr int LOOP_CHANNEL = 0;  // reserved for the music; effects use the others
constexpr int LOOP_FOREVER = -1;

// The samples of `chunk` in a buffer of exactly their size: a converted sound keeps the
// converter's larger working buffer otherwise (four times the samples for a mono file).
void fit(Mix_Chunk* chunk) {
    if (chunk == nullptr || chunk->allocated == 0 || chunk->alen == 0) return;
    auto* exact = static_cast<Uint8*>(sdl().malloc(chunk->alen));
    if (exact == nullptr) return;
    std::memcpy(exact, chunk->abuf, chunk->alen);
    sdl().free(chunk->abuf);
    chunk->abuf = exact;
}

// Converts the samples of `chunk` from one device format to another in place; false when SDL
// cannot.
bool convert(Mix_Chunk* chunk, int from_frequency, Uint16 from_format, int from_channels,
             int to_frequency, Uint16 to_format, int to_channels) {
    SDL_AudioCVT cvt;
    const int built =
        sdl().BuildAudioCVT(&cvt, from_format, static_cast<Uint8>(from_channels), from_frequency,
                            to_format, static_cast<Uint8>(to_channels), to_frequency);
    if (built < 0) return false;
    if (built == 0) return true;
    cvt.len = static_cast<int>(chunk->alen);
    cvt.buf = static_cast<Uint8*>(
        sdl().malloc(static_cast<std::size_t>(cvt.len) * static_cast<std::size_t>(cvt.len_mult)));
    if (cvt.buf == nullptr) return false;
    std::memcpy(cvt.buf, chunk->abuf, chunk->alen);
    if (sdl().ConvertAudio(&cvt) != 0) {
        sdl().free(cvt.buf);
        return false;
    }
    if (chunk->allocated != 0) sdl().free(chunk->abuf);
    chunk->abuf = cvt.buf;
    chunk->alen = static_cast<Uint32>(cvt.len_cvt);
    chunk->allocated = 1;
    fit(chunk);
    return true;
}

}  // namespace

SdlSoundLibrary::SdlSoundLibrary() {
    idle_timer_.setSingleShot(true);
    idle_timer_.setInterval(IDLE_CLOSE_MS);
    QObject::connect(&idle_timer_, &QTimer::timeout, [this] { close_when_idle(); });
}

SdlSoundLibrary::~SdlSoundLibrary() {
    close();
}

void SdlSoundLibrary::hold_start() {
    const std::lock_guard<std::mutex> lock(gate_mutex_);
    held_ = true;
}

void SdlSoundLibrary::release_start() {
    {
        const std::lock_guard<std::mutex> lock(gate_mutex_);
        held_ = false;
    }
    gate_.notify_all();
}

void SdlSoundLibrary::wait_for_release() {
    std::unique_lock<std::mutex> lock(gate_mutex_);
    gate_.wait_for(lock, std::chrono::seconds(2), [this] { return !held_; });
}

int SdlSoundLibrary::dsInitialize(long /*window_handle*/) {
    if (open_) return SOUND_SYSTEM;
    if (QThread::currentThread() != idle_timer_.thread()) wait_for_release();
    if (sdl_functions(last_error_) == nullptr) return 0;
    if (sdl().InitSubSystem(SDL_INIT_AUDIO) != 0) {
        last_error_ = sdl().GetError();
        return 0;
    }
    if (!open_device()) {
        sdl().QuitSubSystem(SDL_INIT_AUDIO);
        return 0;
    }
    open_ = true;
    restart_idle_timer();
    return SOUND_SYSTEM;
}

bool SdlSoundLibrary::open_device() {
    if (sdl().OpenAudio(FREQUENCY, MIX_DEFAULT_FORMAT, CHANNELS, CHUNK_SIZE) != 0) {
        last_error_ = sdl().GetError();
        return false;
    }
    sdl().AllocateChannels(MIXING_CHANNELS);
    sdl().ReserveChannels(1);
    device_open_ = true;
    Format now;
    sdl().QuerySpec(&now.frequency, &now.format, &now.channels);
    if (now == format_) return true;
    // Another device, another format: the sounds are converted for it; one that cannot be
    // stays silent.
    const Format before = format_;
    format_ = now;
    for (auto& [handle, buffer] : buffers_) {
        if (buffer.chunk == nullptr || before == Format{}) continue;
        if (!convert(buffer.chunk, before.frequency, before.format, before.channels, now.frequency,
                     now.format, now.channels)) {
            sdl().FreeChunk(buffer.chunk);
            buffer.chunk = nullptr;
        }
    }
    return true;
}

void SdlSoundLibrary::close_device() {
    if (!device_open_) return;
    sdl().HaltChannel(-1);
    sdl().CloseAudio();
    device_open_ = false;
}

void SdlSoundLibrary::close_when_idle() {
    if (!device_open_) return;
    if (sdl().Playing(-1) > 0) {
        restart_idle_timer();
        return;
    }
    close_device();
}

void SdlSoundLibrary::restart_idle_timer() {
    if (QThread::currentThread() == idle_timer_.thread()) {
        idle_timer_.start();
        return;
    }
    QMetaObject::invokeMethod(
        &idle_timer_, [this] { idle_timer_.start(); }, Qt::QueuedConnection);
}

void SdlSoundLibrary::dsTerminate(int ds) {
    if (ds == SOUND_SYSTEM) close();
}

Mix_Chunk* SdlSoundLibrary::decode(const unsigned char* data, std::size_t length) {
    SDL_RWops* source = sdl().RWFromConstMem(data, static_cast<int>(length));
    if (source == nullptr) {
        last_error_ = sdl().GetError();
        return nullptr;
    }
    Mix_Chunk* loaded = sdl().LoadWAV_RW(source, 1);
    if (loaded == nullptr) last_error_ = sdl().GetError();
    fit(loaded);
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
    Buffer buffer{decode(data, length)};
    if (buffer.chunk == nullptr) return 0;
    const int handle = next_buffer_++;
    buffers_[handle] = std::move(buffer);
    restart_idle_timer();
    return handle;
}

void SdlSoundLibrary::dsFree(int buffer) {
    const auto found = buffers_.find(buffer);
    if (found == buffers_.end()) return;
    if (device_open_) halt(found->second.chunk);
    sdl().FreeChunk(found->second.chunk);
    buffers_.erase(found);
}

void SdlSoundLibrary::dsPlay(int buffer) {
    Mix_Chunk* sound = chunk(buffer);
    if (sound == nullptr) return;
    if (!device_open_ && !open_device()) return;
    sdl().PlayChannelTimed(-1, chunk(buffer), 0, -1);
    restart_idle_timer();
}

void SdlSoundLibrary::dsPlayLooping(int buffer) {
    Mix_Chunk* sound = chunk(buffer);
    if (sound == nullptr) return;
    if (!device_open_ && !open_device()) return;
    sound = chunk(buffer);  // decoded again if the device came back in another format
    restart_idle_timer();
    if (sdl().Playing(LOOP_CHANNEL) && sdl().GetChunk(LOOP_CHANNEL) == sound) return;
    sdl().PlayChannelTimed(LOOP_CHANNEL, sound, LOOP_FOREVER, -1);
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
        if (sdl().Playing(channel) && sdl().GetChunk(channel) == sound) sdl().HaltChannel(channel);
}

void SdlSoundLibrary::close() {
    if (!open_) return;
    idle_timer_.stop();
    close_device();
    for (auto& [handle, buffer] : buffers_)
        sdl().FreeChunk(buffer.chunk);
    buffers_.clear();
    sdl().QuitSubSystem(SDL_INIT_AUDIO);
    open_ = false;
    format_ = Format{};
}

}  // namespace banzuri::app
