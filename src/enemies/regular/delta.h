// The delta ship of Level 1: comes down, fires two turning fans from its wings, and leaves at the
// bottom.
#pragma once

#include "enemies/regular/phased_enemy.h"

class Delta : public PhasedEnemy {
public:
    static const RegularTraits kTraits;
    static const PhaseRow kRow;

    Delta(SDL_Surface* screen, LevelAssets* assets, const Spawn& at, const Strength& setup);

protected:
    void Fire() override;
    void BeforeVolley() override { TurnFireAngle(13); }
    void Animate(Phase current) override {
        if (current != kExit) frame = 1 - frame;
    }
};
