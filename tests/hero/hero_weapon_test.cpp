// The weapon: volleys per level with positions, pictures and damage, the legs, the volley
// interval, incomplete volleys, the bank shift and the graze boost. The ship is at (302, 420).
#include <SDL/SDL_mixer.h>

#include <vector>

#include "core/utilities.h"
#include "hero_fixture.h"
#include "platform/loaders.h"
#include "platform/platform.h"

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

void ExpectVolley(const Hero& hero, const std::vector<Expected>& expected, bool boosted, int damage) {
    std::vector<EnemyShot*> shots = ShotsInFlight(hero);
    ASSERT_EQ(shots.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SDL_Rect r = shots[i]->GetRect();
        EXPECT_EQ(r.x, expected[i].x) << "shot " << i;
        EXPECT_EQ(r.y, expected[i].y) << "shot " << i;
        EXPECT_EQ(r.w, ShotWidth(expected[i].picture)) << "picture of shot " << i;
        EXPECT_EQ(r.h, ShotHeight(boosted)) << "picture set of shot " << i;
        EXPECT_EQ(shots[i]->GetDamage(), damage) << "shot " << i;
    }
}

}  // namespace

TEST_F(HeroTest, VolleysPerWeaponLevelAndTheBankShift) {
    const std::vector<Expected> fan = {{310, 415, 0}, {305, 416, 1}, {316, 416, 2},
                                       {303, 417, 3}, {319, 417, 4}, {319, 417, 4}};
    keys[SDLK_g] = 1;
    for (int level : {1, 2, 3, 5, 6}) {
        auto hero = MakeHero();
        hero->SetWeaponLevel(level);
        hero->Fire(keys, flags);
        ExpectVolley(*hero, std::vector<Expected>(fan.begin(), fan.begin() + level), false, 3);
    }
    auto top = MakeHero();
    top->SetWeaponLevel(7);
    top->Fire(keys, flags);
    ExpectVolley(*top, {{302, 414, 5}, {285, 414, 5}, {302, 424, 6}, {293, 424, 7}}, false, 5);

    // Banking left (the ship now at 299) shifts levels 1 to 6 by -3, right by +3; not level 7.
    const struct {
        SDLKey key;
        int level;
        std::vector<Expected> volley;
    } banked[] = {
        {SDLK_LEFT, 3, {{304, 415, 0}, {299, 416, 1}, {310, 416, 2}}},
        {SDLK_RIGHT, 1, {{316, 415, 0}}},
        {SDLK_LEFT, 7, {{299, 414, 5}, {282, 414, 5}, {299, 424, 6}, {290, 424, 7}}},
    };
    for (const auto& b : banked) {
        auto hero = MakeHero();
        hero->SetWeaponLevel(b.level);
        keys[SDLK_g] = 0;
        keys[b.key] = 1;
        hero->Move(keys, flags);
        keys[b.key] = 0;
        keys[SDLK_g] = 1;
        hero->Fire(keys, flags);
        ExpectVolley(*hero, b.volley, false, b.level == 7 ? 5 : 3);
    }
}

TEST_F(HeroTest, ShotsClimbEightPixelsAndFanOutAfterTwoFrames) {
    keys[SDLK_g] = 1;
    auto hero = MakeHero();
    hero->SetWeaponLevel(5);
    hero->Fire(keys, flags);
    EnemyShot* straight = hero->GetShots()[0];
    EnemyShot* left = hero->GetShots()[3];   // (0, -8) twice, then (-2, -8)
    EnemyShot* right = hero->GetShots()[2];  // (0, -8) twice, then (1, -8)
    keys[SDLK_g] = 0;
    const int leftX[] = {303, 303, 301, 299}, rightX[] = {316, 316, 317, 318};
    for (int n = 0; n < 4; ++n) {
        DrawFrame(*hero);
        EXPECT_EQ(left->GetRect().x, leftX[n]);
        EXPECT_EQ(left->GetRect().y, 417 - 8 * (n + 1));
        EXPECT_EQ(right->GetRect().x, rightX[n]);
    }
    // y = 415 - 8n leaves once y + 10 < 0: the 54th frame. Shots fly on while the ship explodes.
    hero->CheckCollision(MakeDefaultBox(), 5, 5);
    for (int n = 5; n <= 53; ++n) DrawFrame(*hero);
    ASSERT_EQ(hero->GetShots()[0], straight);
    EXPECT_EQ(straight->GetRect().y, 415 - 8 * 53);
    DrawFrame(*hero);
    EXPECT_EQ(hero->GetShots()[0], nullptr);
}

