// The small enemies of Levels 2 and 3 on the shared skeleton: Cube, Triangle, Roue, Blob and
// Virus. What each is built with and draws, how it moves, when it fires (or releases its last
// volley), when it cannot be hit, and where it leaves.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <vector>

#include "core/utilities.h"
#include "enemies/framework/level_assets.h"
#include "enemies/regular/blob.h"
#include "enemies/regular/cube.h"
#include "enemies/regular/roue.h"
#include "enemies/regular/triangle.h"
#include "enemies/regular/virus.h"
#include "enemy_probes.h"
#include "platform/random.h"
#include "support/sdl_env.h"

namespace {

using enemyprobes::At;
using enemyprobes::Frame;
using enemyprobes::HitCentre;

class Level23EnemyTest : public ::testing::Test {
protected:
    void SetUp() override {
        level2.Load(2);
        level3.Load(3);
        platform::SeedRandom(5);
    }

    LevelAssets level2;
    LevelAssets level3;
    SDL_Surface* screen = testsupport::Screen();
};

std::vector<EnemyShot*> Shots(RegularEnemy& enemy) {
    std::vector<EnemyShot*> live;
    for (int i = 0; i < enemy.GetShotCount(); ++i)
        if (enemy.GetShots()[i]) live.push_back(enemy.GetShots()[i]);
    return live;
}

TEST_F(Level23EnemyTest, EachClassIsBuiltWithItsOwnNumbers) {
    const SDL_Rect box = MakeRect(300, 100, 40, 40);
    const Spawn at = At(box.x, box.y);
    const std::vector<enemyprobes::Construction> rows = {
        {"Cube", [&] { return new Cube(screen, &level2, at, {.vy = 1}); }, 999999, 0},
        {"Triangle", [&] { return new Triangle(screen, &level2, at, {.vy = 3}); }, 2, 0},
        {"Roue", [&] { return new Roue(screen, &level2, at); }, 10, 0},
        {"Blob", [&] { return new Blob(screen, &level3, at); }, 10, 0},
        {"Virus", [&] { return new Virus(screen, &level3, at, {.hitPoints = 3}); }, 3, 0},
    };
    for (const enemyprobes::Construction& row : rows) enemyprobes::ExpectBuilt(row);
}

TEST_F(Level23EnemyTest, ConstructorsDrawTheirOwnRandomNumbersInOrder) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        platform::SeedRandom(seed);
        const int triangleDelay = platform::Random() % 40 + 10;
        const int flyTime = platform::Random() % 120 + 70;
        const int vy = platform::Random() % 4 + 2, delay = platform::Random() % 40 + 75,
                  vx = 1 - platform::Random() % 3;
        platform::SeedRandom(seed);
        Triangle triangle(screen, &level2, At(290, -33), {.vy = 6});
        Blob blob(screen, &level3, At(502, 50));
        Virus virus(screen, &level3, At(300, -44), {.hitPoints = 1});
        EXPECT_EQ(triangleDelay, triangle.GetSideDelay());
        EXPECT_EQ(flyTime, blob.GetFlyTime());
        EXPECT_EQ(vy, virus.GetVy());
        EXPECT_EQ(delay, virus.GetSideDelay());
        EXPECT_EQ(vx, virus.GetVx());
    }
    // Triangles right of x 290 do not veer.
    EXPECT_EQ(2, Triangle(screen, &level2, At(290, 0), {.vy = 6}).GetSideDx());
    EXPECT_EQ(0, Triangle(screen, &level2, At(291, 0), {.vy = 6}).GetSideDx());
}

TEST_F(Level23EnemyTest, ACubeAboveTheWindowIsNeitherHitNorDrawnAndComesIntoViewAsItFalls) {
    const auto rowZeroDrawn = [&] {
        for (int x = 200; x < 230; ++x)
            if (testsupport::PixelAt(screen, x, 0) != 0) return true;
        return false;
    };
    Cube cube(screen, &level2, At(200, -31), {.vy = 1});
    SDL_FillRect(screen, nullptr, 0);
    EXPECT_TRUE(Frame(cube));
    EXPECT_EQ(-30, cube.GetRect().y);  // y + h = 0: still above the window
    EXPECT_FALSE(rowZeroDrawn());
    EXPECT_EQ(Enemy::kNoHit, HitCentre(cube, 1));
    EXPECT_EQ(999999, cube.GetHitPoints());
    Frame(cube);
    EXPECT_TRUE(rowZeroDrawn()) << "its bottom row shows; no colour key, so no hole either";
    EXPECT_EQ(0, HitCentre(cube, 1)) << "the shot is consumed";
    EXPECT_EQ(999999 - 1, cube.GetHitPoints());
    EXPECT_FALSE(cube.IsDestroyed());
}

