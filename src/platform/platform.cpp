#include "platform/platform.h"

namespace platform {
namespace {

bool virtualClock = false;
Uint32 virtualNow = 0;
Uint32 sleepOvershoot = 0;
Uint8 virtualKeys[SDLK_LAST];
bool virtualKeysActive = false;
WaitObserver* waitObserver = nullptr;

}  // namespace

Uint32 Ticks() { return virtualClock ? virtualNow : SDL_GetTicks(); }

void Sleep(Uint32 ms) {
    if (virtualClock)
        virtualNow += ms + sleepOvershoot;
    else
        SDL_Delay(ms);
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

void SetWaitObserver(WaitObserver* observer) { waitObserver = observer; }

WaitObserver* GetWaitObserver() { return waitObserver; }

}  // namespace platform
