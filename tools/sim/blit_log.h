// Records the blits the game makes onto the screen in one frame, for the benchmark's floor: what
// the same frame would cost if drawing were all there was to it.
#pragma once

#include <SDL/SDL.h>

#include <cstdint>
#include <vector>

struct LoggedBlit {
    uint16_t sourceW, sourceH;  // the whole source surface
    bool keyed;
    SDL_Rect source;       // the part blitted (the whole surface when none was given)
    SDL_Rect destination;  // where, before clipping
};

using BlitFrame = std::vector<LoggedBlit>;

class BlitLog {
public:
    // Starts recording blits onto screen (others, such as loading pictures, are not frames).
    void Start(SDL_Surface* screen);
    void Stop();
    // The blits since the last call; the next frame starts empty.
    const BlitFrame& Frame() const { return current; }
    void NextFrame() { current.clear(); }

    // Told every blit the game makes; kept between Start and Stop.
    void Record(SDL_Surface* source, const SDL_Rect* sourceRect, SDL_Surface* destination, const SDL_Rect* destRect);

private:
    SDL_Surface* screen = nullptr;  // null: not recording
    BlitFrame current;
};
