// What emscripten's SDL 1.2 layer leaves out, defined here so the game and its loaders run on it
// unchanged: colour keys (its SDL_SetColorKey does nothing, since a canvas cannot key a colour),
// SDL_DisplayFormat (missing), Mix_QuerySpec (throws "TODO") and SDL_GetKeyState in SDL 1.2's
// key numbers; and one fault of its SDL_RWFromFile is kept from showing.
//
// A keyed picture becomes a picture with alpha: SDL_SetColorKey only records the key, and
// SDL_DisplayFormat makes every pixel of the key's colour transparent in the converted copy.
// Every picture the game keys goes through SDL_DisplayFormat right after SDL_SetColorKey.
#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>
#include <emscripten.h>

#include <cstring>
#include <unordered_map>

namespace {

// The key recorded for each surface; the surface's SDL_SRCCOLORKEY flag says whether it is
// still current (a freed surface's address may come back for a new one, without the flag).
std::unordered_map<const SDL_Surface*, Uint32>& Keys() {
    static std::unordered_map<const SDL_Surface*, Uint32> keys;
    return keys;
}

// Emscripten's surfaces hold R, G, B, A bytes in that order, whatever masks were asked for.
constexpr Uint32 kColourBits = 0x00FFFFFF;

void MakeKeyTransparent(SDL_Surface* picture, Uint32 key) {
    if (SDL_LockSurface(picture) < 0) return;
    for (int y = 0; y < picture->h; ++y) {
        Uint32* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(picture->pixels) + y * picture->pitch);
        for (int x = 0; x < picture->w; ++x)
            if ((row[x] & kColourBits) == (key & kColourBits)) row[x] = 0;
    }
    SDL_UnlockSurface(picture);
}

// Browser key codes: characters keep their own code (as in SDL 1.2), other keys are
// 1024 + their USB scancode.
constexpr int kBrowserScancodeBase = 1024;
struct KeyPlace {
    int sdl12;
    int browser;
};
constexpr KeyPlace kKeysAbove255[] = {
    {SDLK_UP, kBrowserScancodeBase + 82},
    {SDLK_DOWN, kBrowserScancodeBase + 81},
    {SDLK_RIGHT, kBrowserScancodeBase + 79},
    {SDLK_LEFT, kBrowserScancodeBase + 80},
};

// Emscripten's SDL_RWFromFile hands out places in a table whose place 0 holds nothing, so
// that no file gets 0. But SDL_FreeRW drops empty places from the table's end, that one too, and
// the next file then gets 0, which the game reads as a failure to open it. One file held open
// for good keeps the table from emptying.
struct KeepFileTable {
    KeepFileTable() { SDL_RWFromFile("/", "rb"); }
} keepFileTable;

}  // namespace

extern "C" {

int SDL_SetColorKey(SDL_Surface* surface, int flag, Uint32 key) {
    if (!surface) return -1;
    if (flag & SDL_SRCCOLORKEY) {
        Keys()[surface] = key;
        surface->flags |= SDL_SRCCOLORKEY;
    } else {
        Keys().erase(surface);
        surface->flags &= ~static_cast<Uint32>(SDL_SRCCOLORKEY);
    }
    return 0;
}

SDL_Surface* SDL_DisplayFormat(SDL_Surface* surface) {
    if (!surface) return nullptr;
    SDL_Surface* converted = SDL_DisplayFormatAlpha(surface);
    if (!converted) return nullptr;
    auto key = Keys().find(surface);
    if (key != Keys().end()) {
        if (surface->flags & SDL_SRCCOLORKEY) MakeKeyTransparent(converted, key->second);
        Keys().erase(key);
    }
    return converted;
}

// Emscripten's mixer is open once Mix_OpenAudio has made its AudioContext.
int Mix_QuerySpec(int* frequency, Uint16* format, int* channels) {
    const int open = EM_ASM_INT({ return typeof SDL != 'undefined' && SDL.audioContext ? 1 : 0; });
    if (open) {
        if (frequency) *frequency = EM_ASM_INT({ return SDL.mixerFrequency; });
        if (format) *format = static_cast<Uint16>(EM_ASM_INT({ return SDL.mixerFormat; }));
        if (channels) *channels = EM_ASM_INT({ return SDL.mixerNumChannels; });
    }
    return open;
}

Uint8* SDL_GetKeyState(int* numkeys) {
    static Uint8 keys[SDLK_LAST];
    const Uint8* browser = SDL_GetKeyboardState(nullptr);
    std::memcpy(keys, browser, 256);
    for (const KeyPlace& place : kKeysAbove255) keys[place.sdl12] = browser[place.browser];
    if (numkeys) *numkeys = SDLK_LAST;
    return keys;
}

}  // extern "C"
