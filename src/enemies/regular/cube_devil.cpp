#include "enemies/regular/cube_devil.h"

#include "core/utilities.h"
#include "enemies/framework/volley.h"

const RegularTraits CubeDevil::kTraits = {
    AssetKind::CubeDevil, 60, 500, 3, 2, 0, 192, 192, 16, 40, 1, SteerWhile::Alive, false, true, playfield::kLarge,
};

const PhaseRow CubeDevil::kRow = {120, 60, 0, 4, StepScale::Speed, 700, 4, 600, 0, 0, -4, StepScale::Speed};

CubeDevil::CubeDevil(SDL_Surface* screen, LevelAssets* assets, SDL_Rect box, int hitHalfWidth, int hitHalfHeight,
                     int spawnTime, int)
    : PhasedEnemy(screen, assets, box, hitHalfWidth, hitHalfHeight, spawnTime, kTraits, 350, kRow) {
    speed = 1;
}

// Three shots 30 degrees apart; an angle that passes 360 comes back by 360.
void CubeDevil::Fire() {
    Volley volley(shots, shotSlots, 3);
    const SDL_Rect at = MakeRect(box.x + 37, box.y + 37, 16, 16);
    int angle = fireAngle;
    for (int k = 0; k < 3; ++k) {
        if (!volley.Radial(screen, shotA, shotB, at, angle, 2)) return;
        angle += 30;
        if (angle > 360) angle -= 360;
    }
    if (volley.SpareSlots()) PlayFireSound();
}