TEST_F(Level23EnemyTest, ASweepingCubeRestsOneFrameAtEachTurn) {
    struct Case {
        int startX, direction, lowest, highest;
    } cases[] = {{139, 1, 139, 471}, {472, -1, 140, 472}};
    for (const Case& c : cases) {
        Cube cube(screen, &level2, At(c.startX, -2000), {.vy = 1});
        cube.SetSweep(true, c.direction, 139, 472);
        std::vector<int> xs(1, c.startX);
        for (int frame = 0; frame < 700; ++frame) {
            Frame(cube);
            xs.push_back(cube.GetRect().x);
        }
        EXPECT_EQ(c.lowest, *std::min_element(xs.begin(), xs.end())) << c.startX;
        EXPECT_EQ(c.highest, *std::max_element(xs.begin(), xs.end())) << c.startX;
        EXPECT_EQ(-2000 + 700, cube.GetRect().y) << "it keeps falling while it sweeps";
        int rests = 0;
        for (size_t i = 1; i < xs.size(); ++i) {
            const int step = xs[i] - xs[i - 1];
            ASSERT_TRUE(step == 2 || step == -2 || step == 0) << i;
            if (step == 0) {
                ++rests;
                EXPECT_TRUE(xs[i] == c.lowest || xs[i] == c.highest) << "rests only at an edge";
            }
        }
        EXPECT_EQ(4, rests);  // 166 steps from edge to edge: turns at 167, 334, 501 and 668
    }
    Cube still(screen, &level2, At(300, 100), {.vy = 2});
    Frame(still);
    EXPECT_EQ(300, still.GetRect().x);
    EXPECT_EQ(102, still.GetRect().y);
}

TEST_F(Level23EnemyTest, ATriangleVeersOnlyAtSixPixelsAFrameAndDropsAShotWhenDestroyed) {
    platform::SeedRandom(9);
    Triangle fast(screen, &level2, At(200, 0), {.vy = 6});
    Triangle slow(screen, &level2, At(200, 0), {.vy = 3});
    const int delay = fast.GetSideDelay();
    for (int frame = 0; frame <= delay; ++frame) {
        Frame(fast);
        Frame(slow);
    }
    EXPECT_EQ(200, fast.GetRect().x) << "no sideways step while the counter is at or below the delay";
    Frame(fast);
    Frame(slow);
    EXPECT_EQ(202, fast.GetRect().x);
    EXPECT_EQ(6 * (delay + 2), fast.GetRect().y);
    EXPECT_EQ(200, slow.GetRect().x);
    EXPECT_EQ(3 * (delay + 2), slow.GetRect().y);

    // Above the window (measured by the sprite's height) it cannot be hit.
    Triangle above(screen, &level2, At(300, -40), {.vy = 3});
    EXPECT_EQ(Enemy::kNoHit, HitCentre(above, 5));
    Triangle target(screen, &level2, At(300, 100), {.vy = 3});
    EXPECT_EQ(0, HitCentre(target, 1));
    EXPECT_EQ(0, target.LiveShots()) << "a flash, no shot";
    HitCentre(target, 1);
    ASSERT_TRUE(target.IsDestroyed());
    ASSERT_EQ(1, target.LiveShots());
    const SDL_Rect shot = Shots(target)[0]->GetRect();
    EXPECT_EQ(322, shot.x);
    EXPECT_EQ(125, shot.y);
    Frame(target);
    EXPECT_EQ(103, target.GetRect().y) << "it keeps falling while it explodes";
    EXPECT_EQ(127, Shots(target)[0]->GetRect().y);
}

TEST_F(Level23EnemyTest, AWheelFallsOnePixelAFrameAndTurnsEveryEightFramesAlsoWhenHit) {
    Roue wheel(screen, &level2, At(289, 100));
    std::vector<int> frames;
    for (int frame = 0; frame < 20; ++frame) {
        if (frame == 8) HitCentre(wheel, 1);  // the hit frame still turns the wheel
        Frame(wheel);
        frames.push_back(wheel.GetFrame());
    }
    EXPECT_EQ(120, wheel.GetRect().y);
    EXPECT_EQ(289, wheel.GetRect().x);
    const std::vector<int> expected = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0};
    EXPECT_EQ(expected, frames);
    EXPECT_EQ(9, wheel.GetHitPoints());
}

