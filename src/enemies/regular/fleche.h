// The arrow of Level 4: dives diagonally from a top corner or a side edge, stops in mid-air for a
// moment and dives on; never fires.
#pragma once

#include "enemies/regular/regular_enemy.h"

class Fleche : public RegularEnemy {
public:
    static const RegularTraits kTraits;

    struct Setup {
        int hitPoints;
    };

    Fleche(SDL_Surface* screen, LevelAssets* assets, const Spawn& at, const Setup& setup);

    int GetPauseLength() const { return pauseLength; }
    int GetHspeed() const { return hspeed; }

protected:
    void Steer() override;
    // Arrows flying left use the mirrored pair of cells.
    int NormalCell() const override { return hspeed < 0 ? frame + 2 : frame; }

private:
    int pauseLength;
    int hspeed;
    int phaseCounter = 0;
};
