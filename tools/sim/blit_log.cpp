#include "blit_log.h"

#include <dlfcn.h>

namespace {

BlitLog* activeLog = nullptr;

using BlitFunction = int (*)(SDL_Surface*, SDL_Rect*, SDL_Surface*, SDL_Rect*);

BlitFunction RealBlit() {
    static BlitFunction real = reinterpret_cast<BlitFunction>(dlsym(RTLD_NEXT, "SDL_UpperBlit"));
    return real;
}

}  // namespace

// SDL_BlitSurface is SDL_UpperBlit. Defined in the simulator, this one takes every call the game
// code linked into it makes, notes it while a log is recording, and hands it on to SDL's.
extern "C" int SDL_UpperBlit(SDL_Surface* src, SDL_Rect* srcrect, SDL_Surface* dst, SDL_Rect* dstrect) {
    if (activeLog) activeLog->Record(src, srcrect, dst, dstrect);
    BlitFunction real = RealBlit();
    return real ? real(src, srcrect, dst, dstrect) : -1;
}

BlitLog* BlitLog::Active() { return activeLog; }

void BlitLog::Start(SDL_Surface* target) {
    screen = target;
    current.clear();
    activeLog = this;
}

void BlitLog::Stop() {
    if (activeLog == this) activeLog = nullptr;
}

void BlitLog::Record(SDL_Surface* source, const SDL_Rect* sourceRect, SDL_Surface* destination,
                     const SDL_Rect* destRect) {
    if (!source || destination != screen) return;
    LoggedBlit blit;
    blit.sourceW = static_cast<uint16_t>(source->w);
    blit.sourceH = static_cast<uint16_t>(source->h);
    blit.keyed = (source->flags & SDL_SRCCOLORKEY) != 0;
    blit.source = sourceRect ? *sourceRect : SDL_Rect{0, 0, blit.sourceW, blit.sourceH};
    blit.destination = destRect ? *destRect : SDL_Rect{0, 0, 0, 0};
    current.push_back(blit);
}
