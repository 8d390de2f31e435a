// SDL2 and SDL2_mixer, opened at run time by the first dsInitialize (on the thread that sets
// the sounds up beside the window) rather than by the program's loader, so that their forty
// or so libraries are neither relocated nor resident before the window is up.
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>

#include <string>

namespace banzuri::app {

struct SdlFunctions {
    decltype(&::SDL_InitSubSystem) InitSubSystem;
    decltype(&::SDL_QuitSubSystem) QuitSubSystem;
    decltype(&::SDL_GetError) GetError;
    decltype(&::SDL_RWFromConstMem) RWFromConstMem;
    decltype(&::SDL_malloc) malloc;
    decltype(&::SDL_free) free;
    decltype(&::SDL_BuildAudioCVT) BuildAudioCVT;
    decltype(&::SDL_ConvertAudio) ConvertAudio;
    decltype(&::Mix_OpenAudio) OpenAudio;
    decltype(&::Mix_AllocateChannels) AllocateChannels;
    decltype(&::Mix_ReserveChannels) ReserveChannels;
    decltype(&::Mix_QuerySpec) QuerySpec;
    decltype(&::Mix_HaltChannel) HaltChannel;
    decltype(&::Mix_CloseAudio) CloseAudio;
    decltype(&::Mix_Playing) Playing;
    decltype(&::Mix_LoadWAV_RW) LoadWAV_RW;
    decltype(&::Mix_FreeChunk) FreeChunk;
    decltype(&::Mix_PlayChannelTimed) PlayChannelTimed;
    decltype(&::Mix_GetChunk) GetChunk;
};

// The functions, the libraries opened once per run (from any thread); null, with the reason
// in `error`, when they cannot be opened.
const SdlFunctions* sdl_functions(std::string& error);

// The functions of libraries already opened; only after sdl_functions() has given them.
const SdlFunctions& sdl();

}  // namespace banzuri::app
