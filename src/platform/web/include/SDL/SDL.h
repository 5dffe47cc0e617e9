// The browser build's SDL.h: emscripten's SDL 1.2 layer, completed to what the game expects of
// SDL 1.2. Emscripten's headers carry SDL 1.3's key numbers (the arrows are 0x40000052 and
// up, far too large to index a key-state array with); the game indexes SDL_GetKeyState's array
// with SDL 1.2's, so those are the numbers here, and web_sdl.cpp lays the browser's key state
// out in them.
#pragma once

#include_next <SDL/SDL.h>

#undef SDLK_LAST
#define SDLK_UP 273
#define SDLK_DOWN 274
#define SDLK_RIGHT 275
#define SDLK_LEFT 276
#define SDLK_LAST 323

#ifdef __cplusplus
extern "C" {
#endif
// Emscripten's SDL declares no SDL_GetKeyState; web_sdl.cpp defines it.
Uint8* SDL_GetKeyState(int* numkeys);
#ifdef __cplusplus
}
#endif
