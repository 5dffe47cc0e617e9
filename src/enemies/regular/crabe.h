// The crab of Level 3: walks in from the left edge, fires two downward fans and four stray shots
// from its claws, and leaves to the right.
#pragma once

#include "enemies/regular/phased_enemy.h"

class Crabe : public PhasedEnemy {
public:
    static const RegularTraits kTraits;
    static const PhaseRow kRow;

    Crabe(SDL_Surface* screen, LevelAssets* assets, const Spawn& at, const Strength& setup);

protected:
    void Fire() override;
    void Animate(Phase) override {
        if (phaseCounter % 8 == 0) frame = (frame + 1) % 3;
    }
};
