// Movement: speed, the limits that are tested before the step, banking, the joystick.
#include "hero_fixture.h"
#include "shell/input.h"
#include "shell/utilities.h"

namespace herotest {

TEST_F(HeroTest, LeftLimitOvershootsBySpeedMinusOne) {
    auto fast = MakeHero(MakeRect(140, 420, 31, 40));
    keys[SDLK_LEFT] = 1;
    fast->Move(keys, flags);
    EXPECT_EQ(fast->GetRect().x, 137);
    EXPECT_EQ(fast->GetBank(), kBankLeft);
    fast->Move(keys, flags);  // 137 is past the limit: nothing moves, the bank drops
    EXPECT_EQ(fast->GetRect().x, 137);
    EXPECT_EQ(fast->GetBank(), kBankNone);

    auto firing = MakeHero(MakeRect(140, 420, 31, 40));
    keys[SDLK_g] = 1;
    firing->Fire(keys, flags);
    ASSERT_TRUE(firing->IsFiring());
    firing->Move(keys, flags);
    EXPECT_EQ(firing->GetRect().x, 138);

    auto stuck = MakeHero(MakeRect(139, 420, 31, 40));
    stuck->Move(keys, flags);
    EXPECT_EQ(stuck->GetRect().x, 139);
}

TEST_F(HeroTest, FarEdgesOfThePlayfield) {
    keys[SDLK_RIGHT] = 1;
    auto right = MakeHero(MakeRect(471, 420, 31, 40));
    right->Move(keys, flags);
    EXPECT_EQ(right->GetRect().x, 474);  // right edge at 505
    right->Move(keys, flags);
    EXPECT_EQ(right->GetRect().x, 474);
    keys[SDLK_RIGHT] = 0;

    keys[SDLK_UP] = 1;
    auto top = MakeHero(MakeRect(302, 2, 31, 40));
    top->Move(keys, flags);
    EXPECT_EQ(top->GetRect().y, -1);
    top->Move(keys, flags);
    EXPECT_EQ(top->GetRect().y, -1);
    keys[SDLK_UP] = 0;

    keys[SDLK_DOWN] = 1;
    auto bottom = MakeHero(MakeRect(302, 440, 31, 40));
    bottom->Move(keys, flags);
    EXPECT_EQ(bottom->GetRect().y, 443);  // bottom edge at 483
    bottom->Move(keys, flags);
    EXPECT_EQ(bottom->GetRect().y, 443);
}

TEST_F(HeroTest, LastDirectionInOrderGivesTheBank) {
    auto hero = MakeHero();
    keys[SDLK_UP] = 1;
    keys[SDLK_LEFT] = 1;
    hero->Move(keys, flags);
    EXPECT_EQ(hero->GetRect().x, 299);
    EXPECT_EQ(hero->GetRect().y, 417);
    EXPECT_EQ(hero->GetBank(), kBankLeft);
    keys[SDLK_LEFT] = 0;
    keys[SDLK_DOWN] = 1;
    hero->Move(keys, flags);  // up and down cancel out; down comes later
    EXPECT_EQ(hero->GetRect().y, 417);
    EXPECT_EQ(hero->GetBank(), kBankDown);
    hero->StopBanking();
    EXPECT_EQ(hero->GetBank(), kBankNone);
}

TEST_F(HeroTest, JoystickFlagsMoveAndFireLikeKeys) {
    auto hero = MakeHero();
    flags[kInputRight] = 1;
    flags[kInputFire] = 1;
    hero->Fire(keys, flags);
    hero->Move(keys, flags);
    EXPECT_TRUE(hero->IsFiring());
    EXPECT_EQ(hero->GetRect().x, 304);
    EXPECT_EQ(hero->GetBank(), kBankRight);
    hero->Move(keys, nullptr);  // no joystick at all
    EXPECT_EQ(hero->GetRect().x, 304);
}

TEST_F(HeroTest, NoMovementWhileExplodingOrReentering) {
    auto hero = MakeHero();
    hero->CheckCollision(MakeDefaultBox(), 5, 5);
    ASSERT_EQ(hero->GetState(), kHeroExploding);
    keys[SDLK_LEFT] = 1;
    hero->Move(keys, flags);
    EXPECT_EQ(hero->GetRect().x, 302);
    for (int i = 0; i < 32; ++i) DrawFrame(*hero);
    ASSERT_EQ(hero->GetState(), kHeroReentering);
    hero->Move(keys, flags);
    EXPECT_EQ(hero->GetRect().x, 302);
}

}  // namespace herotest
