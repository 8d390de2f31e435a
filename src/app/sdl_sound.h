// The game's sound library on SDL2_mixer: buffers made from whole WAV images in memory,
// effects mixed over the looping music. The audio device is open only while sound is wanted:
// a few seconds after the last effect has ended with no music playing it is closed, so an
// idle game does not keep the audio thread and the sound server mixing silence, and the next
// sound opens it again.
#pragma once

#include <QTimer>
#include <condition_variable>
#include <map>
#include <mutex>
#include <string>

#include "sound/sound_library.h"

struct Mix_Chunk;

namespace banzuri::app {

class SdlSoundLibrary : public SoundLibrary {
  public:
    SdlSoundLibrary();
    ~SdlSoundLibrary() override;
    SdlSoundLibrary(const SdlSoundLibrary&) = delete;
    SdlSoundLibrary& operator=(const SdlSoundLibrary&) = delete;

    int dsInitialize(long window_handle) override;
    void dsTerminate(int ds) override;
    int dsCreateDSB(int ds, const unsigned char* data, std::size_t length, int flags) override;
    void dsFree(int buffer) override;
    void dsPlay(int buffer) override;
    void dsPlayLooping(int buffer) override;
    void dsStop(int buffer) override;
    const char* last_error() const override { return last_error_.c_str(); }
    // SDL's audio may be set up and the sounds decoded off the window's thread.
    bool starts_in_background() const override { return true; }
    // From now on a start made off the window's thread waits until release_start() (or two
    // seconds at most), so that it does not compete with the window's first picture.
    void hold_start();
    void release_start();
    void start_now() override { release_start(); }

    // Whether the audio device is open now.
    bool device_open() const { return device_open_; }
    // How long the device stays open after the last sound has ended.
    void set_idle_close_ms(int milliseconds) { idle_timer_.setInterval(milliseconds); }
    static constexpr int IDLE_CLOSE_MS = 5000;

  private:
    struct Format {
        int frequency = 0;
        unsigned short format = 0;
        int channels = 0;
        bool operator==(const Format&) const = default;
    };
    // A sound decoded for the device's format when it was made; the file image the game
    // handed over is not kept. Null when it could not be converted for a later device.
    struct Buffer {
        Mix_Chunk* chunk = nullptr;
    };

    Mix_Chunk* chunk(int buffer) const;
    Mix_Chunk* decode(const unsigned char* data, std::size_t length);
    void halt(Mix_Chunk* chunk);
    bool open_device();
    void close_device();
    // Closes the device when nothing plays any more, or looks again later.
    void close_when_idle();
    // (Re)starts the idle timer, from whichever thread: it runs on the window's.
    void restart_idle_timer();
    void close();

    void wait_for_release();

    std::mutex gate_mutex_;
    std::condition_variable gate_;
    bool held_ = false;
    std::string last_error_;
    bool open_ = false;
    bool device_open_ = false;
    Format format_;  // the format the chunks are decoded for
    std::map<int, Buffer> buffers_;
    int next_buffer_ = 1;
    QTimer idle_timer_;
};

}  // namespace banzuri::app
