// Placeholder: no sound system yet; the SDL2_mixer library is being built.
#include "app/sdl_sound.h"

namespace banzuri::app {

SdlSoundLibrary::~SdlSoundLibrary() = default;
int SdlSoundLibrary::dsInitialize(long) {
    return 0;
}
void SdlSoundLibrary::dsTerminate(int) {}
int SdlSoundLibrary::dsCreateDSB(int, const unsigned char*, std::size_t, int) {
    return 0;
}
void SdlSoundLibrary::dsFree(int) {}
void SdlSoundLibrary::dsPlay(int) {}
void SdlSoundLibrary::dsPlayLooping(int) {}
void SdlSoundLibrary::dsStop(int) {}

}  // namespace banzuri::app
