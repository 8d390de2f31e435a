// The sound library the game calls: initialisation, buffers made from whole WAV file images,
// playing once or looping, stopping and freeing. Handle 0 is harmless in every call.
#pragma once

#include <cstddef>

namespace banzuri {

class SoundLibrary {
  public:
    virtual ~SoundLibrary() = default;
    // Returns a non-zero handle, or 0 when no audio device can be opened.
    virtual int dsInitialize(long window_handle) = 0;
    virtual void dsTerminate(int ds) = 0;
    // Makes a buffer from the complete WAV file image; 0 when that failed (see last_error()).
    virtual int dsCreateDSB(int ds, const unsigned char* data, std::size_t length, int flags) = 0;
    virtual void dsFree(int buffer) = 0;
    virtual void dsPlay(int buffer) = 0;
    virtual void dsPlayLooping(int buffer) = 0;
    virtual void dsStop(int buffer) = 0;
    // Description of the last failure of dsCreateDSB.
    virtual const char* last_error() const = 0;
    // Whether the start-up calls (dsInitialize, then dsCreateDSB for each sound) may be made on
    // a thread of their own while the window comes up; every later call is made on the
    // window's thread once they have ended.
    virtual bool starts_in_background() const { return false; }
    // The window waits for that start-up now: one the library holds back goes ahead at once.
    virtual void start_now() {}
};

}  // namespace banzuri
