// Monstro on the common boss shape: the descent, the phase cycle with its random lunges, the
// eight-mouth spray, the walkers, the lunge and the sway, and the off-screen rule's right edge.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "core/utilities.h"
#include "enemies/bosses/monstro.h"
#include "enemy_probes.h"
#include "platform/random.h"
#include "support/sdl_env.h"

namespace {

class MonstroTest : public ::testing::Test {
protected:
    void SetUp() override { platform::SeedRandom(4); }

    std::vector<EnemyShot*> FrameNewShots() { return enemyprobes::FrameNewShots(boss, &alive); }

    // Runs frames until the boss is in phase `phase` at tick `tick`.
    void RunTo(int phase, int tick) {
        for (int guard = 0; guard < 20000; ++guard) {
            if (boss.GetPhase() == phase && boss.GetPhaseTick() == tick) return;
            FrameNewShots();
        }
        FAIL() << "never reached phase " << phase << " tick " << tick;
    }

    // Monstro as Level 4 builds it: centred, just above the window.
    Monstro boss{testsupport::Screen(), {.x = 190, .y = -253, .spawnTime = 0}, {.units = 8}};
    bool alive = true;
};

TEST_F(MonstroTest, ItDescendsThreeHundredPixelsAndStartsPhaseOneAfterFourHundredFrames) {
    boss.SetMusicHold(true);
    for (int frame = 1; frame <= 400; ++frame) {
        ASSERT_EQ(0, boss.GetPhase());
        EXPECT_TRUE(FrameNewShots().empty());
        EXPECT_FALSE(boss.IsMusicHeld());
        EXPECT_EQ(-253 + 2 * std::min(frame, 150), boss.GetRect().y) << frame;
    }
    EXPECT_EQ(1, boss.GetPhase());
    EXPECT_EQ(0, boss.GetPhaseTick());
    EXPECT_EQ(190, boss.GetRect().x);
}

TEST_F(MonstroTest, SprayLungeWalkersThenSwayForEverWithRandomLunges) {
    std::vector<std::pair<int, int>> switches;  // (frame, new phase)
    int phase = boss.GetPhase();
    std::vector<int> lungeStarts;
    bool swayRight = false;
    for (int frame = 1; frame <= 3253 + 6000; ++frame) {
        const int phaseBefore = boss.GetPhase();
        const int tickBefore = boss.GetPhaseTick();
        const SDL_Rect before = boss.GetRect();
        FrameNewShots();
        if (boss.GetPhase() != phase) {
            if (boss.GetPhase() == 5) {
                lungeStarts.push_back(frame);
                EXPECT_EQ(1, boss.GetPhaseTick()) << "the tick still counts on the switch";
                EXPECT_EQ(1, boss.GetFrame());
            } else {
                switches.emplace_back(frame, boss.GetPhase());
            }
            phase = boss.GetPhase();
        }
        if (phaseBefore == 4 && tickBefore == 1300) {
            EXPECT_EQ(0, boss.GetPhaseTick()) << "phase 4 starts over";
            EXPECT_EQ(swayRight, boss.SwaysRight()) << "the sway keeps its direction";
        }
        if (phaseBefore == 5) {
            EXPECT_EQ(before.x, boss.GetRect().x) << "no sway during a lunge";
        }
        swayRight = boss.SwaysRight();
    }
    ASSERT_GE(switches.size(), 4u);
    const std::vector<std::pair<int, int>> expected = {{400, 1}, {1701, 2}, {1952, 3}, {3253, 4}};
    EXPECT_EQ(expected, (std::vector<std::pair<int, int>>(switches.begin(), switches.begin() + 4)));
    // Each lunge of phase 5 lasts 250 frames and returns to phase 4.
    ASSERT_EQ(lungeStarts.size() + 4, switches.size() + (phase == 5 ? 1 : 0));
    for (size_t i = 4; i < switches.size(); ++i) {
        EXPECT_EQ(4, switches[i].second);
        EXPECT_EQ(250, switches[i].first - lungeStarts[i - 4]);
    }
    // One chance in 500 a frame over 6000 frames of sway and lunges.
    EXPECT_GE(lungeStarts.size(), 3u);
    EXPECT_LE(lungeStarts.size(), 25u);
}

TEST_F(MonstroTest, EightMouthsSprayOneRandomDirectionEachAfterTheVolleysOwnDraw) {
    RunTo(1, 0);
    int volleys = 0;
    for (int tick = 0; tick <= 1300; ++tick) {
        const unsigned seed = 100 + tick;
        platform::SeedRandom(seed);
        const std::vector<EnemyShot*> added = FrameNewShots();
        if (tick % 10 != 0 || tick >= 1100) {
            ASSERT_TRUE(added.empty()) << tick;
            continue;
        }
        ++volleys;
        ASSERT_EQ(8u, added.size());
        platform::SeedRandom(seed);
        platform::Random();  // phase1, once per volley, before the directions
        // Three mouths spray upward, one to the left, one to the right, three downward.
        const int mouths[8][3] = {{44, 48, 225},   {122, 48, 225}, {200, 48, 225}, {53, 120, 135},
                                  {191, 120, 315}, {44, 185, 45},  {122, 185, 45}, {200, 185, 45}};
        for (int k = 0; k < 8; ++k) {
            EXPECT_EQ(mouths[k][2] + platform::Random() % 90, added[k]->GetAngle()) << k;
            EXPECT_EQ(MovePattern::Radial, added[k]->GetMovePattern());
            EXPECT_EQ(1, added[k]->GetRadius()) << "one pixel a frame";
            EXPECT_EQ(190 + mouths[k][0], added[k]->GetRect().x) << k;
            EXPECT_EQ(47 + mouths[k][1], added[k]->GetRect().y) << k;
        }
    }
    EXPECT_EQ(110, volleys);
    EXPECT_EQ(2, boss.GetPhase());
    EXPECT_EQ(1, boss.GetFrame());
}

TEST_F(MonstroTest, ALungeDropsToTheBottomAndClimbsBackToRest) {
    RunTo(2, 0);
    std::vector<int> ys;
    for (int tick = 0; tick <= 250; ++tick) {
        EXPECT_TRUE(FrameNewShots().empty()) << "no fire during a lunge";
        EXPECT_EQ(1, boss.GetFrame()) << "no animation during a lunge";
        ys.push_back(boss.GetRect().y);
    }
    EXPECT_EQ(47, ys[100]);
    EXPECT_EQ(53, ys[101]);
    EXPECT_EQ(47 + 6 * 30, ys[130]);  // its bottom edge at 481
    EXPECT_EQ(ys[130], ys[159]);
    EXPECT_EQ(ys[130] - 6, ys[160]);
    EXPECT_EQ(47, ys[189]);
    EXPECT_EQ(47, ys[250]);
    EXPECT_EQ(3, boss.GetPhase());
}

TEST_F(MonstroTest, WalkersLeaveTheSideMouthsDropAndCreepBack) {
    RunTo(3, 0);
    platform::SeedRandom(77);
    std::vector<EnemyShot*> added = FrameNewShots();
    ASSERT_EQ(2u, added.size());
    platform::SeedRandom(77);
    struct Walker {
        int out, sideways, drop, creep;
        EnemyShot* shot;
        int x, y;
        bool gone;
    } walkers[2];
    for (int side = 0; side < 2; ++side) {
        Walker& w = walkers[side];
        w.out = side == 0 ? -3 : 3;
        w.sideways = 20 + platform::Random() % 33;
        w.drop = platform::Random() % 60;
        w.creep = platform::Random() % 348;
        w.shot = added[side];
        w.x = 190 + (side == 0 ? 53 : 191);
        w.y = 47 + 120;
        w.gone = false;
        EXPECT_FALSE(w.shot->IsPatternMode());
        EXPECT_EQ(16, w.shot->GetRect().w);
    }
    // Follow both along their legs while they last (the boss itself stands still).
    EnemyShot** slots = boss.GetShots();
    const int left = static_cast<int>(std::find(slots, slots + 2000, walkers[0].shot) - slots);
    const int right = static_cast<int>(std::find(slots, slots + 2000, walkers[1].shot) - slots);
    for (int step = 1; step <= 150; ++step) {
        for (Walker& w : walkers) {
            // A leg of no steps is never counted off: the walker keeps to it.
            if (step <= w.sideways) {
                w.x += w.out;
            } else if (step <= w.sideways + w.drop || w.drop == 0) {
                w.y += 3;
            } else if (step <= w.sideways + w.drop + w.creep || w.creep == 0) {
                w.x -= w.out / 3;
            } else {
                w.y += 1;
            }
            // Past the playfield it is gone, and its slot may hold a new walker.
            if (w.x + 16 < 138 || w.x > 502 || w.y > 480) w.gone = true;
        }
        if (step > 1) FrameNewShots();
        for (int side = 0; side < 2; ++side) {
            if (walkers[side].gone) continue;
            const EnemyShot* shot = slots[side == 0 ? left : right];
            ASSERT_EQ(walkers[side].shot, shot);
            ASSERT_EQ(walkers[side].x, shot->GetRect().x) << side << " step " << step;
            ASSERT_EQ(walkers[side].y, shot->GetRect().y) << side << " step " << step;
        }
    }
}

TEST_F(MonstroTest, AWalkerVolleyShortOfSlotsDrawsOnlyForTheWalkersItPlaces) {
    RunTo(3, 0);
    // Leave one free slot.
    EnemyShot** slots = boss.GetShots();
    const PathSegment still = {0, 0, 1};
    int freeSlot = -1;
    for (int i = 0; i < boss.GetShotCount(); ++i) {
        if (slots[i]) continue;
        if (freeSlot < 0) {
            freeSlot = i;
            continue;
        }
        slots[i] = new EnemyShot(nullptr, nullptr, nullptr, MakeRect(300, 300, 4, 4), still, still, still, still);
    }
    platform::SeedRandom(9);
    const std::vector<EnemyShot*> added = FrameNewShots();
    const int after = platform::Random();
    ASSERT_EQ(1u, added.size());
    EXPECT_EQ(190 + 53 - 3, added[0]->GetRect().x) << "the left walker";
    platform::SeedRandom(9);
    for (int draw = 0; draw < 3; ++draw) platform::Random();
    EXPECT_EQ(platform::Random(), after) << "three draws, for the left walker only";
}

TEST_F(MonstroTest, ItSwaysBetweenTheTwoTurningPointsTwoPixelsAFrame) {
    RunTo(4, 0);
    std::vector<int> xs;
    for (int frame = 0; frame < 400; ++frame) {
        const int phaseBefore = boss.GetPhase();
        const int before = boss.GetRect().x;
        FrameNewShots();
        const int x = boss.GetRect().x;
        // A random lunge holds x; the frame that ends it does nothing else.
        if (phaseBefore == 5) {
            ASSERT_EQ(before, x);
            continue;
        }
        ASSERT_EQ(2, std::abs(x - before)) << frame;
        ASSERT_GE(x, Monstro::kSwayLeftX);
        ASSERT_LE(x, Monstro::kSwayRightX);
        xs.push_back(x);
    }
    EXPECT_EQ(188, xs[0]);
    EXPECT_NE(std::find(xs.begin(), xs.end(), 138), xs.end());
    EXPECT_NE(std::find(xs.begin(), xs.end(), 240), xs.end());
}

TEST(MonstroEdgeTest, TheOffScreenRuleWatchesX510OnTheRight) {
    Monstro inside(testsupport::Screen(), {.x = 510, .y = 47, .spawnTime = 0}, {.units = 8});
    Monstro outside(testsupport::Screen(), {.x = 511, .y = 47, .spawnTime = 0}, {.units = 8});
    EXPECT_TRUE(inside.Update());
    EXPECT_FALSE(outside.Update());
    EXPECT_TRUE(outside.IsDestroyed());
    EXPECT_FALSE(outside.ExplosionStarted());
}

}  // namespace
