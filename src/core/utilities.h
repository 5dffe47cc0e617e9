// Small helpers every screen, level and enemy uses.
#pragma once

#include <SDL/SDL.h>
#include <cstdint>

// x and y truncated to signed 16 bits, w and h to unsigned 16 bits; no clipping.
SDL_Rect MakeRect(int32_t x, int32_t y, int32_t w, int32_t h);

// Draws the whole source with its top-left corner at (rect.x, rect.y). The blit may clip the
// rectangle it is given, so it works on a copy.
void BlitAt(SDL_Surface* source, SDL_Surface* destination, SDL_Rect rect);

// srand(time(null)): called once per process, after the title screen.
void SeedRandom();

// rand() % n, 0..n-1 for n > 0: the only source of random decisions in the game.
int32_t RandomInt(int32_t n);

// A new surface with the source's flags, size, depth and masks, holding a copy of its picture.
// Null when the surface cannot be created. The caller frees it.
SDL_Surface* CopySurface(SDL_Surface* source);

// The five digits shown for a score, leading zeros included, by successive division. Scores
// beyond five digits show as 99999 (and below zero as 00000) so every digit comes from a sheet.
void ScoreDigits(int32_t score, int32_t digits[5]);

// Holds a loop to one frame per period. A slow frame is not made up by shorter ones: the next
// deadline always counts from the end of the wait.
class FrameTimer {
public:
    FrameTimer(Uint32 startTicks, Uint32 period);
    ~FrameTimer() = default;

    // now: platform::Ticks() at the call.
    void Wait(Uint32 now);

    Uint32 Deadline() const { return deadline; }

private:
    Uint32 deadline;
    Uint32 period;
};
