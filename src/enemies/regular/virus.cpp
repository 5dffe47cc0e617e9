#include "enemies/regular/virus.h"

#include "core/utilities.h"
#include "enemies/framework/volley.h"

const RegularTraits Virus::kTraits = {
    .kind = &catalogue::kVirus,
    .points = 6,
    .shotSlots = 5,
    .explosionFrameMs = 20,
    .steerWhile = SteerWhile::Always,
    .shotsFirst = true,
};

Virus::Virus(SDL_Surface* screen, LevelAssets* assets, const Spawn& at, const Setup& setup)
    : RegularEnemy(screen, assets, at, kTraits, setup.hitPoints) {
    // Drawn in this order: speed, delay, drift.
    vy = RandomInt(4) + 2;
    sideDelay = RandomInt(40) + 75;
    vx = 1 - RandomInt(3);
}

void Virus::Steer() {
    const SDL_Rect copy = box;
    Alternate(8);
    int dx = 0;
    if (phaseCounter == sideDelay)
        dx = vx;
    else
        phaseCounter += 1;
    MoveAndTest(copy, dx, vy);
}

// A fan opening downward: 45, 67, 90, 112 and 135 degrees.
void Virus::Fire() {
    Volley volley = shots.Open(5);
    const SDL_Rect at = MakeRect(box.x + 18, box.y + 18, 9, 9);
    for (int i = 0; i < 5; ++i) volley.Radial(screen, shotA, shotB, at, static_cast<int>(45 + 22.5 * i), 1);
    if (volley.Complete()) PlayFireSound();
}
