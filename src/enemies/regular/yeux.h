// The eye ship of Level 1: flies in from one side, sprays shots in random directions and leaves
// the way it came.
#pragma once

#include "enemies/regular/phased_enemy.h"

class Yeux : public PhasedEnemy {
public:
    static const RegularTraits kTraits;
    static const PhaseRow kRow;

    Yeux(SDL_Surface* screen, LevelAssets* assets, const Spawn& at, const Strength& setup);

    int GetDir() const { return dir; }

protected:
    void Fire() override;
};
