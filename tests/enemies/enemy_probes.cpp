#include "enemy_probes.h"

#include <gtest/gtest.h>

#include <memory>

#include "core/utilities.h"
#include "platform/platform.h"

namespace enemyprobes {

EnemyShot* StillShot(int x, int y, int damage) {
    const PathSegment still = {0, 0, 1};
    auto* shot = new EnemyShot(nullptr, nullptr, nullptr, MakeRect(x - 2, y - 5, 4, 10), still, still, still, still);
    shot->SetDamage(damage);
    shot->SetBoosted(IsBoostedDamage(damage));
    return shot;
}

int HitCentre(Enemy& enemy, int damage) {
    const SDL_Rect b = enemy.GetRect();
    EnemyShot* shots[1] = {StillShot(b.x + b.w / 2, b.y + b.h / 2, damage)};
    const int result = enemy.CheckHit(shots, 1);
    DeleteShots(shots, 1);
    return result;
}

std::vector<EnemyShot*> FrameNewShots(Enemy& enemy, bool* alive) {
    EnemyShot** shots = enemy.GetShots();
    const int count = enemy.GetShotCount();
    std::vector<bool> freeBefore(count);
    for (int i = 0; i < count; ++i) freeBefore[i] = shots[i] == nullptr;
    const bool stillAlive = enemy.Update();
    if (alive) *alive = stillAlive;
    platform::Sleep(13);
    std::vector<EnemyShot*> added;
    for (int i = 0; i < count; ++i)
        if (freeBefore[i] && shots[i]) added.push_back(shots[i]);
    return added;
}

bool Frame(Enemy& enemy) {
    bool alive = false;
    FrameNewShots(enemy, &alive);
    return alive;
}

void ExpectBuilt(const Construction& row) {
    SCOPED_TRACE(row.name);
    std::unique_ptr<RegularEnemy> enemy(row.make());
    EXPECT_EQ(row.hitPoints, enemy->GetHitPoints());
    EXPECT_EQ(row.frame, enemy->GetFrame());
    EXPECT_EQ(RegularEnemy::kNormal, enemy->GetState());
    for (int i = 0; i < enemy->GetShotCount(); ++i) ASSERT_EQ(nullptr, enemy->GetShots()[i]) << i;
}

void ExpectEdges(const std::vector<Placed>& rows) {
    for (const Placed& row : rows) {
        SCOPED_TRACE(row.name);
        std::unique_ptr<RegularEnemy> enemy(row.enemy);
        EXPECT_EQ(row.stays, Frame(*enemy));
        EXPECT_EQ(!row.stays, enemy->IsDestroyed());
        EXPECT_FALSE(enemy->ExplosionStarted());
    }
}

}  // namespace enemyprobes
