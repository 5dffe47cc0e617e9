// The helpers that guard the forged files catch the faults they are there for.
#include <gtest/gtest.h>

#include <cmath>

#include "canvas.h"
#include "checks.h"
#include "manifest.h"
#include "visibility.h"

namespace {

using forge::Asset;
using forge::Canvas;
using forge::Colour;
using forge::Picture;
using forge::Rgb;

const Rgb kMagenta{255, 0, 255};

TEST(Flatten, SoftEdgesBecomeHardWithoutBlendingIntoTheKey) {
    Canvas c(40, 40);
    c.Circle(20, 20, 9.5, Colour::Rgb8(30, 200, 60));  // antialiased edge
    Picture p = c.Flatten(kMagenta);
    EXPECT_EQ(p.At(0, 0), 0xFF00FFu);
    int kept = 0;
    for (uint32_t px : p.pixels) {
        if (px == 0xFF00FFu) continue;
        ++kept;
        EXPECT_LE(forge::ColourDistance(px, forge::PackRgb(30, 200, 60)), 2);  // edge pixels stay green
    }
    EXPECT_NEAR(kept, M_PI * 9.5 * 9.5, 25);
    EXPECT_EQ(forge::KeyFringePixels(p, kMagenta, 16), 0);
}

TEST(Flatten, AHaloDrawnInANearKeyColourIsCaught) {
    Canvas c(40, 40);
    c.Glow(20, 20, 18, Colour::Rgb8(250, 10, 250));
    c.Circle(20, 20, 6, Colour::Rgb8(30, 200, 60));
    EXPECT_GT(forge::KeyFringePixels(c.Flatten(kMagenta), kMagenta, 16), 0);
}

TEST(Flatten, ADrawnPixelOfTheExactKeyColourIsMovedOffIt) {
    Canvas c(4, 4);
    c.Rectangle(0, 0, 2, 4, Colour::Rgb8(255, 0, 255));
    Picture p = c.Flatten(kMagenta);
    EXPECT_NE(p.At(0, 0), 0xFF00FFu);
    EXPECT_EQ(forge::ColourDistance(p.At(0, 0), 0xFF00FF), 1);
    EXPECT_EQ(p.At(3, 3), 0xFF00FFu);
    // Black key: a black pixel is nudged up, not below zero.
    Canvas d(2, 2);
    d.Fill(Colour::Rgb8(0, 0, 0));
    EXPECT_EQ(d.Flatten(Rgb{0, 0, 0}).At(1, 1), 0x000001u);
}

TEST(KeyFringe, CountsNearKeyPixelsOnTheEdgeOnly) {
    Picture p(5, 5, 0xFF00FF);
    p.Set(2, 2, 0xF000F0);  // near magenta, touching the key: a halo pixel
    EXPECT_EQ(forge::KeyFringePixels(p, kMagenta, 16), 1);
    p.Set(2, 2, 0x20C040);  // a proper sprite colour
    EXPECT_EQ(forge::KeyFringePixels(p, kMagenta, 16), 0);
    // Near-key colour deep inside the sprite is not a fringe.
    Picture q(5, 5, 0x20C040);
    q.Set(2, 2, 0xF000F0);
    q.Set(0, 0, 0xFF00FF);
    EXPECT_EQ(forge::KeyFringePixels(q, kMagenta, 16), 0);
}

TEST(WrapSeam, ASmoothTileWrapsAndAGradientDoesNot) {
    Picture tile(64, 48), ramp(64, 48);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x) {
            int v = int(120 + 100 * std::sin(2 * M_PI * y / 48.0));  // one whole period top to bottom
            tile.Set(x, y, forge::PackRgb(v, v / 2, 255 - v));
            ramp.Set(x, y, forge::PackRgb(y * 5, y * 5, y * 5));
        }
    EXPECT_LE(forge::WrapSeamRatio(tile), 1.5);
    EXPECT_GT(forge::WrapSeamRatio(ramp), 10.0);
}

TEST(WrapSeam, DrawnEdgesInsideThePictureDoNotCountAsASeam) {
    // Hard panel edges every 8 rows, one of them on the wrap: the wrap is no worse than the rest.
    Picture p(32, 48);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 32; ++x) p.Set(x, y, (y % 8) < 4 ? 0x404050 : 0xA0A0B0);
    EXPECT_LE(forge::WrapSeamRatio(p), 1.5);
}

Asset Sheet(int cellW, int cellH, int cells) {
    Asset a;
    a.path = "Images/Test/Sheet.png";
    a.family = forge::Family::Enemy;
    a.width = cellW * cells;
    a.height = cellH;
    a.cols = cells;
    a.keyed = true;
    a.key = kMagenta;
    a.cellsDiffer = true;
    return a;
}

TEST(CheckPicture, ASheetWithDistinctFramesOnTheKeyPasses) {
    Asset a = Sheet(10, 10, 2);
    Picture p(20, 10, 0xFF00FF);
    for (int y = 3; y < 7; ++y) {
        p.Set(4, y, 0x20A0FF);
        p.Set(13, y, 0x20A0FF);
        p.Set(16, y, 0x20A0FF);
    }
    EXPECT_TRUE(forge::CheckPicture(a, p).empty());
}

