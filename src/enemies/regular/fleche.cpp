#include "enemies/regular/fleche.h"

#include "core/utilities.h"

const RegularTraits Fleche::kTraits = {
    .kind = &catalogue::kFleche,
    .points = 3,
    .shotSlots = 1,
    .explosionFrameMs = 20,
    .steerWhile = SteerWhile::Always,
    .shotsFirst = true,
};

Fleche::Fleche(SDL_Surface* screen, LevelAssets* assets, const Spawn& at, const Setup& setup)
    : RegularEnemy(screen, assets, at, kTraits, setup.hitPoints),
      pauseLength(RandomInt(10) + 30),
      hspeed(box.x > 320 ? -3 : 3) {}

void Fleche::Steer() {
    const SDL_Rect copy = box;
    Alternate(2);
    int dx = 0, dy = 0;
    // It dives for the first third of its pause length, hangs until twice that, then dives on.
    if (phaseCounter < pauseLength / 3 || phaseCounter >= 2 * pauseLength) {
        dx = hspeed;
        dy = 3;
    }
    phaseCounter += 1;
    MoveAndTest(copy, dx, dy);
}
