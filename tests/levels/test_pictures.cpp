#include "test_pictures.h"

#include "platform/loaders.h"
#include "support/sdl_env.h"

using testsupport::PixelAt;
using testsupport::Screen;

namespace levelstest {

SDL_Surface* Filled(int w, int h, Uint32 rgb) { return testsupport::SolidPicture(w, h, rgb); }

void FillArea(SDL_Surface* surface, int x, int y, int w, int h, Uint32 rgb) {
    SDL_Rect area = {static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(w), static_cast<Uint16>(h)};
    SDL_FillRect(surface, &area, SDL_MapRGB(surface->format, rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF));
}

void FillScreen(Uint32 rgb) { FillArea(Screen(), 0, 0, 640, 480, rgb); }

HudPictures TestHudPictures() {
    HudPictures p;
    p.framePicture = Filled(640, 480, kFrameColour);
    FillArea(p.framePicture, 138, 0, 364, 480, 0xFFFF00);
    SDL_SetColorKey(p.framePicture, SDL_SRCCOLORKEY, SDL_MapRGB(p.framePicture->format, 255, 255, 0));
    p.lifeIcon = Filled(18, 16, kLifeColour);
    p.weaponIcon = Filled(23, 25, kWeaponColour);
    p.bossBarSheet = Filled(244, 19, 0x999999);  // the gaps between the parts
    FillArea(p.bossBarSheet, 0, 0, 83, 19, kBarFrameColour);
    FillArea(p.bossBarSheet, 88, 0, 73, 19, kUpperBarColour);
    FillArea(p.bossBarSheet, 171, 0, 73, 19, kLowerBarColour);
    p.digitSheet = Filled(220, 22, 0);
    p.flashDigitSheet = Filled(220, 22, 0);
    for (int d = 0; d < 10; ++d) {
        FillArea(p.digitSheet, 22 * d, 0, 22, 22, DigitColour(d, false));
        FillArea(p.flashDigitSheet, 22 * d, 0, 22, 22, DigitColour(d, true));
    }
    p.levelBannerSheet = Filled(828, 33, 0);
    for (int n = 1; n <= 6; ++n) FillArea(p.levelBannerSheet, 138 * (n - 1), 0, 138, 33, BannerColour(n));
    return p;
}

ShownDigit DigitShown(int k) {
    Uint32 colour = PixelAt(Screen(), 515 + 22 * k + 11, 40 + 11);
    for (int d = 0; d < 10; ++d)
        for (bool flash : {false, true})
            if (colour == DigitColour(d, flash)) return {d, flash};
    return {-1, false};
}

int ScoreShown(bool* flash) {
    int value = 0;
    for (int k = 0; k < 5; ++k) {
        ShownDigit digit = DigitShown(k);
        if (digit.value < 0 || digit.flash != DigitShown(0).flash) return -1;
        value = value * 10 + digit.value;
    }
    if (flash) *flash = DigitShown(0).flash;
    return value;
}

namespace {
int CountAt(int x0, int step, int y, int slots, Uint32 colour) {
    int count = 0;
    for (int i = 0; i < slots; ++i) count += PixelAt(Screen(), x0 + step * i, y) == colour;
    return count;
}
int RunFrom534(Uint32 colour) {
    int width = 0;
    while (width < 100 && PixelAt(Screen(), 534 + width, 140) == colour) ++width;
    return width;
}
}  // namespace

int WeaponIconsShown() { return CountAt(5 + 11, 42, 103 + 12, 4, kWeaponColour); }
int LifeIconsShown() { return CountAt(10 + 9, 18, 41 + 8, 8, kLifeColour); }
int LowerBarShown() { return RunFrom534(kLowerBarColour); }
int UpperBarShown() { return RunFrom534(kUpperBarColour); }

Mix_Chunk* SilentChunk() {
    if (!platform::AudioOpen()) return nullptr;
    static std::vector<Uint8> silence(44100 * 4 * 2, 0);
    return Mix_QuickLoad_RAW(silence.data(), static_cast<Uint32>(silence.size()));
}

FrameWatch::FrameWatch() {
    Mix_HaltChannel(6);
    platform::SetObserver(this);
}

FrameWatch::~FrameWatch() {
    platform::SetObserver(nullptr);
    Mix_HaltChannel(6);
}

void FrameWatch::BeforeWait() {
    if (Mix_Playing(6)) {
        starts.emplace_back(frames, Mix_GetChunk(6));
        Mix_HaltChannel(6);
    }
    if (onFrame) onFrame(frames);
}

void FrameWatch::AfterWait() {
    if (afterFrame) afterFrame(frames);
    ++frames;
}

std::vector<int> FrameWatch::StartsOf(Mix_Chunk* chunk) const {
    std::vector<int> result;
    for (const auto& start : starts)
        if (start.second == chunk) result.push_back(start.first);
    return result;
}

}  // namespace levelstest
