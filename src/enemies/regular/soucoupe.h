// The flying saucer of Levels 1 to 5: crosses sideways (mode 0) or falls (mode 1) and drops the
// bonus it carries when it is destroyed or leaves the playfield.
#pragma once

#include "enemies/regular/regular_enemy.h"

class Soucoupe : public RegularEnemy {
public:
    static const RegularTraits kTraits;

    Soucoupe(SDL_Surface* screen, LevelAssets* assets, int x, int y, int spawnTime, int mode);

    bool CarriesBonus() const { return carriesBonus; }

protected:
    void Steer() override;
    void WhileDestroyed() override;

private:
    void Fire();  // the bonus drop

    int mode;
    int dir;
    bool carriesBonus = true;
};
