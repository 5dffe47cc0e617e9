#include "enemies/bosses/death.h"

#include "core/catalogue_loaders.h"
#include "core/utilities.h"
#include "enemies/framework/volley.h"

namespace {

// The two muzzles, relative to the box.
constexpr int kMuzzleAX = 105, kMuzzleBX = 130, kMuzzleY = 103, kShotSize = 16;
constexpr int kShotAngleStep = 70;

}  // namespace

// An attack is shots shots, each flying out phase2 frames at speed pixels a frame from muzzle A
// (the first half) or B, the next one turned by shotStep.
struct DeathAttack {
    int shots;
    int speed;
    int phase2;  // -1: 15 + RandomInt(20), drawn once a volley
    int shotStep;
};

namespace {

const DeathAttack kPairAttack = {.shots = 2, .speed = 4, .phase2 = 30, .shotStep = 180};
const DeathAttack kQuartetAttack = {.shots = 4, .speed = 8, .phase2 = 10, .shotStep = 90};
const DeathAttack kReachingPairAttack = {.shots = 2, .speed = 5, .phase2 = -1, .shotStep = 180};

}  // namespace

const BossTraits Death::kTraits = {
    .points = 750,
    .energyPerUnit = 3200,
    .shotSlots = 2000,
    .sheet = &catalogue::kDeathSheet,
    .hitHalfWidth = 100,
    .hitHalfHeight = 80,
    .rightEdge = 510,
};

// Each phase ends with a silent pause.
const Death::Phase Death::kScript[3] = {
    {.length = 1300,
     .next = kQuartets,
     .angle = 0,
     .body = &Death::Fight,
     .with = {.attack = &kPairAttack, .fireBefore = 1100, .angleStep = 7}},
    {.length = 900,
     .next = kReachingPairs,
     .angle = 0,
     .body = &Death::Fight,
     .with = {.attack = &kQuartetAttack, .fireBefore = 700, .angleStep = 9}},
    {.length = 1200,
     .next = kPairs,
     .angle = 0,
     .body = &Death::Fight,
     .with = {.attack = &kReachingPairAttack, .fireBefore = 1100, .angleStep = 7}},
};

Death::Death(SDL_Surface* screen, const Spawn& at, Energy energy)
    : ScriptedBoss(screen, at, energy, kTraits),
      shotRedA(Own(catalogue::Load(catalogue::kRubyOrb.a))),
      shotRedB(Own(catalogue::Load(catalogue::kRubyOrb.b))) {}

// Slides 310 pixels left cycling its three entry poses, then waits until the tick of phase 1.
void Death::EntryFrame() {
    if (phaseTick % 10 == 0) frame = (frame + 1) % 3;
}

void Death::Entered(int from) {
    if (from == kEntryPhase) frame = kFightCell;
}

void Death::Fight(const Phase& current, int&, int&) {
    if (phaseTick < current.with.fireBefore) Fire(*current.with.attack);
    angle += current.with.angleStep;
    if (angle >= 360) angle -= 360;
}

void Death::Fire(const DeathAttack& kind) {
    const int phase1 = FirstLegFrames();
    const int phase2 = kind.phase2 >= 0 ? kind.phase2 : 15 + RandomInt(20);
    Volley volley = shots.Open(kind.shots);
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
