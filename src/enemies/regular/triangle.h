// The triangle of Level 2: falls in a long column or a fast stream. Fast ones veer right after a
// short random delay. It releases one falling shot when it is destroyed, and cannot be hit while
// it is still above the window.
#pragma once

#include "enemies/regular/regular_enemy.h"

class Triangle : public RegularEnemy {
public:
    static const RegularTraits kTraits;
    static constexpr int kVeeringSpeed = 6;  // only triangles this fast veer

    struct Setup {
        int vy;
    };

    Triangle(SDL_Surface* screen, LevelAssets* assets, const Spawn& at, const Setup& setup);

    int GetSideDelay() const { return sideDelay; }
    int GetSideDx() const { return sideDx; }

protected:
    void Steer() override;
    bool Hittable() const override;
    void Killed() override { Fire(); }

private:
    void Fire();

    int vy;
    int sideDelay;
    int sideDx;
    int phaseCounter = 0;
};
