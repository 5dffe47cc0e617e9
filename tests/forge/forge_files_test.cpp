// The forged files as the game sees them: every manifest entry loads through SDL_image and
// SDL_mixer with its manifest size, and keyed pictures carry their key where they must.
#include <SDL/SDL.h>
#include <SDL/SDL_image.h>
#include <SDL/SDL_mixer.h>
#include <gtest/gtest.h>

#include <string>

#include "manifest.h"
#include "support/sdl_env.h"

namespace {

using forge::Asset;
using forge::Format;
using testsupport::PixelAt;

TEST(ForgedFiles, EveryPictureLoadsWithItsManifestSize) {
    int pictures = 0;
    for (const Asset& a : forge::Manifest()) {
        if (!a.IsPicture()) continue;
        SDL_Surface* s = IMG_Load(a.path.c_str());
        ASSERT_NE(s, nullptr) << a.path << ": " << IMG_GetError();
        EXPECT_EQ(s->w, a.width) << a.path;
        EXPECT_EQ(s->h, a.height) << a.path;
        // No alpha channel: transparency is the colour key alone.
        EXPECT_EQ(s->format->Amask, 0u) << a.path;
        SDL_FreeSurface(s);
        if (a.format == Format::Bmp) {
            SDL_Surface* b = SDL_LoadBMP_RW(SDL_RWFromFile(a.path.c_str(), "rb"), 1);
            ASSERT_NE(b, nullptr) << a.path << ": " << SDL_GetError();
            EXPECT_EQ(b->format->BitsPerPixel, 24) << a.path;
            SDL_FreeSurface(b);
        }
        ++pictures;
    }
    EXPECT_GT(pictures, 150);
}

TEST(ForgedFiles, EverySoundAndTrackLoadsThroughTheMixer) {
    for (const Asset& a : forge::Manifest()) {
        if (a.format == Format::Wav) {
            Mix_Chunk* c = Mix_LoadWAV_RW(SDL_RWFromFile(a.path.c_str(), "rb"), 1);
            ASSERT_NE(c, nullptr) << a.path << ": " << Mix_GetError();
            // 16-bit stereo: four bytes a frame; the length in frames matches the manifest's range.
            double seconds = c->alen / 4.0 / 44100.0;
            EXPECT_GE(seconds, a.minSeconds * 0.95) << a.path;
            EXPECT_LE(seconds, a.maxSeconds * 1.05) << a.path;
            Mix_FreeChunk(c);
        } else if (a.format == Format::Ogg) {
            Mix_Music* m = Mix_LoadMUS(a.path.c_str());
            ASSERT_NE(m, nullptr) << a.path << ": " << Mix_GetError();
            Mix_FreeMusic(m);
        }
    }
}

TEST(ForgedFiles, BothSpellingsOfTheCaseVariantNamesExist) {
    for (const char* path :
         {"Images/Panorama/New/Winner.png", "Images/Panorama/NEW/Winner.png", "Images/Panorama/NEW/LoadingS.png",
          "Sound/Explosion1_UP.wav", "Sound/explosion1_UP.wav"}) {
        SDL_RWops* f = SDL_RWFromFile(path, "rb");
        EXPECT_NE(f, nullptr) << path;
        if (f) SDL_RWclose(f);
    }
}

TEST(ForgedFiles, TheHudWindowIsKeyYellowAndThePanelsAreNot) {
    SDL_Surface* s = IMG_Load("Images/Panorama/Contour_Score1.png");
    ASSERT_NE(s, nullptr);
    for (int y : {0, 240, 479})
        for (int x : {138, 320, 501}) EXPECT_EQ(PixelAt(s, x, y), 0xFFFF00u) << x << "," << y;
    for (int x : {0, 60, 137, 502, 600, 639}) EXPECT_NE(PixelAt(s, x, 240), 0xFFFF00u) << x;
    SDL_FreeSurface(s);
}

// Every keyed sheet of sprites, explosions and shots: each cell's corners show the background
// through, and something is drawn in its middle.
TEST(ForgedFiles, SpriteCellCornersAreTheirKeyColour) {
    int sheets = 0;
    for (const Asset& a : forge::Manifest()) {
        const bool sprites = a.family == forge::Family::Enemy || a.family == forge::Family::Boss ||
                             a.family == forge::Family::Explosion || a.family == forge::Family::Shot;
        if (!a.keyed || !sprites) continue;
        SDL_Surface* s = IMG_Load(a.path.c_str());
        ASSERT_NE(s, nullptr) << a.path;
        const int w = a.CellWidth(), h = a.CellHeight();
        const Uint32 key = a.key.Packed();
        for (int i = 0; i < a.cols * a.rows; ++i) {
            const int x = i % a.cols * w, y = i / a.cols * h;
            EXPECT_EQ(PixelAt(s, x, y), key) << a.path << " cell " << i;
            EXPECT_EQ(PixelAt(s, x + w - 1, y + h - 1), key) << a.path << " cell " << i;
            EXPECT_NE(PixelAt(s, x + w / 2, y + h / 2), key) << a.path << " cell " << i;
        }
        SDL_FreeSurface(s);
        ++sheets;
    }
    EXPECT_GT(sheets, 60);
}

TEST(ForgedFiles, TheClosedCurtainHasNoHoleAndTheOpeningOnesDo) {
    SDL_Surface* closed = IMG_Load("Images/Panorama/Loading_1a.png");
    SDL_Surface* open = IMG_Load("Images/Panorama/Loading_5a.png");
    ASSERT_NE(closed, nullptr);
    ASSERT_NE(open, nullptr);
    int closedHoles = 0;
    for (int y = 0; y < 480; y += 3)
        for (int x = 0; x < 640; x += 3) closedHoles += PixelAt(closed, x, y) == 0xFFFF00u;
    EXPECT_EQ(closedHoles, 0);
    EXPECT_EQ(PixelAt(open, 320, 240), 0xFFFF00u);
    SDL_FreeSurface(closed);
    SDL_FreeSurface(open);
}

}  // namespace
