#include "enemies/regular/oeil_rb.h"

#include "core/utilities.h"
#include "enemies/framework/volley.h"

const RegularTraits OeilRB::kTraits = {
    .kind = &catalogue::kOeilRB,
    .points = 75,
    .shotSlots = 500,
    .explosionFrameMs = 40,
    .firstExplosionFrame = 1,
    .steerWhile = SteerWhile::Alive,
    .flagsExplosion = true,
    .playfield = playfield::kFromLeft,
};

const PhaseRow OeilRB::kRow = {
    .entryLength = 70,
    .entryMoveFrames = 47,
    .entryDx = 5,
    .entryScale = StepScale::Dir,
    .attackLength = 700,
    .fire = {.every = 2, .after = 30, .before = 600},
    .fireAngleStart = 270,
    .exitDx = 5,
    .exitScale = StepScale::Dir,
};

OeilRB::OeilRB(SDL_Surface* screen, LevelAssets* assets, const Spawn& at, const Strength& setup)
    : PhasedEnemy(screen, assets, at, kTraits, setup.strength * 1300, kRow) {
    // The levels place it left of the playfield only. One placed anywhere else flies right too:
    // its playfield test watches the right edge, so it still leaves and is deleted.
    dir = 1;
    angleDir = -1;
}

void OeilRB::Fire() {
    const SDL_Rect at = MakeRect(box.x + 47, box.y + 15, 16, 16);
    // The sweeping shot and its mirror image about the vertical.
    const int mirrored = 540 - fireAngle >= 360 ? 180 - fireAngle : 540 - fireAngle;
    Volley volley = shots.Open(4);
    volley.Radial(screen, shotC, shotD, at, fireAngle, 3);
    volley.Radial(screen, shotA, shotB, at, mirrored, 3);
    // The other two fly in random directions.
    volley.Fill([&](int) { return NewRadialShot(screen, shotC, shotD, at, RandomInt(360), 2); });
    if (volley.Complete()) PlayFireSound();
}

void OeilRB::AfterVolley() {
    fireAngle += 5 * angleDir;
    if (fireAngle < kSweepLow || fireAngle > kSweepHigh) angleDir = -angleDir;
}
