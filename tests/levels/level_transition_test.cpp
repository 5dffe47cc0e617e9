#include "levels/level_transition.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "levels/hud.h"
#include "support/sdl_env.h"
#include "test_pictures.h"

using namespace levelstest;
using testsupport::PixelAt;
using testsupport::PushKeyDown;
using testsupport::Screen;
using Frames = std::vector<int>;

namespace {

constexpr Uint32 kClosedColour = 0x777700;
constexpr Uint32 kCurtainColours[4] = {0x550000, 0x660000, 0x770000, 0x880000};
constexpr Uint32 kBannerColour = 0x00CC00;
constexpr Uint32 kGameOverColour = 0x0000CC;
constexpr int kSpotX = 300, kSpotY = 100;        // in the playfield, clear of the HUD
constexpr int kCaptionX = 200, kCaptionY = 220;  // inside both captions

// The curtain steps cover the spot, the closed curtain the whole screen.
TransitionPictures TestPictures() {
    TransitionPictures p;
    p.closedCurtain = Filled(640, 480, kClosedColour);
    for (int i = 0; i < 4; ++i) p.curtainFrames[i] = Filled(kSpotX + 10, kSpotY + 10, kCurtainColours[i]);
    p.overlay = Filled(362, 480, 0xC8C8C8);
    SDL_SetAlpha(p.overlay, SDL_SRCALPHA, 80);
    p.gameOverText = Filled(328, 70, kGameOverColour);
    p.winnerBanner = Filled(328, 70, kBannerColour);
    return p;
}

// What covers the spot: 'L' the level's picture, '0'..'3' a curtain step, 'C' closed curtain.
char CurtainAtSpot() {
    Uint32 colour = PixelAt(Screen(), kSpotX, kSpotY);
    if (colour == kClosedColour) return 'C';
    for (int i = 0; i < 4; ++i)
        if (colour == kCurtainColours[i]) return static_cast<char>('0' + i);
    return 'L';
}

class TransitionTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::DrainEvents();
        FillScreen(0x102030);
        bonus = SilentChunk();
        if (!bonus) GTEST_SKIP() << "the mixer is not open";
        sounds = {SilentChunk(), SilentChunk(), SilentChunk()};
        transition = new LevelTransition(Screen(), 13, TestPictures(), sounds);
    }
    void TearDown() override {
        delete transition;
        if (bonus) Mix_FreeChunk(bonus);
        testsupport::DrainEvents();
    }

    // Runs the summary, noting in every frame the score, weapon icons, curtain and banner.
    void RunSummary(int weaponLevel, int startScore) {
        score = startScore;
        scores.clear(), icons.clear(), curtain.clear(), banner.clear();
        FrameWatch watch;
        watch.onFrame = [&](int) {
            scores.push_back(ScoreShown());
            icons.push_back(WeaponIconsShown());
            curtain.push_back(CurtainAtSpot());
            banner.push_back(PixelAt(Screen(), kCaptionX, kCaptionY) == kBannerColour);
        };
        transition->ShowLevelClear(bonus, hud, 4, weaponLevel, &score, 2);
        Record(watch);
    }

    // Runs the game-over screen; push(frame) may queue events after each wait.
    LevelResult RunGameOver(std::function<void(int)> push = nullptr) {
        FrameWatch watch;
        watch.afterFrame = push;
        watch.onFrame = [&](int frame) {
            if (frame == 0) caption = PixelAt(Screen(), kCaptionX, kCaptionY);
            curtain.assign(1, CurtainAtSpot());
        };
        LevelResult result = transition->ShowGameOver();
        Record(watch);
        return result;
    }

    void Record(const FrameWatch& watch) {
        frames = watch.frames;
        bonusFrames = watch.StartsOf(bonus);
        endLevelFrames = watch.StartsOf(sounds.endLevelSound);
        koFrames = watch.StartsOf(sounds.koSound);
        winnerFrames = watch.StartsOf(sounds.winnerSound);
    }

    Hud hud{Screen(), TestHudPictures()};
    TransitionSounds sounds;
    Mix_Chunk* bonus = nullptr;
    LevelTransition* transition = nullptr;
    int score = 0, frames = 0;
    Uint32 caption = 0;
    std::vector<int> scores, icons;
    std::string curtain;
    std::vector<bool> banner;
    Frames bonusFrames, endLevelFrames, koFrames, winnerFrames;
};

