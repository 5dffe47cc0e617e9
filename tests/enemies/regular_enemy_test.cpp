// The rules every regular enemy shares: the hit rule and the walk over the hero's shots on the
// smallest one; the hit flash, the timed explosion and the wait for the last shot on Level 1's
// ball and bird.
#include <gtest/gtest.h>

#include <memory>

#include "core/utilities.h"
#include "enemies/framework/level_assets.h"
#include "enemies/regular/boule.h"
#include "enemies/regular/piaf.h"
#include "enemies/regular/regular_enemy.h"
#include "enemy_probes.h"
#include "platform/random.h"
#include "support/sdl_env.h"

namespace {

using enemyprobes::At;

class Target : public RegularEnemy {
public:
    static constexpr catalogue::Picture kSheet = {
        .path = "", .key = catalogue::kNoKey, .cellWidth = 30, .cellHeight = 30};
    static constexpr catalogue::EnemyKind kKind = {.name = "Target",
                                                   .sheet = &kSheet,
                                                   .hitHalfWidth = 15,
                                                   .hitHalfHeight = 15,
                                                   .explosion = &kSheet,
                                                   .explosionFrameWidth = 8,
                                                   .explosionFrameHeight = 8,
                                                   .explosionFrames = 2};
    static constexpr RegularTraits kTraits = {.kind = &kKind, .points = 10, .shotSlots = 1, .explosionFrameMs = 10};
    explicit Target(int hitPoints) : RegularEnemy(testsupport::Screen(), nullptr, At(100, 100), kTraits, hitPoints) {}
    int kills = 0;

protected:
    void Steer() override {}
    void Killed() override { ++kills; }
};

// A still 4 x 4 hero shot centred on (x, y).
EnemyShot* Shot(int x, int y, int damage, bool boosted = false) {
    const PathSegment still = {0, 0, 1};
    auto* shot = new EnemyShot(nullptr, nullptr, nullptr, MakeRect(x - 2, y - 2, 4, 4), still, still, still, still);
    shot->SetDamage(damage);
    shot->SetBoosted(boosted);
    return shot;
}

using enemyprobes::Frame;
using enemyprobes::HitCentre;
using enemyprobes::StillShot;

constexpr Uint32 kFrameMs = 13;  // one frame of the virtual clock

class RegularEnemyOnABallTest : public ::testing::Test {
protected:
    void SetUp() override {
        assets.Load(1);
        platform::SeedRandom(5);
    }

    LevelAssets assets;
    SDL_Surface* screen = testsupport::Screen();
};

}  // namespace

TEST(RegularEnemyTest, TheHitRuleIsStrictOnBothAxes) {
    // Centre (115, 115); a 4-pixel shot reaches 2 + 15 = 17 pixels, not including the 17th.
    Target target(100);
    EnemyShot* shots[4] = {Shot(115 + 17, 115, 1), Shot(115, 115 - 17, 1), Shot(115 - 16, 115, 1),
                           Shot(115, 115 + 16, 1)};
    EXPECT_EQ(3, target.CheckHit(shots, 4));
    EXPECT_NE(nullptr, shots[0]);
    EXPECT_NE(nullptr, shots[1]);
    EXPECT_EQ(nullptr, shots[2]);
    EXPECT_EQ(nullptr, shots[3]);
    EXPECT_EQ(98, target.GetHitPoints());
    DeleteShots(shots, 4);
}

TEST(RegularEnemyTest, TheKillingShotEndsTheWalkAndTheShotSaysWhetherItIsBoosted) {
    Target target(5);
    // 4 damage without the boost is a plain hit: the answer is its index.
    EnemyShot* shots[3] = {Shot(115, 115, 3, true), Shot(115, 115, 4), Shot(115, 115, 1, true)};
    EXPECT_EQ(1, target.CheckHit(shots, 3));
    EXPECT_TRUE(target.IsDestroyed());
    EXPECT_EQ(1, target.kills);
    EXPECT_NE(nullptr, shots[2]) << "the shot after the kill flies on";
    EXPECT_EQ(Enemy::kNoHit, target.CheckHit(shots, 3));
    DeleteShots(shots, 3);

    Target other(1);
    EnemyShot* boosted[1] = {Shot(115, 115, 1, true)};
    EXPECT_EQ(Enemy::kBoostedHit, other.CheckHit(boosted, 1));
}

