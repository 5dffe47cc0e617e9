// The enemy base: spawn gating and 16-bit moves.
#include <gtest/gtest.h>

#include "core/utilities.h"
#include "enemies/framework/enemy.h"

namespace {

// The smallest enemy: owns a shot array and frees it as every concrete class must.
class StubEnemy : public Enemy {
public:
    StubEnemy(SDL_Rect box, int spawnTime) : Enemy(box, 6, 4, spawnTime, 250) {}
    ~StubEnemy() override { DeleteShots(shots, 3); }
    bool Update() override { return UpdateShots(shots, 3) > 0; }
    int CheckHit(EnemyShot**, int) override { return kNoHit; }
    bool IsDestroyed() override { return false; }
    EnemyShot** GetShots() override { return shots; }
    int GetShotCount() override { return 3; }

private:
    EnemyShot* shots[3] = {};
};

}  // namespace

TEST(EnemyBase, SpawnTimeGatesActivityAndMovesWrapAtSixteenBits) {
    StubEnemy enemy(MakeRect(32760, -32760, 10, 10), 5000);
    EXPECT_FALSE(enemy.IsActive(4999));
    EXPECT_TRUE(enemy.IsActive(5000));
    enemy.DelaySpawn(7300);
    EXPECT_FALSE(enemy.IsActive(12299));
    EXPECT_TRUE(enemy.IsActive(12300));
    enemy.SetSpawnTime(100);
    EXPECT_TRUE(enemy.IsActive(100));
    enemy.Move(10, -10);
    EXPECT_EQ(enemy.GetRect().x, -32766);
    EXPECT_EQ(enemy.GetRect().y, 32766);
}
