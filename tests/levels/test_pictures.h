// Pictures with known colours for the HUD and end-screen tests, and ways to read them back.
#pragma once

#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>

#include <functional>
#include <utility>
#include <vector>

#include "levels/hud.h"
#include "platform/platform.h"

namespace levelstest {

constexpr Uint32 kFrameColour = 0x203040, kLifeColour = 0x11AA22, kWeaponColour = 0xEE9911;
constexpr Uint32 kBarFrameColour = 0x404040, kUpperBarColour = 0xDD2222, kLowerBarColour = 0x2222DD;
inline Uint32 BannerColour(int level) { return (60 + 20 * level) << 16 | 0x0AC8; }
inline Uint32 DigitColour(int digit, bool flash) { return (20 * digit) << 16 | (flash ? 0xFAC8 : 0x6432); }

SDL_Surface* Filled(int w, int h, Uint32 rgb);  // display format, one colour
void FillArea(SDL_Surface* surface, int x, int y, int w, int h, Uint32 rgb);
void FillScreen(Uint32 rgb);

// HUD pictures laid out as the game's, each part in its own colour; the frame's playfield
// (x 138..501) is keyed out.
HudPictures TestHudPictures();

// What the HUD shows on the screen.
struct ShownDigit {
    int value;  // -1: no digit there
    bool flash;
};
ShownDigit DigitShown(int k);           // k = 0..4 from the left
int ScoreShown(bool* flash = nullptr);  // -1 when a digit is missing or the sheets are mixed
int WeaponIconsShown();                 // of the first four slots
int LifeIconsShown();                   // of the first eight slots
int LowerBarShown();                    // length of the colour's run from x 534
int UpperBarShown();

// Two seconds of silence, still playing when a frame is inspected; null without a mixer.
Mix_Chunk* SilentChunk();

// Watches every frame-pacing wait: counts frames, notes which chunk started on channel 6
// since the last wait (halting it, so a restart of the same chunk shows too), and lets the
// test look at the screen (onFrame) or queue input (afterFrame).
class FrameWatch : public platform::Observer {
public:
    FrameWatch();
    ~FrameWatch() override;
    void BeforeWait() override;
    void AfterWait() override;
    std::vector<int> StartsOf(Mix_Chunk* chunk) const;

    int frames = 0;
    std::vector<std::pair<int, Mix_Chunk*>> starts;
    std::function<void(int)> onFrame, afterFrame;
};

}  // namespace levelstest
