// The ship's states over time and what each one draws: explosion, re-entry, invulnerability,
// the last life, the animation and the sheets.
#include <SDL/SDL_mixer.h>

#include <functional>

#include "hero_fixture.h"
#include "platform/loaders.h"
#include "platform/platform.h"
#include "shell/utilities.h"

namespace herotest {

namespace {

constexpr int kCx = 317;
constexpr int kCy = 440;

// Draws until the predicate holds; returns the number of frames drawn (or limit + 1).
template <typename Done>
int FramesUntil(Done done, const std::function<void()>& frame, int limit = 1000) {
    for (int n = 1; n <= limit; ++n) {
        frame();
        if (done()) return n;
    }
    return limit + 1;
}

}  // namespace

TEST_F(HeroTest, ExplosionVanishesThenShowsCellsTwoFramesEachAndTakesALifeOn32) {
    auto hero = MakeHero();
    hero->CheckCollision(MakeDefaultBox(), 5, 5);
    ASSERT_EQ(hero->GetState(), kHeroExploding);

    DrawFrame(*hero);  // step 0: the cell left of the sheet, clipped away
    EXPECT_EQ(Pixel(kCx, kCy), kBackground);
    EXPECT_EQ(Pixel(kCx - 32, kCy - 32), kBackground);
    if (platform::AudioOpen()) {
        EXPECT_EQ(Mix_Playing(2), 1);
    }
    for (int cell = 0; cell < 15; ++cell) {
        for (int twice = 0; twice < 2; ++twice) {
            DrawFrame(*hero);
            EXPECT_EQ(Pixel(kCx, kCy), ExplosionColour(cell)) << "cell " << cell;
            EXPECT_EQ(Pixel(kCx - 32, kCy - 32), ExplosionColour(cell));
            EXPECT_EQ(Pixel(kCx + 32, kCy + 32), kBackground);  // 64x64, centred
        }
    }
    EXPECT_EQ(hero->GetLives(), 6);  // 31 frames so far
    DrawFrame(*hero);
    EXPECT_EQ(hero->GetLives(), 5);
    EXPECT_EQ(hero->GetState(), kHeroReentering);
    EXPECT_EQ(hero->GetRect().x, 302);
    EXPECT_EQ(hero->GetRect().y, 480);
}

TEST_F(HeroTest, ExplosionStepsFollowTheClockNotTheFrameCount) {
    auto hero = MakeHero();
    hero->CheckCollision(MakeDefaultBox(), 5, 5);
    // At 25 ms a frame every frame passes the 20 ms step: 16 steps, then the life on frame 17.
    for (int n = 0; n < 16; ++n) {
        platform::AdvanceVirtualClock(25);
        hero->Draw(true);
    }
    EXPECT_EQ(hero->GetLives(), 6);
    platform::AdvanceVirtualClock(25);
    hero->Draw(true);
    EXPECT_EQ(hero->GetLives(), 5);
}

TEST_F(HeroTest, ReentryTakes36FramesThenInvulnerableFor100) {
    auto hero = MakeHero();
    hero->CheckCollision(MakeDefaultBox(), 5, 5);
    for (int n = 0; n < 32; ++n) DrawFrame(*hero);
    ASSERT_EQ(hero->GetState(), kHeroReentering);

    auto draw = [&] { DrawFrame(*hero); };
    DrawFrame(*hero);  // drawn at y = 480 (off screen), then climbs to 478
    EXPECT_EQ(hero->GetRect().y, 478);
    DrawFrame(*hero);  // drawn at 478: its top two rows show, the invulnerable look of row 0
    EXPECT_EQ(Pixel(kCx, 479), SheetColour(1, 3, 0));
    int frames = 2 + FramesUntil([&] { return hero->GetState() == kHeroInvulnerable; }, draw);
    EXPECT_EQ(frames, 36);
    EXPECT_EQ(hero->GetRect().y, 410);

    // A hit in the very first invulnerable frame does nothing.
    EnemyShot* shots[1] = {ShotCentredAt(kCx, 430)};
    hero->CheckEnemyShots(shots, 1);
    hero->CheckCollision(hero->GetRect(), 20, 20);
    EXPECT_EQ(hero->GetState(), kHeroInvulnerable);
    DeleteShots(shots, 1);

    frames = FramesUntil([&] { return hero->GetState() == kHeroNormal; }, draw);
    EXPECT_EQ(frames, 100);
}

TEST_F(HeroTest, MakeInvulnerableLasts300FramesAndCutsAnExplosionShort) {
    auto hero = MakeHero();
    hero->CheckCollision(MakeDefaultBox(), 5, 5);
    for (int n = 0; n < 10; ++n) DrawFrame(*hero);
    hero->MakeInvulnerable();
    EXPECT_EQ(hero->GetState(), kHeroInvulnerable);
    EXPECT_EQ(hero->GetInvulnerableCounter(), -200);
    int frames = FramesUntil([&] { return hero->GetState() == kHeroNormal; },
                             [&] { DrawFrame(*hero); });
    EXPECT_EQ(frames, 300);
    EXPECT_EQ(hero->GetLives(), 6);
}

TEST_F(HeroTest, LastLifeEndsWithoutRespawn) {
    auto hero = MakeHero(MakeDefaultBox(), 1);
    hero->CheckCollision(MakeDefaultBox(), 5, 5);
    for (int n = 0; n < 32; ++n) DrawFrame(*hero);
    EXPECT_EQ(hero->GetLives(), 0);
    EXPECT_EQ(hero->GetState(), kHeroExploding);
    DrawFrame(*hero);
    EXPECT_EQ(hero->GetLives(), -1);  // falls on by one a frame; the runner stops at <= 0
    EXPECT_EQ(Pixel(kCx, kCy), kBackground);
    EXPECT_EQ(hero->GetRect().y, 420);  // no respawn
    keys[SDLK_g] = 1;
    RunFrame(*hero);
    EXPECT_EQ(hero->GetShots()[0], nullptr);  // no firing while exploding
}

TEST_F(HeroTest, CellsCycleEveryTenFramesAndRowsFollowTheBank) {
    auto hero = MakeHero();
    // The first cell shows one frame longer: the tick starts at 0.
    const int columnAtFrame[][2] = {{1, 0}, {11, 0}, {12, 1}, {21, 1}, {22, 2}, {31, 2}, {32, 0}};
    int frame = 0;
    for (const auto& c : columnAtFrame) {
        while (frame < c[0]) {
            DrawFrame(*hero);
            ++frame;
        }
        EXPECT_EQ(Pixel(kCx, kCy), SheetColour(1, c[1], 0)) << "frame " << c[0];
    }
    keys[SDLK_LEFT] = 1;
    RunFrame(*hero);
    SDL_Rect r = hero->GetRect();
    EXPECT_EQ(Pixel(r.x + 15, r.y + 20), SheetColour(1, 0, 2));  // banking left: row 2
    keys[SDLK_LEFT] = 0;
    keys[SDLK_RIGHT] = 1;
    RunFrame(*hero);
    r = hero->GetRect();
    EXPECT_EQ(Pixel(r.x + 15, r.y + 20), SheetColour(1, 0, 1));  // banking right: row 1
    keys[SDLK_RIGHT] = 0;
    keys[SDLK_UP] = 1;
    RunFrame(*hero);
    r = hero->GetRect();
    EXPECT_EQ(Pixel(r.x + 15, r.y + 20), SheetColour(1, 0, 0));  // up flies straight
}

TEST_F(HeroTest, GrazeDrawsTheBoostedSheetAndInvulnerableColumns) {
    auto hero = MakeHero();
    EnemyShot* shots[1] = {ShotCentredAt(kCx + 20, kCy)};
    hero->CheckEnemyShots(shots, 1);
    DeleteShots(shots, 1);
    ASSERT_TRUE(hero->IsBoosted());
    for (int n = 1; n <= 19; ++n) {
        DrawFrame(*hero);
        ASSERT_EQ(Pixel(kCx, kCy), SheetColour(2, n <= 11 ? 0 : 1, 0)) << "frame " << n;
    }
    DrawFrame(*hero);  // the timer runs out before this frame's drawing
    EXPECT_EQ(Pixel(kCx, kCy), SheetColour(1, 1, 0));
    EXPECT_FALSE(hero->IsBoosted());

    hero->MakeInvulnerable();
    DrawFrame(*hero);
    EXPECT_EQ(Pixel(kCx, kCy), SheetColour(1, 4, 0));
}

}  // namespace herotest