TEST_F(TransitionTest, WeaponLevelSevenEarnsThreeBonusesShownInTheFrameTheirSoundStarts) {
    RunSummary(7, 1000);
    EXPECT_EQ(score, 1450);
    ASSERT_EQ(frames, 851);
    EXPECT_EQ(bonusFrames, (Frames{300, 350, 400}));
    EXPECT_EQ(scores[299], 1000);
    EXPECT_EQ(scores[300], 1150);
    EXPECT_EQ(scores[350], 1300);
    EXPECT_EQ(scores[400], 1450);
    EXPECT_EQ(icons[299], 3);
    EXPECT_EQ(icons[300], 2);
    EXPECT_EQ(icons[400], 0);

    RunSummary(3, 0);
    EXPECT_EQ(score, 150);
    EXPECT_EQ(bonusFrames, (Frames{300}));
    EXPECT_EQ(scores[300], 150);
}

TEST_F(TransitionTest, SummaryWithoutBonusShowsBannerThenCurtainAndIgnoresKeys) {
    PushKeyDown(SDLK_RETURN);
    RunSummary(1, 500);
    EXPECT_EQ(score, 500);
    EXPECT_TRUE(bonusFrames.empty());
    EXPECT_EQ(frames, 851);
    EXPECT_EQ(winnerFrames, (Frames{55}));
    EXPECT_EQ(endLevelFrames, (Frames{504}));
    EXPECT_FALSE(banner[54]);
    EXPECT_TRUE(banner[55] && banner[504]);
    EXPECT_FALSE(banner[505]);
    EXPECT_EQ(curtain, std::string(505, 'L') + "3333222211110000" + std::string(330, 'C'));
    EXPECT_EQ(PixelAt(Screen(), 5, 5), kClosedColour);  // what stays on the screen
    SDL_Event event;                                    // the key waits for the next level
    ASSERT_EQ(SDL_PollEvent(&event), 1);
    EXPECT_EQ(event.key.keysym.sym, SDLK_RETURN);
}

TEST_F(TransitionTest, ReturnQueuedBeforeTheGameOverScreenEndsItAtOnce) {
    PushKeyDown(SDLK_RETURN);
    PushKeyDown(SDLK_a);
    EXPECT_EQ(RunGameOver(), LevelResult::PlayAgain);
    EXPECT_EQ(caption, kGameOverColour);
    EXPECT_EQ(frames, 1 + 81);  // one wait frame reads the answer, then the curtain
    EXPECT_TRUE(koFrames.empty());
    EXPECT_EQ(endLevelFrames, (Frames{1 + 4}));
    EXPECT_EQ(curtain, "C");
    SDL_Event event;  // events after the answer stay queued
    ASSERT_EQ(SDL_PollEvent(&event), 1);
    EXPECT_EQ(event.key.keysym.sym, SDLK_a);
}

TEST_F(TransitionTest, GameOverAnswers) {
    PushKeyDown(SDLK_ESCAPE);
    EXPECT_EQ(RunGameOver(), LevelResult::Quit);
    SDL_Event button = {};
    button.type = button.jbutton.type = SDL_JOYBUTTONDOWN;
    button.jbutton.button = 3;
    SDL_PushEvent(&button);
    EXPECT_EQ(RunGameOver(), LevelResult::PlayAgain);

    // Other keys, a click, a key release and a closed window answer nothing.
    LevelResult result = RunGameOver([](int frame) {
        if (frame == 50) {
            PushKeyDown(SDLK_SPACE);
            PushKeyDown(SDLK_KP_ENTER);
            testsupport::PushEventType(SDL_QUIT);
            testsupport::PushEventType(SDL_MOUSEBUTTONDOWN);
            testsupport::PushEventType(SDL_KEYUP);
        }
        if (frame == 60) PushKeyDown(SDLK_ESCAPE);
    });
    EXPECT_EQ(result, LevelResult::Quit);
    EXPECT_EQ(frames, 61 + 81);
}

TEST_F(TransitionTest, KoSoundComesAfter35FramesUnlessAnsweredBefore) {
    EXPECT_EQ(RunGameOver([](int frame) {
                  if (frame == 40) PushKeyDown(SDLK_RETURN);
              }),
              LevelResult::PlayAgain);
    EXPECT_EQ(koFrames, (Frames{35}));
    EXPECT_EQ(endLevelFrames, (Frames{41 + 4}));
    RunGameOver([](int frame) {
        if (frame == 20) PushKeyDown(SDLK_RETURN);
    });
    EXPECT_TRUE(koFrames.empty());
}

TEST(TransitionLoading, MissingPicturesAndSoundsNeverCrash) {
    testsupport::DrainEvents();
    LevelTransition transition(Screen(), 13);  // the forge's files, or the loaders' stand-ins
    Hud hud(Screen(), TestHudPictures());
    int score = 10;
    transition.ShowLevelClear(nullptr, hud, 2, 5, &score, 1);
    EXPECT_EQ(score, 310);
    PushKeyDown(SDLK_RETURN);
    EXPECT_EQ(transition.ShowGameOver(), LevelResult::PlayAgain);
}

}  // namespace
