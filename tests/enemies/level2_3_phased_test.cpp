// The large ships of Levels 2 and 3 on the entry / attack / exit machine: CubeDevil,
// CubeInviderOne and Crabe. Where each phase switches, how far they move, which attack frames
// fire, the shape and aim of each volley, and the random draws of a volley cut short.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "core/utilities.h"
#include "enemies/framework/level_assets.h"
#include "enemies/regular/crabe.h"
#include "enemies/regular/cube_devil.h"
#include "enemies/regular/cube_invider_one.h"
#include "enemy_probes.h"
#include "platform/random.h"
#include "support/sdl_env.h"

namespace {

using enemyprobes::At;
using enemyprobes::FrameNewShots;
using enemyprobes::HitCentre;

class Level23PhasedTest : public ::testing::Test {
protected:
    void SetUp() override {
        level2.Load(2);
        level3.Load(3);
        platform::SeedRandom(11);
    }

    // Runs the enemy for frames frames, recording the frame of each volley, its shots' angles and
    // muzzles, and the box after every frame.
    struct Record {
        std::vector<int> volleyFrames;
        std::vector<std::vector<int>> angles;
        std::vector<std::vector<int>> muzzles;  // shot x - box x: a new shot's first step is at radius 0
        std::vector<SDL_Rect> boxes;            // boxes[0] is the box before the first frame
    };
    static Record Run(RegularEnemy& enemy, int frames) {
        Record record;
        record.boxes.push_back(enemy.GetRect());
        for (int frame = 1; frame <= frames; ++frame) {
            const std::vector<EnemyShot*> added = FrameNewShots(enemy);
            record.boxes.push_back(enemy.GetRect());
            if (added.empty()) continue;
            record.volleyFrames.push_back(frame);
            record.angles.emplace_back();
            record.muzzles.emplace_back();
            for (EnemyShot* shot : added) {
                record.angles.back().push_back(shot->GetAngle());
                record.muzzles.back().push_back(shot->GetRect().x - enemy.GetRect().x);
            }
        }
        return record;
    }

