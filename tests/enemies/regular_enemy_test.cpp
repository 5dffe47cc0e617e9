// The rules every regular enemy shares, on the smallest one: the hit rule and the walk over the
// hero's shots.
#include <gtest/gtest.h>

#include "core/utilities.h"
#include "enemies/regular/regular_enemy.h"
#include "support/sdl_env.h"

namespace {

class Target : public RegularEnemy {
public:
    static constexpr catalogue::Picture kSheet = {.path = "", .key = catalogue::kNoKey, .cellWidth = 30, .cellHeight = 30};
    static constexpr catalogue::EnemyKind kKind = {.name = "Target", .sheet = &kSheet, .hitHalfWidth = 15,
                                                   .hitHalfHeight = 15, .explosion = &kSheet, .explosionFrameWidth = 8,
                                                   .explosionFrameHeight = 8, .explosionFrames = 2};
    static constexpr RegularTraits kTraits = {.kind = &kKind, .points = 10, .shotSlots = 1, .explosionFrameMs = 10};
    explicit Target(int hitPoints)
        : RegularEnemy(testsupport::Screen(), nullptr, {.x = 100, .y = 100, .spawnTime = 0}, kTraits, hitPoints) {}
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
