// The shape every level shares: the game sequence runs levels through this.
#pragma once

#include <SDL/SDL.h>
#include <cstdint>

#include "levels/level_outcome.h"

class Level {
public:
    Level(SDL_Surface* screen, int32_t framePeriod) : screen(screen), framePeriod(framePeriod) {}
    virtual ~Level() = default;
    Level(const Level&) = delete;
    Level& operator=(const Level&) = delete;

    // Plays the level once and raises *score.
    virtual LevelResult Run(int32_t* score) = 0;

    LevelState State() const { return state; }

protected:
    SDL_Surface* screen;
    int32_t framePeriod;
    LevelState state = LevelState::Running;
};
