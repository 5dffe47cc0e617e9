#include "enemies/regular/cube_invider_one.h"

#include "core/utilities.h"
#include "enemies/framework/volley.h"

const RegularTraits CubeInviderOne::kTraits = {
    .kind = &catalogue::kCubeInviderOne,
    .points = 225,
    .shotSlots = 600,
    .explosionFrameMs = 40,
    .firstExplosionFrame = 1,
    .steerWhile = SteerWhile::Alive,
    .flagsExplosion = true,
    .playfield = playfield::kLarge,
};

// The entry is 4 pixels a frame; the exit is 4 times the speed, which is 2 by then.
const PhaseRow CubeInviderOne::kRow = {
    .entryLength = 120,
    .entryMoveFrames = 76,
    .entryDx = -4,
    .attackLength = 1300,
    .fire = {.every = 5, .after = 30, .before = 1100},
    .exitDx = -4,
    .exitScale = StepScale::Speed,
};

CubeInviderOne::CubeInviderOne(SDL_Surface* screen, LevelAssets* assets, const Spawn& at)
    : PhasedEnemy(screen, assets, at, kTraits, 2350, kRow) {
    speed = 4;
}

// The aim sways by 3 degrees a volley in four swings, then the rings slow down and aim at random.
void CubeInviderOne::BeforeVolley() {
    const int n = phaseCounter;
    int step = 0;
    if (n >= kSlowFrom) {
        speed = 2;
        fireAngle = RandomInt(360);
        return;
    }
    if (n >= 101 && n <= 179)
        step = 3;
    else if (n >= 180 && n <= 339)
        step = -3;
    else if (n >= 340 && n <= 499)
        step = 3;
    else if (n >= 500)
        step = -3;
    TurnFireAngle(step);
}

// Two rings of six, one from each lower corner.
void CubeInviderOne::Fire() {
    Volley volley = shots.Open(12);
    int angle = fireAngle;
    for (int k = 0; k < 12; ++k) {
        const SDL_Rect at = MakeRect(box.x + (k < 6 ? 66 : 157), box.y + 98, 16, 16);
        if (!volley.Radial(screen, shotA, shotB, at, angle, speed)) return;
        angle += 60;
        if (angle > 360) angle -= 360;
    }
    if (volley.SpareSlots()) PlayFireSound();
}
