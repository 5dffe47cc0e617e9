// Shared test set-up and helpers: dummy SDL, the virtual clock, pixels read back from surfaces.
#pragma once

#include <SDL/SDL.h>

#include <string>

namespace testsupport {

// SDL_VIDEODRIVER / SDL_AUDIODRIVER = dummy, 640x480x32 display, audio opened, virtual clock
// at 1000 ms and virtual keys. Called once by the test main.
void StartDummySdl();
void StopDummySdl();

// The display surface of the dummy driver.
SDL_Surface* Screen();

// Colour of one pixel as 0xRRGGBB.
Uint32 PixelAt(SDL_Surface* surface, int x, int y);
Uint32 Rgb(Uint8 r, Uint8 g, Uint8 b);

// A new display-format picture filled with one colour.
SDL_Surface* SolidPicture(int w, int h, Uint32 rgb);

// Empties SDL's event queue.
void DrainEvents();

// Pushes a key-down event for sym.
void PushKeyDown(SDLKey sym);
void PushEventType(Uint8 type);

}  // namespace testsupport
