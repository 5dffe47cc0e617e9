// The Vax of Level 5: drops fast to y 200, fires once straight down and leaves to the right.
#pragma once

#include "enemies/regular/regular_enemy.h"

class Vax : public RegularEnemy {
public:
    static const RegularTraits kTraits;
    static constexpr int kFireLine = 200;  // it drops until its top reaches this

    // unused is a level-script argument the class ignores.
    Vax(SDL_Surface* screen, LevelAssets* assets, const Spawn& at);

    bool HasFired() const { return fired; }

protected:
    void Steer() override;

private:
    void Fire();

    int tick = 0;
    bool fired = false;
};
