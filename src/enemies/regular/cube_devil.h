// The devil cube of Level 2: comes down from the top, fires turning three-way fans, and leaves
// upward.
#pragma once

#include "enemies/regular/phased_enemy.h"

class CubeDevil : public PhasedEnemy {
public:
    static const RegularTraits kTraits;
    static const PhaseRow kRow;

    // The last argument is not used.
    CubeDevil(SDL_Surface* screen, LevelAssets* assets, const Spawn& at);

protected:
    void Fire() override;
    void BeforeVolley() override { TurnFireAngle(13); }
    void Animate(Phase) override { Alternate(8); }
};
