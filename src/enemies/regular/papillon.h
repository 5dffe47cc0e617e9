// The butterfly of Level 5: flutters straight across the screen from one side edge in swarms;
// never fires.
#pragma once

#include "enemies/regular/regular_enemy.h"

class Papillon : public RegularEnemy {
public:
    static const RegularTraits kTraits;

    // unused is a level-script argument the class ignores.
    Papillon(SDL_Surface* screen, LevelAssets* assets, const Spawn& at);

    int GetHspeed() const { return hspeed; }

protected:
    void Steer() override;

private:
    int tick = 0;
    int hspeed;
};
