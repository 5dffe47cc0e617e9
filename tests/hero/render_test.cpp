// Renders one frame of play for a person to look at: a background, the hero firing a level-7
// volley stream and a ring of spiral shots, saved as BMP in $SKYRIFT_ARTIFACTS (build/artifacts under ctest; else /tmp).
// Uses the game's own pictures from the working directory when they are there.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <string>

#include "enemies/framework/enemy_shot.h"
#include "hero/hero.h"
#include "platform/loaders.h"
#include "platform/platform.h"
#include "core/utilities.h"
#include "support/sdl_env.h"

namespace {

// The first sky of the game when its picture is there, else a drawn night sky.
void DrawBackground(SDL_Surface* screen, SDL_Surface* sky) {
    if (sky->w > 1) {
        BlitAt(sky, screen, MakeRect(0, 0, 0, 0));
        return;
    }
    for (int y = 0; y < 480; ++y) {
        SDL_Rect row = MakeRect(0, y, 640, 1);
        SDL_FillRect(screen, &row, SDL_MapRGB(screen->format, 10, 16 + y / 12, 40 + y / 6));
    }
    for (int i = 0; i < 90; ++i) {
        SDL_Rect star = MakeRect((i * 149) % 640, (i * 263) % 480, 2, 2);
        SDL_FillRect(screen, &star, SDL_MapRGB(screen->format, 200, 210, 255));
    }
    SDL_Rect panel = MakeRect(0, 0, 138, 480);
    SDL_FillRect(screen, &panel, SDL_MapRGB(screen->format, 30, 30, 36));
    panel = MakeRect(502, 0, 138, 480);
    SDL_FillRect(screen, &panel, SDL_MapRGB(screen->format, 30, 30, 36));
}

// A small round shot for when the game's shot pictures are not there.
SDL_Surface* FallbackShot(Uint32 rgb) {
    SDL_Surface* s = testsupport::SolidPicture(9, 9, 0xFF00FF);
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x) {
            if ((x - 4) * (x - 4) + (y - 4) * (y - 4) > 16) continue;
            SDL_Rect p = MakeRect(x, y, 1, 1);
            SDL_FillRect(s, &p, SDL_MapRGB(s->format, rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF));
        }
    }
    SDL_SetColorKey(s, SDL_SRCCOLORKEY, SDL_MapRGB(s->format, 255, 0, 255));
    return s;
}

SDL_Surface* ShotPicture(const char* path, Uint32 fallback) {
    SDL_Surface* picture = platform::LoadPicture(path, 255, 0, 255);
    if (picture->w > 1) return picture;
    SDL_FreeSurface(picture);
    return FallbackShot(fallback);
}

}  // namespace

TEST(HeroRender, HeroVolleysAndASpiralRing) {
    SDL_Surface* screen = testsupport::Screen();
    Uint8* keys = platform::UseVirtualKeys();
    Hero hero(screen, MakeRect(302, 420, 31, 40), 6, 200, 20, 16, 64, 64, 2, 2);
    hero.SetWeaponLevel(7);

    SDL_Surface* sky = platform::LoadPicture("./Images/Panorama/Ciel.png");
    SDL_Surface* shotA = ShotPicture("./Images/Tirs/Tir0_RougeS_Ennemi.png", 0xFF4030);
    SDL_Surface* shotB = ShotPicture("./Images/Tirs/Tir0a_RougeS_Ennemi.png", 0xFFB040);
    EnemyShot* ring[24] = {};
    for (int k = 0; k < 24; ++k) {
        ring[k] = new EnemyShot(screen, shotA, shotB, MakeRect(0, 0, shotA->w, shotA->h),
                                MovePattern::Spiral);
        ring[k]->SetOrbit(316, 150, 10, 15 * k, 2, 3, 0, 0);
    }

    keys[SDLK_g] = 1;
    int inFlight = 0;
    for (int frame = 0; frame < 30; ++frame) {
        platform::AdvanceVirtualClock(13);
        DrawBackground(screen, sky);
        hero.Fire(keys, nullptr);
        hero.Move(keys, nullptr);
        hero.Draw(true);
        inFlight = UpdateShots(ring, 24);
    }
    EXPECT_EQ(inFlight, 24);  // radius 100 after 30 frames: all on screen

    int heroShots = 0;
    for (int i = 0; i < hero.GetShotCount(); ++i) heroShots += hero.GetShots()[i] != nullptr;
    EXPECT_EQ(heroShots, 4 * 6);  // a volley every fifth frame, none has reached the top yet

    const char* dir = std::getenv("SKYRIFT_ARTIFACTS");
    const std::string folder = dir != nullptr ? dir : "/tmp";
    mkdir(folder.c_str(), 0755);
    EXPECT_EQ(SDL_SaveBMP(screen, (folder + "/hero_render.bmp").c_str()), 0) << folder;

    // A graze (one ring shot passing just beside the ship) boosts the next volleys and the ship.
    Hero boosted(screen, MakeRect(302, 420, 31, 40), 6, 200, 20, 16, 64, 64, 2, 2);
    EnemyShot* grazing[1] = {new EnemyShot(screen, shotA, shotB, MakeRect(340, 432, shotA->w, shotA->h),
                                           {0, 0, 9}, {0, 0, 9}, {0, 0, 9}, {0, 0, 9})};
    for (int frame = 0; frame < 12; ++frame) {
        platform::AdvanceVirtualClock(13);
        DrawBackground(screen, sky);
        boosted.CheckEnemyShots(grazing, 1);
        boosted.Fire(keys, nullptr);
        boosted.Move(keys, nullptr);
        boosted.Draw(true);
        UpdateShots(grazing, 1);
    }
    EXPECT_TRUE(boosted.IsBoosted());
    EXPECT_EQ(boosted.GetState(), kHeroNormal);
    EXPECT_EQ(SDL_SaveBMP(screen, (folder + "/hero_render_boost.bmp").c_str()), 0);
    DeleteShots(grazing, 1);

    DeleteShots(ring, 24);
    SDL_FreeSurface(shotA);
    SDL_FreeSurface(shotB);
    SDL_FreeSurface(sky);
}
