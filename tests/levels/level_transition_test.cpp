#include "levels/level_transition.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "levels/hud.h"
#include "support/sdl_env.h"
#include "test_pictures.h"

using namespace levelstest;
using testsupport::PixelAt;
using testsupport::PushKeyDown;
using testsupport::Screen;

namespace {

constexpr Uint32 kLevelColour = 0x102030;  // the level's last picture
constexpr Uint32 kClosedColour = 0x777700;
constexpr Uint32 kCurtainColours[4] = {0x550000, 0x660000, 0x770000, 0x880000};
constexpr Uint32 kBannerColour = 0x00CC00;
constexpr Uint32 kGameOverColour = 0x0000CC;
constexpr Uint32 kOverlayColour = 0xC8C8C8;

// A spot the HUD test pictures leave alone (playfield), and one inside the banner's place.
constexpr int kSpotX = 300, kSpotY = 100;
constexpr int kBannerX = 200, kBannerY = 220;

// Curtain frames are small keyed-free squares in the top-left playfield corner, the closed
// curtain covers everything.
TransitionPictures TestPictures() {
    TransitionPictures p;
    p.closedCurtain = Filled(640, 480, kClosedColour);
    for (int i = 0; i < 4; ++i) p.curtainFrames[i] = Filled(kSpotX + 10, kSpotY + 10, kCurtainColours[i]);
    p.overlay = Filled(362, 480, kOverlayColour);
    SDL_SetAlpha(p.overlay, SDL_SRCALPHA, 80);
    p.gameOverText = Filled(328, 70, kGameOverColour);
    p.winnerBanner = Filled(328, 70, kBannerColour);
    return p;
}

// What covers the spot: 'L' level picture, '3'..'0' a curtain frame, 'C' closed curtain.
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
        FillScreen(kLevelColour);
        sounds.endLevelSound = SilentChunk();
        sounds.koSound = SilentChunk();
        sounds.winnerSound = SilentChunk();
        if (!sounds.winnerSound) GTEST_SKIP() << "the mixer is not open";
        endLevel = sounds.endLevelSound;
        ko = sounds.koSound;
        winner = sounds.winnerSound;
        transition = new LevelTransition(Screen(), 13, TestPictures(), sounds);
    }
    void TearDown() override {
        delete transition;
        testsupport::DrainEvents();
    }

    TransitionSounds sounds;
    Mix_Chunk* endLevel = nullptr;
    Mix_Chunk* ko = nullptr;
    Mix_Chunk* winner = nullptr;
    LevelTransition* transition = nullptr;
};

class LevelClearTest : public TransitionTest {
protected:
    void SetUp() override {
        TransitionTest::SetUp();
        bonus = SilentChunk();
    }
    void TearDown() override {
        TransitionTest::TearDown();
        if (bonus) Mix_FreeChunk(bonus);
    }

    // Runs the summary, noting per frame the score, the weapon icons, the curtain and the banner.
    void Run(int weaponLevel, int startScore) {
        score = startScore;
        FrameWatch watch;
        watch.onFrame = [&](int) {
            scores.push_back(ScoreShown());
            icons.push_back(WeaponIconsShown());
            curtain.push_back(CurtainAtSpot());
            banner.push_back(PixelAt(Screen(), kBannerX, kBannerY) == kBannerColour);
        };
        transition->ShowLevelClear(bonus, hud, 4, weaponLevel, &score, 2);
        frames = watch.frames;
        bonusFrames = watch.StartsOf(bonus);
        winnerFrames = watch.StartsOf(winner);
        endLevelFrames = watch.StartsOf(endLevel);
    }

    Hud hud{Screen(), TestHudPictures()};
    Mix_Chunk* bonus = nullptr;
    int score = 0;
    int frames = 0;
    std::vector<int> scores, icons;
    std::vector<char> curtain;
    std::vector<bool> banner;
    std::vector<int> bonusFrames, winnerFrames, endLevelFrames;
};

