#include "enemies/regular/cube_devil.h"

#include "core/utilities.h"
#include "enemies/framework/volley.h"

const RegularTraits CubeDevil::kTraits = {
    .kind = &catalogue::kCubeDevil,
    .points = 60,
    .shotSlots = 500,
    .explosionFrameMs = 40,
    .firstExplosionFrame = 1,
    .steerWhile = SteerWhile::Alive,
    .flagsExplosion = true,
    .playfield = playfield::kLarge,
};

const PhaseRow CubeDevil::kRow = {
    .entryLength = 120,
    .entryMoveFrames = 60,
    .entryDy = 4,
    .entryScale = StepScale::Speed,
    .attackLength = 700,
    .fire = {.every = 4, .after = 30, .before = 600},
    .exitDy = -4,
    .exitScale = StepScale::Speed,
};

CubeDevil::CubeDevil(SDL_Surface* screen, LevelAssets* assets, const Spawn& at)
    : PhasedEnemy(screen, assets, at, kTraits, 350, kRow) {
    speed = 1;
}

// Three shots 30 degrees apart; an angle that passes 360 comes back by 360.
void CubeDevil::Fire() {
    Volley volley = shots.Open(3);
    const SDL_Rect at = MakeRect(box.x + 37, box.y + 37, 16, 16);
    int angle = fireAngle;
    for (int k = 0; k < 3; ++k) {
        if (!volley.Radial(screen, shotA, shotB, at, angle, 2)) return;
        angle += 30;
        if (angle > 360) angle -= 360;
    }
    if (volley.SpareSlots()) PlayFireSound();
}
