// The blob of Level 3: flies in from the right, stops, turns a slow rotating spray, and flies on
// to the left. It freezes in place when destroyed.
#pragma once

#include "enemies/regular/regular_enemy.h"

class Blob : public RegularEnemy {
public:
    static const RegularTraits kTraits;

    // The last argument is not used.
    Blob(SDL_Surface* screen, LevelAssets* assets, const Spawn& at);

    int GetFlyTime() const { return flyTime; }
    int GetFireAngle() const { return fireAngle; }

protected:
    void Steer() override;

private:
    void Fire();

    int tick = 0;
    int flyTime;
    int fireAngle = 0;
};
