#include "enemies/regular/amybe.h"

#include "core/utilities.h"
#include "enemies/framework/volley.h"

const RegularTraits Amybe::kTraits = {
    .kind = &catalogue::kAmybe,
    .points = 8,
    .shotSlots = 200,
    .explosionFrameMs = 20,
};

Amybe::Amybe(SDL_Surface* screen, LevelAssets* assets, const Spawn& at, const Strength& setup)
    : RegularEnemy(screen, assets, at, kTraits, setup.strength * 8), flyTime(RandomInt(40) + 75) {}

void Amybe::Steer() {
    const SDL_Rect copy = box;
    Alternate(8);
    int dy = 0;
    if (phaseCounter < flyTime / 3 || phaseCounter >= 2 * flyTime) {
        dy = 3;
    } else if (phaseCounter % 4 == 0) {
        Fire();
    }
    phaseCounter += 1;
    MoveAndTest(copy, 0, dy);
}

// Two pairs of shots from its four pores: the upper pair crosses at 45 and 135 degrees, the
// lower pair falls at 70 and 110.
void Amybe::Fire() {
    struct Pore {
        int x, y, angle;
    };
    static const Pore kPores[4] = {{9, 4, 45}, {39, 4, 135}, {11, 24, 70}, {37, 24, 110}};
    Volley volley = shots.Open(4);
    for (const Pore& pore : kPores)
        volley.Radial(screen, shotA, shotB, MakeRect(box.x + pore.x, box.y + pore.y, 9, 9), pore.angle, 4);
    if (volley.Complete()) PlayFireSound();
}