TEST(CheckPicture, CatchesIdenticalFramesWrongSizeOpaqueCornersAndEmptyCells) {
    Asset a = Sheet(10, 10, 2);
    Picture same(20, 10, 0xFF00FF);
    same.Set(5, 5, 0x20A0FF);
    same.Set(15, 5, 0x20A0FF);
    EXPECT_FALSE(forge::CheckPicture(a, same).empty());  // the two frames look the same

    EXPECT_FALSE(forge::CheckPicture(a, Picture(21, 10, 0xFF00FF)).empty());

    Picture corner = same;
    corner.Set(15, 6, 0x20A0FF);
    corner.Set(0, 0, 0x20A0FF);  // a sprite touching its cell corner: no transparent background there
    EXPECT_FALSE(forge::CheckPicture(a, corner).empty());

    Picture empty(20, 10, 0xFF00FF);
    empty.Set(5, 5, 0x20A0FF);
    EXPECT_FALSE(forge::CheckPicture(a, empty).empty());  // cell 1 has nothing in it
}

TEST(CheckPicture, AKeyWindowMustBeEntirelyKeyColour) {
    Asset a;
    a.path = "Images/Test/Frame.png";
    a.family = forge::Family::Hud;
    a.width = 20;
    a.height = 10;
    a.keyed = true;
    a.key = Rgb{255, 255, 0};
    a.keyWindows.push_back({5, 0, 10, 10});
    Picture p(20, 10, 0x303050);
    for (int y = 0; y < 10; ++y)
        for (int x = 5; x < 15; ++x) p.Set(x, y, 0xFFFF00);
    EXPECT_TRUE(forge::CheckPicture(a, p).empty());
    p.Set(14, 9, 0x303050);
    EXPECT_FALSE(forge::CheckPicture(a, p).empty());
}

std::vector<float> Sine(size_t frames, double cycles, double phase = 0) {
    std::vector<float> s(frames);
    for (size_t i = 0; i < frames; ++i) s[i] = float(0.5 * std::sin(2 * M_PI * cycles * i / frames + phase));
    return s;
}

TEST(LoopJoin, AWholeNumberOfCyclesJoinsAndACutWaveClicks) {
    EXPECT_LE(forge::LoopJoinRatio(Sine(44100, 220)), 1.2);
    EXPECT_GT(forge::LoopJoinRatio(Sine(44100, 220.5)), 2.0);  // half a cycle short: the wave jumps
}

Asset Effect(double lo, double hi, bool loops) {
    Asset a;
    a.path = "Sound/Test.wav";
    a.format = forge::Format::Wav;
    a.family = forge::Family::Effect;
    a.minSeconds = lo;
    a.maxSeconds = hi;
    a.loops = loops;
    return a;
}

TEST(CheckSound, CatchesWrongLengthClippingSilenceAndEdgeClicks) {
    forge::Sound good(44100);
    good.left = Sine(44100, 440);
    good.right = good.left;
    good.FadeEdges(0.01, 0.01);
    EXPECT_TRUE(forge::CheckSound(Effect(0.5, 2, false), good).empty());
    EXPECT_FALSE(forge::CheckSound(Effect(1.5, 3, false), good).empty());

    forge::Sound loud = good;
    loud.Normalise(1.2f);
    EXPECT_FALSE(forge::CheckSound(Effect(0.5, 2, false), loud).empty());

    forge::Sound quiet = good;
    quiet.Normalise(0.01f);
    EXPECT_FALSE(forge::CheckSound(Effect(0.5, 2, false), quiet).empty());

    forge::Sound abrupt(44100);
    abrupt.left = Sine(44100, 440, M_PI / 2);  // starts at its peak
    abrupt.right = abrupt.left;
    EXPECT_FALSE(forge::CheckSound(Effect(0.5, 2, false), abrupt).empty());
}

TEST(CheckSound, ALoopMustJoinCleanly) {
    forge::Sound loop(44100), cut(44100);
    loop.left = loop.right = Sine(44100, 100);
    cut.left = cut.right = Sine(44100, 100.5);
    EXPECT_TRUE(forge::CheckSound(Effect(0.5, 2, true), loop).empty());
    EXPECT_FALSE(forge::CheckSound(Effect(0.5, 2, true), cut).empty());
}

}  // namespace

namespace {

TEST(ShotVisibility, ARimmedShotReadsOnAnyGroundAndAFlatOneDoesNot) {
    // A 5x5 shot: dark rim, bright core, magenta key in the corners.
    Picture rimmed(5, 5, 0x301020);
    rimmed.Set(0, 0, 0xFF00FF);
    rimmed.Set(4, 4, 0xFF00FF);
    rimmed.Set(2, 2, 0xFFFFF0);
    Picture flat(5, 5, 0x808080);
    for (uint32_t ground : {0x000000u, 0x808080u, 0xFFFFFFu, 0x4060A0u}) {
        Picture field(64, 48, ground);
        EXPECT_DOUBLE_EQ(forge::ShotVisibility(rimmed, kMagenta, field, 90), 1.0) << std::hex << ground;
    }
    EXPECT_DOUBLE_EQ(forge::ShotVisibility(flat, kMagenta, Picture(64, 48, 0x808080), 90), 0.0);
    // Half the field matches the flat shot: it is lost over that half.
    Picture half(64, 48, 0x000000);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 32; ++x) half.Set(x, y, 0x808080);
    double v = forge::ShotVisibility(flat, kMagenta, half, 90);
    EXPECT_GT(v, 0.3);
    EXPECT_LT(v, 0.7);
}

TEST(ShotVisibility, EveryLevelNamesForgedShotsAndLayers) {
    for (const forge::LevelLook& look : forge::LevelLooks()) {
        EXPECT_FALSE(look.backgrounds.empty()) << look.level;
        EXPECT_FALSE(look.shots.empty()) << look.level;
        for (const std::string& p : look.backgrounds) EXPECT_NE(forge::FindAsset(p), nullptr) << p;
        for (const std::string& p : look.shots) EXPECT_NE(forge::FindAsset(p), nullptr) << p;
    }
    EXPECT_EQ(forge::LevelLooks().size(), 6u);
}

}  // namespace
