#include "enemies/regular/yeux.h"

#include "core/utilities.h"
#include "enemies/framework/volley.h"

const RegularTraits Yeux::kTraits = {
    .kind = &catalogue::kYeux,
    .points = 100,
    .shotSlots = 500,
    .explosionFrameMs = 40,
    .firstExplosionFrame = 1,
    .steerWhile = SteerWhile::Alive,
    .flagsExplosion = true,
    .playfield = playfield::kLarge,
};

const PhaseRow Yeux::kRow = {
    .entryLength = 35,
    .entryMoveFrames = 28,
    .entryDx = 4,
    .entryScale = StepScale::Dir,
    .attackLength = 700,
    .fire = {.every = 4, .after = 30, .before = 600},
    .exitDx = -4,
    .exitScale = StepScale::Dir,
};

Yeux::Yeux(SDL_Surface* screen, LevelAssets* assets, const Spawn& at, const Strength& setup)
    : PhasedEnemy(screen, assets, at, kTraits, setup.strength * 100, kRow) {
    const bool fromRight = box.x > 137;
    dir = fromRight ? -1 : 1;
    frame = fromRight ? 1 : 0;
}

void Yeux::Fire() {
    SDL_Surface* a = dir == -1 ? shotC : shotA;
    SDL_Surface* b = dir == -1 ? shotD : shotB;
    const SDL_Rect at = MakeRect(box.x + 47, box.y + 15, 16, 16);
    Volley volley = shots.Open(3);
    volley.Fill([&](int) { return NewRadialShot(screen, a, b, at, RandomInt(360), 2); });
    if (volley.Complete() && volley.SpareSlots()) PlayFireSound();
}
