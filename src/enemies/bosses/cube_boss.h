// The boss of Level 2: a wide cube that slides in from the left, settles at the top of the
// playfield and fires from three guns: five-way rotating fans from the bottom gun, three-way fans
// sweeping up and down from the two upper guns, and a downward cone with a stray shot.
#pragma once

#include "enemies/bosses/scripted_boss.h"

class CubeBoss : public ScriptedBoss<CubeBoss> {
public:
    static const BossTraits kTraits;
    static constexpr int kEntryFrames = 60;  // 5 pixels right a frame
    static constexpr EntrySlide kEntry = {.length = 250, .slideTicks = kEntryFrames, .dx = 5};
    enum PhaseName { kEntryPhase, kBottomFans, kSweepingFans, kConeAndStray };
    static const Phase kScript[3];  // in this order, then the bottom fans again

    CubeBoss(SDL_Surface* screen, const Spawn& at, Energy energy);

protected:
    // The hit flash is the same cell of a sheet of its own.
    void DrawHit() override { DrawCell(flashSheet, kTraits.sheet->cols, frame); }

private:
    void BottomFans();
    void SweepingFans();
    void ConeAndStray();
    void Animate();
    void BottomFan();
    // A three-way fan from each upper gun; the cone is tighter, faster and adds a stray.
    void UpperFans(bool cone);
    SDL_Rect BottomGun() const;

    SDL_Surface* flashSheet;
    SDL_Surface* shotInviderA;
    SDL_Surface* shotInviderB;
    SDL_Surface* shotRedA;
    SDL_Surface* shotRedB;
};
