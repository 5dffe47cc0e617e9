#include "enemies/regular/vax.h"

#include "core/utilities.h"
#include "enemies/framework/volley.h"

const RegularTraits Vax::kTraits = {
    .kind = &catalogue::kVax,
    .points = 7,
    .shotSlots = 50,
    .explosionFrameMs = 20,
    .playfield = playfield::kFalling,
};

Vax::Vax(SDL_Surface* screen, LevelAssets* assets, const Spawn& at) : RegularEnemy(screen, assets, at, kTraits, 15) {}

void Vax::Steer() {
    const SDL_Rect copy = box;
    if (tick % 5 == 0) frame = 1 - frame;
    tick += 1;
    int dx = 0, dy = 0;
    if (copy.y < kFireLine) {
        dy = 6;
    } else if (fired) {
        dx = 6;
    } else {
        // The frame it fires it stands still.
        Fire();
        fired = true;
    }
    MoveAndTest(copy, dx, dy);
}

void Vax::Fire() {
    Volley volley = shots.Open(1);
    if (volley.Radial(screen, shotA, shotB, MakeRect(box.x + 19, box.y + 18, 8, 20), 90, 8)) PlayFireSound();
}
