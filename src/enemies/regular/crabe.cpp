#include "enemies/regular/crabe.h"

#include "core/utilities.h"
#include "enemies/framework/volley.h"

const RegularTraits Crabe::kTraits = {
    .kind = &catalogue::kCrabe,
    .points = 84,
    .shotSlots = 1000,
    .explosionFrameMs = 40,
    .firstExplosionFrame = 1,
    .steerWhile = SteerWhile::Alive,
    .shotsFirst = true,
    .flagsExplosion = true,
    .playfield = playfield::kLarge,
};

// The fire limit lies beyond the attack, so every volley of it fires.
const PhaseRow Crabe::kRow = {
    .entryLength = 110,
    .entryMoveFrames = 60,
    .entryDx = 4,
    .attackLength = 600,
    .fire = {.every = 8, .after = 30, .before = 700},
    .exitDx = 5,
};

Crabe::Crabe(SDL_Surface* screen, LevelAssets* assets, const Spawn& at, const Strength& setup)
    : PhasedEnemy(screen, assets, at, kTraits, setup.strength * 800, kRow) {}

void Crabe::Fire() {
    const SDL_Rect left = MakeRect(box.x + 11, box.y + 67, 16, 16);
    const SDL_Rect right = MakeRect(box.x + 130, box.y + 67, 16, 16);
    Volley volley = shots.Open(14);
    // A fan opening downward from each claw (45, 67, 90, 112 and 135 degrees), then two strays from
    // each claw.
    volley.Fill([&](int n) {
        const bool fan = n < 10;
        const SDL_Rect& claw = (fan ? n < 5 : n < 12) ? left : right;
        const int angle = fan ? static_cast<int>(45 + 22.5 * (n % 5)) : RandomInt(140) + 20;
        return NewRadialShot(screen, shotA, shotB, claw, angle, 2);
    });
    if (volley.Complete() && volley.SpareSlots()) PlayFireSound();
}
