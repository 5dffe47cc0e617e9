// The seam between the game and SDL's clock and keyboard (observer.h, screen.h, mixer.h, random.h
// and loaders.h hold the rest of it).
//
// The game reads time and keys only through these functions. In the game they are
// SDL_GetTicks, SDL_Delay and SDL_GetKeyState; tests and skyrift-sim switch to a virtual
// clock on which Sleep advances time at once, and to a key array they write themselves.
#pragma once

#include <SDL/SDL.h>

#include "platform/observer.h"

namespace platform {

// Milliseconds since start-up (SDL_GetTicks, or the virtual clock).
Uint32 Ticks();

// Waits ms milliseconds (SDL_Delay); on the virtual clock it advances the clock at once. Ends
// the process when a signal caught by CatchEndSignals (platform/end_signals.h) has come.
void Sleep(Uint32 ms);

// The key-state array indexed by SDLKey: SDL_GetKeyState(NULL), or the virtual key array.
Uint8* KeyState();

// Switches to the virtual clock, set to startTicks. Sleep then never blocks.
void UseVirtualClock(Uint32 startTicks = 0);
// Back to SDL's clock (the game's own setting).
void UseRealClock();
bool VirtualClockActive();
// Moves the virtual clock forward without sleeping: simulates work that took time.
void AdvanceVirtualClock(Uint32 ms);
// Every virtual Sleep lasts this much longer than asked, as a real SDL_Delay may (default 0).
void SetVirtualSleepOvershoot(Uint32 ms);

// Switches KeyState() to an array of SDLK_LAST bytes, all zero, that the caller writes.
// Returns that array.
Uint8* UseVirtualKeys();
void UseRealKeys();

// Puts a key-down event for key on SDL's queue, as a press would: how the simulator and the
// tests press keys.
void PushKeyDown(SDLKey key);

}  // namespace platform
