// The title and final score screens: stage lengths, the accept flag, event order, digits.
#include <gtest/gtest.h>

#include <string>

#include "core/utilities.h"
#include "platform/platform.h"
#include "shell/final_score_screen.h"
#include "shell/title_screen.h"
#include "support/data_folder.h"
#include "support/frame_script.h"
#include "support/sdl_env.h"

using testsupport::FrameScript;
using testsupport::PushEventType;
using testsupport::PushKeyDown;

namespace {

class ScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::DrainEvents();
        testing::internal::CaptureStderr();  // missing pictures may warn; not what we test here
    }
    void TearDown() override {
        testing::internal::GetCapturedStderr();
        testsupport::DrainEvents();
    }
};

int32_t RunTitle() {
    TitleScreen title(testsupport::Screen(), 13);
    return title.Run();
}

}  // namespace

TEST_F(ScreenTest, TitleEscapeOnTheFirstFrameQuitsAtOnce) {
    FrameScript frames;
    PushKeyDown(SDLK_ESCAPE);
    Uint32 start = platform::Ticks();
    EXPECT_EQ(RunTitle(), 2);
    EXPECT_EQ(frames.Frames(), 1);
    EXPECT_EQ(platform::Ticks() - start, 13u);
}

TEST_F(ScreenTest, TitleEnterCountsFromTheSecondFrameAndLoadingLasts24Frames) {
    FrameScript frames;
    PushKeyDown(SDLK_RETURN);                                // ignored: first frame
    frames.At(5, [] { PushKeyDown(SDLK_RETURN); });          // ends stage 1 in frame 6
    frames.At(6, [] { PushEventType(SDL_JOYBUTTONDOWN); });  // ends stage 2
    frames.At(7, [] { PushEventType(SDL_QUIT); });           // window close ends stage 3 like Enter
    EXPECT_EQ(RunTitle(), 1);
    EXPECT_EQ(frames.Frames(), 6 + 1 + 1 + 24);
}

TEST_F(ScreenTest, TitleLoadingIgnoresEscape) {
    FrameScript frames;
    for (int frame : {1, 2, 3}) frames.At(frame, [] { PushKeyDown(SDLK_RETURN); });
    frames.At(5, [] { PushKeyDown(SDLK_ESCAPE); });  // during loading: stays queued
    EXPECT_EQ(RunTitle(), 1);
    EXPECT_EQ(frames.Frames(), 4 + 24);
}

TEST_F(ScreenTest, TitleLaterEventInTheQueueDecides) {
    {
        FrameScript frames;
        frames.At(1, [] {
            PushKeyDown(SDLK_ESCAPE);
            PushKeyDown(SDLK_RETURN);
        });
        frames.At(2, [] { PushKeyDown(SDLK_ESCAPE); });
        EXPECT_EQ(RunTitle(), 2);
        EXPECT_EQ(frames.Frames(), 3);  // stage 1 ended by Enter, Escape in stage 2
    }
    {
        FrameScript frames;
        frames.At(1, [] {
            PushKeyDown(SDLK_RETURN);
            PushKeyDown(SDLK_ESCAPE);
        });
        EXPECT_EQ(RunTitle(), 2);
        EXPECT_EQ(frames.Frames(), 2);
    }
}

TEST_F(ScreenTest, TitleStagesShowTheirPicturesForTheirFrameCounts) {
    testsupport::TempDataFolder data;
    const Uint32 credits[5] = {0x100000, 0x200000, 0x300000, 0x400000, 0x500000};
    for (int i = 0; i < 5; ++i)
        data.SolidPicture("Images/Panorama/Programmer" + std::to_string(i + 1) + ".png", 640, 480, credits[i]);
    // Stage 2 draws the green-keyed resources pictures over the last credits picture.
    data.SolidPicture("Images/Panorama/Resources_RA.png", 640, 480, 0x008000);
    data.SolidPicture("Images/Panorama/Resources_R.png", 640, 480, 0x00FF00);

    std::vector<Uint32> shown;
    FrameScript frames;
    frames.Every([&](int) { shown.push_back(testsupport::PixelAt(testsupport::Screen(), 5, 5)); });
    frames.At(6 + 7 * 5 + 3, [] { PushKeyDown(SDLK_RETURN); });
    frames.At(6 + 7 * 5 + 4 + 2, [] { PushKeyDown(SDLK_ESCAPE); });
    EXPECT_EQ(RunTitle(), 2);

    std::vector<Uint32> expected;
    for (int loop = 0; loop < 2; ++loop)
        for (int i = 0; i < 5 && expected.size() < 6 + 7 * 5 + 4; ++i)
            expected.insert(expected.end(), (loop == 0 && i == 0) ? 6 : 7, credits[i]);
    expected.resize(6 + 7 * 5 + 4);
    expected.push_back(credits[4]);  // RA is keyed away entirely
    expected.push_back(credits[4]);
    expected.push_back(credits[4]);  // RB and RC are missing: nothing drawn over the backdrop
    ASSERT_EQ(shown.size(), expected.size());
    EXPECT_EQ(shown, expected);
}

