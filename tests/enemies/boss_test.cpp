// The rules every boss shares, on the smallest one: the walk over the hero's shots.
#include <gtest/gtest.h>

#include "core/utilities.h"
#include "enemies/bosses/boss.h"
#include "support/sdl_env.h"

namespace {

class StillBoss : public Boss {
public:
    explicit StillBoss(const BossTraits& traits)
        : Boss(testsupport::Screen(), 200, 100, 0, 1, traits) {}

protected:
    void RunScript(int&, int&) override {}
};

// A 70 x 62 box at (200, 100): its centre is (235, 131).
const BossTraits kPlain = {.points = 1, .energyPerUnit = 7, .shotSlots = 1, .sheet = &catalogue::kMoineSheet,
                           .hitHalfWidth = 10, .hitHalfHeight = 10, .rightEdge = 502};
const BossTraits kTellsBoost = {.points = 1, .energyPerUnit = 7, .shotSlots = 1, .sheet = &catalogue::kMoineSheet,
                                .hitHalfWidth = 10, .hitHalfHeight = 10, .rightEdge = 502, .boostedResult = true};

EnemyShot* CentreShot(int damage, bool boosted) {
    const PathSegment still = {0, 0, 1};
    auto* shot = new EnemyShot(nullptr, nullptr, nullptr, MakeRect(233, 129, 4, 4), still, still, still, still);
    shot->SetDamage(damage);
    shot->SetBoosted(boosted);
    return shot;
}

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
