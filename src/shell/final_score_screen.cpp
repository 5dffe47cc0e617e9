#include "shell/final_score_screen.h"

#include <iterator>

#include "core/catalogue_loaders.h"
#include "core/utilities.h"
#include "platform/loaders.h"
#include "platform/platform.h"
#include "platform/screen.h"
#include "shell/screen_events.h"

namespace {

constexpr int kWaveCount = static_cast<int>(std::size(catalogue::kWaves));
constexpr int kLoadingCount = static_cast<int>(std::size(catalogue::kCurtain));
constexpr int kDigitWidth = catalogue::kBigDigits.cellWidth;
constexpr int kDigitHeight = catalogue::kBigDigits.cellHeight;
constexpr int kFrameX = 152, kFrameY = 154;
constexpr int kDigitsX = 242, kDigitsY = 206;

}  // namespace

FinalScoreScreen::FinalScoreScreen(SDL_Surface* screen, int32_t framePeriod)
    : screen(screen),
      framePeriod(framePeriod),
      waveFrames(new SDL_Surface*[kWaveCount]),
      scoreFrame(nullptr),
      digitSheet(nullptr),
      loadingFrames(new SDL_Surface*[kLoadingCount]) {
    for (int i = 0; i < kWaveCount; ++i) waveFrames[i] = catalogue::Load(catalogue::kWaves[i]);
    scoreFrame = catalogue::Load(catalogue::kScoreFrame);
    digitSheet = catalogue::Load(catalogue::kBigDigits);
    for (int i = 0; i < kLoadingCount; ++i) loadingFrames[i] = catalogue::Load(catalogue::kCurtain[i]);
}

FinalScoreScreen::~FinalScoreScreen() {
    for (int i = 0; i < kWaveCount; ++i) SDL_FreeSurface(waveFrames[i]);
    delete[] waveFrames;
    for (int i = 0; i < kLoadingCount; ++i) SDL_FreeSurface(loadingFrames[i]);
    delete[] loadingFrames;
    SDL_FreeSurface(scoreFrame);
    SDL_FreeSurface(digitSheet);
}

int32_t FinalScoreScreen::Run(int32_t score) {
    int32_t digits[5];
    ScoreDigits(score, digits);

    FrameTimer timer(platform::Ticks(), framePeriod);
    RunLoading(timer);

    int32_t result = 0;
    int tick = 1;
    int frame = 0;
    int32_t acceptFlag = 0;
    while (result == 0) {
        DrawScore(frame, digits);
        platform::Flip(screen);
        result = ApplyScreenEvents(result, acceptFlag > 0);
        if (tick == 6) {
            tick = 0;
            if (++frame == kWaveCount) frame = 0;
        } else {
            ++tick;
        }
        timer.Wait(platform::Ticks());
        acceptFlag = 1;
    }
    return result;
}

void FinalScoreScreen::RunLoading(FrameTimer& timer) {
    int tick = 1;
    int frame = 0;
    for (bool done = false; !done;) {
        platform::Blit(waveFrames[0], nullptr, screen, nullptr);
        platform::Blit(loadingFrames[frame], nullptr, screen, nullptr);
        platform::Flip(screen);
        if (tick == 4) {
            tick = 0;
            if (frame > 3)
                done = true;
            else
                ++frame;
        } else {
            ++tick;
        }
        timer.Wait(platform::Ticks());
    }
}

void FinalScoreScreen::DrawScore(int frame, const int32_t digits[5]) {
    platform::Blit(waveFrames[frame], nullptr, screen, nullptr);
    SDL_Rect framePlace = MakeRect(kFrameX, kFrameY, scoreFrame->w, scoreFrame->h);
    platform::Blit(scoreFrame, nullptr, screen, &framePlace);
    for (int k = 0; k < 5; ++k) {
        SDL_Rect source = MakeRect(kDigitWidth * digits[k], 0, kDigitWidth, kDigitHeight);
        SDL_Rect place = MakeRect(kDigitsX + kDigitWidth * k, kDigitsY, kDigitWidth, kDigitHeight);
        platform::Blit(digitSheet, &source, screen, &place);
    }
}
