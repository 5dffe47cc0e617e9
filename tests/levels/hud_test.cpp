#include "levels/hud.h"

#include <gtest/gtest.h>

#include <climits>

#include "support/sdl_env.h"
#include "test_pictures.h"

using namespace levelstest;
using testsupport::PixelAt;
using testsupport::Screen;

namespace {

constexpr Uint32 kGameColour = 0x0A0B0C;  // what the level drew before the HUD

class HudTest : public ::testing::Test {
protected:
    void SetUp() override { FillScreen(kGameColour); }
    void Draw(int score, int lives = 3, int weaponLevel = 1, int energy = 0, int energyMax = 0, int level = 1,
              bool flash = false) {
        hud.Draw(flash, lives, weaponLevel, energy, energyMax, score, level);
    }
    Hud hud{Screen(), TestHudPictures()};
};

TEST_F(HudTest, ScoreShowsFiveDigitsWithLeadingZerosCappedAt99999) {
    Draw(1234);
    EXPECT_EQ(ScoreShown(), 1234);
    EXPECT_EQ(DigitShown(0).value, 0);
    EXPECT_EQ(DigitShown(4).value, 4);
    Draw(123456);
    EXPECT_EQ(ScoreShown(), 99999);
    Draw(0);
    EXPECT_EQ(ScoreShown(), 0);
    Draw(90817);
    EXPECT_EQ(ScoreShown(), 90817);
    Draw(-40);  // never happens in play; must not draw outside the sheet
    EXPECT_EQ(ScoreShown(), 0);
}

TEST_F(HudTest, DoubleKillFlashesTheScoreForExactlyTenCalls) {
    int yellow = 0;
    Draw(50, 3, 1, 0, 0, 1, true);
    for (int call = 0; call < 15; ++call) {
        bool flash = false;
        ASSERT_EQ(ScoreShown(&flash), 50);
        if (flash) ++yellow;
        if (call > 0 && !flash) break;
        Draw(50);
    }
    EXPECT_EQ(yellow, 10);

    // A new double kill in the middle of a flash starts it again from ten.
    Draw(60, 3, 1, 0, 0, 1, true);
    for (int i = 0; i < 5; ++i) Draw(60);
    Draw(70, 3, 1, 0, 0, 1, true);
    for (int i = 0; i < 9; ++i) Draw(70);
    bool flash = false;
    EXPECT_EQ(ScoreShown(&flash), 70);
    EXPECT_TRUE(flash);
    Draw(70);
    EXPECT_EQ(ScoreShown(&flash), 70);
    EXPECT_FALSE(flash);
}

TEST_F(HudTest, OneWeaponIconPerCollectedBonus) {
    const int expected[][2] = {{1, 0}, {3, 1}, {5, 2}, {7, 3}, {0, 0}, {-3, 0}};
    for (const auto& row : expected) {
        FillScreen(kGameColour);
        Draw(0, 3, row[0]);
        EXPECT_EQ(WeaponIconsShown(), row[1]) << "weapon level " << row[0];
    }
    // The third icon sits at x 5 + 84.
    Draw(0, 3, 7);
    EXPECT_EQ(PixelAt(Screen(), 89, 103), kWeaponColour);
    EXPECT_EQ(PixelAt(Screen(), 89 + 23, 103), kFrameColour);
}

TEST_F(HudTest, OneLifeIconPerLifeAndNoneWhenOutOfLives) {
    const int expected[][2] = {{6, 6}, {1, 1}, {0, 0}, {-2, 0}};
    for (const auto& row : expected) {
        FillScreen(kGameColour);
        Draw(0, row[0]);
        EXPECT_EQ(LifeIconsShown(), row[1]) << "lives " << row[0];
    }
}

TEST_F(HudTest, FrameLetsThePlayfieldShowThroughAndTheBannerIsClippedAtTheLeftEdge) {
    Draw(0, 3, 1, 0, 0, 3);
    EXPECT_EQ(PixelAt(Screen(), 300, 300), kGameColour);
    EXPECT_EQ(PixelAt(Screen(), 600, 400), kFrameColour);
    // Banner 3 of the sheet, from x -5: its 133 visible columns end at x 132.
    EXPECT_EQ(PixelAt(Screen(), 0, 140), BannerColour(3));
    EXPECT_EQ(PixelAt(Screen(), 132, 172), BannerColour(3));
    EXPECT_EQ(PixelAt(Screen(), 133, 150), kFrameColour);
    EXPECT_EQ(PixelAt(Screen(), 60, 173), kFrameColour);
}

struct BarCase {
    int energy, maximum, upper, lower;
};

TEST(HudBossBar, WidthsFollowTheTwoHalvesOfTheEnergy) {
    const BarCase cases[] = {
        {2000, 2000, 73, 73}, {1500, 2000, 36, 73}, {1000, 2000, 0, 73}, {1001, 2000, 0, 73},
        {500, 2000, 0, 36},   {0, 2000, 0, 0},      {0, 0, 0, 0},        {3, 7, 0, 62},
    };
    for (const BarCase& c : cases) {
        int upper = -1, lower = -1;
        Hud::BossBarWidths(c.energy, c.maximum, &upper, &lower);
        EXPECT_EQ(upper, c.upper) << c.energy << "/" << c.maximum;
        EXPECT_EQ(lower, c.lower) << c.energy << "/" << c.maximum;
    }
}

TEST(HudBossBar, OutOfRangeEnergiesStayInsideTheBar) {
    const BarCase cases[] = {
        {-500, 2000, 0, 0},  {5000, 2000, 73, 73},    {INT_MAX, 1, 73, 73}, {INT_MIN, 1, 0, 0},
        {100, 0, 0, 0},      {100, -40, 0, 0},        {-1, 0, 0, 0},
    };
    for (const BarCase& c : cases) {
        int upper = -1, lower = -1;
        Hud::BossBarWidths(c.energy, c.maximum, &upper, &lower);
        EXPECT_EQ(upper, c.upper) << c.energy << "/" << c.maximum;
        EXPECT_EQ(lower, c.lower) << c.energy << "/" << c.maximum;
    }
}

TEST_F(HudTest, BossBarIsDrawnFromTheSheetAtItsWidths) {
    Draw(0, 3, 1, 1500, 2000);
    EXPECT_EQ(PixelAt(Screen(), 530, 132), kBarFrameColour);
    EXPECT_EQ(PixelAt(Screen(), 612, 150), kBarFrameColour);
    EXPECT_EQ(UpperBarShown(), 36);
    // The lower bar shows beyond the upper one up to its 73 pixels.
    EXPECT_EQ(PixelAt(Screen(), 534 + 36, 140), kLowerBarColour);
    EXPECT_EQ(PixelAt(Screen(), 534 + 72, 140), kLowerBarColour);
    EXPECT_EQ(PixelAt(Screen(), 534 + 73, 140), kBarFrameColour);

    Draw(0, 3, 1, 500, 2000);
    EXPECT_EQ(LowerBarShown(), 36);
    EXPECT_EQ(PixelAt(Screen(), 534 + 36, 140), kBarFrameColour);

    // Boss gone: only the frame.
    Draw(0, 3, 1, 0, 0);
    EXPECT_EQ(PixelAt(Screen(), 534, 140), kBarFrameColour);
    EXPECT_EQ(PixelAt(Screen(), 560, 140), kBarFrameColour);

    // A boss hit beyond its energy: still an empty bar, never the sheet's gap columns.
    Draw(0, 3, 1, -300, 2000);
    EXPECT_EQ(PixelAt(Screen(), 534, 140), kBarFrameColour);
    Draw(0, 3, 1, 9000, 2000);
    EXPECT_EQ(UpperBarShown(), 73);
    EXPECT_EQ(PixelAt(Screen(), 534 + 73, 140), kBarFrameColour);
}

TEST(HudLoading, MissingOrPresentPicturesNeverCrash) {
    // The game's own pictures when the forge made them, 1x1 transparent stand-ins otherwise.
    Hud hud(Screen());
    hud.Draw(true, 6, 7, 1000, 2000, 123, 6);
    hud.Draw(false, 0, 1, 0, 0, 0, 1);
    EXPECT_EQ(hud.FlashCounter(), 9);
}

}  // namespace
