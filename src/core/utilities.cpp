#include "core/utilities.h"

#include <cstdlib>
#include <ctime>

#include "platform/end_signals.h"
#include "platform/observer.h"
#include "platform/platform.h"
#include "platform/random.h"
#include "platform/screen.h"

SDL_Rect MakeRect(int32_t x, int32_t y, int32_t w, int32_t h) {
    SDL_Rect rect;
    rect.x = static_cast<Sint16>(x);
    rect.y = static_cast<Sint16>(y);
    rect.w = static_cast<Uint16>(w);
    rect.h = static_cast<Uint16>(h);
    return rect;
}

void BlitAt(SDL_Surface* source, SDL_Surface* destination, SDL_Rect rect) {
    SDL_Rect copy = rect;
    platform::Blit(source, nullptr, destination, &copy);
}

void SeedRandom() { platform::SeedRandom(static_cast<unsigned>(std::time(nullptr))); }

int32_t RandomInt(int32_t n) { return platform::Random() % n; }

SDL_Surface* CopySurface(SDL_Surface* source) {
    const SDL_PixelFormat* format = source->format;
    SDL_Surface* copy = SDL_CreateRGBSurface(source->flags, source->w, source->h, format->BitsPerPixel, format->Rmask,
                                             format->Gmask, format->Bmask, format->Amask);
    if (copy) platform::Blit(source, nullptr, copy, nullptr);
    return copy;
}

void ScoreDigits(int32_t score, int32_t digits[5]) {
    constexpr int32_t kHighestScoreShown = 99999;
    if (score > kHighestScoreShown) score = kHighestScoreShown;
    if (score < 0) score = 0;
    digits[0] = score / 10000;
    int32_t rest = score - digits[0] * 10000;
    digits[1] = rest / 1000;
    rest -= digits[1] * 1000;
    digits[2] = rest / 100;
    digits[3] = (rest - digits[2] * 100) / 10;
    digits[4] = rest - digits[2] * 100 - digits[3] * 10;
}

FrameTimer::FrameTimer(Uint32 startTicks, Uint32 period) : deadline(startTicks + period), period(period) {}

void FrameTimer::Wait(Uint32 now) {
    platform::Observer* observer = platform::GetObserver();
    if (observer) observer->BeforeWait();
    if (deadline <= now) {
        deadline = now + period;
        platform::EndIfSignalled();  // a late frame does not sleep; Sleep checks otherwise
    } else {
        platform::Sleep(deadline - now);
        deadline = platform::Ticks() + period;
    }
    if (observer) observer->AfterWait();
}
