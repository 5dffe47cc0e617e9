// The explosion every enemy and boss plays: a sheet of frames side by side, stepped by the clock.
#pragma once

#include <SDL/SDL.h>

// One frame of it. Counter k shows sheet frame k - 1, so 0 shows nothing; the counter steps once
// more than periodMs have passed since *lastTick (which starts at 0, so the first step comes at
// once). The frame is centred on box; the blit clips what falls outside the screen.
void DrawExplosionFrame(SDL_Surface* screen, SDL_Surface* sheet, const SDL_Rect& box, int frameWidth, int frameHeight,
                        int periodMs, int* counter, Uint32* lastTick);
