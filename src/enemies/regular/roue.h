// The wheel of Level 2: one in each full row of the cube wall, falling with it, spinning. It
// never fires.
#pragma once

#include "enemies/regular/regular_enemy.h"

class Roue : public RegularEnemy {
public:
    static const RegularTraits kTraits;

    // The last argument is not used.
    Roue(SDL_Surface* screen, LevelAssets* assets, const Spawn& at);

protected:
    void Steer() override;
    // The wheel turns after it is drawn, also in its hit frame.
    void AfterDraw() override { Alternate(8); }
};
