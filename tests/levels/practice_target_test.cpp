// The proving ground's target: entry and music hold, hits against its energy, and its end.
#include <gtest/gtest.h>

#include "enemies/framework/enemy_shot.h"
#include "levels/practice_target.h"
#include "platform/platform.h"
#include "core/utilities.h"
#include "support/sdl_env.h"

namespace {

// A hero-like shot of damage `damage` whose centre lies on (x, y).
EnemyShot* ShotAt(int x, int y, int damage) {
    const PathSegment still = {0, 0, 1};
    auto* shot = new EnemyShot(nullptr, nullptr, nullptr, MakeRect(x - 2, y - 5, 4, 10), still, still, still, still);
    shot->SetDamage(damage);
    return shot;
}

TEST(PracticeTargetTest, SlidesInThenReleasesTheMusicHoldAndStartsFiring) {
    PracticeTarget target(testsupport::Screen(), MakeRect(284, -62, 70, 62), 30, 25, 0, 1);
    target.SetMusicHold(true);
    // 2 pixels a frame from -62: y reaches 60 on the 61st frame.
    for (int frame = 1; frame <= 60; ++frame) ASSERT_TRUE(target.Update());
    EXPECT_TRUE(target.IsMusicHeld());
    EXPECT_EQ(0, target.LiveShots());
    target.Update();
    EXPECT_EQ(60, target.GetRect().y);
    EXPECT_FALSE(target.IsMusicHeld());
    target.Update();  // the first fan leaves on the first frame after the entry
    EXPECT_EQ(5, target.LiveShots());
}

TEST(PracticeTargetTest, HitsCostTheirDamageAndTheKillingShotEndsTheTest) {
    PracticeTarget target(testsupport::Screen(), MakeRect(200, 100, 70, 62), 30, 25, 0, 1);
    ASSERT_EQ(150, target.GetMaxEnergy());
    // Centre (235, 131). Slot 0 misses (just outside the 30 + 2 reach), slots 1 and 2 hit.
    EnemyShot* shots[4] = {ShotAt(235 + 32, 131, 3), ShotAt(235 + 31, 131, 3), ShotAt(235, 131 - 29, 4), nullptr};
    EXPECT_EQ(2, target.CheckHit(shots, 4));
    EXPECT_EQ(150 - 7, target.GetEnergy());
    EXPECT_NE(nullptr, shots[0]);
    EXPECT_EQ(nullptr, shots[1]);
    EXPECT_EQ(nullptr, shots[2]);
    EXPECT_FALSE(target.IsDestroyed());

    // 143 left: a shot of 143 kills, the one after it flies on.
    shots[1] = ShotAt(235, 131, 143);
    shots[2] = ShotAt(235, 131, 3);
    EXPECT_EQ(1, target.CheckHit(shots, 4));
    EXPECT_TRUE(target.IsDestroyed());
    EXPECT_EQ(0, target.GetEnergy());
    EXPECT_NE(nullptr, shots[2]);
    EXPECT_EQ(Enemy::kNoHit, target.CheckHit(shots, 4));  // shots pass through the explosion
    DeleteShots(shots, 4);
}

TEST(PracticeTargetTest, ExplodesInSixteenTimedStepsThenWaitsThirtyFiveFrames) {
    PracticeTarget target(testsupport::Screen(), MakeRect(200, 100, 70, 62), 30, 25, 0, 1);
    EnemyShot* shots[1] = {ShotAt(235, 131, 150)};
    target.CheckHit(shots, 1);
    ASSERT_TRUE(target.IsDestroyed());
    EXPECT_FALSE(target.ExplosionStarted());
    int updates = 0;
    bool alive = true;
    while (alive && updates < 200) {
        platform::AdvanceVirtualClock(61);  // one explosion step per frame
        alive = target.Update();
        ++updates;
        if (updates == 1) {
            EXPECT_TRUE(target.ExplosionStarted());
        }
    }
    EXPECT_EQ(16 + 35 + 1, updates);
}

TEST(PracticeTargetTest, TheExplosionWaitsForItsTimerNotForFrames) {
    PracticeTarget target(testsupport::Screen(), MakeRect(200, 100, 70, 62), 30, 25, 0, 1);
    EnemyShot* shots[1] = {ShotAt(235, 131, 150)};
    target.CheckHit(shots, 1);
    platform::AdvanceVirtualClock(61);
    // Without time passing only the first step happens, however many frames run.
    for (int frame = 0; frame < 100; ++frame) ASSERT_TRUE(target.Update());
}

}  // namespace
