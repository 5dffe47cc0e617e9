// The base fields and non-virtual operations every enemy shares, and ownership through the
// virtual destructor.
#include <gtest/gtest.h>

#include "enemies/framework/enemy.h"
#include "shell/utilities.h"
#include "support/sdl_env.h"

namespace {

int destroyedProbes = 0;


// The smallest enemy: owns a shot array and frees it as every concrete class must.
class StubEnemy : public Enemy {
public:
    StubEnemy(SDL_Rect box, int spawnTime)
        : Enemy(box, 6, 4, spawnTime, 250), shots(new EnemyShot*[3]()) {}
    ~StubEnemy() override {
        for (int i = 0; i < 3; ++i) {
            if (shots[i] != nullptr) ++destroyedProbes;
        }
        DeleteShots(shots, 3);
        delete[] shots;
    }
    bool Update() override { return UpdateShots(shots, 3) > 0; }
    int CheckHit(EnemyShot**, int) override { return kNoHit; }
    bool IsDestroyed() override { return false; }
    EnemyShot** GetShots() override { return shots; }
    int GetShotCount() override { return 3; }

private:
    EnemyShot** shots;
};

EnemyShot* StillShot(int x, int y) {
    return new EnemyShot(testsupport::Screen(), nullptr, nullptr, MakeRect(x, y, 4, 4), {0, 0, 9},
                         {0, 0, 9}, {0, 0, 9}, {0, 0, 9});
}

}  // namespace

TEST(EnemyBase, StoresWhatItIsGivenAndStartsWithFlagsOff) {
    StubEnemy enemy(MakeRect(286, -15, 68, 65), 5000);
    SDL_Rect r = enemy.GetRect();
    EXPECT_EQ(r.x, 286);
    EXPECT_EQ(r.y, -15);
    EXPECT_EQ(r.w, 68);
    EXPECT_EQ(r.h, 65);
    EXPECT_EQ(enemy.GetHitHalfWidth(), 6);
    EXPECT_EQ(enemy.GetHitHalfHeight(), 4);
    EXPECT_EQ(enemy.GetScore(), 250);
    EXPECT_FALSE(enemy.ExplosionStarted());
    EXPECT_FALSE(enemy.IsMusicHeld());
    enemy.SetMusicHold(true);
    EXPECT_TRUE(enemy.IsMusicHeld());
}

TEST(EnemyBase, SpawnTimeGatesActivityAndCanBeShifted) {
    StubEnemy enemy(MakeRect(0, 0, 10, 10), 5000);
    EXPECT_FALSE(enemy.IsActive(4999));
    EXPECT_TRUE(enemy.IsActive(5000));
    enemy.DelaySpawn(7300);
    EXPECT_FALSE(enemy.IsActive(12299));
    EXPECT_TRUE(enemy.IsActive(12300));
    enemy.SetSpawnTime(100);
    EXPECT_TRUE(enemy.IsActive(100));
    EXPECT_FALSE(enemy.IsActive(99));
}

TEST(EnemyBase, MoveWrapsAtSixteenBits) {
    StubEnemy enemy(MakeRect(32760, -32760, 10, 10), 0);
    enemy.Move(10, -10);
    EXPECT_EQ(enemy.GetRect().x, -32766);
    EXPECT_EQ(enemy.GetRect().y, 32766);
    enemy.Move(-5, 3);
    EXPECT_EQ(enemy.GetRect().x, -32771 + 65536);
    EXPECT_EQ(enemy.GetRect().y, 32769 - 65536);
}

TEST(EnemyBase, DeletingThroughTheBaseReleasesShotsInFlight) {
    destroyedProbes = 0;
    Enemy* enemy = new StubEnemy(MakeRect(0, 0, 10, 10), 0);
    enemy->GetShots()[0] = StillShot(300, 200);
    enemy->GetShots()[2] = StillShot(310, 200);
    EXPECT_TRUE(enemy->Update());
    delete enemy;  // the runner deletes through the base pointer
    EXPECT_EQ(destroyedProbes, 2);
}

TEST(EnemyBase, UpdateReportsFinishedOnceTheLastShotIsGone) {
    StubEnemy enemy(MakeRect(0, 0, 10, 10), 0);
    enemy.GetShots()[1] = new EnemyShot(testsupport::Screen(), nullptr, nullptr,
                                        MakeRect(300, 478, 4, 4), {0, 1, 9}, {0, 1, 9}, {0, 1, 9},
                                        {0, 1, 9});
    EXPECT_TRUE(enemy.Update());   // y = 479
    EXPECT_TRUE(enemy.Update());   // y = 480
    EXPECT_FALSE(enemy.Update());  // y = 481: gone, slot nulled
    EXPECT_EQ(enemy.GetShots()[1], nullptr);
}
