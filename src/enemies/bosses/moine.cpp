#include "enemies/bosses/moine.h"

#include "core/utilities.h"
#include "enemies/framework/volley.h"

namespace {

constexpr int kGunX = 314;  // the burst and spiral muzzle, in screen coordinates
constexpr int kGunY = 91;
constexpr int kShotSize = 16;

}  // namespace

const BossTraits Moine::kTraits = {
    350, 3000, 2000, "./Images/Ennemis/Moine/MoineS.png", platform::ColorKey::Rgb(255, 0, 255), 8, 502, false, false,
};

const Moine::Phase Moine::kScript[3] = {
    {1200, 0, 2, 150, 1100, 1, 5, 4},
    {1250, 1, 2, 150, 1150, 7, 10, 2},
    {1250, 2, 1, 150, 1150, 5, 10, 2},
};

const int Moine::kRingX[12] = {175, 248, 301, 318, 297, 247, 168, 95, 44, 26, 47, 102};
const int Moine::kRingY[12] = {91, 112, 167, 240, 318, 363, 381, 361, 306, 233, 181, 109};

Moine::Moine(SDL_Surface* screen, SDL_Rect box, int hitHalfWidth, int hitHalfHeight, int spawnTime, int energyUnits)
    : Boss(screen, box, hitHalfWidth, hitHalfHeight, spawnTime, energyUnits, kTraits),
      shotYellowA(Own(platform::LoadBmpPicture("./Images/Tirs/Tir1_Jaune_Ennemi.bmp", 255, 0, 255))),
      shotYellowB(Own(platform::LoadBmpPicture("./Images/Tirs/Tir1a_Jaune_Ennemi.bmp", 255, 0, 255))) {}

void Moine::Entry(int&, int&) {
    phase = 1;
    phaseTick = 0;
    phaseLength = kScript[0].length;
    angle = 180;
    SetMusicHold(false);
}

void Moine::RunPhase(int&, int&) {
    const Phase& current = kScript[phase - 1];
    if (phaseTick == phaseLength) {
        if (phase == 1) ringIndex = 0;
        phase = phase % 3 + 1;
        phaseTick = 0;
        phaseLength = kScript[phase - 1].length;
        angle = 0;
        return;
    }
    attackKind = current.attackKind;
    if (phaseTick % current.fireEvery == 0 && phaseTick > current.fireAfter && phaseTick < current.fireBefore) {
        Fire();
        angle += current.angleStep;
        if (angle >= 360) angle = 0;
        if (attackKind == 0) ringIndex = (ringIndex + 1) % 12;
    }
    if (phaseTick % current.animEvery == 0) frame = (frame + 1) % current.animCells;
    phaseTick += 1;
}

void Moine::Fire() {
    const int phase1 = 50 + RandomInt(50);
    if (attackKind == 0) {
        const int x = kRingX[ringIndex] + 139, y = kRingY[ringIndex];
        Volley volley(shots, shotSlotCount, 1);
        volley.Orbit(screen, shotYellowA, shotYellowB, MakeRect(x, y, kShotSize, kShotSize), MovePattern::Radial, angle,
                     10, 1, phase1, 30);
        if (volley.Complete()) PlayFireSound();
        return;
    }
    // Kind 1: six arms that fly out and turn; kind 2: four wavy arms.
    const bool burst = attackKind == 1;
    const int arms = burst ? 6 : 4;
    Volley volley(shots, shotSlotCount, arms);
    const SDL_Rect at = MakeRect(kGunX, kGunY, kShotSize, kShotSize);
    for (int k = 0; k < arms; ++k) {
        const int shotAngle = angle + (burst ? 60 : 90) * k;
        EnemyShot* shot = burst ? volley.Orbit(screen, shotYellowA, shotYellowB, at, MovePattern::RadialThenTurn,
                                               shotAngle, 10, 4, phase1, 30)
                                : volley.Orbit(screen, shotYellowA, shotYellowB, at, MovePattern::Wave, shotAngle, 1, 1,
                                               phase1, 120);
        if (!shot) return;
        shot->SetExitAngle(-shotAngle);
    }
    PlayFireSound();
}
