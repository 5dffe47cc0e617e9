// The amoeba of Level 4: drops from a random column, stops to spit four shots every fourth frame
// for a while, and drops on.
#pragma once

#include "enemies/regular/regular_enemy.h"

class Amybe : public RegularEnemy {
public:
    static const RegularTraits kTraits;

    Amybe(SDL_Surface* screen, LevelAssets* assets, const Spawn& at, const Strength& setup);

    int GetFlyTime() const { return flyTime; }

protected:
    void Steer() override;

private:
    void Fire();

    int flyTime;
    int phaseCounter = 0;
};
