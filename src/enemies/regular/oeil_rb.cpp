#include "enemies/regular/oeil_rb.h"

#include "core/utilities.h"
#include "enemies/framework/volley.h"

const RegularTraits OeilRB::kTraits = {
    AssetKind::OeilRB, 75, 500, 2, 1, 0, 160, 120, 16, 40, 1, SteerWhile::Alive, false, true, playfield::kFromLeft,
};

const PhaseRow OeilRB::kRow = {70, 47, 5, 0, StepScale::Dir, 700, 2, 600, 270, 5, 0, StepScale::Dir};

OeilRB::OeilRB(SDL_Surface* screen, LevelAssets* assets, SDL_Rect box, int hitHalfWidth, int hitHalfHeight,
               int spawnTime, int strength)
    : PhasedEnemy(screen, assets, box, hitHalfWidth, hitHalfHeight, spawnTime, kTraits, strength * 1300, kRow) {
    // The levels place it left of the playfield only. One placed anywhere else flies right too:
    // its playfield test watches the right edge, so it still leaves and is deleted.
    dir = 1;
    angleDir = -1;
}

void OeilRB::Fire() {
    const SDL_Rect at = MakeRect(box.x + 47, box.y + 15, 16, 16);
    // The sweeping shot and its mirror image about the vertical.
    const int mirrored = 540 - fireAngle >= 360 ? 180 - fireAngle : 540 - fireAngle;
    Volley volley(shots, shotSlots, 4);
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