    LevelAssets level2;
    LevelAssets level3;
    SDL_Surface* screen = testsupport::Screen();
};

TEST_F(Level23PhasedTest, TheDevilCubeComesDownFiresTurningFansAndLeavesUpward) {
    CubeDevil devil(screen, &level2, At(163, -89));
    const Record r = Run(devil, 900);
    EXPECT_EQ(-89 + 4 * 60, r.boxes[60].y);  // moves for 60 of its 120 entry frames
    EXPECT_EQ(r.boxes[60].y, r.boxes[121].y);
    EXPECT_EQ(r.boxes[121].y, r.boxes[821].y) << "holds still through the attack";
    EXPECT_EQ(r.boxes[821].y - 4, r.boxes[822].y) << "the frame the attack ends already steps up";
    // Every fourth attack frame strictly between 30 and 600: counters 32 .. 596.
    ASSERT_EQ(142u, r.volleyFrames.size());
    EXPECT_EQ(121 + 33, r.volleyFrames.front());
    EXPECT_EQ(121 + 597, r.volleyFrames.back());
    // Three shots 30 degrees apart; the aim turns 13 degrees before each volley, and a shot that
    // would pass 360 comes back by 360.
    const std::vector<std::vector<int>> expected = {{13, 43, 73},  {325, 355, 25}, {338, 8, 38},
                                                    {351, 21, 51}, {364, 34, 64},  {9, 39, 69}};
    const size_t picks[] = {0, 24, 25, 26, 27, 28};
    for (size_t i = 0; i < 6; ++i) EXPECT_EQ(expected[i], r.angles[picks[i]]) << "volley " << picks[i];
    EXPECT_EQ((std::vector<int>{37, 37, 37}), r.muzzles[0]);
}

TEST_F(Level23PhasedTest, TheDevilCubeEndsWhenItHasLeftAtTheTop) {
    CubeDevil devil(screen, &level2, At(163, -89));
    int frame = 0;
    while (!devil.IsDestroyed()) {
        ASSERT_LT(++frame, 1200);
        FrameNewShots(devil);
    }
    // Down to y 151; from frame 822 up 4 a frame; the test on the box before the move fails once
    // y is 151 - 4 x 61 = -93.
    EXPECT_EQ(822 + 61, frame);
    EXPECT_FALSE(devil.ExplosionStarted());
}

TEST_F(Level23PhasedTest, TheInvaderCubeSwaysItsRingsThenSlowsAndAimsAtRandom) {
    CubeInviderOne invader(screen, &level2, At(501, 100));
    const Record r = Run(invader, 1500);
    EXPECT_EQ(501 - 4 * 76, r.boxes[76].x);
    EXPECT_EQ(r.boxes[76].x, r.boxes[121].x);
    // Every fifth attack frame strictly between 30 and 1100: counters 35 .. 1095.
    ASSERT_EQ(213u, r.volleyFrames.size());
    EXPECT_EQ(121 + 36, r.volleyFrames.front());
    // Base angle by attack counter: still until 100, then +3, -3, +3, -3 a volley.
    const auto baseAt = [&](int counter) { return r.angles[(counter - 35) / 5][0]; };
    EXPECT_EQ(0, baseAt(35));
    EXPECT_EQ(0, baseAt(100));
    EXPECT_EQ(3, baseAt(105));
    EXPECT_EQ(45, baseAt(175));
    EXPECT_EQ(42, baseAt(180));
    EXPECT_EQ(-51, baseAt(335));
    EXPECT_EQ(45, baseAt(495));
    EXPECT_EQ(-51, baseAt(655));
    for (size_t v = 0; v < r.angles.size(); ++v) {
        ASSERT_EQ(12u, r.angles[v].size()) << v;
        for (int k = 1; k < 12; ++k) {
            int expected = r.angles[v][k - 1] + 60;
            if (expected > 360) expected -= 360;
            EXPECT_EQ(expected, r.angles[v][k]) << v << "," << k;
        }
    }
    EXPECT_EQ(2, invader.GetSpeed()) << "slow from attack frame 660";
    // The exit: 8 pixels a frame to the left.
    EXPECT_EQ(r.boxes[1421].x - 8, r.boxes[1422].x);
}

TEST_F(Level23PhasedTest, TheInvaderCubesRingsComeFromBothCornersAtItsSpeed) {
    CubeInviderOne invader(screen, &level2, At(501, 100));
    std::vector<EnemyShot*> ring;
    for (int frame = 1; frame <= 157; ++frame) ring = FrameNewShots(invader);
    ASSERT_EQ(12u, ring.size());
    const SDL_Rect b = invader.GetRect();
    // The shots have taken their first step: radius 0, then 4 a frame from here on.
    for (int k = 0; k < 12; ++k) {
        EXPECT_EQ(b.x + (k < 6 ? 66 : 157), ring[k]->GetRect().x) << k;
        EXPECT_EQ(b.y + 98, ring[k]->GetRect().y) << k;
        EXPECT_EQ(4, ring[k]->GetRadius()) << k;
    }
}

TEST_F(Level23PhasedTest, TheCrabWalksInFiresFansAndStraysAndLeavesToTheRight) {
    platform::SeedRandom(21);
    Crabe crab(screen, &level3, At(1, 120), {.strength = 1});
    EXPECT_EQ(800, crab.GetHitPoints());
    const Record r = Run(crab, 800);
    EXPECT_EQ(1 + 4 * 60, r.boxes[60].x);
    EXPECT_EQ(r.boxes[60].x, r.boxes[111].x);
    EXPECT_EQ(r.boxes[111].x, r.boxes[711].x);
    EXPECT_EQ(r.boxes[711].x + 5, r.boxes[712].x);
    // Every eighth attack frame from 32: the fire limit lies beyond the attack.
    ASSERT_EQ(71u, r.volleyFrames.size());
    EXPECT_EQ(111 + 33, r.volleyFrames.front());
    EXPECT_EQ(111 + 593, r.volleyFrames.back());
    // Two fans, then two strays from each claw.
    EXPECT_EQ((std::vector<int>{11, 11, 11, 11, 11, 130, 130, 130, 130, 130, 11, 11, 130, 130}), r.muzzles[0]);
    for (const std::vector<int>& angles : r.angles) {
        ASSERT_EQ(14u, angles.size());
        const std::vector<int> fans(angles.begin(), angles.begin() + 10);
        EXPECT_EQ((std::vector<int>{45, 67, 90, 112, 135, 45, 67, 90, 112, 135}), fans);
        for (int k = 10; k < 14; ++k) {
            EXPECT_GE(angles[k], 20);
            EXPECT_LT(angles[k], 160);
        }
    }
}

TEST_F(Level23PhasedTest, ACrabVolleyCutShortDrawsOnlyForTheStraysItPlaces) {
    Crabe crab(screen, &level3, At(1, 120), {.strength = 1});
    EnemyShot** shots = crab.GetShots();
    // Eleven free slots: the two fans and one stray.
    for (int i = 11; i < crab.GetShotCount(); ++i) shots[i] = enemyprobes::StillShot(300, 300);
    for (int frame = 1; frame < 144; ++frame) ASSERT_TRUE(FrameNewShots(crab).empty()) << frame;
    platform::SeedRandom(33);
    const int stray = platform::Random() % 140 + 20;
    const int next = platform::Random();
    platform::SeedRandom(33);
    const std::vector<EnemyShot*> added = FrameNewShots(crab);
    ASSERT_EQ(11u, added.size());
    EXPECT_EQ(stray, added[10]->GetAngle());
    EXPECT_EQ(crab.GetRect().x + 11, added[10]->GetRect().x) << "the first stray comes from the left claw";
    EXPECT_EQ(next, platform::Random()) << "one draw for the one stray placed";
}

TEST_F(Level23PhasedTest, ADestroyedShipStopsAtOnceAndTellsTheLevelItsExplosionHasBegun) {
    CubeDevil devil(screen, &level2, At(163, -89));
    for (int frame = 0; frame < 200; ++frame) FrameNewShots(devil);
    const SDL_Rect b = devil.GetRect();
    EXPECT_EQ(0, HitCentre(devil, 350));
    ASSERT_TRUE(devil.IsDestroyed());
    for (int frame = 0; frame < 100; ++frame) {
        EXPECT_TRUE(FrameNewShots(devil).empty());
        EXPECT_EQ(b.y, devil.GetRect().y);
    }
    EXPECT_TRUE(devil.ExplosionStarted());
}

}  // namespace
