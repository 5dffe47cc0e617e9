#include "enemies/bosses/death.h"

#include "core/utilities.h"
#include "enemies/framework/volley.h"

namespace {

// The two muzzles, relative to the box.
constexpr int kMuzzleAX = 105, kMuzzleBX = 130, kMuzzleY = 103, kShotSize = 16;
constexpr int kShotAngleStep = 70;

}  // namespace

const BossTraits Death::kTraits = {
    750, 3200, 2000, "./Images/Ennemis/Death/DeathS1.png", platform::ColorKey::Rgb(255, 255, 0), 6, 510, false, false,
};

const Death::Phase Death::kScript[3] = {
    {1300, 1100, 7, 2, 4, 30, 180},
    {900, 700, 9, 4, 8, 10, 90},
    {1200, 1100, 7, 2, 5, -1, 180},
};

Death::Death(SDL_Surface* screen, SDL_Rect box, int hitHalfWidth, int hitHalfHeight, int spawnTime, int energyUnits)
    : Boss(screen, box, hitHalfWidth, hitHalfHeight, spawnTime, energyUnits, kTraits),
      shotRedA(Own(platform::LoadBmpPicture("./Images/Tirs/Tir1_Glace_Rouge_Ennemi.bmp", 29, 14, 22))),
      shotRedB(Own(platform::LoadBmpPicture("./Images/Tirs/Tir1a_Glace_Rouge_Ennemi.bmp", 29, 14, 22))) {
    phaseLength = kEntryLength;
}

// Slides 310 pixels left cycling its three entry poses, then waits until the tick of phase 1.
void Death::Entry(int& dx, int&) {
    if (phaseTick % 10 == 0) frame = (frame + 1) % 3;
    if (phaseTick < kEntryFrames) {
        SetMusicHold(false);
        dx -= 5;
    }
    phaseTick += 1;
    if (phaseTick == phaseLength) {
        phase = 1;
        phaseTick = 0;
        phaseLength = kScript[0].length;
        angle = 0;
        SetMusicHold(false);
        frame = kFightCell;
    }
}

// Each phase ends with a silent pause; the aim turns on every tick, firing or not.
void Death::RunPhase(int&, int&) {
    const Phase& current = kScript[phase - 1];
    if (phaseTick == phaseLength) {
        phase = phase % 3 + 1;
        phaseTick = 0;
        phaseLength = kScript[phase - 1].length;
        angle = 0;
        return;
    }
    attackKind = phase - 1;
    if (phaseTick < current.fireBefore) Fire();
    angle += current.angleStep;
    if (angle >= 360) angle -= 360;
    phaseTick += 1;
}

void Death::Fire() {
    const Phase& kind = kScript[attackKind];
    const int phase1 = 50 + RandomInt(50);
    const int phase2 = kind.phase2 >= 0 ? kind.phase2 : 15 + RandomInt(20);
    Volley volley(shots, shotSlotCount, kind.shots);
    int a = angle;
    for (int k = 0; k < kind.shots; ++k) {
        const SDL_Rect at =
            MakeRect(box.x + (k < kind.shots / 2 ? kMuzzleAX : kMuzzleBX), box.y + kMuzzleY, kShotSize, kShotSize);
        EnemyShot* shot = volley.Orbit(screen, shotRedA, shotRedB, at, MovePattern::RadialThenTurn, a, kShotAngleStep,
                                       kind.speed, phase1, phase2);
        if (!shot) return;
        // Only an angle past 360 comes back: 360 itself stays.
        a += kind.shotStep;
        if (a > 360) a -= 360;
        shot->SetExitAngle(a);
    }
    PlayFireSound();
}