TEST_F(RegularEnemyOnABallTest, AHitFlashesForOneFrameAndTwoHitsInOneFrameAddUp) {
    Boule ball(screen, &assets, At(300, 100), {.vy = 0, .vx = 0, .leader = false, .hitPoints = 5});
    EXPECT_EQ(0, HitCentre(ball, 1));
    EXPECT_EQ(RegularEnemy::kHit, ball.GetState());
    EXPECT_EQ(4, ball.GetHitPoints());
    Frame(ball);
    EXPECT_EQ(RegularEnemy::kNormal, ball.GetState());

    // Two boosted shots in one call: 5 - 8, destroyed at once without a flash.
    Boule other(screen, &assets, At(300, 100), {.vy = 0, .vx = 0, .leader = false, .hitPoints = 5});
    EnemyShot* shots[3] = {StillShot(315, 115, 4), nullptr, StillShot(315, 115, 4)};
    EXPECT_EQ(Enemy::kBoostedHit, other.CheckHit(shots, 3));
    EXPECT_TRUE(other.IsDestroyed());
    EXPECT_EQ(-3, other.GetHitPoints());
    EXPECT_EQ(nullptr, shots[0]);
    EXPECT_EQ(nullptr, shots[2]);
    EXPECT_EQ(Enemy::kNoHit, HitCentre(other, 1)) << "a destroyed enemy is not hit again";
}

TEST_F(RegularEnemyOnABallTest, TheHitTestIsStrictOnBothAxes) {
    // Box (300, 100, 30, 30): centre (315, 115), half extents 15 x 15; the shots are 4 x 10.
    struct Case {
        int x, y;
        bool hit;
    } cases[] = {{315 + 16, 115, true}, {315 + 17, 115, false}, {315 - 16, 115, true}, {315 - 17, 115, false},
                 {315, 115 + 19, true}, {315, 115 + 20, false}, {315, 115 - 19, true}, {315, 115 - 20, false}};
    for (const Case& c : cases) {
        Boule ball(screen, &assets, At(300, 100), {.vy = 0, .vx = 0, .leader = false, .hitPoints = 5});
        EnemyShot* shots[1] = {StillShot(c.x, c.y)};
        EXPECT_EQ(c.hit ? 0 : Enemy::kNoHit, ball.CheckHit(shots, 1)) << c.x << "," << c.y;
        DeleteShots(shots, 1);
    }
}

TEST_F(RegularEnemyOnABallTest, TheExplosionStepsEveryTwoFramesAndTheEnemyGoesThirtySixFramesAfterIt) {
    struct Case {
        const char* name;
        RegularEnemy* enemy;
        int stepsToEnd;  // counter advances from the first value to explosionFrames
    } cases[] = {
        {"Boule", new Boule(screen, &assets, At(300, 100), {.vy = 0, .vx = 0, .leader = false, .hitPoints = 1}), 12},
        {"Piaf", new Piaf(screen, &assets, At(300, 100)), 11},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<RegularEnemy> enemy(c.enemy);
        HitCentre(*enemy, 10);
        ASSERT_TRUE(enemy->IsDestroyed());
        int frames = 0;
        while (enemy->GetExplosionFrame() < enemy->Traits().kind->explosionFrames) {
            ASSERT_TRUE(Frame(*enemy));
            ++frames;
        }
        // 20 or 50 ms a step against 13 ms frames: Boule steps on every second frame, Piaf on
        // every fourth; the first step comes at once.
        const int framesPerStep = enemy->Traits().explosionFrameMs / static_cast<int>(kFrameMs) + 1;
        EXPECT_EQ(1 + (c.stepsToEnd - 1) * framesPerStep, frames);
        for (int wait = 1; wait <= 35; ++wait) ASSERT_TRUE(Frame(*enemy)) << wait;
        EXPECT_FALSE(Frame(*enemy));
    }
}

TEST_F(RegularEnemyOnABallTest, ADestroyedBallWaitsForItsLastShot) {
    Boule ball(screen, &assets, At(300, 100), {.vy = 0, .vx = 0, .leader = false, .hitPoints = 5});
    const PathSegment fall = {0, 2, 300};
    ball.GetShots()[1] = new EnemyShot(screen, nullptr, nullptr, MakeRect(311, 300, 9, 9), fall, fall, fall, fall);
    HitCentre(ball, 5);
    int frames = 0;
    while (Frame(ball)) ASSERT_LT(++frames, 1000);
    EXPECT_EQ(0, ball.LiveShots());
    EXPECT_GT(frames, 80) << "the shot had 180 pixels to fall at 2 a frame";
}
