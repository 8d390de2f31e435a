#include "app/sdl_functions.h"

#include <dlfcn.h>

#include <cstring>
#include <mutex>

namespace banzuri::app {

namespace {

SdlFunctions table;
bool opened = false;
std::string why;

template <typename Function>
bool find(void* library, const char* name, Function& function) {
    void* symbol = dlsym(library, name);
    if (symbol == nullptr) {
        why = std::string("SDL: ") + name + " is missing";
        return false;
    }
    std::memcpy(&function, &symbol, sizeof function);
    return true;
}

void open_libraries() {
    void* core = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
    void* mixer =
        core != nullptr ? dlopen("libSDL2_mixer-2.0.so.0", RTLD_NOW | RTLD_LOCAL) : nullptr;
    if (core == nullptr || mixer == nullptr) {
        const char* error = dlerror();
        why = error != nullptr ? error : "SDL2_mixer cannot be opened";
        return;
    }
    SdlFunctions& t = table;
    opened =
        find(core, "SDL_InitSubSystem", t.InitSubSystem) &&
        find(core, "SDL_QuitSubSystem", t.QuitSubSystem) &&
        find(core, "SDL_GetError", t.GetError) &&
        find(core, "SDL_RWFromConstMem", t.RWFromConstMem) && find(core, "SDL_malloc", t.malloc) &&
        find(core, "SDL_free", t.free) && find(core, "SDL_BuildAudioCVT", t.BuildAudioCVT) &&
        find(core, "SDL_ConvertAudio", t.ConvertAudio) &&
        find(mixer, "Mix_OpenAudio", t.OpenAudio) &&
        find(mixer, "Mix_AllocateChannels", t.AllocateChannels) &&
        find(mixer, "Mix_ReserveChannels", t.ReserveChannels) &&
        find(mixer, "Mix_QuerySpec", t.QuerySpec) &&
        find(mixer, "Mix_HaltChannel", t.HaltChannel) &&
        find(mixer, "Mix_CloseAudio", t.CloseAudio) && find(mixer, "Mix_Playing", t.Playing) &&
        find(mixer, "Mix_LoadWAV_RW", t.LoadWAV_RW) && find(mixer, "Mix_FreeChunk", t.FreeChunk) &&
        find(mixer, "Mix_PlayChannelTimed", t.PlayChannelTimed) &&
        find(mixer, "Mix_GetChunk", t.GetChunk);
}

}  // namespace

const SdlFunctions* sdl_functions(std::string& error) {
    static std::once_flag once;
    std::call_once(once, open_libraries);
    if (!opened) {
        error = why;
        return nullptr;
    }
    return &table;
}

const SdlFunctions& sdl() {
    return table;
}

}  // namespace banzuri::app
