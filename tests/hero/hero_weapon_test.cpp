// The weapon: volleys per level with their positions, pictures, legs and damage, the volley
// interval, incomplete volleys, the bank shift and the graze boost.
#include <SDL/SDL_mixer.h>

#include <vector>

#include "hero_fixture.h"
#include "platform/loaders.h"
#include "platform/platform.h"
#include "shell/utilities.h"

namespace herotest {

namespace {

struct Expected {
    int x, y, picture;
};

std::vector<EnemyShot*> ShotsInFlight(const Hero& hero) {
    std::vector<EnemyShot*> shots;
    for (int i = 0; i < hero.GetShotCount(); ++i) {
        if (hero.GetShots()[i] != nullptr) shots.push_back(hero.GetShots()[i]);
    }
    return shots;
}

void ExpectVolley(const Hero& hero, const std::vector<Expected>& expected, bool boosted,
                  int damage) {
    std::vector<EnemyShot*> shots = ShotsInFlight(hero);
    ASSERT_EQ(shots.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SDL_Rect r = shots[i]->GetRect();
        EXPECT_EQ(r.x, expected[i].x) << "shot " << i;
        EXPECT_EQ(r.y, expected[i].y) << "shot " << i;
        EXPECT_EQ(r.w, ShotWidth(expected[i].picture)) << "picture of shot " << i;
        EXPECT_EQ(r.h, ShotHeight(boosted)) << "set of shot " << i;
        EXPECT_EQ(shots[i]->GetDamage(), damage) << "shot " << i;
        EXPECT_FALSE(shots[i]->IsPatternMode());
    }
}

}  // namespace

// The ship at (302, 420).
TEST_F(HeroTest, VolleysPerWeaponLevel) {
    const std::vector<Expected> fan = {{310, 415, 0}, {305, 416, 1}, {316, 416, 2},
                                       {303, 417, 3}, {319, 417, 4}, {319, 417, 4}};
    const std::vector<Expected> second = {{302, 414, 5}, {285, 414, 5}, {302, 424, 6}, {293, 424, 7}};
    keys[SDLK_g] = 1;
    for (int level : {1, 2, 3, 5, 6}) {
        auto hero = MakeHero();
        hero->SetWeaponLevel(level);
        hero->Fire(keys, flags);
        ExpectVolley(*hero, std::vector<Expected>(fan.begin(), fan.begin() + level), false, 3);
    }
    auto hero = MakeHero();
    hero->SetWeaponLevel(7);
    hero->Fire(keys, flags);
    ExpectVolley(*hero, second, false, 5);
}

TEST_F(HeroTest, ShotsFanOutAfterTwoFrames) {
    keys[SDLK_g] = 1;
    auto hero = MakeHero();
    hero->SetWeaponLevel(5);
    hero->Fire(keys, flags);
    keys[SDLK_g] = 0;
    EnemyShot* left = hero->GetShots()[3];   // row 3: (-2, -8) after two frames
    EnemyShot* right = hero->GetShots()[2];  // row 2: (1, -8)
    const int leftX[] = {303, 303, 301, 299}, rightX[] = {316, 316, 317, 318};
    for (int n = 0; n < 4; ++n) {
        DrawFrame(*hero);
        EXPECT_EQ(left->GetRect().x, leftX[n]);
        EXPECT_EQ(left->GetRect().y, 417 - 8 * (n + 1));
        EXPECT_EQ(right->GetRect().x, rightX[n]);
    }

    auto top = MakeHero();
    top->SetWeaponLevel(7);
    keys[SDLK_g] = 1;
    top->Fire(keys, flags);
    keys[SDLK_g] = 0;
    EnemyShot* slanted = top->GetShots()[3];  // (-2, -8) from the first frame
    DrawFrame(*top);
    DrawFrame(*top);
    DrawFrame(*top);
    EXPECT_EQ(slanted->GetRect().x, 293 - 6);
    EXPECT_EQ(top->GetShots()[1]->GetRect().x, 285);  // straight up
}

TEST_F(HeroTest, BankShiftsLowerLevelsOnly) {
    auto left = MakeHero();
    keys[SDLK_LEFT] = 1;
    left->Move(keys, flags);  // x 299, banking left
    keys[SDLK_LEFT] = 0;
    keys[SDLK_g] = 1;
    left->SetWeaponLevel(3);
    left->Fire(keys, flags);
    ExpectVolley(*left, {{304, 415, 0}, {299, 416, 1}, {310, 416, 2}}, false, 3);

    auto right = MakeHero();
    keys[SDLK_g] = 0;
    keys[SDLK_RIGHT] = 1;
    right->Move(keys, flags);  // x 305, banking right
    keys[SDLK_RIGHT] = 0;
    keys[SDLK_g] = 1;
    right->Fire(keys, flags);
    ExpectVolley(*right, {{316, 415, 0}}, false, 3);

    auto top = MakeHero();
    keys[SDLK_g] = 0;
    keys[SDLK_LEFT] = 1;
    top->Move(keys, flags);
    keys[SDLK_LEFT] = 0;
    keys[SDLK_g] = 1;
    top->SetWeaponLevel(7);
    top->Fire(keys, flags);
    ExpectVolley(*top, {{299, 414, 5}, {282, 414, 5}, {299, 424, 6}, {290, 424, 7}}, false, 5);
}

TEST_F(HeroTest, OneVolleyPerSixtyMillisecondsStrictly) {
    auto hero = MakeHero();
    keys[SDLK_g] = 1;
    hero->Fire(keys, flags);
    EXPECT_EQ(ShotsInFlight(*hero).size(), 1u);
    platform::AdvanceVirtualClock(60);
    hero->Fire(keys, flags);
    EXPECT_EQ(ShotsInFlight(*hero).size(), 1u);
    platform::AdvanceVirtualClock(1);
    hero->Fire(keys, flags);
    EXPECT_EQ(ShotsInFlight(*hero).size(), 2u);

    // Held over 13 ms frames: a volley every fifth frame.
    auto paced = MakeHero();
    int volleys = 0;
    for (int frame = 0; frame < 21; ++frame) {
        const size_t before = ShotsInFlight(*paced).size();
        RunFrame(*paced);
        if (ShotsInFlight(*paced).size() > before) ++volleys;
    }
    EXPECT_EQ(volleys, 5);  // frames 0, 5, 10, 15, 20
}

TEST_F(HeroTest, IncompleteVolleyKeepsTheTickAndStartsOverFromItsFirstShot) {
    auto hero = MakeHero();
    hero->SetWeaponLevel(3);
    EnemyShot** shots = hero->GetShots();
    for (int i = 0; i < 198; ++i) shots[i] = ShotCentredAt(300, 300);
    keys[SDLK_g] = 1;
    hero->Fire(keys, flags);
    ASSERT_NE(shots[198], nullptr);
    ASSERT_NE(shots[199], nullptr);
    EXPECT_EQ(shots[198]->GetRect().x, 310);  // row 0
    EXPECT_EQ(shots[199]->GetRect().x, 305);  // row 1
    if (platform::AudioOpen()) {
        EXPECT_EQ(Mix_Playing(1), 0);
    }

    delete shots[7];
    shots[7] = nullptr;
    hero->Fire(keys, flags);  // same tick: the interval was never started
    ASSERT_NE(shots[7], nullptr);
    EXPECT_EQ(shots[7]->GetRect().x, 310);
    if (platform::AudioOpen()) {
        EXPECT_EQ(Mix_Playing(1), 0);
    }

    for (int i : {20, 40, 60}) {
        delete shots[i];
        shots[i] = nullptr;
    }
    hero->Fire(keys, flags);
    EXPECT_EQ(shots[20]->GetRect().x, 310);
    EXPECT_EQ(shots[40]->GetRect().x, 305);
    EXPECT_EQ(shots[60]->GetRect().x, 316);
    if (platform::AudioOpen()) {
        EXPECT_EQ(Mix_Playing(1), 1);
    }
    delete shots[80];
    shots[80] = nullptr;
    hero->Fire(keys, flags);  // complete volley started the interval
    EXPECT_EQ(shots[80], nullptr);
}

TEST_F(HeroTest, GrazeBoostsTheNextVolleysForTwentyFrames) {
    auto hero = MakeHero();
    EnemyShot* threat[1] = {ShotCentredAt(317 + 20, 440)};
    hero->CheckEnemyShots(threat, 1);
    DeleteShots(threat, 1);
    keys[SDLK_g] = 1;
    hero->Fire(keys, flags);
    ExpectVolley(*hero, {{310, 415, 0}}, true, 4);

    DrawFrame(*hero);
    EXPECT_EQ(Pixel(310, 407), ShotColour(true, 0));  // boosted picture, one frame up

    auto top = MakeHero();
    top->SetWeaponLevel(7);
    EnemyShot* again[1] = {ShotCentredAt(317, 440 + 15)};
    top->CheckEnemyShots(again, 1);
    DeleteShots(again, 1);
    top->Fire(keys, flags);
    EXPECT_EQ(top->GetShots()[2]->GetDamage(), 6);
    EXPECT_EQ(top->GetShots()[2]->GetRect().h, ShotHeight(true));

    // Boosted while the timer is above 0: the volleys of frames 1 to 20 after the graze.
    auto timed = MakeHero();
    EnemyShot* graze[1] = {ShotCentredAt(317, 440 - 15)};
    timed->CheckEnemyShots(graze, 1);
    DeleteShots(graze, 1);
    for (int frame = 1; frame <= 25; ++frame) {
        platform::AdvanceVirtualClock(13);
        DeleteShots(timed->GetShots(), timed->GetShotCount());
        platform::AdvanceVirtualClock(100);  // every frame may fire
        timed->Fire(keys, flags);
        ASSERT_NE(timed->GetShots()[0], nullptr);
        EXPECT_EQ(timed->GetShots()[0]->GetDamage(), frame <= 20 ? 4 : 3) << "frame " << frame;
        timed->Draw(true);
    }
}

TEST_F(HeroTest, ShotsLeaveAtTheTopAndKeepFlyingWhileTheShipExplodes) {
    auto hero = MakeHero();
    keys[SDLK_g] = 1;
    hero->Fire(keys, flags);
    keys[SDLK_g] = 0;
    hero->CheckCollision(MakeDefaultBox(), 5, 5);
    EnemyShot* shot = hero->GetShots()[0];
    // y = 415 - 8n; out once y + 10 < 0, at n = 54 (y = -17).
    for (int n = 1; n <= 53; ++n) DrawFrame(*hero);
    ASSERT_EQ(hero->GetShots()[0], shot);
    EXPECT_EQ(shot->GetRect().y, 415 - 8 * 53);
    DrawFrame(*hero);
    EXPECT_EQ(hero->GetShots()[0], nullptr);
}

TEST_F(HeroTest, NoFireWhileReentering) {
    auto hero = MakeHero();
    hero->CheckCollision(MakeDefaultBox(), 5, 5);
    for (int n = 0; n < 33; ++n) DrawFrame(*hero);
    ASSERT_EQ(hero->GetState(), kHeroReentering);
    keys[SDLK_g] = 1;
    RunFrame(*hero);
    EXPECT_TRUE(ShotsInFlight(*hero).empty());
    EXPECT_FALSE(hero->IsFiring());
}

}  // namespace herotest
