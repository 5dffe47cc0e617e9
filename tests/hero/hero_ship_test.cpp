// Movement and what enemies do to the ship: limits, banking, bonus pick-up, graze, hit, contact.
// The default ship at (302, 420, 31, 40) has its centre at (317, 440).
#include "core/input.h"
#include "core/utilities.h"
#include "hero_fixture.h"
#include "platform/platform.h"

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

TEST_F(HeroTest, LimitsAreTestedBeforeTheStep) {
    const struct {
        int x, y;
        SDLKey key;
        bool fire;
        int toX, toY;
    } cases[] = {
        {140, 420, SDLK_LEFT, false, 137, 420},  {140, 420, SDLK_LEFT, true, 138, 420},
        {139, 420, SDLK_LEFT, false, 139, 420},  {471, 420, SDLK_RIGHT, false, 474, 420},
        {472, 420, SDLK_RIGHT, false, 472, 420}, {302, 2, SDLK_UP, false, 302, -1},
        {302, 1, SDLK_UP, false, 302, 1},        {302, 440, SDLK_DOWN, false, 302, 443},
        {302, 441, SDLK_DOWN, false, 302, 441},
    };
    for (const auto& c : cases) {
        keys = platform::UseVirtualKeys();
        auto hero = MakeHero(MakeRect(c.x, c.y, 31, 40));
        keys[c.key] = 1;
        keys[SDLK_g] = c.fire;
        hero->Fire(keys, flags);  // fire held: speed 2
        hero->Move(keys, flags);
        EXPECT_EQ(hero->GetRect().x, c.toX) << c.x << "," << c.y;
        EXPECT_EQ(hero->GetRect().y, c.toY) << c.x << "," << c.y;
        const bool moved = c.x != c.toX || c.y != c.toY;
        EXPECT_EQ(hero->GetBank() != kBankNone, moved);
    }
}

TEST_F(HeroTest, LastDirectionGivesTheBankAndTheJoystickCountsLikeKeys) {
    auto hero = MakeHero();
    keys[SDLK_UP] = 1;
    flags[kInputLeft] = 1;
    hero->Move(keys, flags);
    EXPECT_EQ(hero->GetRect().x, 299);
    EXPECT_EQ(hero->GetRect().y, 417);
    EXPECT_EQ(hero->GetBank(), kBankLeft);
    hero->StopBanking();
    EXPECT_EQ(hero->GetBank(), kBankNone);

    hero->CheckCollision(hero->GetRect(), 5, 5);  // exploding: no movement
    hero->Move(keys, nullptr);
    EXPECT_EQ(hero->GetRect().y, 417);
}

TEST_F(HeroTest, BonusFirstIsTakenAndEndsTheTestOfThatArray) {
    auto hero = MakeHero();
    ShotArray shots;
    shots.slots[0] = BonusCentredAt(kCx + 13, kCy);       // just out of reach: 5 + 8
    shots.slots[1] = BonusCentredAt(kCx + 12, kCy - 12);  // in reach
    shots.slots[2] = ShotCentredAt(kCx, kCy);
    hero->CheckEnemyShots(shots.slots, 4);
    EXPECT_NE(shots.slots[0], nullptr);
    EXPECT_EQ(shots.slots[1], nullptr);
    EXPECT_EQ(hero->GetWeaponLevel(), 3);
    EXPECT_EQ(hero->GetState(), kHeroNormal);
    EXPECT_EQ(hero->GetGrazeTimer(), 0);  // a bonus never grazes
    hero->CheckEnemyShots(shots.slots, 4);
    EXPECT_EQ(hero->GetState(), kHeroExploding);
    EXPECT_NE(shots.slots[2], nullptr);  // the shot that hit stays in flight
}

TEST_F(HeroTest, HitNeedsTheCentreInsideTheShrunkShotGrazeReachesFurther) {
    // A 10x10 shot: hit when dx, dy < 5 - 1; graze when dx < 5 + 1 + 25 and dy < 5 + 1 + 10.
    const struct {
        int dx, dy, w, h;
        bool hit, graze;
    } cases[] = {
        {3, 3, 10, 10, true, true},    {-3, -3, 10, 10, true, true},  {4, 0, 10, 10, false, true},
        {0, 4, 10, 10, false, true},   {30, 15, 10, 10, false, true}, {31, 0, 10, 10, false, false},
        {0, 16, 10, 10, false, false}, {0, 0, 3, 30, false, true},    {0, 0, 4, 4, true, true},
    };
    for (const auto& c : cases) {
        auto hero = MakeHero();
        ShotArray shots;
        shots.slots[3] = ShotCentredAt(kCx + c.dx, kCy + c.dy, c.w, c.h);
        hero->CheckEnemyShots(shots.slots, 4);
        EXPECT_EQ(hero->GetState() == kHeroExploding, c.hit) << c.dx << "," << c.dy << " " << c.w;
        EXPECT_EQ(hero->GetGrazeTimer(), c.graze ? 20 : 0) << c.dx << "," << c.dy << " " << c.w;
    }
}

TEST_F(HeroTest, InvulnerableShipOnlyGrazesAndTheGrazeEndsTheArray) {
    auto hero = MakeHero();
    hero->MakeInvulnerable();
    ShotArray shots;
    shots.slots[0] = ShotCentredAt(kCx, kCy);
    shots.slots[1] = BonusCentredAt(kCx, kCy);
    hero->CheckEnemyShots(shots.slots, 4);
    hero->CheckCollision(hero->GetRect(), 20, 20);
    EXPECT_EQ(hero->GetState(), kHeroInvulnerable);
    EXPECT_EQ(hero->GetGrazeTimer(), 20);
    EXPECT_NE(shots.slots[1], nullptr);
    EXPECT_EQ(hero->GetWeaponLevel(), 1);
}

TEST_F(HeroTest, TwoHitsInOneFrameCostOneLife) {
    auto hero = MakeHero();
    ShotArray first, second;
    first.slots[0] = ShotCentredAt(kCx, kCy);
    second.slots[0] = ShotCentredAt(kCx, kCy);
    second.slots[1] = BonusCentredAt(kCx, kCy);
    hero->CheckEnemyShots(first.slots, 4);
    hero->CheckEnemyShots(second.slots, 4);
    hero->CheckCollision(MakeDefaultBox(), 20, 20);
    EXPECT_NE(second.slots[1], nullptr);  // no pick-ups while exploding
    for (int i = 0; i < 40; ++i) DrawFrame(*hero);
    EXPECT_EQ(hero->GetLives(), 5);
}

TEST_F(HeroTest, BodyContactUsesTheEnemyHalfExtentsPlusOne) {
    // Enemy boxes 40x20 whose centres lie (10, 0), (11, 0) and (0, 6) from the ship's.
    auto hero = MakeHero();
    hero->CheckCollision(MakeRect(kCx + 11 - 20, kCy - 10, 40, 20), 10, 5);
    hero->CheckCollision(MakeRect(kCx - 20, kCy + 6 - 10, 40, 20), 10, 5);
    EXPECT_EQ(hero->GetState(), kHeroNormal);
    hero->CheckCollision(MakeRect(kCx + 10 - 20, kCy - 10, 40, 20), 10, 5);
    EXPECT_EQ(hero->GetState(), kHeroExploding);
}

}  // namespace herotest
