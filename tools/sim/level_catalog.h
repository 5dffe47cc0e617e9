// What the simulator can play: the proving ground (number 0), the game's levels by number, and
// any boss alone in its own level's setting.
#pragma once

#include <SDL/SDL.h>

#include <memory>
#include <string>

#include "levels/level.h"
#include "levels/level_script.h"

std::unique_ptr<LevelScript> MakeCatalogScript(int number);
// Null for a level whose script is not written yet.
std::unique_ptr<Level> MakeCatalogLevel(int number, SDL_Surface* screen, int32_t framePeriod);

// The level a boss belongs to, by class name; 0 for a name the game does not have.
int BossLevel(const std::string& name);
// A script of the boss's level with an empty timetable: the boss is built exactly as its level
// builds it, in the level's setting (bank, backgrounds, music, effects). Null when the level has
// no script yet.
std::unique_ptr<LevelScript> MakeBossScript(const std::string& name);
