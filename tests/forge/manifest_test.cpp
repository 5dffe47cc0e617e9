// The manifest hangs together: one entry per file, shapes that divide into cells, formats that
// match the file names, and the checks each kind of file needs switched on.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "art.h"
#include "forge.h"
#include "manifest.h"
#include "rng.h"

namespace {

using forge::Asset;
using forge::Family;
using forge::Format;

bool EndsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

TEST(Manifest, OneEntryPerFileWithAMatchingFormat) {
    std::set<std::string> paths;
    for (const Asset& a : forge::Manifest()) {
        EXPECT_TRUE(paths.insert(a.path).second) << "listed twice: " << a.path;
        EXPECT_TRUE(a.path.rfind("Images/", 0) == 0 || a.path.rfind("Sound/", 0) == 0) << a.path;
        EXPECT_EQ(a.path.find("//"), std::string::npos) << a.path;
        switch (a.format) {
            case Format::Png: EXPECT_TRUE(EndsWith(a.path, ".png")) << a.path; break;
            case Format::Bmp: EXPECT_TRUE(EndsWith(a.path, ".bmp")) << a.path; break;
            case Format::Wav: EXPECT_TRUE(EndsWith(a.path, ".wav")) << a.path; break;
            case Format::Ogg: EXPECT_TRUE(EndsWith(a.path, ".ogg")) << a.path; break;
        }
    }
}

TEST(Manifest, PicturesDivideIntoWholeCellsAndSoundsHaveALengthRange) {
    for (const Asset& a : forge::Manifest()) {
        if (a.IsPicture()) {
            ASSERT_GT(a.width, 0) << a.path;
            EXPECT_EQ(a.width % a.cols, 0) << a.path;
            EXPECT_EQ(a.height % a.rows, 0) << a.path;
        } else {
            EXPECT_GT(a.minSeconds, 0) << a.path;
            EXPECT_LT(a.minSeconds, a.maxSeconds) << a.path;
        }
    }
}

TEST(Manifest, EachKindOfFileHasTheChecksItNeeds) {
    int backgrounds = 0;
    for (const Asset& a : forge::Manifest()) {
        if (a.family == Family::Background) {
            ++backgrounds;
            EXPECT_TRUE(a.wraps) << a.path;
            EXPECT_EQ(a.width, 640) << a.path;
            EXPECT_EQ(a.height, 480) << a.path;
        }
        if (a.family == Family::Enemy || a.family == Family::Boss || a.family == Family::Explosion) {
            EXPECT_TRUE(a.cellsDiffer) << a.path;
        }
        if (a.family == Family::Shot || a.family == Family::Explosion || a.family == Family::Boss) {
            EXPECT_TRUE(a.keyed) << a.path;
        }
        if (a.format == Format::Ogg) {
            EXPECT_EQ(a.loops, a.minSeconds < 100) << a.path;
        }
    }
    EXPECT_EQ(backgrounds, 15);
}

TEST(Manifest, TheSameContentUnderTwoNamesSharesItsSeed) {
    const Asset* a = forge::FindAsset("./Images/Panorama/New/Winner.png");
    const Asset* b = forge::FindAsset("./Images/Panorama/NEW/Winner.png");
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(a->seed, b->seed);
    EXPECT_EQ(a->variant, b->variant);
    // The two explosion sounds spelled alike are different sounds for different moments.
    EXPECT_NE(forge::FindAsset("Sound/Explosion1_UP.wav")->variant,
              forge::FindAsset("Sound/explosion1_UP.wav")->variant);
}

TEST(Manifest, TheTableListsEveryFileOnItsOwnLine) {
    std::istringstream table(forge::ManifestTable());
    std::string line;
    size_t lines = 0;
    while (std::getline(table, line)) {
        ASSERT_LT(lines, forge::Manifest().size());
        EXPECT_EQ(line.rfind(forge::Manifest()[lines].path, 0), 0u) << line;
        ++lines;
    }
    EXPECT_EQ(lines, forge::Manifest().size());
}

TEST(ForgeRandom, StreamsRepeatForASeedAndStayInRange) {
    forge::Rng a(42), b(42), c(43);
    bool differs = false;
    for (int i = 0; i < 100; ++i) {
        uint64_t x = a.Next();
        EXPECT_EQ(x, b.Next());
        differs |= x != c.Next();
        int k = a.Below(7);
        b.Below(7);
        EXPECT_GE(k, 0);
        EXPECT_LT(k, 7);
        double u = a.Unit();
        b.Unit();
        EXPECT_GE(u, 0.0);
        EXPECT_LT(u, 1.0);
    }
    EXPECT_TRUE(differs);
    EXPECT_EQ(forge::HashName("a"), 0xE40C292Cu);  // FNV-1a, so seeds never change between builds
}

TEST(ForgeNoise, TilesOverItsPeriodSoLayersWrap) {
    forge::TileNoise n(7, 4, 3);
    for (double x : {0.0, 0.3, 1.7, 3.9})
        for (double y : {0.0, 0.5, 2.2}) {
            EXPECT_NEAR(n.At(x, y), n.At(x + 4, y), 1e-12);
            EXPECT_NEAR(n.At(x, y), n.At(x, y + 3), 1e-12);
            // Every octave repeats too: the sum used for the layers wraps top to bottom.
            EXPECT_NEAR(n.Fractal(x, y, 4), n.Fractal(x, y + 3, 4), 1e-9);
            EXPECT_GE(n.At(x, y), 0.0);
            EXPECT_LE(n.At(x, y), 1.0);
        }
}

TEST(ContactSheet, HoldsEveryPictureInAGridOfLabelledCells) {
    forge::Product a, b, c;
    a.asset = forge::FindAsset("Images/Heros/MyLife.png");
    b.asset = forge::FindAsset("Images/Tirs/Bonus0.png");
    c.asset = forge::FindAsset("Images/Panorama/Ciel.png");
    a.picture = forge::Picture(18, 16, 0xFF00FF);
    b.picture = forge::Picture(23, 25, 0x00FF00);
    c.picture = forge::Picture(640, 480, 0x0000FF);
    forge::Picture sheet = forge::ContactSheet({&a, &b, &c});
    EXPECT_EQ(sheet.width, 6 * 250);
    EXPECT_EQ(sheet.height, 200);
    EXPECT_EQ(sheet.At(6 + 5, 4 + 5), 0xFF00FFu);        // first cell, first picture
    EXPECT_EQ(sheet.At(500 + 6 + 5, 4 + 5), 0x0000FFu);  // third cell, the background scaled down
}

}  // namespace
