#include "shell/title_screen.h"

#include <iterator>

#include "core/catalogue_loaders.h"
#include "core/utilities.h"
#include "platform/loaders.h"
#include "platform/platform.h"
#include "platform/screen.h"
#include "shell/screen_events.h"

namespace {

constexpr int kCreditsCount = static_cast<int>(std::size(catalogue::kCredits));
constexpr int kResourcesCount = static_cast<int>(std::size(catalogue::kResources));
constexpr int kControlsCount = static_cast<int>(std::size(catalogue::kControls));
constexpr int kLoadingCount = static_cast<int>(std::size(catalogue::kCurtain));

void FreeAll(SDL_Surface** frames, int count) {
    for (int i = 0; i < count; ++i) SDL_FreeSurface(frames[i]);
    delete[] frames;
}

}  // namespace

TitleScreen::TitleScreen(SDL_Surface* screen, int32_t framePeriod)
    : screen(screen),
      framePeriod(framePeriod),
      creditsFrames(new SDL_Surface*[kCreditsCount]),
      resourcesFrames(new SDL_Surface*[kResourcesCount]),
      controlsFrames(new SDL_Surface*[kControlsCount]),
      loadingFrames(new SDL_Surface*[kLoadingCount]) {
    for (int i = 0; i < kCreditsCount; ++i) creditsFrames[i] = catalogue::Load(catalogue::kCredits[i]);
    for (int i = 0; i < kResourcesCount; ++i) resourcesFrames[i] = catalogue::Load(catalogue::kResources[i]);
    for (int i = 0; i < kControlsCount; ++i) controlsFrames[i] = catalogue::Load(catalogue::kControls[i]);
    // From open to closed.
    for (int i = 0; i < kLoadingCount; ++i)
        loadingFrames[i] = catalogue::Load(catalogue::kCurtain[kLoadingCount - 1 - i]);
}

TitleScreen::~TitleScreen() {
    FreeAll(creditsFrames, kCreditsCount);
    FreeAll(resourcesFrames, kResourcesCount);
    FreeAll(controlsFrames, kControlsCount);
    FreeAll(loadingFrames, kLoadingCount);
}

int32_t TitleScreen::Run() {
    FrameTimer timer(platform::Ticks(), framePeriod);
    // Enter and buttons count only from the second frame of the screen on, in every stage.
    int32_t acceptFlag = 0;
    int32_t result = RunStage(timer, nullptr, creditsFrames, kCreditsCount - 1, true, acceptFlag);
    if (result != 2)
        result = RunStage(timer, creditsFrames[4], resourcesFrames, kResourcesCount - 1, false, acceptFlag);
    if (result != 2)
        result = RunStage(timer, resourcesFrames[3], controlsFrames, kControlsCount - 1, false, acceptFlag);
    if (result != 2) result = RunLoading(timer);
    return result;
}

int32_t TitleScreen::RunStage(FrameTimer& timer, SDL_Surface* backdrop, SDL_Surface** frames, int lastFrame, bool loops,
                              int32_t& acceptFlag) {
    int32_t result = 0;
    int tick = 1;
    int frame = 0;
    const bool firstStage = loops;
    while (result == 0) {
        if (backdrop) platform::Blit(backdrop, nullptr, screen, nullptr);
        platform::Blit(frames[frame], nullptr, screen, nullptr);
        platform::Flip(screen);
        result = ApplyScreenEvents(result, acceptFlag > 0);
        if (tick == 6) {
            tick = 0;
            if (loops) {
                if (++frame == lastFrame + 1) frame = 0;
            } else if (frame < lastFrame) {
                ++frame;
            }
        } else {
            ++tick;
        }
        timer.Wait(platform::Ticks());
        if (firstStage) acceptFlag = 1;
    }
    return result;
}

int32_t TitleScreen::RunLoading(FrameTimer& timer) {
    int32_t result = 0;
    int tick = 1;
    int frame = 0;
    while (result == 0) {
        platform::Blit(controlsFrames[5], nullptr, screen, nullptr);
        platform::Blit(loadingFrames[frame], nullptr, screen, nullptr);
        platform::Flip(screen);
        if (tick == 4) {
            tick = 0;
            if (frame > 3)
                result = 1;
            else
                ++frame;
        } else {
            ++tick;
        }
        timer.Wait(platform::Ticks());
    }
    return result;
}
