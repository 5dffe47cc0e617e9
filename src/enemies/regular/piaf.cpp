#include "enemies/regular/piaf.h"

#include "core/utilities.h"

const RegularTraits Piaf::kTraits = {
    .kind = &catalogue::kPiaf,
    .points = 1,
    .shotSlots = 3,
    .explosionFrameMs = 50,
    .firstExplosionFrame = 1,
    .steerWhile = SteerWhile::Always,
    .shotsFirst = true,
};

Piaf::Piaf(SDL_Surface* screen, LevelAssets* assets, const Spawn& at)
    : RegularEnemy(screen, assets, at, kTraits, 1), vx(box.x < 310 ? RandomInt(3) : -RandomInt(3)) {}

void Piaf::Steer() {
    const SDL_Rect copy = box;
    Alternate(8);
    MoveAndTest(copy, vx, vy);
}
