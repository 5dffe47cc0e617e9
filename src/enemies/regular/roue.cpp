#include "enemies/regular/roue.h"

const RegularTraits Roue::kTraits = {
    .kind = &catalogue::kRoue,
    .points = 4,
    .shotSlots = 1,
    .explosionFrameMs = 20,
    .firstExplosionFrame = 1,
    .steerWhile = SteerWhile::Always,
    .shotsFirst = true,
    .playfield = playfield::kFalling,
};

Roue::Roue(SDL_Surface* screen, LevelAssets* assets, const Spawn& at) : RegularEnemy(screen, assets, at, kTraits, 10) {}

void Roue::Steer() {
    const SDL_Rect copy = box;
    MoveAndTest(copy, 0, 1);
}
