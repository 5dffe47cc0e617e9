// The benchmark's floor: each recorded frame drawn again, with nothing else around it, onto a
// surface made like the dummy screen (so the screen the game shows is left alone). Backgrounds
// are opaque copies, the HUD frame is the real keyed picture, and every other keyed blit is a
// stand-in sprite of the same size.
#pragma once

#include <SDL/SDL.h>

#include <cstdint>
#include <map>
#include <tuple>

#include "blit_log.h"

class FloorReplay {
public:
    explicit FloorReplay(SDL_Surface* screen);
    ~FloorReplay();
    FloorReplay(const FloorReplay&) = delete;
    FloorReplay& operator=(const FloorReplay&) = delete;

    // Draws one frame's blits; returns the time it took in microseconds.
    int64_t Replay(const BlitFrame& frame);

private:
    SDL_Surface* StandIn(const LoggedBlit& blit);

    SDL_Surface* target;
    SDL_Surface* hudFrame;
    std::map<std::tuple<int, int, bool>, SDL_Surface*> standIns;
};
