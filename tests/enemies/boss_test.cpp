// The rules every boss shares: the walk over the hero's shots on the smallest one; the hit
// flash and the exact zero, the explosion and the end, and the off-screen rule on Moine.
#include <gtest/gtest.h>

#include <vector>

#include "core/utilities.h"
#include "enemies/bosses/boss.h"
#include "enemies/bosses/moine.h"
#include "enemy_probes.h"
#include "platform/random.h"
#include "support/sdl_env.h"

namespace {

class StillBoss : public Boss {
public:
    explicit StillBoss(const BossTraits& traits)
        : Boss(testsupport::Screen(), {.x = 200, .y = 100, .spawnTime = 0}, {.units = 1}, traits) {}

protected:
    void RunScript(int&, int&) override {}
};

// A 70 x 62 box at (200, 100): its centre is (235, 131).
const BossTraits kPlain = {.points = 1,
                           .energyPerUnit = 7,
                           .shotSlots = 1,
                           .sheet = &catalogue::kMoineSheet,
                           .hitHalfWidth = 10,
                           .hitHalfHeight = 10,
                           .rightEdge = 502};
const BossTraits kTellsBoost = {.points = 1,
                                .energyPerUnit = 7,
                                .shotSlots = 1,
                                .sheet = &catalogue::kMoineSheet,
                                .hitHalfWidth = 10,
                                .hitHalfHeight = 10,
                                .rightEdge = 502,
                                .boostedResult = true};

EnemyShot* CentreShot(int damage, bool boosted) {
    const PathSegment still = {0, 0, 1};
    auto* shot = new EnemyShot(nullptr, nullptr, nullptr, MakeRect(233, 129, 4, 4), still, still, still, still);
    shot->SetDamage(damage);
    shot->SetBoosted(boosted);
    return shot;
}

class BossOnMoineTest : public ::testing::Test {
protected:
    void SetUp() override { platform::SeedRandom(2); }

    // One frame; the shots it added.
    std::vector<EnemyShot*> FrameNewShots() { return enemyprobes::FrameNewShots(boss, &alive); }

    // Hero shots of the given damages, all on the boss's centre; returns CheckHit's result.
    int Hit(std::vector<int> damages, std::vector<EnemyShot*>* left = nullptr) {
        const SDL_Rect b = boss.GetRect();
        const PathSegment still = {0, 0, 1};
        std::vector<EnemyShot*> shots;
        for (int damage : damages) {
            shots.push_back(new EnemyShot(nullptr, nullptr, nullptr,
                                          MakeRect(b.x + b.w / 2 - 2, b.y + b.h / 2 - 5, 4, 10), still, still, still,
                                          still));
            shots.back()->SetDamage(damage);
            shots.back()->SetBoosted(enemyprobes::IsBoostedDamage(damage));
        }
        const int result = boss.CheckHit(shots.data(), static_cast<int>(shots.size()));
        if (left)
            *left = shots;
        else
            DeleteShots(shots.data(), static_cast<int>(shots.size()));
        return result;
    }

    Moine boss{testsupport::Screen(), {.x = 284, .y = 210, .spawnTime = 0}, {.units = 4}};
    bool alive = true;
};

}  // namespace

TEST(BossTest, EveryShotOfACallCountsPastTheKillAndOnlySomeBossesTellTheBoost) {
    for (const BossTraits* traits : {&kPlain, &kTellsBoost}) {
        StillBoss boss(*traits);
        EnemyShot* shots[3] = {CentreShot(5, false), CentreShot(5, false), CentreShot(1, true)};
        const int result = boss.CheckHit(shots, 3);
        EXPECT_EQ(traits->boostedResult ? Enemy::kBoostedHit : 2, result);
        EXPECT_EQ(-4, boss.GetEnergy()) << "7 - 5 - 5 - 1";
        EXPECT_TRUE(boss.IsDestroyed());
        for (EnemyShot* shot : shots) EXPECT_EQ(nullptr, shot);
        EXPECT_EQ(Enemy::kNoHit, boss.CheckHit(shots, 3));
    }
}

TEST_F(BossOnMoineTest, HitsCostEnergyAndTheExactZeroKills) {
    EXPECT_EQ(0, Hit({1}));
    EXPECT_EQ(Boss::kHit, boss.GetState());
    FrameNewShots();
    EXPECT_EQ(Boss::kNormal, boss.GetState()) << "the flash lasts one frame";

    // Two shots in one call: both cost energy, both are consumed, the later index is returned.
    std::vector<EnemyShot*> shots;
    EXPECT_EQ(1, Hit({5000, 6998}, &shots));
    EXPECT_EQ(nullptr, shots[0]);
    EXPECT_EQ(nullptr, shots[1]);
    EXPECT_EQ(1, boss.GetEnergy());
    EXPECT_FALSE(boss.IsDestroyed());

    // Exactly zero destroys; a shot after the killing one in the same call still counts.
    EXPECT_EQ(2, Hit({1, 4, 6}));
    EXPECT_TRUE(boss.IsDestroyed());
    EXPECT_EQ(-10, boss.GetEnergy());
    EXPECT_EQ(Enemy::kNoHit, Hit({1})) << "shots pass through a destroyed boss";
    EXPECT_EQ(-10, boss.GetEnergy());
}

TEST_F(BossOnMoineTest, TheExplosionShowsFifteenCellsThenTheBossWaitsThirtyFiveFrames) {
    FrameNewShots();
    Hit({12000});
    ASSERT_TRUE(boss.IsDestroyed());
    EXPECT_FALSE(boss.ExplosionStarted());
    FrameNewShots();
    EXPECT_TRUE(boss.ExplosionStarted());
    EXPECT_EQ(1, boss.GetExplosionCell()) << "the first step comes at once, showing nothing";
    int frames = 1;
    while (boss.GetExplosionCell() < Boss::kExplosionCells) {
        ASSERT_TRUE(alive);
        FrameNewShots();
        ++frames;
    }
    EXPECT_EQ(1 + 15 * 5, frames);  // 60 ms a cell, 13 ms frames: a step every fifth frame
    for (int wait = 1; wait <= 35; ++wait) {
        FrameNewShots();
        ASSERT_TRUE(alive) << wait;
    }
    FrameNewShots();
    EXPECT_FALSE(alive);
    EXPECT_EQ(1, boss.GetPhase()) << "the script stopped with the kill";
}

TEST_F(BossOnMoineTest, TheOffScreenRuleRemovesABossSilently) {
    struct Case {
        SDL_Rect box;
        bool removed;
    } cases[] = {
        {MakeRect(502, 100, 70, 62), false}, {MakeRect(503, 100, 70, 62), true},  {MakeRect(68, 100, 70, 62), false},
        {MakeRect(67, 100, 70, 62), true},   {MakeRect(300, 640, 70, 62), false}, {MakeRect(300, 641, 70, 62), true},
        {MakeRect(300, -62, 70, 62), false}, {MakeRect(300, -63, 70, 62), true},
    };
    for (const Case& c : cases) {
        Moine moine(testsupport::Screen(), {.x = c.box.x, .y = c.box.y, .spawnTime = 0}, {.units = 4});
        moine.Update();
        EXPECT_EQ(c.removed, moine.IsDestroyed()) << c.box.x << "," << c.box.y;
        if (c.removed) {
            EXPECT_FALSE(moine.Update());
            EXPECT_FALSE(moine.ExplosionStarted());
        }
    }
}
