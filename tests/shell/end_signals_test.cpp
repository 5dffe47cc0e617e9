// SIGINT, SIGTERM and SIGHUP end the process at the very next frame wait of every screen, by
// the same signal. Each case runs in a child process (a death test) that sends itself the
// signal after one frame wait and would exit with status 7 after the next.
#include <gtest/gtest.h>

#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>
#include <tuple>

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

// (screen index, signal)
class EndSignalTest : public ::testing::TestWithParam<std::tuple<int, int>> {};

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
    const ScreenCase& screen = kScreens[std::get<0>(GetParam())];
    const int signal = std::get<1>(GetParam());
    EXPECT_EXIT(RunUntilTheFrameAfterTheSignal(screen, signal), ::testing::KilledBySignal(signal), "")
        << screen.name << ", signal " << signal;
}

INSTANTIATE_TEST_SUITE_P(EveryScreen, EndSignalTest,
                         ::testing::Combine(::testing::Range(0, 4), ::testing::Values(SIGINT, SIGTERM, SIGHUP)),
                         [](const ::testing::TestParamInfo<std::tuple<int, int>>& info) {
                             const int signal = std::get<1>(info.param);
                             return std::string(kScreens[std::get<0>(info.param)].name) + (signal == SIGINT    ? "Int"
                                                                                           : signal == SIGTERM ? "Term"
                                                                                                               : "Hup");
                         });

// The 4 s loading pause of a level waits on the real clock in pieces: a signal ends it at once.
TEST(EndSignals, ALongPauseEndsSoonAfterTheSignal) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EXIT(
        {
            platform::CatchEndSignals();
            platform::UseRealClock();
            std::thread([] {
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
                kill(getpid(), SIGTERM);
            }).detach();
            platform::Sleep(4000);
            std::_Exit(kStillRunning);
        },
        ::testing::KilledBySignal(SIGTERM), "");
    // The child's start-up and the 100 ms before the signal, well short of the pause.
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count(), 2500);
}

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
