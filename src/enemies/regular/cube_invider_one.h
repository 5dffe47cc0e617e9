// The large invader cube of Level 2: enters from the right, fires two rings of six whose aim
// sways back and forth, then turns random and slow, and leaves fast to the left.
#pragma once

#include "enemies/regular/phased_enemy.h"

class CubeInviderOne : public PhasedEnemy {
public:
    static const RegularTraits kTraits;
    static const PhaseRow kRow;
    static constexpr int kSlowFrom = 660;  // attack frame from which the rings are slow and random

    // The last argument is not used.
    CubeInviderOne(SDL_Surface* screen, LevelAssets* assets, const Spawn& at);

    int GetSpeed() const { return speed; }

protected:
    void Fire() override;
    void BeforeVolley() override;
    void Animate(Phase) override { Alternate(8); }
};
