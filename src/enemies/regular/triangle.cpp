#include "enemies/regular/triangle.h"

#include "core/utilities.h"
#include "enemies/framework/volley.h"

const RegularTraits Triangle::kTraits = {
    .kind = &catalogue::kTriangle,
    .points = 3,
    .shotSlots = 3,
    .explosionFrameMs = 50,
    .firstExplosionFrame = 1,
    .steerWhile = SteerWhile::Always,
    .shotsFirst = true,
    .playfield = playfield::kFalling,
};

Triangle::Triangle(SDL_Surface* screen, LevelAssets* assets, const Spawn& at, const Setup& setup)
    : RegularEnemy(screen, assets, at, kTraits, 2),
      vy(setup.vy),
      sideDelay(RandomInt(40) + 10),
      sideDx(box.x > 290 ? 0 : 2) {}

// Measured with the sprite's height, not the box's.
bool Triangle::Hittable() const { return box.y + (sprite ? sprite->h : box.h) > 0; }

void Triangle::Steer() {
    const SDL_Rect copy = box;
    int dx = 0;
    if (vy == kVeeringSpeed) {
        if (sideDelay < phaseCounter)
            dx = sideDx;
        else
            phaseCounter += 1;
    }
    MoveAndTest(copy, dx, vy);
}

void Triangle::Fire() {
    static const PathSegment kLegs[4] = {{0, 2, 5}, {0, 2, 5}, {0, 2, 30}, {0, 2, 300}};
    Volley volley = shots.Open(1);
    if (volley.Path(screen, shotA, shotB, MakeRect(box.x + 22, box.y + 25, 9, 9), kLegs)) PlayFireSound();
}
