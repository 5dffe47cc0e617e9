// The final boss: it comes down from the top edge and fires everything from one central gun,
// its aim swinging back and forth. Below half its energy it changes its look and turns to
// harder attacks for the rest of the fight; its music starts only when the fight does.
#pragma once

#include "enemies/bosses/boss.h"

class Xorg : public Boss {
public:
    static const BossTraits kTraits;

    static constexpr int kEntryLength = 55;
    static constexpr int kDescentTicks = 53;  // 5 pixels down a frame while the tick is below this
    static constexpr int kGunX = 104;         // the gun, from the box's corner
    static constexpr int kGunY = 118;
    static constexpr int kBandLeft = 295;     // the falling shots' drift band as phase 4 starts
    static constexpr int kBandRight = 337;

    // One phase of the script: which volley, when, how far the aim may swing, where it goes next.
    struct Phase {
        int length;
        int attackKind;
        int fireEvery;   // fires when the tick is a multiple of this ...
        int fireAfter;   // ... and fireAfter < tick < fireBefore
        int fireBefore;
        int swingBound;  // the aim turns back once beyond +-swingBound
        bool halfTest;   // below half energy ends the phase at once, towards phase 4
    };
    static const Phase kScript[5];

    Xorg(SDL_Surface* screen, SDL_Rect box, int hitHalfWidth, int hitHalfHeight, int spawnTime, int energyUnits);

    bool Damaged() const { return energy <= maxEnergy / 2; }
    int GetSweepDirection() const { return sweepDirection; }
    int GetDriftBandLeft() const { return driftBandLeft; }
    int GetDriftBandRight() const { return driftBandRight; }
    int GetPhaseLength() const { return phaseLength; }

protected:
    void Entry(int& dx, int& dy) override;
    void RunPhase(int& dx, int& dy) override;
    void Fire() override;
    int HitCell() const override { return 2; }
    SDL_Surface* Sheet() const override { return Damaged() ? damagedSheet : sheet; }

private:
    bool BelowHalf() const { return energy < maxEnergy / 2; }
    void SwitchTo(int next);
    void Burst(int vy);
    void FallingSetUp(EnemyShot* shot, int vy);

    SDL_Surface* damagedSheet;
    Mix_Chunk* arrivalSound;
    Mix_Chunk* changeSound;
    SDL_Surface* shotIceA;
    SDL_Surface* shotIceB;
    SDL_Surface* shotRedA;
    SDL_Surface* shotRedB;
    int sweepDirection = 1;
    int driftBandLeft = kBandLeft;
    int driftBandRight = kBandRight;
};
