#include "enemies/regular/papillon.h"

const RegularTraits Papillon::kTraits = {
    .kind = &catalogue::kPapillon,
    .points = 1,
    .shotSlots = 1,
    .explosionFrameMs = 20,
};

Papillon::Papillon(SDL_Surface* screen, LevelAssets* assets, const Spawn& at)
    : RegularEnemy(screen, assets, at, kTraits, 1), hspeed(box.x > 480 ? -2 : 2) {}

void Papillon::Steer() {
    const SDL_Rect copy = box;
    // The wing beat counts before it tests, so the first flap comes on the fourth frame.
    tick += 1;
    if (tick % 4 == 0) frame = 1 - frame;
    MoveAndTest(copy, hspeed, 0);
}