namespace {

// A data folder of our own in which the digit sheet has one known colour per digit.
class FinalScoreTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        SDL_Surface* sheet = SDL_CreateRGBSurface(SDL_SWSURFACE, 330, 34, 24, 0xFF0000, 0xFF00, 0xFF, 0);
        for (int d = 0; d < 10; ++d) {
            SDL_Rect cell = {static_cast<Sint16>(33 * d), 0, 33, 34};
            SDL_FillRect(sheet, &cell, SDL_MapRGB(sheet->format, DigitRed(d), 40, 200));
        }
        data.Picture("Images/Panorama/PlancheScore_Big.png", sheet);
        SDL_FreeSurface(sheet);
    }
    static Uint8 DigitRed(int d) { return static_cast<Uint8>(20 + 20 * d); }

    // The digit drawn at place k of the score, read back from the screen; -1 if none matches.
    static int DigitOnScreen(int k) {
        Uint32 pixel = testsupport::PixelAt(testsupport::Screen(), 242 + 33 * k + 16, 206 + 17);
        for (int d = 0; d < 10; ++d)
            if (pixel == testsupport::Rgb(DigitRed(d), 40, 200)) return d;
        return -1;
    }

    testsupport::TempDataFolder data;
};

}  // namespace

TEST_F(FinalScoreTest, DrawsFiveDigitsWithLeadingZeros) {
    FrameScript frames;
    PushKeyDown(SDLK_ESCAPE);  // queued through the loading stage, read by the first score frame
    FinalScoreScreen screen(testsupport::Screen(), 13);
    EXPECT_EQ(screen.Run(1234), 2);
    EXPECT_EQ(frames.Frames(), 24 + 1);
    int expected[5] = {0, 1, 2, 3, 4};
    for (int k = 0; k < 5; ++k) EXPECT_EQ(DigitOnScreen(k), expected[k]) << "place " << k;
}

TEST_F(FinalScoreTest, ScoresBeyondFiveDigitsShowNines) {
    PushKeyDown(SDLK_ESCAPE);
    FinalScoreScreen screen(testsupport::Screen(), 13);
    screen.Run(123456);
    for (int k = 0; k < 5; ++k) EXPECT_EQ(DigitOnScreen(k), 9) << "place " << k;
}

TEST_F(FinalScoreTest, QueuedEnterIsIgnoredThenEnterEnds) {
    FrameScript frames;
    PushKeyDown(SDLK_RETURN);
    frames.At(24 + 3, [] { PushKeyDown(SDLK_RETURN); });
    FinalScoreScreen screen(testsupport::Screen(), 13);
    EXPECT_EQ(screen.Run(0), 1);
    EXPECT_EQ(frames.Frames(), 24 + 4);
    for (int k = 0; k < 5; ++k) EXPECT_EQ(DigitOnScreen(k), 0);
}

TEST(ScoreDigits, SplitsByDivisionAndClampsToTheSheet) {
    int32_t digits[5];
    ScoreDigits(90817, digits);
    EXPECT_EQ(std::vector<int32_t>(digits, digits + 5), std::vector<int32_t>({9, 0, 8, 1, 7}));
    ScoreDigits(100000, digits);
    for (int d : digits) EXPECT_EQ(d, 9);
    ScoreDigits(-5, digits);
    for (int d : digits) EXPECT_EQ(d, 0);
}
