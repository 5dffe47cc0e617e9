// The boss of Level 3: slides in from the right, stops in the middle of the playfield and fires
// every frame from two muzzles close together: pairs and quartets of red shots that fly out a
// short way along a turning angle and then double back or turn a right angle.
#pragma once

#include "enemies/bosses/boss.h"

class Death : public Boss {
public:
    static const BossTraits kTraits;
    static constexpr int kEntryFrames = 62;   // 5 pixels left a frame
    static constexpr int kEntryLength = 400;  // phase 1 starts at this tick
    static constexpr int kFightCell = 3;

    // One phase of the script: fires every tick below fireBefore and turns the aim by angleStep on
    // every tick. A volley is shots shots, each flying out phase2 frames at speed pixels a frame
    // from muzzle A (the first half) or B, the next one turned by shotStep.
    struct Phase {
        int length;
        int fireBefore;
        int angleStep;
        int shots;
        int speed;
        int phase2;  // -1: 15 + RandomInt(20), drawn once a volley
        int shotStep;
    };
    static const Phase kScript[3];  // phases 1, 2, 3, then 1 again

    Death(SDL_Surface* screen, SDL_Rect box, int hitHalfWidth, int hitHalfHeight, int spawnTime, int energyUnits);

protected:
    void Entry(int& dx, int& dy) override;
    void RunPhase(int& dx, int& dy) override;
    void Fire() override;
    // The entry poses flash in cell 4, the fighting pose in cell 5.
    int HitCell() const override { return frame <= 2 ? 4 : 5; }

private:
    SDL_Surface* shotRedA;
    SDL_Surface* shotRedB;
};
