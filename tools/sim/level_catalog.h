// The level scripts the simulator can play by number. 0 is the proving ground; the six game
// levels join as their scripts are written.
#pragma once

#include <memory>

#include "levels/level_script.h"
#include "levels/level.h"

std::unique_ptr<LevelScript> MakeCatalogScript(int number);
std::unique_ptr<Level> MakeCatalogLevel(int number, SDL_Surface* screen, int32_t framePeriod);
// The levels of --game: the catalogue's level where it has one, the proving ground elsewhere.
std::unique_ptr<Level> MakeGameLevel(int number, SDL_Surface* screen, int32_t framePeriod);
