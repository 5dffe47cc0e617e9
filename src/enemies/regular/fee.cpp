#include "enemies/regular/fee.h"

#include "core/playfield.h"
#include "core/utilities.h"
#include "enemies/framework/volley.h"

const RegularTraits Fee::kTraits = {
    .kind = &catalogue::kFee,
    .points = 30,
    .shotSlots = 500,
    .explosionFrameMs = 40,
    .playfield = playfield::kWide,
};

Fee::Fee(SDL_Surface* screen, LevelAssets* assets, const Spawn& at)
    : RegularEnemy(screen, assets, at, kTraits, 30), hspeed(box.x < playfield::kRight ? 3 : -3) {}

void Fee::Steer() {
    const SDL_Rect copy = box;
    if (tick % 10 == 0) frame = 1 - frame;
    tick += 1;
    int dx = 0;
    if (tick < kFlyInTicks) {
        dx = hspeed;
    } else if (tick >= kFireFromTick) {
        // Between the fly-in and kFireFromTick it hovers without firing.
        if (tick >= stayTime + 200)
            dx = hspeed;
        else if (tick % kFirePeriod == 0)
            Fire();
    }
    MoveAndTest(copy, dx, 0);
}

// Three shots ten degrees apart in a random direction of the lower half.
void Fee::Fire() {
    const int r = RandomInt(180);
    Volley volley = shots.Open(3);
    const SDL_Rect at = MakeRect(box.x + 15, box.y + 35, 16, 16);
    for (int k = 0; k < 3; ++k) volley.Radial(screen, shotA, shotB, at, r + 10 * k, 1);
    if (volley.Complete()) PlayFireSound();
}
