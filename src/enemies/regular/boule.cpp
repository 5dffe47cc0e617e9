#include "enemies/regular/boule.h"

#include "core/playfield.h"
#include "core/utilities.h"
#include "enemies/framework/volley.h"

const RegularTraits Boule::kTraits = {
    .kind = &catalogue::kBoule,
    .points = 5,
    .shotSlots = 3,
    .explosionFrameMs = 20,
    .playfield = playfield::kWindow,
};

Boule::Boule(SDL_Surface* screen, LevelAssets* assets, const Spawn& at, const Setup& setup)
    : RegularEnemy(screen, assets, at, kTraits, setup.hitPoints), vx(setup.vx), vy(setup.vy) {
    frame = setup.leader ? 0 : 1;
}

void Boule::Steer() {
    const SDL_Rect copy = box;
    const int dx = 2 * vx, dy = 2 * vy;
    // The reversal counts from the next frame: dx and dy are already taken.
    if (flipCounter == flipPeriod) {
        flipCounter = 0;
        vy = -vy;
    } else {
        flipCounter += 1;
    }
    const int threshold = RandomInt(70) + 100;
    if (fireCounter > threshold && copy.x > playfield::kLeft && copy.x < playfield::kRight) {
        fireCounter = 0;
        Fire();
    } else if (copy.x > playfield::kLeft) {
        fireCounter += 1;
    }
    MoveAndTest(copy, dx, dy);
}

void Boule::Fire() {
    static const PathSegment kLegs[4] = {{0, 2, 5}, {0, 2, 5}, {0, 2, 30}, {0, 2, 300}};
    Volley volley = shots.Open(1);
    if (volley.Path(screen, shotA, shotB, MakeRect(box.x + 11, box.y + 11, 9, 9), kLegs)) PlayFireSound();
}
