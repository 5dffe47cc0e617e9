#include <gtest/gtest.h>

#include <vector>

#include "core/input.h"
#include "core/utilities.h"
#include "platform/platform.h"
#include "platform/random.h"
#include "support/sdl_env.h"

using testsupport::PixelAt;
using testsupport::Rgb;

TEST(MakeRect, TruncatesToSixteenBitsWithoutClipping) {
    auto fields = [](SDL_Rect r) { return std::vector<int>{r.x, r.y, r.w, r.h}; };
    EXPECT_EQ(fields(MakeRect(286, -15, 68, 65)), std::vector<int>({286, -15, 68, 65}));
    EXPECT_EQ(fields(MakeRect(40000, -40000, 70000, -1)),
              std::vector<int>({40000 - 65536, -40000 + 65536, 70000 - 65536, 65535}));
}

TEST(BlitAt, DrawsTheWholeSourceAtThePositionAndLeavesTheRectAlone) {
    SDL_Surface* screen = testsupport::Screen();
    SDL_FillRect(screen, nullptr, 0);
    SDL_Surface* square = testsupport::SolidPicture(4, 4, Rgb(0, 255, 0));
    SDL_Rect rect = MakeRect(-2, 100, 1, 1);  // w and h are not used; off-screen part is clipped
    BlitAt(square, screen, rect);
    EXPECT_EQ(rect.x, -2);
    EXPECT_EQ(rect.w, 1);
    EXPECT_EQ(PixelAt(screen, 0, 100), Rgb(0, 255, 0));
    EXPECT_EQ(PixelAt(screen, 1, 103), Rgb(0, 255, 0));
    EXPECT_EQ(PixelAt(screen, 2, 100), 0u);
    SDL_FreeSurface(square);
}

TEST(RandomInt, StaysInRangeAndRepeatsForASeed) {
    platform::SeedRandom(7);
    int first[20];
    for (int& value : first) {
        value = RandomInt(5);
        EXPECT_GE(value, 0);
        EXPECT_LT(value, 5);
    }
    platform::SeedRandom(7);
    for (int value : first) EXPECT_EQ(RandomInt(5), value);
    for (int i = 0; i < 50; ++i) EXPECT_EQ(RandomInt(1), 0);
}

TEST(CopySurface, MakesAnIndependentCopyOfTheDisplay) {
    SDL_Surface* screen = testsupport::Screen();
    SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 10, 20, 30));
    SDL_Surface* copy = CopySurface(screen);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->format->BitsPerPixel, 32);
    EXPECT_EQ(copy->w, 640);
    EXPECT_EQ(copy->h, 480);
    SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 200, 0, 0));
    EXPECT_EQ(PixelAt(copy, 320, 240), Rgb(10, 20, 30));
    EXPECT_EQ(PixelAt(screen, 320, 240), Rgb(200, 0, 0));
    SDL_FreeSurface(copy);
}

TEST(FrameTimer, PacesFramesAndNeverMakesUpForASlowOne) {
    platform::UseVirtualClock(1000);
    FrameTimer timer(platform::Ticks(), 13);
    EXPECT_EQ(timer.Deadline(), 1013u);

    platform::AdvanceVirtualClock(5);  // a frame with 5 ms of work waits 8 ms
    timer.Wait(platform::Ticks());
    EXPECT_EQ(platform::Ticks(), 1013u);
    EXPECT_EQ(timer.Deadline(), 1026u);

    platform::AdvanceVirtualClock(20);  // late: no delay, the period restarts from now
    timer.Wait(platform::Ticks());
    EXPECT_EQ(platform::Ticks(), 1033u);
    EXPECT_EQ(timer.Deadline(), 1046u);

    platform::AdvanceVirtualClock(13);  // exactly on the deadline counts as late
    timer.Wait(platform::Ticks());
    EXPECT_EQ(platform::Ticks(), 1046u);
    EXPECT_EQ(timer.Deadline(), 1059u);

    // The next deadline counts from when the delay really ended, not from the old deadline.
    platform::SetVirtualSleepOvershoot(3);
    timer.Wait(platform::Ticks());
    platform::SetVirtualSleepOvershoot(0);
    EXPECT_EQ(platform::Ticks(), 1062u);
    EXPECT_EQ(timer.Deadline(), 1075u);
}

TEST(JoystickMapping, DeadZoneAndButtons) {
    Uint8 flags[8] = {9, 9, 9, 9, 9, 9, 9, 9};
    const Uint8 buttons[4] = {1, 0, 1, 0};
    // Left, right, up, down, fire, then buttons 1 to 3.
    auto mapped = [&](int x, int y) {
        MapJoystickState(x, y, buttons, flags);
        return std::vector<int>{flags[kInputLeft], flags[kInputRight],   flags[kInputUp],      flags[kInputDown],
                                flags[kInputFire], flags[kInputButton1], flags[kInputButton2], flags[kInputButton3]};
    };
    EXPECT_EQ(mapped(3200, -3200), std::vector<int>({0, 0, 0, 0, 1, 0, 1, 0}));
    EXPECT_EQ(mapped(3201, -3201), std::vector<int>({0, 1, 1, 0, 1, 0, 1, 0}));
    EXPECT_EQ(mapped(-32768, 32767), std::vector<int>({1, 0, 0, 1, 1, 0, 1, 0}));
}

TEST(JoystickMapping, OnlyPadsWithFourButtonsArePolled) {
    EXPECT_TRUE(JoystickPollable(true, 4, 4));
    EXPECT_FALSE(JoystickPollable(true, 3, 3));
    EXPECT_FALSE(JoystickPollable(true, 4, 1));
    EXPECT_FALSE(JoystickPollable(false, 12, 12));
}

TEST(JoystickInput, WithoutAJoystickPollLeavesTheFlagsAlone) {
    ASSERT_EQ(SDL_NumJoysticks(), 0);
    JoystickInput input;
    for (Uint8& flag : InputFlags) flag = 0;
    InputFlags[kInputFire] = 1;
    Uint8* flags = input.Poll();
    EXPECT_EQ(flags, InputFlags);
    EXPECT_EQ(flags[kInputFire], 1);
    InputFlags[kInputFire] = 0;
}
