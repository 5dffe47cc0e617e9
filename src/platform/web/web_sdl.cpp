// What emscripten's SDL 1.2 layer leaves out, defined here so the game and its loaders run on it
// unchanged: colour keys (its SDL_SetColorKey does nothing, since a canvas cannot key a colour),
// SDL_DisplayFormat (missing), Mix_QuerySpec (throws "TODO") and SDL_GetKeyState in SDL 1.2's
// key numbers; and two of its faults are kept from showing: one of SDL_RWFromFile, and
// SDL_CreateRGBSurface making a surface that cannot be locked from the screen's flags.
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

// Emscripten's SDL makes a surface with SDL_HWPALETTE an 8-bit indexed one whose lock throws
// ("CopyOnLock is not supported"), and every blit into a surface locks it. The game copies the
// screen with the screen's flags, and this screen has that flag (a desktop SDL gives it only to
// an 8-bit screen), so the game-over and level-clear screens froze on their first blit.
EM_JS(SDL_Surface*, MakeSurface, (Uint32 flags, int w, int h, Uint32 r, Uint32 g, Uint32 b, Uint32 a), {
    return SDL.makeSurface(w, h, flags, false, 'CreateRGBSurface', r, g, b, a);
});

extern "C" {

SDL_Surface* SDL_CreateRGBSurface(Uint32 flags, int width, int height, int, Uint32 rmask, Uint32 gmask, Uint32 bmask,
                                  Uint32 amask) {
    return MakeSurface(flags & ~static_cast<Uint32>(SDL_HWPALETTE), width, height, rmask, gmask, bmask, amask);
}

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
