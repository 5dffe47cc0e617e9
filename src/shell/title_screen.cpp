#include "shell/title_screen.h"

#include "platform/loaders.h"
#include "platform/platform.h"
#include "shell/screen_events.h"
#include "core/utilities.h"
#include "platform/screen.h"

namespace {

constexpr int kCreditsCount = 5;
constexpr int kResourcesCount = 4;
constexpr int kControlsCount = 6;
constexpr int kLoadingCount = 5;

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
    creditsFrames[0] = platform::LoadPicture("./Images/Panorama/Programmer1.png");
    creditsFrames[1] = platform::LoadPicture("./Images/Panorama/Programmer2.png");
    creditsFrames[2] = platform::LoadPicture("./Images/Panorama/Programmer3.png");
    creditsFrames[3] = platform::LoadPicture("./Images/Panorama/Programmer4.png");
    creditsFrames[4] = platform::LoadPicture("./Images/Panorama/Programmer5.png");
    resourcesFrames[0] = platform::LoadPicture("./Images/Panorama/Resources_RA.png", 0, 128, 0);
    resourcesFrames[1] = platform::LoadPicture("./Images/Panorama/Resources_RB.png", 0, 128, 0);
    resourcesFrames[2] = platform::LoadPicture("./Images/Panorama/Resources_RC.png", 0, 128, 0);
    resourcesFrames[3] = platform::LoadPicture("./Images/Panorama/Resources_R.png", 0, 128, 0);
    controlsFrames[0] = platform::LoadPicture("./Images/Panorama/KeyboardA.png", 255, 0, 255);
    controlsFrames[1] = platform::LoadPicture("./Images/Panorama/KeyboardB.png", 255, 0, 255);
    controlsFrames[2] = platform::LoadPicture("./Images/Panorama/KeyboardC.png", 255, 0, 255);
    controlsFrames[3] = platform::LoadPicture("./Images/Panorama/KeyboardD.png", 255, 0, 255);
    controlsFrames[4] = platform::LoadPicture("./Images/Panorama/KeyboardE.png", 255, 0, 255);
    controlsFrames[5] = platform::LoadPicture("./Images/Panorama/Keyboard.png");
    loadingFrames[0] = platform::LoadPicture("./Images/Panorama/Loading_5a.png", 255, 255, 0);
    loadingFrames[1] = platform::LoadPicture("./Images/Panorama/Loading_4a.png", 255, 255, 0);
    loadingFrames[2] = platform::LoadPicture("./Images/Panorama/Loading_3a.png", 255, 255, 0);
    loadingFrames[3] = platform::LoadPicture("./Images/Panorama/Loading_2a.png", 255, 255, 0);
    loadingFrames[4] = platform::LoadPicture("./Images/Panorama/Loading_1a.png", 255, 255, 0);
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
    if (result != 2) result = RunStage(timer, creditsFrames[4], resourcesFrames, kResourcesCount - 1, false, acceptFlag);
    if (result != 2) result = RunStage(timer, resourcesFrames[3], controlsFrames, kControlsCount - 1, false, acceptFlag);
    if (result != 2) result = RunLoading(timer);
    return result;
}

int32_t TitleScreen::RunStage(FrameTimer& timer, SDL_Surface* backdrop, SDL_Surface** frames, int lastFrame,
                              bool loops, int32_t& acceptFlag) {
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
