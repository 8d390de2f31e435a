// The game's sound library on SDL2_mixer: buffers made from whole WAV images in memory,
// effects mixed over the looping music.
#pragma once

#include <map>
#include <string>

#include "sound/sound_library.h"

struct Mix_Chunk;

namespace banzuri::app {

class SdlSoundLibrary : public SoundLibrary {
  public:
    SdlSoundLibrary() = default;
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

  private:
    Mix_Chunk* chunk(int buffer) const;
    void halt(Mix_Chunk* chunk);
    void close();

    std::string last_error_;
    bool open_ = false;
    std::map<int, Mix_Chunk*> buffers_;
    int next_buffer_ = 1;
};

}  // namespace banzuri::app
