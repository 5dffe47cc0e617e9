// The timetables of Levels 2 and 3: every slot's class and spawn time against the clock
// checkpoints, the null slots of the cube wall, where each enemy starts, and the order of the
// random draws (the script's for a slot first, then the enemy's own).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "enemies/bosses/cube_boss.h"
#include "enemies/bosses/death.h"
#include "enemies/regular/blob.h"
#include "enemies/regular/crabe.h"
#include "enemies/regular/cube.h"
#include "enemies/regular/cube_devil.h"
#include "enemies/regular/cube_invider_one.h"
#include "enemies/regular/roue.h"
#include "enemies/regular/soucoupe.h"
#include "enemies/regular/triangle.h"
#include "enemies/regular/virus.h"
#include "levels/level2.h"
#include "levels/level3.h"
#include "platform/random.h"
#include "support/sdl_env.h"
#include "table_fixture.h"

namespace {

using levelstest::kT0;
using levelstest::TableTest;

using Level2TableTest = TableTest<Level2Script>;
using Level3TableTest = TableTest<Level3Script>;

TEST_F(Level2TableTest, EverySlotHoldsItsClassAtItsSpawnTime) {
    Build(1);
    ASSERT_EQ(451u, slots.size());
    const std::vector<int> empty = {153, 154, 170, 171, 186, 187};
    for (int slot = 0; slot < 451; ++slot) {
        const bool isEmpty = std::find(empty.begin(), empty.end(), slot) != empty.end();
        ASSERT_EQ(isEmpty, slots[slot] == nullptr) << slot;
        if (isEmpty) continue;
        const bool right = slot <= 79    ? As<Cube>(slot) != nullptr
                           : slot <= 139 ? As<Triangle>(slot) != nullptr
                           : slot <= 327 ? As<Cube>(slot) != nullptr || As<Roue>(slot) != nullptr
                           : slot == 328 ? As<Soucoupe>(slot) != nullptr
                           : slot <= 331 ? As<CubeDevil>(slot) != nullptr
                           : slot == 332 ? As<CubeInviderOne>(slot) != nullptr
                           : slot <= 334 ? As<Soucoupe>(slot) != nullptr
                                         : As<Triangle>(slot) != nullptr;
        EXPECT_TRUE(right) << slot;
        const int32_t expected = slot <= 139   ? 0
                                 : slot <= 327 ? 6000
                                 : slot == 328 ? 61500
                                 : slot <= 331 ? 64500
                                 : slot == 332 ? 82500
                                 : slot == 333 ? 108500
                                 : slot == 334 ? 111500
                                               : 111500 + (slot - 335) * 150;
        EXPECT_EQ(expected, Spawn(slot)) << slot;
    }
    ASSERT_TRUE(dynamic_cast<CubeBoss*>(boss.get()));
    EXPECT_EQ(138900, boss->GetSpawnTime() - kT0) << "10 s after the last triangle's time plus 150 ms";
}

TEST_F(Level2TableTest, TheColumnsTheTrianglesAndTheWallStandWhereTheyShould) {
    Build(2);
    // Opening columns: pairs from y -30 up, moving inwards by 30 at pairs 6, 11 and 16.
    struct Column {
        int slot, x, y;
    } columns[] = {{0, 139, -30},   {1, 472, -30},   {11, 472, -180}, {12, 169, -210},
                   {21, 442, -330}, {22, 199, -360}, {32, 229, -510}, {79, 382, -1200}};
    for (const Column& c : columns) {
        EXPECT_EQ(c.x, Box(c.slot).x) << c.slot;
        EXPECT_EQ(c.y, Box(c.slot).y) << c.slot;
        EXPECT_EQ(30, Box(c.slot).w);
        EXPECT_FALSE(As<Cube>(c.slot)->Sweeps());
    }
    for (int slot = 80; slot <= 139; ++slot) {
        EXPECT_EQ(-42 * (slot - 40), Box(slot).y);
        EXPECT_GE(Box(slot).x, 258);
        EXPECT_LT(Box(slot).x, 340);
    }
    // Full rows: twelve across from x 139 with one wheel; rows 40, 45, ... 95 at y -30 (r + 1).
    const int wheelColumn[12] = {5, 2, 8, 5, 2, 8, 5, 2, 8, 5, 2, 8};
    for (int row = 0; row < 12; ++row) {
        const int first = 140 + 16 * row;
        for (int c = 0; c < 12; ++c) {
            EXPECT_EQ(139 + 30 * c, Box(first + c).x);
            EXPECT_EQ(-30 * (40 + 5 * row + 1), Box(first + c).y);
            EXPECT_EQ(c == wheelColumn[row], As<Roue>(first + c) != nullptr) << first + c;
        }
    }
    // The rows between: a cube sweeping from the left or the right edge, or nothing.
    struct Lane {
        int slot, row;
        bool fromLeft;
    } lanes[] = {{152, 41, false}, {155, 44, true},  {168, 46, true},  {184, 51, false},
                 {185, 52, true},  {203, 59, false}, {312, 91, false}, {315, 94, true}};
    for (const Lane& lane : lanes) {
        Cube* cube = As<Cube>(lane.slot);
        ASSERT_NE(nullptr, cube) << lane.slot;
        EXPECT_TRUE(cube->Sweeps());
        EXPECT_EQ(lane.fromLeft ? 139 : 472, Box(lane.slot).x) << lane.slot;
        EXPECT_EQ(lane.fromLeft ? 1 : -1, cube->GetDirection()) << lane.slot;
        EXPECT_EQ(-30 * (lane.row + 1), Box(lane.slot).y) << lane.slot;
    }
}

// Replayed by hand: per triangle the script's x, then the triangle's own delay.
TEST_F(Level2TableTest, RandomNumbersAreDrawnSlotBySlotScriptFirst) {
    Build(4);
    platform::SeedRandom(4);
    for (int slot = 80; slot <= 450; ++slot) {
        if (slot == 140) slot = 335;  // nothing draws in between
        const int x = slot < 140 ? 258 + platform::Random() % 82 : 138 + platform::Random() % 320;
        const int delay = platform::Random() % 40 + 10;
        ASSERT_EQ(x, Box(slot).x) << slot;
        ASSERT_EQ(delay, As<Triangle>(slot)->GetSideDelay()) << slot;
    }
    EXPECT_EQ(platform::Random(), afterTable) << "no other draws";
}

TEST_F(Level3TableTest, EverySlotHoldsItsClassAtItsSpawnTime) {
    Build(1);
    ASSERT_EQ(571u, slots.size());
    for (int slot = 0; slot < 571; ++slot) {
        ASSERT_NE(nullptr, slots[slot]) << slot;
        const bool saucer = slot == 120 || slot == 531 || slot == 570;
        const bool right = saucer        ? As<Soucoupe>(slot) != nullptr
                           : slot <= 119 ? As<Blob>(slot) != nullptr
                           : slot == 530 ? As<Crabe>(slot) != nullptr
                                         : As<Virus>(slot) != nullptr;
        EXPECT_TRUE(right) << slot;
        const int32_t expected = slot <= 119   ? 300 * slot
                                 : slot == 120 ? 39000
                                 : slot <= 529 ? 44000 + (slot - 121) * 100
                                 : slot == 530 ? 90900
                                 : slot == 531 ? 99900
                                 : slot <= 569 ? 104900 + (slot - 532) * 100
                                               : 108700;
        EXPECT_EQ(expected, Spawn(slot)) << slot;
    }
    ASSERT_TRUE(dynamic_cast<Death*>(boss.get()));
    EXPECT_EQ(121700, boss->GetSpawnTime() - kT0) << "13 s after the last saucer";
}

// Replayed by hand: per blob the script's y, then its flight time; per virus the script's x, then
// its speed, delay and drift.
TEST_F(Level3TableTest, RandomNumbersAreDrawnSlotBySlotScriptFirst) {
    Build(6);
    platform::SeedRandom(6);
    for (int slot = 0; slot < 571; ++slot) {
        if (As<Blob>(slot)) {
            const int y = platform::Random() % 200;
            const int flyTime = platform::Random() % 120 + 70;
            ASSERT_EQ(502, Box(slot).x);
            ASSERT_EQ(y, Box(slot).y) << slot;
            ASSERT_EQ(flyTime, As<Blob>(slot)->GetFlyTime()) << slot;
        } else if (Virus* virus = As<Virus>(slot)) {
            const int x = 138 + platform::Random() % 364;
            const int vy = platform::Random() % 4 + 2, delay = platform::Random() % 40 + 75,
                      vx = 1 - platform::Random() % 3;
            ASSERT_EQ(x, Box(slot).x) << slot;
            ASSERT_EQ(-44, Box(slot).y);
            ASSERT_EQ(vy, virus->GetVy()) << slot;
            ASSERT_EQ(delay, virus->GetSideDelay()) << slot;
            ASSERT_EQ(vx, virus->GetVx()) << slot;
        }
    }
    EXPECT_EQ(platform::Random(), afterTable) << "no other draws";
}

}  // namespace
