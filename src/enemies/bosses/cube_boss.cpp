#include "enemies/bosses/cube_boss.h"

#include "core/utilities.h"
#include "enemies/framework/volley.h"

namespace {

constexpr int kRestCell = 3;  // shown before the fight and throughout phase 2
constexpr int kAngleTurn = 7;
constexpr int kSweepBound = 90;

// The guns, relative to the box.
constexpr int kBottomGunX = 142, kBottomGunY = 213, kBottomShotSize = 15;
constexpr int kLeftGunX = 38, kRightGunX = 247, kUpperGunY = 37, kUpperShotSize = 16;

}  // namespace

const BossTraits CubeBoss::kTraits = {
    500, 3000, 2000, "./Images/Ennemis/CubeBoss/CubeBossS.png", platform::ColorKey::Rgb(255, 255, 0), 6, 502, false,
    false,
};

const CubeBoss::Phase CubeBoss::kScript[3] = {
    {1200, 0, 4, 0, 1100, 0, true},
    {1250, 1, 2, 151, 1150, 0, false},
    {1250, 2, 2, 151, 1150, 70, true},
};

CubeBoss::CubeBoss(SDL_Surface* screen, SDL_Rect box, int hitHalfWidth, int hitHalfHeight, int spawnTime,
                   int energyUnits)
    : Boss(screen, box, hitHalfWidth, hitHalfHeight, spawnTime, energyUnits, kTraits),
      flashSheet(Own(platform::LoadPicture("./Images/Ennemis/CubeBoss/CubeBossS_Flash.png", 255, 255, 0))),
      shotInviderA(Own(platform::LoadPicture("./Images/Tirs/TirInvider1S.png", 255, 0, 255))),
      shotInviderB(Own(platform::LoadPicture("./Images/Tirs/TirInvider2S.png", 255, 0, 255))),
      shotRedA(Own(platform::LoadBmpPicture("./Images/Tirs/Tir1_Glace_Rouge_Ennemi.bmp", 29, 14, 22))),
      shotRedB(Own(platform::LoadBmpPicture("./Images/Tirs/Tir1a_Glace_Rouge_Ennemi.bmp", 29, 14, 22))) {
    frame = kRestCell;
    phaseLength = kEntryLength;
}

// Slides 300 pixels right, then waits until the tick of phase 1.
void CubeBoss::Entry(int& dx, int&) {
    if (phaseTick < kEntryFrames) {
        SetMusicHold(false);
        dx += 5;
    }
    phaseTick += 1;
    if (phaseTick == phaseLength) {
        StartPhase(1);
        SetMusicHold(false);
    }
}

void CubeBoss::StartPhase(int next) {
    phase = next;
    phaseTick = 0;
    phaseLength = kScript[next - 1].length;
    angle = kScript[next - 1].startAngle;
    sweepDirection = 1;
    if (!kScript[next - 1].animated) frame = kRestCell;
}

void CubeBoss::RunPhase(int&, int&) {
    const Phase& current = kScript[phase - 1];
    if (phaseTick == phaseLength) {
        StartPhase(phase % 3 + 1);
        return;
    }
    attackKind = current.attackKind;
    const bool fires =
        phaseTick % current.fireEvery == 0 && phaseTick >= current.fireFrom && phaseTick < current.fireBefore;
    if (fires) Fire();
    if (phase == 1 && phaseTick % 4 == 0) {
        // The bottom fan keeps turning through the silent ticks.
        angle += kAngleTurn;
        if (angle >= 360) angle -= 360;
    } else if (phase == 2 && fires) {
        angle += kAngleTurn * sweepDirection;
        if (angle >= kSweepBound || angle <= -kSweepBound) sweepDirection = -sweepDirection;
    }
    if (current.animated && phaseTick % 5 == 0) frame = (frame + 1) % 6;
    phaseTick += 1;
}

void CubeBoss::Fire() {
    const int phase1 = 50 + RandomInt(50);
    const SDL_Rect bottom = MakeRect(box.x + kBottomGunX, box.y + kBottomGunY, kBottomShotSize, kBottomShotSize);
    if (attackKind == 0) {
        // A five-way fan, 70 degrees between arms.
        Volley volley(shots, shotSlotCount, 5);
        for (int k = 0; k < 5; ++k)
            if (!volley.Orbit(screen, shotInviderA, shotInviderB, bottom, MovePattern::Radial, angle + 70 * k, 70, 1,
                              phase1, 30))
                return;
        PlayFireSound();
        return;
    }
    // Kinds 1 and 2: a three-way fan from each upper gun; kind 2 adds a stray from the bottom gun.
    const bool cone = attackKind == 2;
    const int stray = cone ? RandomInt(360) : 0;
    Volley volley(shots, shotSlotCount, cone ? 7 : 6);
    for (int k = 0; k < 6; ++k) {
        const int j = k % 3;
        const SDL_Rect at = MakeRect(box.x + (k < 3 ? kLeftGunX : kRightGunX), box.y + kUpperGunY, kUpperShotSize,
                                     kUpperShotSize);
        if (!volley.Orbit(screen, shotRedA, shotRedB, at, MovePattern::Radial, angle + 20 * j, 20, cone ? 3 : 2,
                          phase1, 30))
            return;
    }
    if (cone &&
        !volley.Orbit(screen, shotInviderA, shotInviderB, bottom, MovePattern::Radial, stray + 120, 20, 1, phase1, 30))
        return;
    PlayFireSound();
}
