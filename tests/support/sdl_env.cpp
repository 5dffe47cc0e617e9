#include "support/sdl_env.h"

#include <SDL/SDL_mixer.h>

#include <cstdio>
#include <cstdlib>

#include "platform/platform.h"

namespace testsupport {

void StartDummySdl() {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (!SDL_SetVideoMode(640, 480, 32, SDL_SWSURFACE)) {
        std::fprintf(stderr, "dummy video failed: %s\n", SDL_GetError());
        std::exit(1);
    }
    SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO | SDL_INIT_JOYSTICK);
    Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 2048);
    platform::UseVirtualClock(1000);
    platform::UseVirtualKeys();
}

void StopDummySdl() {
    Mix_CloseAudio();
    SDL_Quit();
}

SDL_Surface* Screen() { return SDL_GetVideoSurface(); }

Uint32 Rgb(Uint8 r, Uint8 g, Uint8 b) { return (Uint32(r) << 16) | (Uint32(g) << 8) | b; }

Uint32 PixelAt(SDL_Surface* surface, int x, int y) {
    if (x < 0 || y < 0 || x >= surface->w || y >= surface->h) return 0xFFFFFFFF;
    SDL_LockSurface(surface);
    const Uint8* row = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch;
    Uint32 value = 0;
    switch (surface->format->BytesPerPixel) {
        case 4: value = reinterpret_cast<const Uint32*>(row)[x]; break;
        case 3: {
            const Uint8* p = row + x * 3;
            value = SDL_BYTEORDER == SDL_LIL_ENDIAN ? (p[0] | p[1] << 8 | p[2] << 16) : (p[2] | p[1] << 8 | p[0] << 16);
            break;
        }
        case 2: value = reinterpret_cast<const Uint16*>(row)[x]; break;
        default: value = row[x]; break;
    }
    SDL_UnlockSurface(surface);
    Uint8 r, g, b;
    SDL_GetRGB(value, surface->format, &r, &g, &b);
    return Rgb(r, g, b);
}

SDL_Surface* SolidPicture(int w, int h, Uint32 rgb) {
    SDL_Surface* raw = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    SDL_FillRect(raw, nullptr, SDL_MapRGB(raw->format, rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF));
    SDL_Surface* converted = SDL_DisplayFormat(raw);
    SDL_FreeSurface(raw);
    return converted;
}

void DrainEvents() {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
    }
}

void PushKeyDown(SDLKey sym) { platform::PushKeyDown(sym); }

void PushEventType(Uint8 type) {
    SDL_Event event = {};
    event.type = type;
    SDL_PushEvent(&event);
}

}  // namespace testsupport
