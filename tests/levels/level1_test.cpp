// Level 1's script: the 600-slot timetable with its clock checkpoints and draw order, the boss,
// and the boss approach (the panel sliding in, then the backdrop).
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "enemies/bosses/moine.h"
#include "enemies/regular/boule.h"
#include "enemies/regular/delta.h"
#include "enemies/regular/modular.h"
#include "enemies/regular/piaf.h"
#include "enemies/regular/soucoupe.h"
#include "enemies/regular/yeux.h"
#include "fake_level.h"
#include "hero/hero.h"
#include "levels/level1.h"
#include "levels/level_runner.h"
#include "platform/random.h"
#include "support/frame_script.h"
#include "support/sdl_env.h"
#include "table_fixture.h"

namespace {

using levelstest::kT0;
using Level1TableTest = levelstest::TableTest<Level1Script>;

TEST_F(Level1TableTest, EverySlotHoldsItsClassAtItsSpawnTime) {
    Build(1);
    for (int slot = 0; slot < 600; ++slot) {
        ASSERT_NE(nullptr, slots[slot]) << slot;
        if (slot > 0) {
            EXPECT_GE(Spawn(slot), Spawn(slot - 1)) << "the table stays in spawn-time order at " << slot;
        }
        const bool saucer = slot == 80 || slot == 241 || slot == 400;
        const bool right = saucer        ? As<Soucoupe>(slot) != nullptr
                           : slot <= 92  ? As<Boule>(slot) != nullptr
                           : slot <= 239 ? As<Piaf>(slot) != nullptr
                           : slot == 240 ? As<Delta>(slot) != nullptr
                           : slot <= 243 ? As<Yeux>(slot) != nullptr
                                         : As<Modular>(slot) != nullptr;
        EXPECT_TRUE(right) << slot;
    }
    // Wave w of balls at 800 w (wave 16 begins at slot 81, behind the saucer).
    const int firstOfWave[19] = {0, 5, 10, 15, 20, 25, 30, 35, 40, 45, 50, 55, 60, 65, 70, 75, 81, 86, 91};
    for (int w = 0; w < 19; ++w) EXPECT_EQ(800 * w, Spawn(firstOfWave[w])) << "wave " << w;
    const std::vector<std::pair<int, int32_t>> checkpoints = {
        {80, 12800},  {92, 14400},  {93, 18475},  {239, 29425}, {240, 33425}, {241, 48925}, {242, 50425},
        {243, 50425}, {244, 62925}, {399, 78425}, {400, 78525}, {401, 78525}, {599, 98325},
    };
    for (const auto& [slot, time] : checkpoints) EXPECT_EQ(time, Spawn(slot)) << "slot " << slot;
    ASSERT_TRUE(dynamic_cast<Moine*>(boss.get()));
    EXPECT_EQ(110425, boss->GetSpawnTime() - kT0);
}

// The draws, replayed by hand: one 200 per wave, then per bird the script's 364 and the bird's
// own 3, then per module the script's 320 and the module's own 20.
TEST_F(Level1TableTest, RandomNumbersAreDrawnSlotBySlotScriptFirst) {
    for (unsigned seed : {1u, 9u, 42u}) {
        SCOPED_TRACE(seed);
        Build(seed);
        platform::SeedRandom(seed);
        for (int slot = 0; slot < 600; ++slot) {
            if (slot == 80 || slot == 241 || slot == 400 || (slot >= 240 && slot <= 243)) continue;
            if (slot <= 92) {
                const bool leader = slot < 80 ? slot % 5 == 0 : (slot - 81) % 5 == 0;
                if (leader) {
                    ASSERT_EQ(platform::Random() % 200, slots[slot]->GetRect().y) << slot;
                }
            } else if (slot <= 239) {
                const int x = 138 + platform::Random() % 364;
                const int drift = platform::Random() % 3;
                ASSERT_EQ(x, slots[slot]->GetRect().x) << slot;
                ASSERT_EQ(x < 310 ? drift : -drift, static_cast<Piaf*>(slots[slot])->GetVx()) << slot;
            } else {
                const int x = 138 + platform::Random() % 320;
                const int entry = platform::Random() % 20 + 10;
                ASSERT_EQ(x, slots[slot]->GetRect().x) << slot;
                ASSERT_EQ(entry, static_cast<Modular*>(slots[slot])->GetEntryLength()) << slot;
            }
        }
    }
}

// The boss approach, watched frame by frame through a real run with an untouchable hero that
// never fires.
TEST(Level1ApproachTest, ThePanelSlidesInOnceThenTheBackdropLoops) {
    testsupport::DrainEvents();
    levelstest::RunWatch watch;
    testsupport::FrameScript frames;
    struct Seen {
        int32_t time;
        int32_t panelX;
        bool music;
        int backdropFrame, backdropTick;
    };
    std::vector<Seen> seen;
    Level1Script* script = nullptr;
    int backdropFrames = 0;
    frames.Every([&](int) {
        if (!watch.run) return;
        watch.run->GetHero()->MakeInvulnerable();
        script = static_cast<Level1Script*>(&watch.run->Script());
        seen.push_back({watch.run->PlayTime(), script->PanelX(), watch.run->BossMusicStarted(), script->BackdropFrame(),
                        script->BackdropTick()});
        if (seen.back().music && ++backdropFrames == 100) testsupport::PushKeyDown(SDLK_ESCAPE);
    });
    Level1Script level;
    LevelState state = LevelState::Running;
    int32_t score = 0;
    LevelRunner runner(testsupport::Screen(), 13, level, &state);
    ASSERT_EQ(LevelResult::Quit, runner.Run(&score));

    size_t first = 0;
    while (first < seen.size() && seen[first].time < Level1Script::kBossApproachMs) ++first;
    ASSERT_LT(first, seen.size());
    ASSERT_FALSE(seen[first].music);
    // 502 before the first approach frame, 5 pixels less after each, resting at 72 after 86.
    EXPECT_EQ(497, seen[first].panelX);
    EXPECT_EQ(502, seen[first - 1].panelX);
    EXPECT_EQ(72, seen[first + 85].panelX);
    EXPECT_EQ(77, seen[first + 84].panelX);

    size_t music = first;
    while (music < seen.size() && !seen[music].music) ++music;
    ASSERT_LT(music + 80, seen.size());
    EXPECT_EQ(0, seen[music].backdropTick) << "the backdrop starts the frame after the music";
    // Frame n of the backdrop (1-based) draws step (n - 1) / 9 of the eight-step loop.
    for (size_t n = 1; n <= 80; ++n) {
        const int drawn = seen[music + n - 1].backdropFrame;
        EXPECT_EQ(static_cast<int>((n - 1) / 9 % 8), drawn) << n;
    }
    EXPECT_EQ(72, seen.back().panelX);
}

}  // namespace
