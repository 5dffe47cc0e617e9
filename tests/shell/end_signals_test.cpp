// SIGINT, SIGTERM and SIGHUP end the process at the very next frame wait of every screen, by
// the same signal. Each case runs in a child process (a death test) that sends itself the
// signal after one frame wait and would exit with status 7 after the next.
#include <gtest/gtest.h>

#include <signal.h>
#include <unistd.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "levels/level_catalog.h"
#include "levels/level_transition.h"
#include "platform/end_signals.h"
#include "shell/final_score_screen.h"
#include "shell/title_screen.h"
#include "support/frame_script.h"
#include "support/sdl_env.h"

namespace {

constexpr int kStillRunning = 7;

struct ScreenCase {
    const char* name;
    int signalFrame;  // a frame of the screen itself, past any loading animation
    std::function<void()> run;
};

const ScreenCase kScreens[] = {
    {"Title", 3, [] { TitleScreen(testsupport::Screen(), 13).Run(); }},
    // 300 frames of start animation, then play.
    {"Level", 320,
     [] {
         int32_t score = 0;
         MakeGameLevel(1, testsupport::Screen(), 13)->Run(&score);
     }},
    {"GameOver", 3, [] { LevelTransition(testsupport::Screen(), 13).ShowGameOver(); }},
    // 24 frames of loading animation, then the score.
    {"FinalScore", 30, [] { FinalScoreScreen(testsupport::Screen(), 13).Run(12345); }},
};

struct Case {
    int screen;
    int signal;
};

class EndSignalTest : public ::testing::TestWithParam<Case> {};

void RunUntilTheFrameAfterTheSignal(const ScreenCase& screen, int signal) {
    platform::CatchEndSignals();
    testsupport::FrameScript frames;
    frames.At(screen.signalFrame, [signal] { kill(getpid(), signal); });
    frames.At(screen.signalFrame + 1, [] { std::_Exit(kStillRunning); });
    screen.run();
    std::_Exit(0);
}

}  // namespace

TEST_P(EndSignalTest, EndsAtTheNextFrameWaitByThatSignal) {
    // A fresh process for each case: the test program has SDL's audio thread running.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const ScreenCase& screen = kScreens[GetParam().screen];
    const int signal = GetParam().signal;
    EXPECT_EXIT(RunUntilTheFrameAfterTheSignal(screen, signal), ::testing::KilledBySignal(signal), "")
        << screen.name << ", signal " << signal;
}

INSTANTIATE_TEST_SUITE_P(
    EveryScreen, EndSignalTest,
    ::testing::Values(Case{0, SIGINT}, Case{0, SIGTERM}, Case{0, SIGHUP}, Case{1, SIGINT}, Case{1, SIGTERM},
                      Case{1, SIGHUP}, Case{2, SIGINT}, Case{2, SIGTERM}, Case{2, SIGHUP}, Case{3, SIGINT},
                      Case{3, SIGTERM}, Case{3, SIGHUP}),
    [](const ::testing::TestParamInfo<Case>& info) {
        const char* signal = info.param.signal == SIGINT ? "Int" : info.param.signal == SIGTERM ? "Term" : "Hup";
        return std::string(kScreens[info.param.screen].name) + signal;
    });

// A signal the game was started with ignored (nohup, a script's background job) stays ignored.
TEST(EndSignals, AnInheritedIgnoreStands) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            signal(SIGHUP, SIG_IGN);
            RunUntilTheFrameAfterTheSignal(kScreens[0], SIGHUP);
        },
        ::testing::ExitedWithCode(kStillRunning), "");
}
