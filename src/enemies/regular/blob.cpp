#include "enemies/regular/blob.h"

#include "core/utilities.h"
#include "enemies/framework/volley.h"

const RegularTraits Blob::kTraits = {
    .kind = &catalogue::kBlob,
    .points = 7,
    .shotSlots = 50,
    .explosionFrameMs = 20,
};

Blob::Blob(SDL_Surface* screen, LevelAssets* assets, const Spawn& at)
    : RegularEnemy(screen, assets, at, kTraits, 10), flyTime(RandomInt(120) + 70) {}

void Blob::Steer() {
    const SDL_Rect copy = box;
    int dx = 0;
    if (tick % 10 == 0) frame = 1 - frame;
    tick += 1;
    // Flies for the first third of its flight time, sprays until it is over, then flies on.
    if (tick < flyTime / 3 || tick >= flyTime) {
        dx = -3;
    } else if (tick % 2 == 0) {
        Fire();
        fireAngle += 5;
        if (fireAngle >= 360) fireAngle -= 360;
    }
    MoveAndTest(copy, dx, 0);
}

void Blob::Fire() {
    Volley volley = shots.Open(1);
    if (volley.Radial(screen, shotA, shotB, MakeRect(box.x + 3, box.y + 20, 8, 8), fireAngle, 1)) PlayFireSound();
}
