// Pictures with known colours for the HUD and end-screen tests, and ways to read them back.
#pragma once

#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>

#include <functional>
#include <vector>

#include "levels/hud.h"
#include "platform/platform.h"

namespace levelstest {

// Colours of the HUD test pictures.
constexpr Uint32 kFrameColour = 0x203040;
constexpr Uint32 kLifeColour = 0x11AA22;
constexpr Uint32 kWeaponColour = 0xEE9911;
constexpr Uint32 kBarFrameColour = 0x404040;
constexpr Uint32 kUpperBarColour = 0xDD2222;
constexpr Uint32 kLowerBarColour = 0x2222DD;
constexpr Uint32 kSheetGapColour = 0x999999;
Uint32 BannerColour(int level);  // 1..6
Uint32 DigitColour(int digit, bool flash);

// A display-format picture of one colour; keyed: that colour is also its colour key.
SDL_Surface* Filled(int w, int h, Uint32 rgb, bool keyed = false);
void FillArea(SDL_Surface* surface, int x, int y, int w, int h, Uint32 rgb);
void FillScreen(Uint32 rgb);

// HUD pictures laid out as the game's, each part in its own colour. The frame's playfield
// (x 138..501) is keyed out.
HudPictures TestHudPictures();

// What the HUD shows on the screen.
struct ShownDigit {
    int value;   // 0..9, or -1 when no digit colour is there
    bool flash;  // drawn from the yellow sheet
};
ShownDigit DigitShown(int k);  // k = 0..4, from the left
int ScoreShown(bool* flash = nullptr);  // -1 when a digit is missing or the sheets are mixed
int WeaponIconsShown();  // icons found at the four first slots
int LifeIconsShown();    // icons found at the eight first slots
int LowerBarShown();     // width of the lower-colour run from x 534
int UpperBarShown();

// A silent chunk of two seconds: it is still playing when a frame is inspected. Null when the
// mixer is not open. Freed with Mix_FreeChunk.
Mix_Chunk* SilentChunk();

// Watches every frame-pacing wait: counts the frames, reports the chunk that started on
// channel 6 since the last wait (halting it, so a restart of the same chunk is seen too) and
// lets a test look at the screen at the end of each frame's drawing.
class FrameWatch : public platform::WaitObserver {
public:
    FrameWatch();
    ~FrameWatch() override;
    void BeforeWait() override;
    void AfterWait() override;

    int frames = 0;
    // Frames in which each chunk started, by chunk.
    std::vector<std::pair<int, Mix_Chunk*>> starts;
    std::vector<int> StartsOf(Mix_Chunk* chunk) const;
    // Called in BeforeWait with the frame index (0 for the first wait).
    std::function<void(int)> onFrame;
    // Called in AfterWait with the frame index, e.g. to queue input.
    std::function<void(int)> afterFrame;
};

}  // namespace levelstest
