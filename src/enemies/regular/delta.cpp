#include "enemies/regular/delta.h"

#include "core/utilities.h"
#include "enemies/framework/volley.h"

const RegularTraits Delta::kTraits = {
    .kind = &catalogue::kDelta,
    .points = 200,
    .shotSlots = 500,
    .explosionFrameMs = 40,
    .firstExplosionFrame = 1,
    .steerWhile = SteerWhile::Alive,
    .flagsExplosion = true,
    .playfield = playfield::kLarge,
};

const PhaseRow Delta::kRow = {
    .entryLength = 65,
    .entryMoveFrames = 65,
    .entryDy = 4,
    .attackLength = 700,
    .fire = {.every = 4, .after = 30, .before = 600},
    .exitDy = 5,
};

Delta::Delta(SDL_Surface* screen, LevelAssets* assets, const Spawn& at, const Strength& setup)
    : PhasedEnemy(screen, assets, at, kTraits, setup.strength * 350, kRow) {}

// Two fans of five shots 60 degrees apart, one from each wing.
void Delta::Fire() {
    Volley volley = shots.Open(10);
    for (int k = 0; k < 20; k += 2) {
        const bool left = k < 10;
        const SDL_Rect at = MakeRect(box.x + (left ? 46 : 96), box.y + 34, 16, 16);
        if (!volley.Radial(screen, shotA, shotB, at, fireAngle + 30 * k - (left ? 0 : 300), 2)) return;
    }
    if (volley.SpareSlots()) PlayFireSound();
}