TEST_F(Level23EnemyTest, ABlobFliesStopsSpraysAndFliesOn) {
    platform::SeedRandom(4);
    Blob blob(screen, &level3, At(480, 100));
    const int flyTime = blob.GetFlyTime();
    std::vector<int> xs;
    std::vector<int> angles;
    for (int tick = 1; tick <= flyTime + 5; ++tick) {
        const int before = blob.LiveShots();
        const int angle = blob.GetFireAngle();
        Frame(blob);
        xs.push_back(blob.GetRect().x);
        if (blob.LiveShots() > before) {
            EXPECT_EQ(0, tick % 2) << tick;
            angles.push_back(angle);
        }
    }
    // Counting ticks from 1: moves while the tick is below a third of the flight time.
    const int moving = flyTime / 3 - 1;
    EXPECT_EQ(480 - 3 * moving, xs[moving - 1]);
    EXPECT_EQ(xs[moving - 1], xs[flyTime - 2]) << "holds still while it sprays";
    EXPECT_EQ(xs[flyTime - 2] - 3, xs[flyTime - 1]);
    ASSERT_FALSE(angles.empty());
    for (size_t i = 0; i < angles.size(); ++i) EXPECT_EQ(static_cast<int>(5 * i) % 360, angles[i]);
    const EnemyShot* first = blob.GetShots()[0];
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(MovePattern::Radial, first->GetMovePattern());
    EXPECT_EQ(8, first->GetRect().w);
    // Destroyed, it freezes in place.
    HitCentre(blob, 10);
    const SDL_Rect at = blob.GetRect();
    Frame(blob);
    EXPECT_EQ(at.x, blob.GetRect().x);
}

TEST_F(Level23EnemyTest, AVirusFallsDriftsAfterItsDelayAndReleasesAFanWhenDestroyed) {
    platform::SeedRandom(7);
    Virus virus(screen, &level3, At(300, -44), {.hitPoints = 2});
    const int delay = virus.GetSideDelay();
    for (int frame = 0; frame < delay; ++frame) Frame(virus);
    EXPECT_EQ(300, virus.GetRect().x);
    EXPECT_EQ(-44 + virus.GetVy() * delay, virus.GetRect().y);
    Frame(virus);
    EXPECT_EQ(300 + virus.GetVx(), virus.GetRect().x);
    EXPECT_EQ(0, virus.LiveShots()) << "it only fires on death";

    Virus target(screen, &level3, At(300, 100), {.hitPoints = 1});
    HitCentre(target, 1);
    ASSERT_TRUE(target.IsDestroyed());
    const std::vector<EnemyShot*> fan = Shots(target);
    ASSERT_EQ(5u, fan.size());
    const int angles[5] = {45, 67, 90, 112, 135};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(angles[i], fan[i]->GetAngle());
        EXPECT_EQ(318, fan[i]->GetRect().x);
        EXPECT_EQ(118, fan[i]->GetRect().y);
    }
    int frames = 0;
    while (Frame(target)) ASSERT_LT(++frames, 2000);
    EXPECT_GT(frames, 300) << "it waits for the slowest of its shots, 1 pixel a frame";
}

TEST_F(Level23EnemyTest, EachLeavesAtItsOwnEdgesWithoutExplosion) {
    enemyprobes::ExpectEdges({
        {"Cube far above the window", new Cube(screen, &level2, At(300, -3000), {.vy = 1}), true},
        {"Cube past the bottom", new Cube(screen, &level2, At(300, 481), {.vy = 1}), false},
        {"Triangle past the right", new Triangle(screen, &level2, At(503, 0), {.vy = 3}), false},
        {"Roue far above the window", new Roue(screen, &level2, At(300, -2000)), true},
        {"Blob at the playfield's right edge", new Blob(screen, &level3, At(502, 0)), true},
        {"Blob past the playfield's left", new Blob(screen, &level3, At(107, 0)), false},
        {"Virus just above the window", new Virus(screen, &level3, At(300, -44), {.hitPoints = 1}), true},
        {"Virus above the window", new Virus(screen, &level3, At(300, -46), {.hitPoints = 1}), false},
    });
}

}  // namespace
