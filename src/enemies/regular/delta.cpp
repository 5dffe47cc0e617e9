#include "enemies/regular/delta.h"

#include "core/utilities.h"
#include "enemies/framework/volley.h"

const RegularTraits Delta::kTraits = {
    AssetKind::Delta, 200, 500, 4, -1, 2, 160, 120, 16, 40, 1, SteerWhile::Alive, false, true, playfield::kLarge,
};

const PhaseRow Delta::kRow = {65, 65, 0, 4, StepScale::One, 700, 4, 600, 0, 0, 5, StepScale::One};

Delta::Delta(SDL_Surface* screen, LevelAssets* assets, SDL_Rect box, int hitHalfWidth, int hitHalfHeight,
             int spawnTime, int strength)
    : PhasedEnemy(screen, assets, box, hitHalfWidth, hitHalfHeight, spawnTime, kTraits, strength * 350, kRow) {}

// Two fans of five shots 60 degrees apart, one from each wing.
void Delta::Fire() {
    Volley volley(shots, shotSlots, 10);
    for (int k = 0; k < 20; k += 2) {
        const bool left = k < 10;
        const SDL_Rect at = MakeRect(box.x + (left ? 46 : 96), box.y + 34, 16, 16);
        if (!volley.Radial(screen, shotA, shotB, at, fireAngle + 30 * k - (left ? 0 : 300), 2)) return;
    }
    if (volley.SpareSlots()) PlayFireSound();
}
