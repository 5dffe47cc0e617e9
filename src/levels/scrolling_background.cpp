#include "levels/scrolling_background.h"

#include "platform/loaders.h"
#include "core/utilities.h"

namespace {
constexpr int kLayerHeight = 480;
constexpr int kLayerWidth = 640;
}  // namespace

ScrollingBackground::ScrollingBackground(SDL_Surface* screen, const char* picturePath, SDL_Rect rect)
    : ScrollingBackground(screen, platform::LoadPicture(picturePath), rect) {}

ScrollingBackground::ScrollingBackground(SDL_Surface* screen, SDL_Surface* picture, SDL_Rect rect)
    : screen(screen), picture(picture), view(rect) {}

ScrollingBackground::~ScrollingBackground() { SDL_FreeSurface(picture); }

void ScrollingBackground::Scroll(int speed) {
    // The test uses the offset before it moves: a speed change in mid-cycle may make the last
    // step of a cycle shorter than speed.
    if (view.y >= kLayerHeight - speed) {
        view.y = 0;
        BlitAt(picture, screen, MakeRect(0, 0, kLayerWidth, kLayerHeight));
        return;
    }
    view.y = static_cast<Sint16>(view.y + speed);
    // The picture's bottom rows fill the top of the screen, the picture itself follows below
    // them; the blit clips what falls off the bottom.
    SDL_Rect strip = MakeRect(0, kLayerHeight - view.y, kLayerWidth, view.y);
    SDL_Rect top = MakeRect(0, 0, kLayerWidth, view.y);
    SDL_BlitSurface(picture, &strip, screen, &top);
    BlitAt(picture, screen, MakeRect(0, view.y, kLayerWidth, kLayerHeight));
}
