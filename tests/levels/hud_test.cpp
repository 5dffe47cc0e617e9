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
    void Draw(int score, int lives = 3, int weaponLevel = 1, int energy = 0, int energyMax = 0, bool flash = false) {
        hud.Draw(flash, lives, weaponLevel, energy, energyMax, score, 3);
    }
    Hud hud{Screen(), TestHudPictures()};
};

TEST_F(HudTest, ScoreHasFiveDigitsFromX515AndTopsOutAt99999) {
    Draw(1234);
    EXPECT_EQ(ScoreShown(), 1234);
    EXPECT_EQ(DigitShown(0).value, 0);
    Draw(123456);
    EXPECT_EQ(ScoreShown(), 99999);
    Draw(-40);  // cannot happen in play; must not read outside the sheet
    EXPECT_EQ(ScoreShown(), 0);
}

TEST_F(HudTest, DoubleKillFlashesTheScoreForExactlyTenCalls) {
    Draw(50, 3, 1, 0, 0, true);
    int yellow = 0;
    bool flash = true;
    while (flash && yellow < 20) {
        ASSERT_EQ(ScoreShown(&flash), 50);
        yellow += flash;
        Draw(50);
    }
    EXPECT_EQ(yellow, 10);
    // A new double kill during a flash restarts it.
    Draw(60, 3, 1, 0, 0, true);
    for (int i = 0; i < 5; ++i) Draw(60);
    Draw(70, 3, 1, 0, 0, true);
    for (int i = 0; i < 9; ++i) Draw(70);
    EXPECT_EQ(ScoreShown(&flash), 70);
    EXPECT_TRUE(flash);
}

TEST_F(HudTest, IconsForLivesAndCollectedWeaponBonuses) {
    struct Case {
        int lives, weaponLevel, lifeIcons, weaponIcons;
    } cases[] = {{6, 1, 6, 0}, {3, 3, 3, 1}, {0, 5, 0, 2}, {-2, 7, 0, 3}, {1, -3, 1, 0}};
    for (const Case& c : cases) {
        FillScreen(kGameColour);
        Draw(0, c.lives, c.weaponLevel);
        EXPECT_EQ(LifeIconsShown(), c.lifeIcons) << "lives " << c.lives;
        EXPECT_EQ(WeaponIconsShown(), c.weaponIcons) << "weapon level " << c.weaponLevel;
    }
}

TEST_F(HudTest, FrameShowsThePlayfieldThroughAndTheBannerIsClippedAtTheLeft) {
    Draw(0);
    EXPECT_EQ(PixelAt(Screen(), 300, 300), kGameColour);
    EXPECT_EQ(PixelAt(Screen(), 600, 400), kFrameColour);
    // Banner 3 drawn from x -5: its visible columns end at x 132.
    EXPECT_EQ(PixelAt(Screen(), 0, 140), BannerColour(3));
    EXPECT_EQ(PixelAt(Screen(), 132, 172), BannerColour(3));
    EXPECT_EQ(PixelAt(Screen(), 133, 150), kFrameColour);
}

TEST(HudBossBar, WidthsFollowTheTwoHalvesAndStayInsideTheBar) {
    struct Case {
        int energy, maximum, upper, lower;
    } cases[] = {
        {2000, 2000, 73, 73}, {1500, 2000, 36, 73}, {1000, 2000, 0, 73}, {500, 2000, 0, 36},
        {0, 2000, 0, 0},      {0, 0, 0, 0},         {3, 7, 0, 62},       {-500, 2000, 0, 0},
        {5000, 2000, 73, 73}, {INT_MAX, 1, 73, 73}, {INT_MIN, 1, 0, 0},  {100, -40, 0, 0},
    };
    for (const Case& c : cases) {
        int upper = -1, lower = -1;
        Hud::BossBarWidths(c.energy, c.maximum, &upper, &lower);
        EXPECT_EQ(upper, c.upper) << c.energy << "/" << c.maximum;
        EXPECT_EQ(lower, c.lower) << c.energy << "/" << c.maximum;
    }
}

TEST_F(HudTest, BossBarIsCutFromTheSheetAtItsWidths) {
    Draw(0, 3, 1, 1500, 2000);
    EXPECT_EQ(PixelAt(Screen(), 530, 132), kBarFrameColour);
    EXPECT_EQ(UpperBarShown(), 36);
    EXPECT_EQ(PixelAt(Screen(), 534 + 72, 140), kLowerBarColour);
    EXPECT_EQ(PixelAt(Screen(), 534 + 73, 140), kBarFrameColour);
    Draw(0, 3, 1, 500, 2000);
    EXPECT_EQ(LowerBarShown(), 36);
    EXPECT_EQ(PixelAt(Screen(), 534 + 36, 140), kBarFrameColour);
    for (int energy : {0, -300}) {  // boss gone, or hit beyond its energy: the frame alone
        Draw(0, 3, 1, energy, energy ? 2000 : 0);
        EXPECT_EQ(PixelAt(Screen(), 534, 140), kBarFrameColour);
    }
}

TEST(HudLoading, MissingPicturesNeverCrash) {
    Hud hud(Screen());  // the forge's pictures, or the loaders' stand-ins
    hud.Draw(true, 6, 7, 1000, 2000, 123, 6);
    hud.Draw(false, 0, 1, 0, 0, 0, 1);
    EXPECT_EQ(hud.FlashCounter(), 9);
}

}  // namespace
