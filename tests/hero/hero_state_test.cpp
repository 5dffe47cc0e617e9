// The ship's states over time and what each draws: explosion, re-entry, invulnerability, the
// last life, the animation and the two sheets. Pixels are read back from the screen.
#include <SDL/SDL_mixer.h>

#include <functional>

#include "core/utilities.h"
#include "hero_fixture.h"
#include "platform/loaders.h"
#include "platform/platform.h"

namespace herotest {

namespace {

constexpr int kCx = 317;
constexpr int kCy = 440;

int FramesUntil(const std::function<bool()>& done, const std::function<void()>& frame) {
    for (int n = 1; n <= 1000; ++n) {
        frame();
        if (done()) return n;
    }
    return -1;
}

}  // namespace

TEST_F(HeroTest, ExplosionVanishesShowsEachCellTwiceAndTakesALifeOnFrame32) {
    auto hero = MakeHero();
    hero->CheckCollision(MakeDefaultBox(), 5, 5);
    DrawFrame(*hero);  // step 0 names the cell left of the sheet: nothing is drawn
    EXPECT_EQ(Pixel(kCx, kCy), kBackground);
    if (platform::AudioOpen()) {
        EXPECT_EQ(Mix_Playing(2), 1);
    }
    for (int frame = 2; frame <= 31; ++frame) {
        DrawFrame(*hero);
        const int cell = (frame - 2) / 2;
        ASSERT_EQ(Pixel(kCx - 32, kCy - 32), ExplosionColour(cell)) << "frame " << frame;
        ASSERT_EQ(Pixel(kCx + 32, kCy + 32), kBackground);  // 64x64 centred on the ship
    }
    EXPECT_EQ(hero->GetLives(), 6);
    DrawFrame(*hero);
    EXPECT_EQ(hero->GetLives(), 5);
    EXPECT_EQ(hero->GetState(), kHeroReentering);
    EXPECT_EQ(hero->GetRect().x, 302);
    EXPECT_EQ(hero->GetRect().y, 480);

    // Steps follow the clock: at 25 ms a frame every frame passes the 20 ms step.
    auto slow = MakeHero();
    slow->CheckCollision(MakeDefaultBox(), 5, 5);
    for (int n = 0; n < 17; ++n) {
        platform::AdvanceVirtualClock(25);
        slow->Draw(true);
    }
    EXPECT_EQ(slow->GetLives(), 5);
}

TEST_F(HeroTest, ReentryTakes36FramesThenInvulnerabilityLasts100) {
    auto hero = MakeHero();
    hero->CheckCollision(MakeDefaultBox(), 5, 5);
    for (int n = 0; n < 32; ++n) DrawFrame(*hero);
    auto draw = [&] { DrawFrame(*hero); };
    DrawFrame(*hero);  // drawn at y = 480, below the screen; climbs to 478
    DrawFrame(*hero);  // drawn at 478 with the invulnerable look of row 0
    EXPECT_EQ(Pixel(kCx, 479), SheetColour(1, 3, 0));
    EXPECT_EQ(2 + FramesUntil([&] { return hero->GetState() == kHeroInvulnerable; }, draw), 36);
    EXPECT_EQ(hero->GetRect().y, 410);

    EnemyShot* shots[1] = {ShotCentredAt(kCx, 430)};  // first invulnerable frame: no hit
    hero->CheckEnemyShots(shots, 1);
    DeleteShots(shots, 1);
    EXPECT_EQ(hero->GetState(), kHeroInvulnerable);
    EXPECT_EQ(FramesUntil([&] { return hero->GetState() == kHeroNormal; }, draw), 100);
}

TEST_F(HeroTest, MakeInvulnerableLasts300FramesAndCutsAnExplosionShort) {
    auto hero = MakeHero();
    hero->CheckCollision(MakeDefaultBox(), 5, 5);
    for (int n = 0; n < 10; ++n) DrawFrame(*hero);
    hero->MakeInvulnerable();
    EXPECT_EQ(FramesUntil([&] { return hero->GetState() == kHeroNormal; }, [&] { DrawFrame(*hero); }), 300);
    EXPECT_EQ(hero->GetLives(), 6);
}

TEST_F(HeroTest, LastLifeEndsWithoutRespawnOrFire) {
    auto hero = MakeHero(MakeDefaultBox(), 1);
    hero->CheckCollision(MakeDefaultBox(), 5, 5);
    for (int n = 0; n < 32; ++n) DrawFrame(*hero);
    EXPECT_EQ(hero->GetLives(), 0);
    keys[SDLK_g] = 1;
    RunFrame(*hero);
    EXPECT_EQ(hero->GetLives(), -1);  // falls on by one a frame; the runner stops at <= 0
    EXPECT_EQ(hero->GetState(), kHeroExploding);
    EXPECT_EQ(hero->GetRect().y, 420);
    EXPECT_EQ(Pixel(kCx, kCy), kBackground);
    EXPECT_EQ(hero->GetShots()[0], nullptr);
}

TEST_F(HeroTest, CellsCycleEveryTenFramesAndRowsFollowTheBank) {
    auto hero = MakeHero();
    // The first cell shows one frame longer: the tick starts at 0.
    const int columnAtFrame[][2] = {{1, 0}, {11, 0}, {12, 1}, {21, 1}, {22, 2}, {31, 2}, {32, 0}};
    int frame = 0;
    for (const auto& c : columnAtFrame) {
        for (; frame < c[0]; ++frame) DrawFrame(*hero);
        EXPECT_EQ(Pixel(kCx, kCy), SheetColour(1, c[1], 0)) << "frame " << c[0];
    }
    const struct {
        SDLKey key;
        int row;
    } banks[] = {{SDLK_LEFT, 2}, {SDLK_RIGHT, 1}, {SDLK_UP, 0}};
    for (const auto& b : banks) {
        keys[b.key] = 1;
        RunFrame(*hero);
        keys[b.key] = 0;
        SDL_Rect r = hero->GetRect();
        EXPECT_EQ(Pixel(r.x + 15, r.y + 20), SheetColour(1, 0, b.row)) << b.key;
    }
}

TEST_F(HeroTest, GrazeDrawsTheBoostedSheetFor19Frames) {
    auto hero = MakeHero();
    EnemyShot* shots[1] = {ShotCentredAt(kCx + 20, kCy)};
    hero->CheckEnemyShots(shots, 1);
    DeleteShots(shots, 1);
    for (int n = 1; n <= 19; ++n) {
        DrawFrame(*hero);
        ASSERT_EQ(Pixel(kCx, kCy), SheetColour(2, n <= 11 ? 0 : 1, 0)) << "frame " << n;
    }
    DrawFrame(*hero);  // the timer runs out before this frame's drawing
    EXPECT_EQ(Pixel(kCx, kCy), SheetColour(1, 1, 0));
    hero->MakeInvulnerable();
    DrawFrame(*hero);
    EXPECT_EQ(Pixel(kCx, kCy), SheetColour(1, 4, 0));
}

}  // namespace herotest
