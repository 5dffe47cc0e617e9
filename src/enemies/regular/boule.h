// The ball of Level 1: crosses the screen in waves, bobbing up and down, and drops single shots.
#pragma once

#include "enemies/regular/regular_enemy.h"

class Boule : public RegularEnemy {
public:
    static const RegularTraits kTraits;

    struct Setup {
        int vy;
        int vx;
        bool leader;  // a wave's leader is drawn in the lighter sprite frame
        int hitPoints;
    };

    Boule(SDL_Surface* screen, LevelAssets* assets, const Spawn& at, const Setup& setup);

    int GetVx() const { return vx; }
    int GetVy() const { return vy; }

protected:
    void Steer() override;

private:
    void Fire();

    int flipCounter = 0;
    int flipPeriod = 15;
    int vx;
    int vy;
    int fireCounter = 0;
};
