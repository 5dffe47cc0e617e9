// The ball of Level 1: crosses the screen in waves, bobbing up and down, and drops single shots.
#pragma once

#include "enemies/regular/regular_enemy.h"

class Boule : public RegularEnemy {
public:
    static const RegularTraits kTraits;

    // vy comes before vx. variant picks the lighter sprite frame of a wave's leader.
    Boule(SDL_Surface* screen, LevelAssets* assets, int x, int y,
          int spawnTime, int vy, int vx, bool variant, int hitPoints);

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
