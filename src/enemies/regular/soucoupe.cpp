#include "enemies/regular/soucoupe.h"

#include "core/playfield.h"
#include "core/utilities.h"
#include "enemies/framework/volley.h"

const RegularTraits Soucoupe::kTraits = {
    .kind = &catalogue::kSoucoupe,
    .points = 5,
    .shotSlots = 1,
    .explosionFrameMs = 50,
    .firstExplosionFrame = 1,
    .steerWhile = SteerWhile::Always,
    .shotsFirst = true,
};

Soucoupe::Soucoupe(SDL_Surface* screen, LevelAssets* assets, const Spawn& at, const Setup& setup)
    : RegularEnemy(screen, assets, at, kTraits, 1), flight(setup.flight), dir(box.x < playfield::kLeft ? 1 : -1) {}

void Soucoupe::Steer() {
    const SDL_Rect copy = box;
    Alternate(8, 4);
    MoveAndTest(copy, flight == Flight::Across ? dir : 0, flight == Flight::Across ? 0 : 2);
}

void Soucoupe::WhileDestroyed() {
    if (!carriesBonus) return;
    Fire();
    carriesBonus = false;
}

void Soucoupe::Fire() {
    const int fall = flight == Flight::Across ? 3 : 2;
    const PathSegment legs[4] = {{0, fall, 5}, {0, fall, 5}, {0, fall, 30}, {0, fall, 300}};
    Volley volley = shots.Open(1);
    if (EnemyShot* bonus = volley.Path(screen, shotA, shotB, MakeRect(box.x + 20, box.y + 24, 29, 31), legs)) {
        bonus->SetBonus(true);
        PlayFireSound();
    }
}
