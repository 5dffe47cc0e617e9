// The side panels drawn over every frame of a level: frame, level banner, lives, weapon
// bonuses, boss energy bar and the five-digit score, which flashes yellow after a double kill.
#pragma once

#include <SDL/SDL.h>

// The seven pictures of the HUD. Whoever holds them owns them.
struct HudPictures {
    SDL_Surface* framePicture = nullptr;      // 640x480, playfield keyed out
    SDL_Surface* lifeIcon = nullptr;          // 18x16
    SDL_Surface* bossBarSheet = nullptr;      // frame x 0..82, upper bar x 88..160, lower bar x 171..243
    SDL_Surface* digitSheet = nullptr;        // digits 0..9, 22x22 each, side by side
    SDL_Surface* flashDigitSheet = nullptr;   // the same in yellow
    SDL_Surface* levelBannerSheet = nullptr;  // six 138x33 banners side by side
    SDL_Surface* weaponIcon = nullptr;        // 23x25

    // The game's pictures, from ./Images.
    static HudPictures Load();
};

class Hud {
public:
    explicit Hud(SDL_Surface* screen);
    // Takes ownership of the pictures (tests and tools draw with their own).
    Hud(SDL_Surface* screen, const HudPictures& pictures);
    ~Hud();
    Hud(const Hud&) = delete;
    Hud& operator=(const Hud&) = delete;

    // Blits the panels onto the screen; neither flips nor waits. scoreFlash restarts the
    // ten-frame yellow flash of the score.
    void Draw(bool scoreFlash, int lives, int weaponLevel, int bossEnergy, int bossEnergyMax, int score,
              int levelNumber);

    // Bar widths in pixels, 0..73 each: the lower bar fills over the first half of the energy,
    // the upper one covers it over the second half. An empty maximum gives an empty bar.
    static void BossBarWidths(int bossEnergy, int bossEnergyMax, int* upperWidth, int* lowerWidth);

    // Frames of yellow score still to show, counting the one just drawn.
    int FlashCounter() const { return flashCounter; }

private:
    SDL_Surface* screen;
    SDL_Surface* framePicture;
    SDL_Surface* lifeIcon;
    SDL_Surface* bossBarSheet;
    SDL_Surface* digitSheet;
    SDL_Surface* flashDigitSheet;
    SDL_Surface* levelBannerSheet;
    SDL_Surface* weaponIcon;
    SDL_Rect screenRect;
    int flashCounter;
};
