// The forged files as the game sees them: every manifest entry loads through SDL_image and
// SDL_mixer with its manifest size, and keyed pictures carry their key where they must.
#include <SDL/SDL.h>
#include <SDL/SDL_image.h>
#include <SDL/SDL_mixer.h>
#include <gtest/gtest.h>

#include <string>

#include "manifest.h"

namespace {

using forge::Asset;
using forge::Format;

Uint32 RawPixel(SDL_Surface* s, int x, int y) {
    Uint8* p = static_cast<Uint8*>(s->pixels) + y * s->pitch + x * s->format->BytesPerPixel;
    switch (s->format->BytesPerPixel) {
        case 1: return *p;
        case 2: return *reinterpret_cast<Uint16*>(p);
        case 3: return SDL_BYTEORDER == SDL_BIG_ENDIAN ? (p[0] << 16 | p[1] << 8 | p[2]) : (p[0] | p[1] << 8 | p[2] << 16);
        default: return *reinterpret_cast<Uint32*>(p);
    }
}

Uint32 RgbAt(SDL_Surface* s, int x, int y) {
    Uint8 r, g, b;
    SDL_LockSurface(s);
    SDL_GetRGB(RawPixel(s, x, y), s->format, &r, &g, &b);
    SDL_UnlockSurface(s);
    return (Uint32(r) << 16) | (Uint32(g) << 8) | b;
}

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
    for (const char* path : {"Images/Panorama/New/Winner.png", "Images/Panorama/NEW/Winner.png",
                             "Images/Panorama/NEW/LoadingS.png", "Sound/Explosion1_UP.wav", "Sound/explosion1_UP.wav"}) {
        SDL_RWops* f = SDL_RWFromFile(path, "rb");
        EXPECT_NE(f, nullptr) << path;
        if (f) SDL_RWclose(f);
    }
}

TEST(ForgedFiles, TheHudWindowIsKeyYellowAndThePanelsAreNot) {
    SDL_Surface* s = IMG_Load("Images/Panorama/Contour_Score1.png");
    ASSERT_NE(s, nullptr);
    for (int y : {0, 240, 479})
        for (int x : {138, 320, 501}) EXPECT_EQ(RgbAt(s, x, y), 0xFFFF00u) << x << "," << y;
    for (int x : {0, 60, 137, 502, 600, 639}) EXPECT_NE(RgbAt(s, x, 240), 0xFFFF00u) << x;
    SDL_FreeSurface(s);
}

TEST(ForgedFiles, SpriteCellCornersAreTheirKeyColour) {
    struct Case {
        const char* path;
        int cellW, cellH, cells;
        Uint32 key;
    };
    const Case cases[] = {
        {"Images/Ennemis/Boule/BouleS2.png", 30, 30, 3, 0x000000},
        {"Images/Ennemis/Delta/DeltaS3.png", 158, 94, 4, 0x3BABCD},
        {"Images/Ennemis/Fee/FeeS.png", 45, 74, 4, 0x2266DD},
        {"Images/Ennemis/Xorg/XorgS.png", 225, 239, 3, 0x00FF00},
        {"Images/Explosions/Explosion_192.png", 192, 192, 16, 0x000101},
        {"Images/Explosions/Explosion48_48J.png", 48, 48, 14, 0xFFFFFF},
        {"Images/Tirs/Tir1_Glace_Jaune_Ennemi.bmp", 16, 16, 1, 0x332B24},
        {"Images/Tirs/Tir0_VioletS_Ennemi.png", 9, 9, 1, 0xFF0000},
    };
    for (const Case& c : cases) {
        SDL_Surface* s = IMG_Load(c.path);
        ASSERT_NE(s, nullptr) << c.path;
        ASSERT_EQ(s->w, c.cellW * c.cells) << c.path;
        for (int i = 0; i < c.cells; ++i) {
            EXPECT_EQ(RgbAt(s, i * c.cellW, 0), c.key) << c.path << " cell " << i;
            EXPECT_EQ(RgbAt(s, i * c.cellW + c.cellW - 1, c.cellH - 1), c.key) << c.path << " cell " << i;
            EXPECT_NE(RgbAt(s, i * c.cellW + c.cellW / 2, c.cellH / 2), c.key) << c.path << " cell " << i;
        }
        SDL_FreeSurface(s);
    }
}

TEST(ForgedFiles, TheClosedCurtainHasNoHoleAndTheOpeningOnesDo) {
    SDL_Surface* closed = IMG_Load("Images/Panorama/Loading_1a.png");
    SDL_Surface* open = IMG_Load("Images/Panorama/Loading_5a.png");
    ASSERT_NE(closed, nullptr);
    ASSERT_NE(open, nullptr);
    int closedHoles = 0;
    for (int y = 0; y < 480; y += 3)
        for (int x = 0; x < 640; x += 3) closedHoles += RgbAt(closed, x, y) == 0xFFFF00u;
    EXPECT_EQ(closedHoles, 0);
    EXPECT_EQ(RgbAt(open, 320, 240), 0xFFFF00u);
    SDL_FreeSurface(closed);
    SDL_FreeSurface(open);
}

}  // namespace
