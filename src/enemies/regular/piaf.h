// The small bird of Level 1: rains down, drifting towards the middle; never fires.
#pragma once

#include "enemies/regular/regular_enemy.h"

class Piaf : public RegularEnemy {
public:
    static const RegularTraits kTraits;

    Piaf(SDL_Surface* screen, LevelAssets* assets, const Spawn& at);

    int GetVx() const { return vx; }

protected:
    void Steer() override;

private:
    int vx;
    int vy = 3;
};
