// The fairy of Level 5: flies in from far beside the playfield in a line of four, hovers, throws
// fans of three shots in a random direction for a while, and flies on the way it was going.
#pragma once

#include "enemies/regular/regular_enemy.h"

class Fee : public RegularEnemy {
public:
    static const RegularTraits kTraits;
    static constexpr int kFlyInTicks = 105;  // flies while the tick is below this
    static constexpr int kFireFromTick = 150;
    static constexpr int kFirePeriod = 8;

    // unused is a level-script argument the class ignores.
    Fee(SDL_Surface* screen, LevelAssets* assets, const Spawn& at);

    int GetHspeed() const { return hspeed; }
    int GetTick() const { return tick; }

protected:
    void Steer() override;

private:
    void Fire();

    int tick = 0;
    int stayTime = 400;
    int hspeed;
};
