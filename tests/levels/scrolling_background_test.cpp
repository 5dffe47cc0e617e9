#include "levels/scrolling_background.h"

#include <gtest/gtest.h>

#include "core/utilities.h"
#include "support/sdl_env.h"
#include "test_pictures.h"

using testsupport::PixelAt;
using testsupport::Screen;

namespace {

// Each row of the test layer has its own colour, so the screen tells which row it shows.
Uint32 RowColour(int row) {
    return testsupport::Rgb(static_cast<Uint8>(row & 0xFF), static_cast<Uint8>(row >> 8), 0x55);
}

int RowShownAt(int y) {
    for (int row = 0; row < 480; ++row)
        if (RowColour(row) == PixelAt(Screen(), 320, y)) return row;
    return -1;
}

class ScrollingBackgroundTest : public ::testing::Test {
protected:
    static SDL_Surface* StripedLayer() {
        SDL_Surface* layer = levelstest::Filled(640, 480, 0);
        for (int row = 0; row < 480; ++row) levelstest::FillArea(layer, 0, row, 640, 1, RowColour(row));
        return layer;
    }
    ScrollingBackground layer{Screen(), StripedLayer(), MakeRect(0, 0, 640, 480)};
};

TEST_F(ScrollingBackgroundTest, SpeedFourShiftsThePictureAndWrapsAfter120Calls) {
    layer.Scroll(4);  // the bottom 4 rows come round to the top
    EXPECT_EQ(layer.Offset(), 4);
    EXPECT_EQ(RowShownAt(0), 476);
    EXPECT_EQ(RowShownAt(3), 479);
    EXPECT_EQ(RowShownAt(4), 0);
    EXPECT_EQ(RowShownAt(479), 475);
    for (int call = 2; call <= 119; ++call) layer.Scroll(4);
    EXPECT_EQ(layer.Offset(), 476);
    EXPECT_EQ(RowShownAt(0), 4);
    layer.Scroll(4);
    EXPECT_EQ(layer.Offset(), 0);
    EXPECT_EQ(RowShownAt(0), 0);
    EXPECT_EQ(RowShownAt(479), 479);
}

TEST_F(ScrollingBackgroundTest, SpeedsSixAndEightRunWholeCyclesAndAChangeMidCycleWrapsEarly) {
    for (int speed : {6, 8}) {
        for (int call = 1; call < 480 / speed; ++call) layer.Scroll(speed);
        EXPECT_EQ(layer.Offset(), 480 - speed);
        layer.Scroll(speed);
        EXPECT_EQ(layer.Offset(), 0);
    }
    for (int call = 0; call < 119; ++call) layer.Scroll(4);
    layer.Scroll(6);  // 476 >= 474: a step of 4 to the wrap
    EXPECT_EQ(layer.Offset(), 0);
    layer.Scroll(6);
    EXPECT_EQ(RowShownAt(0), 474);
}

TEST(ScrollingBackgroundLoading, MissingPictureDrawsNothing) {
    ScrollingBackground layer(Screen(), "./Images/Panorama/NoSuchLayer.png", MakeRect(0, 0, 640, 480));
    levelstest::FillScreen(0x123456);
    layer.Scroll(8);
    EXPECT_EQ(layer.Offset(), 8);
    EXPECT_EQ(PixelAt(Screen(), 320, 240), 0x123456u);
}

}  // namespace
