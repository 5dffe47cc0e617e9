// The shape every level shares: the game sequence runs levels through this.
#pragma once

#include <SDL/SDL.h>
#include <cstdint>

class Level {
public:
    // state: 1 = running or left by the player, 0 = boss destroyed, 2 = no lives left.
    Level(SDL_Surface* screen, int32_t framePeriod) : screen(screen), framePeriod(framePeriod), state(1) {}
    virtual ~Level() = default;
    Level(const Level&) = delete;
    Level& operator=(const Level&) = delete;

    // Plays the level once and raises *score. 0 = quit, 1 = cleared, otherwise the game-over
    // screen's answer (2 = play this level again).
    virtual int32_t Run(int32_t* score) = 0;

    int32_t State() const { return state; }

protected:
    SDL_Surface* screen;
    int32_t framePeriod;
    int32_t state;
};
