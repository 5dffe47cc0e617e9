#include "enemies/regular/piaf.h"

#include "core/utilities.h"

const RegularTraits Piaf::kTraits = {
    AssetKind::Piaf, 1, 3, 2, -1, 0, 32, 30, 12, 50, 1, SteerWhile::Always, true, false, playfield::kStandard,
};

Piaf::Piaf(SDL_Surface* screen, LevelAssets* assets, SDL_Rect box, int hitHalfWidth, int hitHalfHeight, int spawnTime)
    : RegularEnemy(screen, assets, box, hitHalfWidth, hitHalfHeight, spawnTime, kTraits, 1),
      vx(box.x < 310 ? RandomInt(3) : -RandomInt(3)) {}

void Piaf::Steer() {
    const SDL_Rect copy = box;
    Alternate(8);
    MoveAndTest(copy, vx, vy);
}
