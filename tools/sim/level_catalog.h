// The bosses the simulator can fight alone, each in its own level's setting. (Levels by number
// come from the game's own catalogue, levels/level_catalog.h.)
#pragma once

#include <SDL/SDL.h>

#include <memory>
#include <string>

#include "levels/level.h"
#include "levels/level_script.h"

// The level a boss belongs to, by class name; 0 for a name the game does not have.
int BossLevel(const std::string& name);
// True for a boss its level fights before its boss (the Insecte).
bool IsMidBoss(const std::string& name);
// A script of the boss's level with an empty timetable: the boss is built exactly as its level
// builds it, in the level's setting (bank, backgrounds, music, effects). For a mid-boss, the
// level's own script: the run plays the level from its start, and the simulator ends it once the
// mid-boss is finished. Null when the level has no script yet.
std::unique_ptr<LevelScript> MakeBossScript(const std::string& name);