TEST_F(LevelClearTest, ThreeBonusesAreCountedAtFrames300To400) {
    Run(7, 1000);
    EXPECT_EQ(score, 1450);
    ASSERT_EQ(frames, 851);
    EXPECT_EQ(bonusFrames, (std::vector<int>{300, 350, 400}));
    // The HUD shows each bonus in the very frame its sound starts.
    EXPECT_EQ(scores[299], 1000);
    EXPECT_EQ(scores[300], 1150);
    EXPECT_EQ(scores[349], 1150);
    EXPECT_EQ(scores[350], 1300);
    EXPECT_EQ(scores[400], 1450);
    EXPECT_EQ(scores[520], 1450);  // the closed curtain covers the HUD later
    EXPECT_EQ(icons[0], 3);
    EXPECT_EQ(icons[300], 2);
    EXPECT_EQ(icons[350], 1);
    EXPECT_EQ(icons[400], 0);
}

TEST_F(LevelClearTest, OneBonusForWeaponLevelThreeAndNoneForLevelOne) {
    Run(3, 0);
    EXPECT_EQ(score, 150);
    EXPECT_EQ(bonusFrames, (std::vector<int>{300}));
    EXPECT_EQ(scores[300], 150);
    EXPECT_EQ(icons[300], 0);

    scores.clear();
    Run(1, 500);
    EXPECT_EQ(score, 500);
    EXPECT_TRUE(bonusFrames.empty());
    EXPECT_EQ(scores[400], 500);
}

TEST_F(LevelClearTest, BannerThenCurtainOverTheFrozenLevel) {
    Run(1, 0);
    EXPECT_EQ(winnerFrames, (std::vector<int>{55}));
    EXPECT_EQ(endLevelFrames, (std::vector<int>{504}));
    EXPECT_FALSE(banner[54]);
    EXPECT_TRUE(banner[55]);
    EXPECT_TRUE(banner[504]);
    EXPECT_FALSE(banner[505]);

    std::string seen(curtain.begin(), curtain.end());
    std::string expected = std::string(505, 'L') + std::string(4, '3') + std::string(4, '2') + std::string(4, '1') +
                           std::string(4, '0') + std::string(330, 'C');
    EXPECT_EQ(seen, expected);
    // The closed curtain is what stays on the screen.
    EXPECT_EQ(PixelAt(Screen(), 5, 5), kClosedColour);
}

TEST_F(LevelClearTest, KeysDoNotShortenTheSummaryAndStayQueued) {
    PushKeyDown(SDLK_RETURN);
    PushKeyDown(SDLK_ESCAPE);
    Run(1, 0);
    EXPECT_EQ(frames, 851);
    SDL_Event event;
    ASSERT_EQ(SDL_PollEvent(&event), 1);
    EXPECT_EQ(event.key.keysym.sym, SDLK_RETURN);
}

class GameOverTest : public TransitionTest {
protected:
    int Show() {
        FrameWatch watch;
        watch.afterFrame = [&](int frame) {
            if (answerAfter >= 0 && frame == answerAfter) answer();
        };
        watch.onFrame = [&](int frame) {
            if (frame == 0) firstFrameText = PixelAt(Screen(), kBannerX, kBannerY);
            lastSpot = CurtainAtSpot();
        };
        int result = transition->ShowGameOver();
        frames = watch.frames;
        koFrames = watch.StartsOf(ko);
        endLevelFrames = watch.StartsOf(endLevel);
        return result;
    }

    int answerAfter = -1;  // queue answer() after this wait frame
    std::function<void()> answer;
    int frames = 0;
    Uint32 firstFrameText = 0;
    char lastSpot = '?';
    std::vector<int> koFrames, endLevelFrames;
};

TEST_F(GameOverTest, ReturnQueuedBeforeTheScreenEndsItAtOnce) {
    PushKeyDown(SDLK_RETURN);
    PushKeyDown(SDLK_a);
    EXPECT_EQ(Show(), 2);
    // One wait frame reads the answer, then the 81 frames of the curtain.
    EXPECT_EQ(frames, 1 + 81);
    EXPECT_TRUE(koFrames.empty());
    EXPECT_EQ(endLevelFrames, (std::vector<int>{1 + 4}));
    EXPECT_EQ(lastSpot, 'C');
    EXPECT_EQ(PixelAt(Screen(), 5, 5), kClosedColour);
    // Events after the answer stay queued.
    SDL_Event event;
    ASSERT_EQ(SDL_PollEvent(&event), 1);
    EXPECT_EQ(event.key.keysym.sym, SDLK_a);
}

