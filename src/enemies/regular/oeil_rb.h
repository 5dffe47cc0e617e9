// The red-and-blue eye ship of Level 5: flies in from behind the left panel, sweeps a mirrored
// pair of shots across the lower half while it sprays two random ones, and flies on to the right.
#pragma once

#include "enemies/regular/phased_enemy.h"

class OeilRB : public PhasedEnemy {
public:
    static const RegularTraits kTraits;
    static const PhaseRow kRow;
    static constexpr int kSweepLow = 91;    // the sweep turns back below this angle
    static constexpr int kSweepHigh = 269;  // and above this one

    OeilRB(SDL_Surface* screen, LevelAssets* assets, const Spawn& at, const Strength& setup);

    int GetDir() const { return dir; }
    int GetAngleDir() const { return angleDir; }

protected:
    void Fire() override;
    void AfterVolley() override;
};
