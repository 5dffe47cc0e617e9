#include "enemies/regular/roue.h"

const RegularTraits Roue::kTraits = {
    AssetKind::Roue, 4, 1, 3, 2, 0, 32, 32, 12, 20, 1, SteerWhile::Always, true, false, playfield::kFalling,
};

Roue::Roue(SDL_Surface* screen, LevelAssets* assets, SDL_Rect box, int hitHalfWidth, int hitHalfHeight,
           int spawnTime, int)
    : RegularEnemy(screen, assets, box, hitHalfWidth, hitHalfHeight, spawnTime, kTraits, 10) {}

void Roue::Steer() {
    const SDL_Rect copy = box;
    MoveAndTest(copy, 0, 1);
}
