// One full-screen background layer that scrolls downwards without end, wrapping around, so
// that the ship seems to fly upwards.
#pragma once

#include <SDL/SDL.h>

class ScrollingBackground {
public:
    // Loads the picture (no colour key) and starts at rect.y; the levels pass (0, 0, 640, 480).
    ScrollingBackground(SDL_Surface* screen, const char* picturePath, SDL_Rect rect);
    // Takes ownership of a picture already in the display format (tests and tools).
    ScrollingBackground(SDL_Surface* screen, SDL_Surface* picture, SDL_Rect rect);
    ~ScrollingBackground();
    ScrollingBackground(const ScrollingBackground&) = delete;
    ScrollingBackground& operator=(const ScrollingBackground&) = delete;

    // Advances the layer by speed pixels and draws it over the whole screen. The offset wraps
    // to 0 once it would reach the picture's height, so the speeds that divide 480 join
    // seamlessly.
    void Scroll(int speed);

    // The current offset: screen row `offset` shows the picture's first row.
    int Offset() const { return view.y; }

    // Draws only the columns left..right-1 from now on (the whole width by default): the level
    // narrows its layers to the playfield, since the HUD frame covers both sides every frame.
    void SetColumns(int left, int right);

private:
    SDL_Surface* screen;
    SDL_Surface* picture;
    SDL_Rect view;
    int left = 0;
    int width = 640;
};
