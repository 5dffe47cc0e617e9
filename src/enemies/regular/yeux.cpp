#include "enemies/regular/yeux.h"

#include "core/utilities.h"
#include "enemies/framework/volley.h"

const RegularTraits Yeux::kTraits = {
    AssetKind::Yeux, 100, 500, 3, 2, 0, 160, 120, 16, 40, 1, SteerWhile::Alive, false, true, playfield::kLarge,
};

const PhaseRow Yeux::kRow = {35, 28, 4, 0, StepScale::Dir, 700, 4, 600, 0, -4, 0, StepScale::Dir};

Yeux::Yeux(SDL_Surface* screen, LevelAssets* assets, SDL_Rect box, int hitHalfWidth, int hitHalfHeight,
           int spawnTime, int strength)
    : PhasedEnemy(screen, assets, box, hitHalfWidth, hitHalfHeight, spawnTime, kTraits, strength * 100, kRow) {
    const bool fromRight = box.x > 137;
    dir = fromRight ? -1 : 1;
    frame = fromRight ? 1 : 0;
}

void Yeux::Fire() {
    SDL_Surface* a = dir == -1 ? shotC : shotA;
    SDL_Surface* b = dir == -1 ? shotD : shotB;
    const SDL_Rect at = MakeRect(box.x + 47, box.y + 15, 16, 16);
    Volley volley(shots, shotSlots, 3);
    volley.Fill([&](int) { return NewRadialShot(screen, a, b, at, RandomInt(360), 2); });
    if (volley.Complete() && volley.SpareSlots()) PlayFireSound();
}
