#include "levels/level_enemies.h"

#include <algorithm>
#include <utility>

#include "enemies/framework/enemy.h"
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
    built.slots = std::make_unique<Enemy*[]>(built.tableSize > 0 ? built.tableSize : 1);
    Timetable table;
    table.screen = screen;
    table.assets = assets;
    table.slots = built.slots.get();
    table.size = built.tableSize;
    table.spawnClock = built.t0;
    script.BuildTimetable(table);

    built.midBoss = script.MakeMidBoss(screen, table.spawnClock);
    built.boss = script.MakeBoss(screen, table.spawnClock + script.Profile().bossDelay);
    return built;
}

LevelEnemies& LevelEnemies::operator=(LevelEnemies&& other) noexcept {
    if (this == &other) return *this;
    Free();
    t0 = other.t0;
    tableSize = std::exchange(other.tableSize, 0);
    slots = std::move(other.slots);
    midBoss = std::exchange(other.midBoss, nullptr);
    boss = std::exchange(other.boss, BossEntry());
    return *this;
}

void LevelEnemies::Free() {
    for (int32_t slot = 0; slot < tableSize; ++slot) {
        delete slots[slot];
        slots[slot] = nullptr;
    }
    slots.reset();
    tableSize = 0;
    delete midBoss;
    midBoss = nullptr;
    delete boss.enemy;
    boss = BossEntry();
}
