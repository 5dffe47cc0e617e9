#include "levels/hud.h"

#include <cmath>

#include "core/catalogue_loaders.h"
#include "core/utilities.h"
#include "platform/loaders.h"
#include "platform/screen.h"

namespace {

constexpr int kBarWidth = 73;
constexpr int kFlashFrames = 10;

// Copies the part (sx, sy, w, h) of source to (x, y) on screen.
void BlitPart(SDL_Surface* source, int sx, int sy, int w, int h, SDL_Surface* screen, int x, int y) {
    if (!source || w <= 0 || h <= 0) return;
    SDL_Rect part = MakeRect(sx, sy, w, h);
    SDL_Rect destination = MakeRect(x, y, w, h);
    platform::Blit(source, &part, screen, &destination);
}

// trunc(73 * ratio) limited to the bar; the limit is applied in floating point so that no
// out-of-range value is ever converted to an integer.
int BarWidth(double ratio) {
    double width = std::trunc(kBarWidth * ratio);
    if (!(width > 0.0)) return 0;  // also catches NaN
    if (width > kBarWidth) return kBarWidth;
    return static_cast<int>(width);
}

}  // namespace

HudPictures HudPictures::Load() {
    HudPictures pictures;
    pictures.framePicture = catalogue::Load(catalogue::kHudFrame);
    pictures.lifeIcon = catalogue::Load(catalogue::kLifeIcon);
    pictures.bossBarSheet = catalogue::Load(catalogue::kBossBar);
    pictures.digitSheet = catalogue::Load(catalogue::kDigits);
    pictures.flashDigitSheet = catalogue::Load(catalogue::kYellowDigits);
    pictures.levelBannerSheet = catalogue::Load(catalogue::kLevelBanners);
    pictures.weaponIcon = catalogue::Load(catalogue::kWeaponIcon);
    return pictures;
}

Hud::Hud(SDL_Surface* screen) : Hud(screen, HudPictures::Load()) {}

Hud::Hud(SDL_Surface* screen, const HudPictures& pictures)
    : screen(screen),
      framePicture(pictures.framePicture),
      lifeIcon(pictures.lifeIcon),
      bossBarSheet(pictures.bossBarSheet),
      digitSheet(pictures.digitSheet),
      flashDigitSheet(pictures.flashDigitSheet),
      levelBannerSheet(pictures.levelBannerSheet),
      weaponIcon(pictures.weaponIcon),
      screenRect(MakeRect(0, 0, 640, 480)),
      flashCounter(0) {}

Hud::~Hud() {
    SDL_FreeSurface(framePicture);
    SDL_FreeSurface(lifeIcon);
    SDL_FreeSurface(bossBarSheet);
    SDL_FreeSurface(digitSheet);
    SDL_FreeSurface(flashDigitSheet);
    SDL_FreeSurface(levelBannerSheet);
    SDL_FreeSurface(weaponIcon);
}

void Hud::BossBarWidths(int bossEnergy, int bossEnergyMax, int* upperWidth, int* lowerWidth) {
    *upperWidth = 0;
    *lowerWidth = 0;
    if (bossEnergyMax <= 0) return;  // no boss (or no energy to measure against): empty bar
    double half = bossEnergyMax / 2.0;
    double excess = bossEnergy - half;
    if (excess > 0) {
        *upperWidth = BarWidth(excess / half);
        *lowerWidth = kBarWidth;
    } else {
        *lowerWidth = BarWidth(bossEnergy / half);
    }
}

void Hud::Draw(bool scoreFlash, int lives, int weaponLevel, int bossEnergy, int bossEnergyMax, int score,
               int levelNumber) {
    if (scoreFlash)
        flashCounter = kFlashFrames;
    else if (flashCounter > 0)
        --flashCounter;

    int upperWidth, lowerWidth;
    BossBarWidths(bossEnergy, bossEnergyMax, &upperWidth, &lowerWidth);

    SDL_Rect whole = screenRect;
    platform::Blit(framePicture, nullptr, screen, &whole);

    // The banner starts 5 pixels left of the screen edge; the blit clips those columns.
    const catalogue::Picture& banners = catalogue::kLevelBanners;
    BlitPart(levelBannerSheet, banners.cellWidth * (levelNumber - 1), 0, banners.cellWidth, banners.cellHeight, screen,
             -5, 140);

    const catalogue::Picture& life = catalogue::kLifeIcon;
    for (int i = 0; i < lives; ++i) BlitPart(lifeIcon, 0, 0, life.cellWidth, life.cellHeight, screen, 10 + 18 * i, 41);

    // One icon per collected bonus: each bonus raised the weapon level by 2 from 1.
    int k = 0;
    for (int j = 1; j < weaponLevel; j += 2, ++k)
        BlitPart(weaponIcon, 0, 0, catalogue::kWeaponIcon.cellWidth, catalogue::kWeaponIcon.cellHeight, screen,
                 5 + 42 * k, 103);

    BlitPart(bossBarSheet, 0, 0, 83, 19, screen, 530, 132);
    BlitPart(bossBarSheet, 171, 0, lowerWidth, 19, screen, 534, 132);
    BlitPart(bossBarSheet, 88, 0, upperWidth, 19, screen, 534, 132);

    int32_t digits[5];
    ScoreDigits(score, digits);
    SDL_Surface* sheet = flashCounter > 0 ? flashDigitSheet : digitSheet;
    const catalogue::Picture& cells = catalogue::kDigits;
    for (int k = 0; k < 5; ++k)
        BlitPart(sheet, cells.cellWidth * digits[k], 0, cells.cellWidth, cells.cellHeight, screen, 515 + 22 * k, 40);
}
