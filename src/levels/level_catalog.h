// The game's levels by number, 1 to 6.
#pragma once

#include <SDL/SDL.h>

#include <cstdint>
#include <memory>

#include "levels/level.h"
#include "levels/level_script.h"

// A fresh script of level number; null for a number that has no script.
std::unique_ptr<LevelScript> MakeLevelScript(int number);

// Level number of the game; null for a number outside 1 to 6.
std::unique_ptr<Level> MakeGameLevel(int number, SDL_Surface* screen, int32_t framePeriod);
