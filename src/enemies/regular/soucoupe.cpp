#include "enemies/regular/soucoupe.h"

#include "core/playfield.h"
#include "core/utilities.h"
#include "enemies/framework/volley.h"

const RegularTraits Soucoupe::kTraits = {
    .kind = &catalogue::kSoucoupe, .points = 5, .shotSlots = 1, .explosionFrameMs = 50, .firstExplosionFrame = 1,
    .steerWhile = SteerWhile::Always, .shotsFirst = true,
};

Soucoupe::Soucoupe(SDL_Surface* screen, LevelAssets* assets, int x, int y, int spawnTime, int mode)
    : RegularEnemy(screen, assets, x, y, spawnTime, kTraits, 1), mode(mode), dir(box.x < playfield::kLeft ? 1 : -1) {}

void Soucoupe::Steer() {
    const SDL_Rect copy = box;
    Alternate(8, 4);
    MoveAndTest(copy, mode == 0 ? dir : 0, mode == 0 ? 0 : 2);
}

void Soucoupe::WhileDestroyed() {
    if (!carriesBonus) return;
    Fire();
    carriesBonus = false;
}

void Soucoupe::Fire() {
    const int fall = mode == 0 ? 3 : 2;
    const PathSegment legs[4] = {{0, fall, 5}, {0, fall, 5}, {0, fall, 30}, {0, fall, 300}};
    Volley volley = shots.Open(1);
    if (EnemyShot* bonus = volley.Path(screen, shotA, shotB, MakeRect(box.x + 20, box.y + 24, 29, 31), legs)) {
        bonus->SetBonus(true);
        PlayFireSound();
    }
}
