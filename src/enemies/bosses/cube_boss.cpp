#include "enemies/bosses/cube_boss.h"

#include "core/catalogue_loaders.h"
#include "core/playfield.h"
#include "core/utilities.h"
#include "enemies/framework/volley.h"

namespace {

constexpr int kRestCell = 3;  // shown before the fight and throughout phase 2
constexpr int kAngleTurn = 7;
constexpr int kSweepBound = 90;
constexpr FireWindow kUpperGunsFire = {.every = 2, .after = 150, .before = 1150};

// The guns, relative to the box.
constexpr int kBottomGunX = 142, kBottomGunY = 213, kBottomShotSize = 15;
constexpr int kLeftGunX = 38, kRightGunX = 247, kUpperGunY = 37, kUpperShotSize = 16;

}  // namespace

const BossTraits CubeBoss::kTraits = {
    .points = 500,
    .energyPerUnit = 3000,
    .shotSlots = 2000,
    .sheet = &catalogue::kCubeBossSheet,
    .hitHalfWidth = 120,
    .hitHalfHeight = 50,
    .rightEdge = playfield::kRight,
};

const CubeBoss::Phase CubeBoss::kScript[3] = {
    {.length = 1200, .next = kSweepingFans, .angle = 0, .act = &CubeBoss::BottomFans},
    {.length = 1250, .next = kConeAndStray, .angle = 0, .frame = kRestCell, .act = &CubeBoss::SweepingFans},
    {.length = 1250, .next = kBottomFans, .angle = 70, .act = &CubeBoss::ConeAndStray},
};

CubeBoss::CubeBoss(SDL_Surface* screen, const Spawn& at, Energy energy)
    : ScriptedBoss(screen, at, energy, kTraits),
      flashSheet(Own(catalogue::Load(catalogue::kCubeBossFlashSheet))),
      shotInviderA(Own(catalogue::Load(catalogue::kInvaderShot.a))),
      shotInviderB(Own(catalogue::Load(catalogue::kInvaderShot.b))),
      shotRedA(Own(catalogue::Load(catalogue::kRubyOrb.a))),
      shotRedB(Own(catalogue::Load(catalogue::kRubyOrb.b))) {
    frame = kRestCell;
}

void CubeBoss::Animate() {
    if (phaseTick % 5 == 0) frame = (frame + 1) % 6;
}

// The fan keeps turning through the silent ticks.
void CubeBoss::BottomFans() {
    if (Fires({.every = 4, .before = 1100})) BottomFan();
    if (phaseTick % 4 == 0) {
        angle += kAngleTurn;
        if (angle >= 360) angle -= 360;
    }
    Animate();
}

void CubeBoss::SweepingFans() {
    if (Fires(kUpperGunsFire)) {
        UpperFans(false);
        angle += kAngleTurn * sweepDirection;
        if (angle >= kSweepBound || angle <= -kSweepBound) sweepDirection = -sweepDirection;
    }
}

void CubeBoss::ConeAndStray() {
    if (Fires(kUpperGunsFire)) UpperFans(true);
    Animate();
}

SDL_Rect CubeBoss::BottomGun() const {
    return MakeRect(box.x + kBottomGunX, box.y + kBottomGunY, kBottomShotSize, kBottomShotSize);
}

// A five-way fan from the bottom gun, 70 degrees between arms.
void CubeBoss::BottomFan() {
    const int phase1 = FirstLegFrames();
    Volley volley = shots.Open(5);
    for (int k = 0; k < 5; ++k)
        if (!volley.Orbit(screen, shotInviderA, shotInviderB, BottomGun(), MovePattern::Radial, angle + 70 * k, 70, 1,
                          phase1, 30))
            return;
    PlayFireSound();
}

void CubeBoss::UpperFans(bool cone) {
    const int phase1 = FirstLegFrames();
    const int stray = cone ? RandomInt(360) : 0;
    Volley volley = shots.Open(cone ? 7 : 6);
    for (int k = 0; k < 6; ++k) {
        const int j = k % 3;
        const SDL_Rect at =
            MakeRect(box.x + (k < 3 ? kLeftGunX : kRightGunX), box.y + kUpperGunY, kUpperShotSize, kUpperShotSize);
        if (!volley.Orbit(screen, shotRedA, shotRedB, at, MovePattern::Radial, angle + 20 * j, 20, cone ? 3 : 2, phase1,
                          30))
            return;
    }
    if (cone && !volley.Orbit(screen, shotInviderA, shotInviderB, BottomGun(), MovePattern::Radial, stray + 120, 20, 1,
                              phase1, 30))
        return;
    PlayFireSound();
}
