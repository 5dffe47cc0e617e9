#include "levels/level_enemies.h"

#include <algorithm>

#include "enemies/framework/level_assets.h"
#include "platform/platform.h"

namespace {

constexpr int32_t kTimetableLead = 4000;

}  // namespace

LevelAssets* LoadLevelAssets(const LevelProfile& profile) {
    if (profile.assetBank == 0) return nullptr;
    LevelAssets* assets = new LevelAssets();
    assets->Load(profile.assetBank);
    return assets;
}

LevelEnemies BuildLevelEnemies(LevelScript& script, SDL_Surface* screen, LevelAssets* assets) {
    LevelEnemies built;
    built.t0 = static_cast<int32_t>(platform::Ticks()) + kTimetableLead;
    built.tableSize = std::max<int32_t>(script.Profile().tableSize, 0);
    built.slots = new Enemy*[built.tableSize > 0 ? built.tableSize : 1]();
    Timetable table;
    table.screen = screen;
    table.assets = assets;
    table.slots = built.slots;
    table.size = built.tableSize;
    table.spawnClock = built.t0;
    script.BuildTimetable(table);

    built.midBoss = script.MakeMidBoss(screen, table.spawnClock);
    built.boss = script.MakeBoss(screen, table.spawnClock + script.Profile().bossDelay);
    return built;
}
