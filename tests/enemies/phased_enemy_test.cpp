// The entry / attack / exit machine of the large ships, on Delta and Yeux: when each phase
// switches, how far they move, when and what they fire, and how they stop when destroyed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "core/utilities.h"
#include "enemies/framework/level_assets.h"
#include "enemies/regular/delta.h"
#include "enemies/regular/yeux.h"
#include "enemy_probes.h"
#include "platform/platform.h"
#include "platform/random.h"
#include "support/sdl_env.h"

namespace {

using enemyprobes::At;
using enemyprobes::FrameNewShots;

class PhasedEnemyTest : public ::testing::Test {
protected:
    void SetUp() override {
        assets.Load(1);
        platform::SeedRandom(11);
    }

    LevelAssets assets;
    SDL_Surface* screen = testsupport::Screen();
};

TEST_F(PhasedEnemyTest, DeltaComesDownAttacksSevenHundredFramesTurningItsFansAndLeavesAtTheBottom) {
    Delta delta(screen, &assets, At(236, -93), {.strength = 4});
    std::vector<int> ys(1, -93);
    std::vector<int> volleyFrames;
    std::vector<int> angles;
    for (int frame = 1; frame <= 800; ++frame) {
        // The aim turns before every volley, also when the array is too full for all ten shots.
        const int angle = delta.GetFireAngle();
        const std::vector<EnemyShot*> added = FrameNewShots(delta);
        if (delta.GetFireAngle() != angle) {
            if (volleyFrames.empty()) {
                EXPECT_EQ(10u, added.size());
            }
            volleyFrames.push_back(frame);
            angles.push_back(delta.GetFireAngle());
            EXPECT_LE(added.size(), 10u);
        } else {
            EXPECT_TRUE(added.empty()) << frame;
        }
        ys.push_back(delta.GetRect().y);
    }
    EXPECT_EQ(-93 + 4 * 65, ys[65]);  // 4 pixels a frame for the 65 frames of the entry
    EXPECT_EQ(ys[65], ys[66]);        // the switch to the attack does not move
    EXPECT_EQ(ys[65], ys[766]);       // the attack holds still
    EXPECT_EQ(ys[65] + 5, ys[767]);   // the frame the attack ends already steps out
    EXPECT_EQ(ys[65] + 5 * 34, ys[800]);
    EXPECT_EQ(PhasedEnemy::kExit, delta.GetPhase());
    // Every fourth attack frame strictly between 30 and 600: counters 32 .. 596.
    ASSERT_EQ(142u, volleyFrames.size());
    EXPECT_EQ(66 + 33, volleyFrames.front());
    EXPECT_EQ(66 + 597, volleyFrames.back());
    // 13 degrees a volley: 27 volleys bring it to 351, the next to 364; then it folds to
    // 360 - 364 and turns on.
    EXPECT_EQ((std::vector<int>{13, 26, 351, 364, 360 - 364 + 13}),
              (std::vector<int>{angles[0], angles[1], angles[26], angles[27], angles[28]}));
}

TEST_F(PhasedEnemyTest, DeltaWithFiveFreeSlotsFiresOnlyItsLeftFan) {
    Delta delta(screen, &assets, At(236, -93), {.strength = 4});
    EnemyShot** shots = delta.GetShots();
    for (int i = 0; i < 495; ++i) shots[i] = enemyprobes::StillShot(300, 300);
    std::vector<EnemyShot*> added;
    for (int frame = 1; frame <= 120 && added.empty(); ++frame) added = FrameNewShots(delta);
    ASSERT_EQ(5u, added.size());
    const int bx = delta.GetRect().x;
    for (EnemyShot* shot : added) EXPECT_NEAR(bx + 46, shot->GetRect().x, 3);
}

TEST_F(PhasedEnemyTest, YeuxEnteringFromTheRightFliesLeftAndLeavesToTheRight) {
    Yeux eyes(screen, &assets, At(501, 100), {.strength = 4});
    EXPECT_EQ(-1, eyes.GetDir());
    std::vector<int> xs(1, 501);
    int volleys = 0;
    bool ended = false;
    for (int frame = 1; frame <= 1000 && !ended; ++frame) {
        const std::vector<EnemyShot*> added = FrameNewShots(eyes);
        if (!added.empty()) {
            ++volleys;
            EXPECT_EQ(3u, added.size());
        }
        xs.push_back(eyes.GetRect().x);
        ended = eyes.IsDestroyed();
    }
    EXPECT_EQ(501 - 4 * 28, xs[28]);  // moves for 28 of its 35 entry frames
    EXPECT_EQ(xs[28], xs[35]);
    EXPECT_EQ(142, volleys);
    EXPECT_EQ(1, eyes.GetFrame());  // fixed frame of a ship from the right
    EXPECT_TRUE(ended) << "it went back out to the right";
    EXPECT_GT(xs.back(), 502 - 4);
    EXPECT_FALSE(eyes.ExplosionStarted());

    Yeux left(screen, &assets, At(29, 100), {.strength = 4});
    for (int frame = 0; frame < 28; ++frame) FrameNewShots(left);
    EXPECT_EQ(29 + 4 * 28, left.GetRect().x);
}

TEST_F(PhasedEnemyTest, ADestroyedShipStopsAtOnceButItsShotsFlyOn) {
    Delta delta(screen, &assets, At(236, -93), {.strength = 1});
    for (int frame = 0; frame < 120; ++frame) FrameNewShots(delta);
    ASSERT_GT(delta.LiveShots(), 0);
    const SDL_Rect b = delta.GetRect();
    enemyprobes::HitCentre(delta, 350);
    ASSERT_TRUE(delta.IsDestroyed());
    EnemyShot** shots = delta.GetShots();
    const int slot = static_cast<int>(std::find_if(shots, shots + 500, [](EnemyShot* s) { return s; }) - shots);
    EnemyShot* const flying = shots[slot];
    const SDL_Rect was = flying->GetRect();
    bool alive = true;
    for (int frame = 1; alive; ++frame) {
        ASSERT_LT(frame, 2000);
        EXPECT_TRUE(FrameNewShots(delta, &alive).empty());
        EXPECT_EQ(b.y, delta.GetRect().y);
        if (frame == 1) {
            ASSERT_EQ(flying, shots[slot]);
            EXPECT_TRUE(flying->GetRect().x != was.x || flying->GetRect().y != was.y) << "its shots fly on";
        }
        if (delta.LiveShots() > 0) {
            ASSERT_TRUE(alive) << "the ship stays while a shot of it flies, frame " << frame;
        }
    }
    EXPECT_EQ(0, delta.LiveShots());
    EXPECT_TRUE(delta.ExplosionStarted()) << "the large ships tell the level their explosion has begun";
}

}  // namespace
