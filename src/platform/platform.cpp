#include "platform/platform.h"

#include "platform/end_signals.h"

namespace platform {
namespace {

bool virtualClock = false;
Uint32 virtualNow = 0;
Uint32 sleepOvershoot = 0;
Uint8 virtualKeys[SDLK_LAST];
bool virtualKeysActive = false;

// Longer waits (the loading pause, the pause after a level) are cut into pieces this long, so
// that a signal ends them as soon as a frame wait would.
constexpr Uint32 kLongestDelay = 20;

void RealSleep(Uint32 ms) {
    if (ms <= kLongestDelay) {
        SDL_Delay(ms);
        return;
    }
    const Uint32 end = SDL_GetTicks() + ms;
    while (!EndSignalPending()) {
        const Uint32 left = end - SDL_GetTicks();
        if (static_cast<Sint32>(left) <= 0) break;
        SDL_Delay(left < kLongestDelay ? left : kLongestDelay);
    }
}

}  // namespace

Uint32 Ticks() { return virtualClock ? virtualNow : SDL_GetTicks(); }

void Sleep(Uint32 ms) {
    if (virtualClock)
        virtualNow += ms + sleepOvershoot;
    else
        RealSleep(ms);
    EndIfSignalled();
}

Uint8* KeyState() { return virtualKeysActive ? virtualKeys : SDL_GetKeyState(nullptr); }

void UseVirtualClock(Uint32 startTicks) {
    virtualClock = true;
    virtualNow = startTicks;
}

void UseRealClock() { virtualClock = false; }

bool VirtualClockActive() { return virtualClock; }

void AdvanceVirtualClock(Uint32 ms) { virtualNow += ms; }

void SetVirtualSleepOvershoot(Uint32 ms) { sleepOvershoot = ms; }

Uint8* UseVirtualKeys() {
    for (Uint8& key : virtualKeys) key = 0;
    virtualKeysActive = true;
    return virtualKeys;
}

void UseRealKeys() { virtualKeysActive = false; }

void PushKeyDown(SDLKey key) {
    SDL_Event event = {};
    event.type = SDL_KEYDOWN;
    event.key.type = SDL_KEYDOWN;
    event.key.state = SDL_PRESSED;
    event.key.keysym.sym = key;
    SDL_PushEvent(&event);
}

}  // namespace platform
