// The module of Level 1: drops in, hovers and fires three shots once, then swoops away along a
// widening curve.
#pragma once

#include "enemies/regular/regular_enemy.h"

class Modular : public RegularEnemy {
public:
    static const RegularTraits kTraits;

    Modular(SDL_Surface* screen, LevelAssets* assets, const Spawn& at);

    int GetEntryLength() const { return entryLength; }

protected:
    void Steer() override;

private:
    void Fire();

    int entryLength;
    int phaseCounter = 0;
    int centreX;
    int centreY;
    int radius = 0;
    int angle;
    int radiusStep = 3;
    int turn;
};
