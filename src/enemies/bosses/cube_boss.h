// The boss of Level 2: a wide cube that slides in from the left, settles at the top of the
// playfield and fires from three guns: five-way rotating fans from the bottom gun, three-way fans
// sweeping up and down from the two upper guns, and a downward cone with a stray shot.
#pragma once

#include "enemies/bosses/boss.h"

class CubeBoss : public Boss {
public:
    static const BossTraits kTraits;
    static constexpr int kEntryFrames = 60;   // 5 pixels right a frame
    static constexpr int kEntryLength = 250;  // phase 1 starts at this tick

    // One phase of the script: fires every fireEvery ticks from fireFrom up to (not including)
    // fireBefore; starts at startAngle; animates every 5th tick or shows cell 3.
    struct Phase {
        int length;
        int attackKind;
        int fireEvery;
        int fireFrom;
        int fireBefore;
        int startAngle;
        bool animated;
    };
    static const Phase kScript[3];  // phases 1, 2, 3, then 1 again

    CubeBoss(SDL_Surface* screen, SDL_Rect box, int hitHalfWidth, int hitHalfHeight, int spawnTime, int energyUnits);

    int GetSweepDirection() const { return sweepDirection; }

protected:
    void Entry(int& dx, int& dy) override;
    void RunPhase(int& dx, int& dy) override;
    void Fire() override;
    // The hit flash is the same cell of a sheet of its own.
    void DrawHit() override { DrawCell(flashSheet, kTraits.sheetCells, frame); }

private:
    void StartPhase(int next);

    SDL_Surface* flashSheet;
    SDL_Surface* shotInviderA;
    SDL_Surface* shotInviderB;
    SDL_Surface* shotRedA;
    SDL_Surface* shotRedB;
    int sweepDirection = 1;
};
