// A level's enemies as a run builds them before play: its bank, then the table, the mid-boss and
// the boss from spawn clock T0, 4 s after the moment they are built. The level runner plays
// them; the simulator prints them (--timetable), so both see the same table for the same seed.
#pragma once

#include <SDL/SDL.h>

#include <cstdint>
#include <memory>
#include <utility>

#include "levels/level_script.h"

class Enemy;
class LevelAssets;

// The level's bank of enemy pictures and sounds, loaded; null for a level without one.
LevelAssets* LoadLevelAssets(const LevelProfile& profile);

// Owns the enemies it holds and deletes them when it goes: the table in slot order, then the
// mid-boss, then the boss. Whoever deletes one earlier nulls its pointer here.
struct LevelEnemies {
    int32_t t0 = 0;
    int32_t tableSize = 0;
    std::unique_ptr<Enemy*[]> slots;  // tableSize entries (one at least), null where a slot is empty
    Enemy* midBoss = nullptr;
    BossEntry boss;

    LevelEnemies() = default;
    LevelEnemies(LevelEnemies&& other) noexcept { *this = std::move(other); }
    LevelEnemies& operator=(LevelEnemies&& other) noexcept;
    ~LevelEnemies() { Free(); }

private:
    void Free();
};

// The table's rules draw random numbers: seed before, as a run is seeded.
LevelEnemies BuildLevelEnemies(LevelScript& script, SDL_Surface* screen, LevelAssets* assets);
