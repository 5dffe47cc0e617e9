// The cube of Level 2: falls in columns and rows, some sweeping sideways between two edges. It
// never fires, and with its hit points it is never destroyed in practice: it leaves at the
// bottom. Above the window it is neither drawn nor hit.
#pragma once

#include "core/playfield.h"
#include "enemies/regular/regular_enemy.h"

class Cube : public RegularEnemy {
public:
    static const RegularTraits kTraits;
    static constexpr int kHitPoints = 999999;

    struct Setup {
        int vy;
    };

    Cube(SDL_Surface* screen, LevelAssets* assets, const Spawn& at, const Setup& setup);

    // Sideways steps of 2 pixels between minX + 1 and maxX - 1, starting in direction; it rests
    // one frame at each turn.
    void SetSweep(bool sweep, int direction, int minX, int maxX);

    bool Sweeps() const { return sweep; }
    int GetDirection() const { return direction; }

protected:
    void Steer() override;
    bool Hittable() const override { return !AboveWindow(); }
    bool Hidden() const override { return AboveWindow(); }

private:
    bool AboveWindow() const { return box.y + box.h <= 0; }

    int vy;
    bool sweep = false;
    int direction = 1;
    int minX = playfield::kLeft;
    int maxX = playfield::kRight;
};
