#include "levels/scrolling_background.h"

#include <algorithm>

#include "core/utilities.h"
#include "platform/loaders.h"
#include "platform/screen.h"

namespace {
constexpr int kLayerHeight = 480;
constexpr int kLayerWidth = 640;
}  // namespace

ScrollingBackground::ScrollingBackground(SDL_Surface* screen, const char* picturePath, SDL_Rect rect)
    : ScrollingBackground(screen, platform::LoadPicture(picturePath), rect) {}

ScrollingBackground::ScrollingBackground(SDL_Surface* screen, SDL_Surface* picture, SDL_Rect rect)
    : screen(screen), picture(picture), view(rect) {}

ScrollingBackground::~ScrollingBackground() { SDL_FreeSurface(picture); }

void ScrollingBackground::SetColumns(int from, int to) {
    left = std::clamp(from, 0, kLayerWidth);
    width = std::clamp(to, left, kLayerWidth) - left;
}

void ScrollingBackground::Scroll(int speed) {
    // The test uses the offset before it moves: a speed change in mid-cycle may make the last
    // step of a cycle shorter than speed.
    if (view.y >= kLayerHeight - speed) {
        view.y = 0;
    } else {
        view.y = static_cast<Sint16>(view.y + speed);
    }
    // The picture's bottom rows fill the top of the screen, the picture itself follows below
    // them down to the bottom.
    SDL_Rect strip = MakeRect(left, kLayerHeight - view.y, width, view.y);
    SDL_Rect top = MakeRect(left, 0, width, view.y);
    if (view.y > 0) platform::Blit(picture, &strip, screen, &top);
    SDL_Rect rest = MakeRect(left, 0, width, kLayerHeight - view.y);
    SDL_Rect below = MakeRect(left, view.y, width, kLayerHeight - view.y);
    platform::Blit(picture, &rest, screen, &below);
}
