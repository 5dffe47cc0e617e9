// Linked into the browser test's build of the real game (its own main, its own screen): the
// page's globalThis.skyriftTestMode chooses, for each game, how its levels are played.
//   "die"    the ship stays where it starts, on a clock that runs as fast as the page allows:
//            the lives go quickly and the game-over screen comes as it does in play;
//   "clear"  the simulator's autopilot flies an invulnerable ship on that fast clock, so a level
//            is cleared in seconds and the next one follows;
//   anything else: the game as it is, played by the page's keys.
// The title keeps the real clock; the fast clock runs from the first level on, at about the real
// pace between the frame loops.
#include <emscripten.h>

#include "autopilot.h"
#include "hero/hero.h"
#include "levels/level_runner.h"
#include "platform/platform.h"

namespace {

enum class Mode { Play, Die, Clear };

Mode AskedMode() {
    // clang-format off
    const int mode = EM_ASM_INT({
        const mode = globalThis.skyriftTestMode;
        return mode === 'die' ? 1 : mode === 'clear' ? 2 : 0;
    });
    // clang-format on
    return mode == 1 ? Mode::Die : mode == 2 ? Mode::Clear : Mode::Play;
}

class GameDriver : public platform::Observer, public LevelWatcher {
public:
    GameDriver() { SetLevelWatcher(this); }

    void LoopStarted(LevelRunner& run) override {
        if (mode == Mode::Play) mode = AskedMode();
        if (mode == Mode::Play) return;
        running = &run;
        // Once fast, the clock stays virtual for the rest of the game: a timer started on it
        // would wait for ages on the real one.
        if (!platform::VirtualClockActive()) {
            platform::UseVirtualClock(platform::Ticks());
            platform::SetObserver(this);
            if (mode == Mode::Clear) keys = platform::UseVirtualKeys();
        }
    }

    void LoopEnded(LevelRunner&) override { running = nullptr; }

    void BeforeWait() override {}

    void AfterWait() override {
        // In play, yield now and then: often enough for the page to paint and take keys, seldom
        // enough that the browser's minimum timer delay does not set the pace. The screens between
        // the frame loops go at about their real pace, for the test to see them.
        if (!running)
            emscripten_sleep(kFramePeriod);
        else if (++frames % kFramesPerYield == 0)
            emscripten_sleep(0);
        if (running && mode == Mode::Clear) {
            running->GetHero()->MakeInvulnerable();
            autopilot.Steer(*running, keys);
        }
    }

private:
    static constexpr int kFramesPerYield = 8;
    static constexpr int kFramePeriod = 13;
    Mode mode = Mode::Play;
    LevelRunner* running = nullptr;
    Uint8* keys = nullptr;
    Autopilot autopilot;
    int frames = 0;
};

GameDriver gameDriver;

}  // namespace
