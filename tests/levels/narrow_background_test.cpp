// Drawing the background layers only across the playfield must not change a single pixel of what
// the player sees: the HUD frame covers both sides of every frame of play.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "fake_level.h"
#include "hero/hero.h"
#include "levels/level1.h"
#include "levels/level_runner.h"
#include "levels/scrolling_background.h"
#include "support/frame_script.h"
#include "support/sdl_env.h"

namespace {

uint64_t ScreenHash(SDL_Surface* screen) {
    uint64_t hash = 1469598103934665603ull;
    SDL_LockSurface(screen);
    for (int y = 0; y < screen->h; ++y) {
        const Uint8* row = static_cast<const Uint8*>(screen->pixels) + y * screen->pitch;
        for (int x = 0; x < screen->w * 4; ++x) hash = (hash ^ row[x]) * 1099511628211ull;
    }
    SDL_UnlockSurface(screen);
    return hash;
}

// Plays Level 1 to its boss approach with an untouchable hero that never fires, hashing the
// screen every `every` frames of play. fullWidth draws the layers across the whole screen.
std::vector<uint64_t> PlayAndHash(bool fullWidth, int every, int32_t untilMs) {
    testsupport::DrainEvents();
    std::srand(4);
    levelstest::RunWatch watch;
    testsupport::FrameScript frames;
    std::vector<uint64_t> hashes;
    bool widened = false;
    frames.Every([&](int) {
        if (!watch.run) return;
        if (fullWidth && !widened) {
            for (int layer = 1; layer <= watch.run->LayerCount(); ++layer) watch.run->Layer(layer)->SetColumns(0, 640);
            widened = true;
        }
        watch.run->GetHero()->MakeInvulnerable();
        if (watch.run->Frames() % every == 0) hashes.push_back(ScreenHash(testsupport::Screen()));
        if (watch.run->PlayTime() >= untilMs) testsupport::PushKeyDown(SDLK_ESCAPE);
    });
    Level1Script level;
    int32_t state = 1, score = 0;
    LevelRunner runner(testsupport::Screen(), 13, level, &state);
    runner.Run(&score);
    return hashes;
}

TEST(NarrowBackgroundTest, TheScreenIsTheSameWithTheLayersDrawnWhole) {
    // Past the sky, the transition and the stars, into the panel's slide and the backdrop.
    const int32_t untilMs = 118000;
    const std::vector<uint64_t> narrow = PlayAndHash(false, 7, untilMs);
    const std::vector<uint64_t> whole = PlayAndHash(true, 7, untilMs);
    ASSERT_GT(narrow.size(), 1000u);
    ASSERT_EQ(whole.size(), narrow.size());
    for (size_t i = 0; i < narrow.size(); ++i) ASSERT_EQ(whole[i], narrow[i]) << "frame " << (i + 1) * 7;
}

}  // namespace
