// A hero built from pictures and sounds this suite makes itself, so every cell and every shot
// picture has a colour (and shot pictures a size) a test can recognise.
#pragma once

#include <gtest/gtest.h>

#include <SDL/SDL.h>

#include <memory>
#include <string>

#include "hero/hero.h"

namespace herotest {

// Colour of cell (column, row) of ship sheet 1 (normal) or 2 (boosted).
Uint32 SheetColour(int sheet, int column, int row);
// Colour of explosion cell k.
Uint32 ExplosionColour(int k);
Uint32 ShotColour(bool boosted, int index);
// Shot picture sizes: the width tells the index, the height the set.
inline int ShotWidth(int index) { return 3 + index; }
inline int ShotHeight(bool boosted) { return boosted ? 14 : 10; }

constexpr Uint32 kBackground = 0x081018;

// A 10x10 (or w x h) path shot that stands still, centred on (cx, cy).
EnemyShot* ShotCentredAt(int cx, int cy, int w = 10, int h = 10);

class HeroTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();

    void SetUp() override;
    void TearDown() override;

    std::unique_ptr<Hero> MakeHero(SDL_Rect box, int lives = 6);
    std::unique_ptr<Hero> MakeHero() { return MakeHero(MakeDefaultBox()); }
    static SDL_Rect MakeDefaultBox();

    // One frame as the level runner plays it: the clock moves 13 ms, then fire, move, draw.
    void RunFrame(Hero& hero);
    // Only the drawing part, on a cleared screen.
    void DrawFrame(Hero& hero);
    void ClearScreen();
    Uint32 Pixel(int x, int y);

    Uint8* keys = nullptr;
    Uint8 flags[8] = {};
    static std::string dataDir;
};

}  // namespace herotest