TEST_F(GameOverTest, EscapeQuitsAndAJoystickButtonPlaysAgain) {
    PushKeyDown(SDLK_ESCAPE);
    EXPECT_EQ(Show(), 0);

    SDL_Event button = {};
    button.type = SDL_JOYBUTTONDOWN;
    button.jbutton.type = SDL_JOYBUTTONDOWN;
    button.jbutton.button = 3;
    SDL_PushEvent(&button);
    EXPECT_EQ(Show(), 2);
}

TEST_F(GameOverTest, OtherKeysClicksAndAClosedWindowAreIgnored) {
    FrameWatch watch;
    watch.afterFrame = [](int frame) {
        if (frame == 50) {
            PushKeyDown(SDLK_SPACE);
            PushKeyDown(SDLK_KP_ENTER);
            testsupport::PushEventType(SDL_QUIT);
            testsupport::PushEventType(SDL_MOUSEBUTTONDOWN);
            SDL_Event up = {};
            up.type = SDL_KEYUP;
            up.key.keysym.sym = SDLK_RETURN;
            SDL_PushEvent(&up);
        }
        if (frame == 60) PushKeyDown(SDLK_ESCAPE);
    };
    EXPECT_EQ(transition->ShowGameOver(), 0);
    // Wait frames 0 to 60, the last one reading the Escape, then the curtain.
    EXPECT_EQ(watch.frames, 61 + 81);
}

TEST_F(GameOverTest, KoSoundComesAfter35FramesUnlessAnsweredBefore) {
    answerAfter = 40;
    answer = [] { PushKeyDown(SDLK_RETURN); };
    EXPECT_EQ(Show(), 2);
    EXPECT_EQ(koFrames, (std::vector<int>{35}));
    EXPECT_EQ(frames, 41 + 81);
    EXPECT_EQ(endLevelFrames, (std::vector<int>{41 + 4}));

    answerAfter = 20;
    EXPECT_EQ(Show(), 2);
    EXPECT_TRUE(koFrames.empty());
}

TEST_F(GameOverTest, CaptionAndOverlayAreLaidOverTheLastPicture) {
    PushKeyDown(SDLK_RETURN);
    Show();
    EXPECT_EQ(firstFrameText, kGameOverColour);
}

TEST(GameOverOverlay, OverlayCoversOnlyThePlayfieldTranslucently) {
    testsupport::DrainEvents();
    FillScreen(0x000000);
    TransitionPictures pictures = TestPictures();
    SDL_FreeSurface(pictures.closedCurtain);
    pictures.closedCurtain = nullptr;  // keep the frozen picture visible after the curtain
    for (SDL_Surface*& frame : pictures.curtainFrames) {
        SDL_FreeSurface(frame);
        frame = nullptr;
    }
    LevelTransition transition(Screen(), 13, pictures, TransitionSounds());
    PushKeyDown(SDLK_ESCAPE);
    EXPECT_EQ(transition.ShowGameOver(), 0);
    Uint32 inside = PixelAt(Screen(), 145, 400);
    EXPECT_GT(inside, 0u);
    EXPECT_LT(inside, kOverlayColour);  // blended with alpha 80 over black
    EXPECT_EQ(PixelAt(Screen(), 138, 400), 0u);
    EXPECT_EQ(PixelAt(Screen(), 501, 400), 0u);
    EXPECT_EQ(PixelAt(Screen(), 500, 400), inside);
}

TEST(TransitionLoading, MissingPicturesAndSoundsNeverCrash) {
    testsupport::DrainEvents();
    LevelTransition transition(Screen(), 13);
    Hud hud(Screen(), TestHudPictures());
    int score = 10;
    transition.ShowLevelClear(nullptr, hud, 2, 5, &score, 1);
    EXPECT_EQ(score, 310);
    PushKeyDown(SDLK_RETURN);
    EXPECT_EQ(transition.ShowGameOver(), 2);
}

}  // namespace
