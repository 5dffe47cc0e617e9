// The frame wait in the browser. The page only paints, and keys and gamepads only arrive,
// while the game waits; the game waits in SDL_Delay, which the browser build turns into a
// yield to the browser (-sASYNCIFY). A frame that ran late does not wait at all, so here every
// wait that did not sleep yields once anyway: a run of slow frames stays slow but never
// freezes the page.
//
// Each frame's work (from the end of one wait to the start of the next) and the time between
// frames go to the page, for the figures it shows when asked to measure.
#include <emscripten.h>

#include "platform/platform.h"

namespace {

class BrowserFrames : public platform::Observer {
public:
    BrowserFrames() { platform::SetObserver(this); }

    void BeforeWait() override {
        waitStart = emscripten_get_now();
        if (workStart > 0) {
            // clang-format off
            EM_ASM({
                if (Module.onFrameWork) Module.onFrameWork($0, $1);
            }, waitStart - workStart, waitStart - previousWaitStart);
            // clang-format on
        }
        previousWaitStart = waitStart;
    }

    void AfterWait() override {
        // A wait that slept took at least a millisecond.
        if (emscripten_get_now() - waitStart < kSleptAtLeast) emscripten_sleep(0);
        workStart = emscripten_get_now();
    }

private:
    static constexpr double kSleptAtLeast = 0.5;
    double waitStart = 0;
    double previousWaitStart = 0;
    double workStart = 0;
};

// Installed before main runs: the game itself knows nothing of the browser.
BrowserFrames browserFrames;

}  // namespace
