// A level's timetable and boss built the way the runner builds them, from spawn clock kT0 and a
// chosen seed, for the level script tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "enemies/framework/enemy.h"
#include "enemies/framework/level_assets.h"
#include "levels/level_script.h"
#include "platform/random.h"
#include "support/sdl_env.h"

namespace levelstest {

constexpr int32_t kT0 = 70000;

template <class Script>
class TableTest : public ::testing::Test {
protected:
    void Build(unsigned seed) {
        Clear();
        assets.Load(script.Profile().assetBank);
        slots.assign(script.Profile().tableSize, nullptr);
        platform::SeedRandom(seed);
        Timetable table;
        table.screen = testsupport::Screen();
        table.assets = &assets;
        table.slots = slots.data();
        table.size = static_cast<int32_t>(slots.size());
        table.spawnClock = kT0;
        script.BuildTimetable(table);
        afterTable = platform::Random();
        boss.reset(script.MakeBoss(table.screen, table.spawnClock + script.Profile().bossDelay).enemy);
    }
    void Clear() {
        for (Enemy*& enemy : slots) {
            delete enemy;
            enemy = nullptr;
        }
    }
    void TearDown() override { Clear(); }

    int32_t Spawn(int slot) const { return slots[slot]->GetSpawnTime() - kT0; }
    SDL_Rect Box(int slot) const { return slots[slot]->GetRect(); }
    template <class T>
    T* As(int slot) const {
        return dynamic_cast<T*>(slots[slot]);
    }
    void ExpectBox(int slot, int x, int y, int w, int h, int halfW, int halfH) const {
        ExpectBox(*slots[slot], x, y, w, h, halfW, halfH, slot);
    }
    // The box and hit half-sizes; slot names the enemy in a failure (-1: the boss).
    static void ExpectBox(const Enemy& enemy, int x, int y, int w, int h, int halfW, int halfH, int slot = -1) {
        const SDL_Rect b = enemy.GetRect();
        EXPECT_EQ(x, b.x) << slot;
        EXPECT_EQ(y, b.y) << slot;
        EXPECT_EQ(w, b.w) << slot;
        EXPECT_EQ(h, b.h) << slot;
        EXPECT_EQ(halfW, enemy.GetHitHalfWidth()) << slot;
        EXPECT_EQ(halfH, enemy.GetHitHalfHeight()) << slot;
    }

    LevelAssets assets;
    Script script;
    std::vector<Enemy*> slots;
    std::unique_ptr<Enemy> boss;
    int afterTable = 0;  // the first random number drawn after the table
};

}  // namespace levelstest
