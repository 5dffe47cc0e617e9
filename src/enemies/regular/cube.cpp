#include "enemies/regular/cube.h"

const RegularTraits Cube::kTraits = {
    .kind = &catalogue::kCube,
    .points = 1,
    .shotSlots = 1,
    .explosionFrameMs = 50,
    .firstExplosionFrame = 1,
    .steerWhile = SteerWhile::Always,
    .shotsFirst = true,
    .playfield = playfield::kFalling,
};

Cube::Cube(SDL_Surface* screen, LevelAssets* assets, const Spawn& at, const Setup& setup)
    : RegularEnemy(screen, assets, at, kTraits, kHitPoints), vy(setup.vy) {}

void Cube::SetSweep(bool sweep, int direction, int minX, int maxX) {
    this->sweep = sweep;
    this->direction = direction;
    this->minX = minX;
    this->maxX = maxX;
}

void Cube::Steer() {
    const SDL_Rect copy = box;
    Alternate(8);
    int dx = 0;
    if (sweep) {
        // At an edge the cube only turns; it moves again on the next frame.
        if (direction > 0) {
            if (copy.x < maxX - 1)
                dx = 2;
            else
                direction = -direction;
        } else if (copy.x > minX + 1) {
            dx = -2;
        } else {
            direction = -direction;
        }
    }
    MoveAndTest(copy, dx, vy);
}
