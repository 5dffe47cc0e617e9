// The flying saucer of Levels 1 to 5: crosses sideways or falls and drops the
// bonus it carries when it is destroyed or leaves the playfield.
#pragma once

#include "enemies/regular/regular_enemy.h"

class Soucoupe : public RegularEnemy {
public:
    static const RegularTraits kTraits;

    enum class Flight { Across, Down };
    struct Setup {
        Flight flight;
    };

    Soucoupe(SDL_Surface* screen, LevelAssets* assets, const Spawn& at, const Setup& setup);

    bool CarriesBonus() const { return carriesBonus; }

protected:
    void Steer() override;
    void WhileDestroyed() override;

private:
    void Fire();  // the bonus drop

    Flight flight;
    int dir;
    bool carriesBonus = true;
};
