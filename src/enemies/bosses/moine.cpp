#include "enemies/bosses/moine.h"

#include "core/catalogue_loaders.h"
#include "core/playfield.h"
#include "core/utilities.h"
#include "enemies/framework/volley.h"

namespace {

constexpr int kGunX = 314;  // the burst and spiral muzzle, in screen coordinates
constexpr int kGunY = 91;
constexpr int kShotSize = 16;

}  // namespace

const BossTraits Moine::kTraits = {
    .points = 350,
    .energyPerUnit = 3000,
    .shotSlots = 2000,
    .sheet = &catalogue::kMoineSheet,
    .hitHalfWidth = 30,
    .hitHalfHeight = 25,
    .rightEdge = playfield::kRight,
};

const Moine::Phase Moine::kScript[3] = {
    {.length = 1200,
     .next = kBursts,
     .angle = 0,
     .body = &Moine::Fight,
     .with = {.attack = &Moine::RingStream,
              .fires = {.every = 2, .after = 150, .before = 1100},
              .angleStep = 1,
              .animEvery = 5,
              .animCells = 4}},
    {.length = 1250,
     .next = kSpirals,
     .angle = 0,
     .body = &Moine::Fight,
     .with = {.attack = &Moine::TurningBurst,
              .fires = {.every = 2, .after = 150, .before = 1150},
              .angleStep = 7,
              .animEvery = 10,
              .animCells = 2}},
    {.length = 1250,
     .next = kStream,
     .angle = 0,
     .body = &Moine::Fight,
     .with = {.attack = &Moine::WavySpiral,
              .fires = {.after = 150, .before = 1150},
              .angleStep = 5,
              .animEvery = 10,
              .animCells = 2}},
};

const int Moine::kRingX[12] = {175, 248, 301, 318, 297, 247, 168, 95, 44, 26, 47, 102};
const int Moine::kRingY[12] = {91, 112, 167, 240, 318, 363, 381, 361, 306, 233, 181, 109};

Moine::Moine(SDL_Surface* screen, const Spawn& at, Energy energy)
    : ScriptedBoss(screen, at, energy, kTraits),
      shotYellowA(Own(catalogue::Load(catalogue::kYellowOrb.a))),
      shotYellowB(Own(catalogue::Load(catalogue::kYellowOrb.b))) {}

void Moine::Entered(int from) {
    if (from == kEntryPhase) angle = 180;  // only the first stream of the fight
    if (from == kStream) ringIndex = 0;
}

void Moine::Fight(const Phase& current, int&, int&) {
    const MoineVolleys& volleys = current.with;
    if (Fires(volleys.fires)) {
        (this->*volleys.attack)();
        angle += volleys.angleStep;
        if (angle >= 360) angle = 0;
    }
    if (phaseTick % volleys.animEvery == 0) frame = (frame + 1) % volleys.animCells;
}

// One shot from the next point of the ring, aimed at the turning angle.
void Moine::RingStream() {
    const int phase1 = FirstLegFrames();
    const int x = kRingX[ringIndex] + playfield::kInnerLeft, y = kRingY[ringIndex];
    Volley volley = shots.Open(1);
    volley.Orbit(screen, shotYellowA, shotYellowB, MakeRect(x, y, kShotSize, kShotSize), MovePattern::Radial, angle, 10,
                 1, phase1, 30);
    if (volley.Complete()) PlayFireSound();
    ringIndex = (ringIndex + 1) % 12;
}

// Arms from the gun, spread degrees apart, each turning away at its mirrored angle.
struct MoineArms {
    int arms;
    int spread;
    MovePattern pattern;
    int angleStep;
    int radiusStep;
    int phase2;
};

void Moine::Arms(const MoineArms& kind) {
    const int phase1 = FirstLegFrames();
    Volley volley = shots.Open(kind.arms);
    const SDL_Rect at = MakeRect(kGunX, kGunY, kShotSize, kShotSize);
    for (int k = 0; k < kind.arms; ++k) {
        const int shotAngle = angle + kind.spread * k;
        EnemyShot* shot = volley.Orbit(screen, shotYellowA, shotYellowB, at, kind.pattern, shotAngle, kind.angleStep,
                                       kind.radiusStep, phase1, kind.phase2);
        if (!shot) return;
        shot->SetExitAngle(-shotAngle);
    }
    PlayFireSound();
}

// Six arms that fly out and turn.
void Moine::TurningBurst() { Arms({6, 60, MovePattern::RadialThenTurn, 10, 4, 30}); }

// Four wavy arms.
void Moine::WavySpiral() { Arms({4, 90, MovePattern::Wave, 1, 1, 120}); }