TEST_F(HeroTest, OneVolleyPerSixtyMillisecondsStrictly) {
    auto hero = MakeHero();
    keys[SDLK_g] = 1;
    hero->Fire(keys, flags);
    platform::AdvanceVirtualClock(60);
    hero->Fire(keys, flags);
    EXPECT_EQ(ShotsInFlight(*hero).size(), 1u);
    platform::AdvanceVirtualClock(1);
    hero->Fire(keys, flags);
    EXPECT_EQ(ShotsInFlight(*hero).size(), 2u);

    auto paced = MakeHero();  // held over 13 ms frames: every fifth frame
    for (int frame = 0; frame < 21; ++frame) RunFrame(*paced);
    EXPECT_EQ(ShotsInFlight(*paced).size(), 5u);
}

TEST_F(HeroTest, IncompleteVolleyKeepsTheTickAndStartsOverFromItsFirstShot) {
    auto hero = MakeHero();
    hero->SetWeaponLevel(3);
    EnemyShot** shots = hero->GetShots();
    for (int i = 0; i < 198; ++i) shots[i] = ShotCentredAt(300, 300);
    keys[SDLK_g] = 1;
    hero->Fire(keys, flags);
    EXPECT_EQ(shots[198]->GetRect().x, 310);  // rows 0 and 1
    EXPECT_EQ(shots[199]->GetRect().x, 305);
    const bool audio = platform::AudioOpen();
    if (audio) {
        EXPECT_EQ(Mix_Playing(1), 0);
    }
    for (int i : {20, 40, 60}) {
        delete shots[i];
        shots[i] = nullptr;
    }
    hero->Fire(keys, flags);  // same tick: the interval never started
    EXPECT_EQ(shots[20]->GetRect().x, 310);
    EXPECT_EQ(shots[40]->GetRect().x, 305);
    EXPECT_EQ(shots[60]->GetRect().x, 316);
    if (audio) {
        EXPECT_EQ(Mix_Playing(1), 1);
    }
    delete shots[80];
    shots[80] = nullptr;
    hero->Fire(keys, flags);  // the complete volley started the interval
    EXPECT_EQ(shots[80], nullptr);
}

TEST_F(HeroTest, GrazeBoostsTheVolleysOfTheNextTwentyFrames) {
    keys[SDLK_g] = 1;
    for (int level : {1, 7}) {
        auto hero = MakeHero();
        hero->SetWeaponLevel(level);
        EnemyShot* graze[1] = {ShotCentredAt(317 + 20, 440 - 15)};
        hero->CheckEnemyShots(graze, 1);
        DeleteShots(graze, 1);
        for (int frame = 1; frame <= 22; ++frame) {
            platform::AdvanceVirtualClock(100);  // every frame may fire
            DeleteShots(hero->GetShots(), hero->GetShotCount());
            hero->Fire(keys, flags);
            const bool boosted = frame <= 20;
            EnemyShot* shot = hero->GetShots()[0];
            EXPECT_EQ(shot->GetDamage(), (level == 7 ? 5 : 3) + (boosted ? 1 : 0)) << frame;
            EXPECT_EQ(shot->GetRect().h, ShotHeight(boosted)) << frame;
            ClearScreen();
            hero->Draw(true);
            if (frame == 1) {
                EXPECT_EQ(Pixel(shot->GetRect().x, shot->GetRect().y), ShotColour(true, level == 7 ? 5 : 0));
            }
        }
    }
}

}  // namespace herotest
