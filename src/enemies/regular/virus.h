// The virus of Level 3: drops from a random column at a random speed, drifts sideways after a
// random delay, and releases a fan of five shots when it is destroyed.
#pragma once

#include "enemies/regular/regular_enemy.h"

class Virus : public RegularEnemy {
public:
    static const RegularTraits kTraits;

    struct Setup {
        int hitPoints;
    };

    Virus(SDL_Surface* screen, LevelAssets* assets, const Spawn& at, const Setup& setup);

    int GetVx() const { return vx; }
    int GetVy() const { return vy; }
    int GetSideDelay() const { return sideDelay; }

protected:
    void Steer() override;
    void Killed() override { Fire(); }

private:
    void Fire();

    int vx;
    int vy;
    int sideDelay;
    int phaseCounter = 0;
};
