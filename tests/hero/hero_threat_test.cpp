// What the enemies' shots and bodies do to the ship: bonus pick-up, graze, hit, contact.
// The default ship's centre is (302 + 15, 420 + 20) = (317, 440).
#include "hero_fixture.h"
#include "shell/utilities.h"

namespace herotest {

namespace {

constexpr int kCx = 317;
constexpr int kCy = 440;

EnemyShot* BonusCentredAt(int cx, int cy) {
    EnemyShot* shot = ShotCentredAt(cx, cy);
    shot->SetBonus(true);
    return shot;
}

struct ShotArray {
    EnemyShot* slots[4] = {};
    ~ShotArray() { DeleteShots(slots, 4); }
};

}  // namespace

TEST_F(HeroTest, BonusFirstEndsTheTestOfThatArray) {
    auto hero = MakeHero();
    ShotArray shots;
    shots.slots[0] = BonusCentredAt(kCx + 12, kCy - 12);  // reach: half size 5 + 8
    shots.slots[1] = ShotCentredAt(kCx, kCy);
    hero->CheckEnemyShots(shots.slots, 4);
    EXPECT_EQ(shots.slots[0], nullptr);
    EXPECT_EQ(hero->GetWeaponLevel(), 3);
    EXPECT_EQ(hero->GetState(), kHeroNormal);
    EXPECT_EQ(hero->GetGrazeTimer(), 0);
    hero->CheckEnemyShots(shots.slots, 4);
    EXPECT_EQ(hero->GetState(), kHeroExploding);
}

TEST_F(HeroTest, BonusOutOfReachIsNeitherTakenNorAThreat) {
    auto hero = MakeHero();
    ShotArray shots;
    shots.slots[0] = BonusCentredAt(kCx + 13, kCy);
    shots.slots[1] = BonusCentredAt(kCx, kCy + 13);
    hero->CheckEnemyShots(shots.slots, 4);
    EXPECT_NE(shots.slots[0], nullptr);
    EXPECT_NE(shots.slots[1], nullptr);
    EXPECT_EQ(hero->GetWeaponLevel(), 1);
    EXPECT_EQ(hero->GetGrazeTimer(), 0);
}

TEST_F(HeroTest, HitNeedsTheCentreInsideTheShrunkShotGrazeReachesFurther) {
    struct Case {
        int dx, dy;
        bool hit, graze;
    } cases[] = {
        {3, 3, true, true},     {-3, -3, true, true},  {4, 0, false, true},
        {0, 4, false, true},    {30, 15, false, true}, {31, 0, false, false},
        {0, 16, false, false},  {-30, -15, false, true},
    };
    for (const Case& c : cases) {
        auto hero = MakeHero();
        ShotArray shots;
        shots.slots[2] = ShotCentredAt(kCx + c.dx, kCy + c.dy);
        hero->CheckEnemyShots(shots.slots, 4);
        EXPECT_EQ(hero->GetState() == kHeroExploding, c.hit) << c.dx << "," << c.dy;
        EXPECT_EQ(hero->GetGrazeTimer(), c.graze ? 20 : 0) << c.dx << "," << c.dy;
        EXPECT_NE(shots.slots[2], nullptr);  // a shot that hits stays in flight
    }
}

TEST_F(HeroTest, ShotsUnderFourPixelsOnlyGraze) {
    auto hero = MakeHero();
    ShotArray shots;
    shots.slots[0] = ShotCentredAt(kCx, kCy, 3, 30);
    shots.slots[1] = ShotCentredAt(kCx, kCy, 30, 3);
    hero->CheckEnemyShots(shots.slots, 4);
    EXPECT_EQ(hero->GetState(), kHeroNormal);
    EXPECT_EQ(hero->GetGrazeTimer(), 20);
    shots.slots[2] = ShotCentredAt(kCx, kCy, 4, 4);
    hero->CheckEnemyShots(shots.slots, 4);
    EXPECT_EQ(hero->GetState(), kHeroExploding);
}

TEST_F(HeroTest, InvulnerableShipGrazesAndTheGrazeEndsTheArray) {
    auto hero = MakeHero();
    hero->MakeInvulnerable();
    ShotArray shots;
    shots.slots[0] = ShotCentredAt(kCx, kCy);
    shots.slots[1] = BonusCentredAt(kCx, kCy);
    hero->CheckEnemyShots(shots.slots, 4);
    EXPECT_EQ(hero->GetState(), kHeroInvulnerable);
    EXPECT_EQ(hero->GetGrazeTimer(), 20);
    EXPECT_NE(shots.slots[1], nullptr);
    EXPECT_EQ(hero->GetWeaponLevel(), 1);

    ShotArray bonusFirst;
    bonusFirst.slots[3] = BonusCentredAt(kCx, kCy);
    hero->CheckEnemyShots(bonusFirst.slots, 4);
    EXPECT_EQ(bonusFirst.slots[3], nullptr);
    EXPECT_EQ(hero->GetWeaponLevel(), 3);
}

TEST_F(HeroTest, TwoEnemiesHittingInOneFrameCostOneLife) {
    auto hero = MakeHero();
    ShotArray first, second;
    first.slots[0] = ShotCentredAt(kCx, kCy);
    second.slots[0] = ShotCentredAt(kCx, kCy);
    second.slots[1] = BonusCentredAt(kCx, kCy);
    hero->CheckEnemyShots(first.slots, 4);
    hero->CheckEnemyShots(second.slots, 4);
    hero->CheckCollision(MakeDefaultBox(), 20, 20);
    EXPECT_EQ(hero->GetState(), kHeroExploding);
    EXPECT_NE(second.slots[1], nullptr);  // no pick-ups while exploding
    for (int i = 0; i < 40; ++i) DrawFrame(*hero);
    EXPECT_EQ(hero->GetLives(), 5);
}

TEST_F(HeroTest, BodyContactUsesTheEnemyHalfExtentsPlusOne) {
    const SDL_Rect near = MakeRect(kCx + 10 - 20, kCy - 10, 40, 20);  // centre dx 10
    const SDL_Rect far = MakeRect(kCx + 11 - 20, kCy - 10, 40, 20);   // centre dx 11
    const SDL_Rect below = MakeRect(kCx - 20, kCy + 6 - 10, 40, 20);  // centre dy 6
    auto a = MakeHero();
    a->CheckCollision(far, 10, 5);
    EXPECT_EQ(a->GetState(), kHeroNormal);
    a->CheckCollision(below, 10, 5);
    EXPECT_EQ(a->GetState(), kHeroNormal);
    a->CheckCollision(near, 10, 5);
    EXPECT_EQ(a->GetState(), kHeroExploding);

    auto b = MakeHero();
    b->MakeInvulnerable();
    b->CheckCollision(near, 10, 5);
    EXPECT_EQ(b->GetState(), kHeroInvulnerable);
}

TEST_F(HeroTest, OddSizedShotsUseIntegerHalves) {
    // A 7x7 shot at (x, y) has centre (x + 3, y + 3) and half size 3: hit only at dx, dy < 2.
    auto hero = MakeHero();
    ShotArray shots;
    shots.slots[0] = new EnemyShot(nullptr, nullptr, nullptr, MakeRect(kCx - 3 + 2, kCy - 3, 7, 7),
                                   {0, 0, 9}, {0, 0, 9}, {0, 0, 9}, {0, 0, 9});
    hero->CheckEnemyShots(shots.slots, 4);
    EXPECT_EQ(hero->GetState(), kHeroNormal);
    shots.slots[1] = new EnemyShot(nullptr, nullptr, nullptr, MakeRect(kCx - 3 + 1, kCy - 3 - 1, 7, 7),
                                   {0, 0, 9}, {0, 0, 9}, {0, 0, 9}, {0, 0, 9});
    hero->CheckEnemyShots(shots.slots, 4);
    EXPECT_EQ(hero->GetState(), kHeroExploding);
}

}  // namespace herotest
