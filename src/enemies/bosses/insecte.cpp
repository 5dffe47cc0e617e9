#include "enemies/bosses/insecte.h"

#include "core/catalogue_loaders.h"
#include "core/utilities.h"
#include "enemies/framework/sound_channels.h"
#include "enemies/framework/volley.h"

namespace {

constexpr int kShotSize = 16;

constexpr int kFirstStarLength = 1300;  // the star that opens the fight lasts longer

// The spray of kind 3 points down, between 70 and 109 degrees.
constexpr int kSprayFrom = 70;
constexpr int kSprayWidth = 40;

// Phase 5 swings its ring faster as the phase goes on.
int SweepStep(int tick) {
    static const int kUntil[7] = {200, 300, 400, 450, 500, 550, 600};
    for (int s = 0; s < 7; ++s)
        if (tick < kUntil[s]) return s + 1;
    return 8;
}

// Phase 1 turns its star every n-th tick, n shrinking towards the end of the stream.
int StarTurnEvery(int tick) {
    if (tick < 300) return 5;
    if (tick < 500) return 4;
    if (tick < 700) return 3;
    if (tick < 900) return 2;
    if (tick < 1000) return 1;
    return 5;
}

}  // namespace

// The volleys fired from the main gun in rings: shot k flies at angle + spread x (k + firstArm).
struct InsecteRing {
    int shots;
    MovePattern pattern;
    int spread, firstArm, angleStep, radiusStep;
};

namespace {

const InsecteRing kStarRing = {6, MovePattern::Radial, 60, 0, 70, 4};
const InsecteRing kSpiralRing = {6, MovePattern::Spiral, 60, 0, 2, 2};
const InsecteRing kWideRing = {12, MovePattern::Radial, 30, 1, 70, 4};
const InsecteRing kDivingSpiralRing = {12, MovePattern::SpiralThenDive, 30, 1, 4, 2};

}  // namespace

const BossTraits Insecte::kTraits = {
    .points = 500,
    .energyPerUnit = 9000,
    .shotSlots = 2500,
    .sheet = &catalogue::kInsecteSheet,
    .hitHalfWidth = 87,
    .hitHalfHeight = 17,
    .rightEdge = 510,
    .boostedResult = true,
    .waitsForShots = true,
};

// A hero still on the first weapon level gets a bonus every cycle (phases 1 and 2), one below
// level 4 the bonus and the blue spray (3 and 4); a better armed one skips ahead to 5 and 6.
const Insecte::Phase Insecte::kScript[6] = {
    {.length = 1100,
     .next = kBonus,
     .branch = kSpiral,
     .branchIf = &Insecte::WeaponAbove<1>,
     .angle = 0,
     .frame = 0,
     .act = &Insecte::Star},
    {.length = 250,
     .next = kStar,
     .branch = kSpiral,
     .branchIf = &Insecte::WeaponAbove<1>,
     .angle = 0,
     .frame = 2,
     .act = &Insecte::Bonus},
    {.length = 1100,
     .next = kBonusAndSpray,
     .branch = kSwingingRing,
     .branchIf = &Insecte::WeaponAbove<3>,
     .angle = 0,
     .frame = 0,
     .act = &Insecte::Spiral},
    {.length = 600,
     .next = kSpiral,
     .branch = kSwingingRing,
     .branchIf = &Insecte::WeaponAbove<3>,
     .angle = 0,
     .frame = 2,
     .act = &Insecte::BonusAndSpray},
    {.length = 1100, .next = kDivingSpiral, .angle = 0, .frame = 0, .act = &Insecte::SwingingRing},
    {.length = 1100, .next = kSwingingRing, .angle = 0, .frame = 0, .act = &Insecte::DivingSpiral},
};

const Insecte::Zone Insecte::kZones[4] = {
    {81, 58, 28, 35},   // centre
    {71, 22, 48, 19},   // upper centre
    {12, 10, 58, 10},   // upper left
    {121, 10, 56, 10},  // upper right
};

Insecte::Insecte(SDL_Surface* screen, const Spawn& at, Energy energy)
    : ScriptedBoss(screen, at, energy, kTraits),
      arrivalSound(Own(catalogue::Load(catalogue::kInsecteArrival))),
      shotPlainRedA(Own(catalogue::Load(catalogue::kRedOrb.a))),
      shotPlainRedB(Own(catalogue::Load(catalogue::kRedOrb.b))),
      bonusA(Own(catalogue::Load(catalogue::kBonus.a))),
      bonusB(Own(catalogue::Load(catalogue::kBonus.b))),
      shotBlueA(Own(catalogue::Load(catalogue::kBlueOrb.a))),
      shotBlueB(Own(catalogue::Load(catalogue::kBlueOrb.b))) {}

// Flying phases show cells 0 and 1, the bonus phases 2 and 4 cells 2 and 3.
void Insecte::Animate() {
    if (phaseTick % 5 != 0) return;
    const int first = phase == kBonus || phase == kBonusAndSpray ? 2 : 0;
    frame += 1;
    if (frame == first + 2) frame = first;
}

void Insecte::EntryFrame() {
    Animate();
    if (phaseTick == 0) PlaySound(kChannelBossEffects, arrivalSound);
}

void Insecte::Entered(int from) {
    if (from == kEntryPhase) phaseLength = kFirstStarLength;
}

void Insecte::Star() {
    if (phaseTick < 1000) FireRing(kStarRing);
    if (phaseTick % StarTurnEvery(phaseTick) == 0) {
        angle += 7;
        if (angle >= 360) angle -= 360;
    }
    Animate();
}

void Insecte::Bonus() {
    if (phaseTick == 100) DropBonus();
    Animate();
}

void Insecte::Spiral() {
    if (phaseTick % 30 == 0) angle += 10;
    if (phaseTick % 2 == 0 && phaseTick < 1000) FireRing(kSpiralRing);
    Animate();
}

void Insecte::BonusAndSpray() {
    if (phaseTick == 100) DropBonus();
    if (phaseTick > 150 && phaseTick < 520) BlueSpray();
    Animate();
}

void Insecte::SwingingRing() {
    if (phaseTick % 5 == 0) angle += sweepDirection * SweepStep(phaseTick);
    if (angle >= 40 || angle <= -20) sweepDirection = -sweepDirection;
    if (phaseTick < 1000) FireRing(kWideRing);
    Animate();
}

void Insecte::DivingSpiral() {
    if (phaseTick % 2 == 0) {
        angle += 7;
        if (angle >= 360) angle -= 360;
    }
    if (phaseTick < 1000) FireRing(kDivingSpiralRing);
    Animate();
}

SDL_Rect Insecte::Gun() const { return MakeRect(box.x + kGunX, box.y + kGunY, kShotSize, kShotSize); }

// A bonus that drifts down from its belly.
void Insecte::DropBonus() {
    const int phase1 = FirstLegFrames();
    Volley volley = shots.Open(1);
    EnemyShot* bonus = volley.Orbit(screen, bonusA, bonusB, MakeRect(box.x + 81, box.y + 41, 29, 31),
                                    MovePattern::Radial, 90, 4, 2, phase1, 10);
    if (!bonus) return;
    bonus->SetBonus(true);
    PlayFireSound();
}

// Six blue shots down in random directions.
void Insecte::BlueSpray() {
    const int phase1 = FirstLegFrames();
    Volley volley = shots.Open(6);
    volley.Fill([&](int) {
        const int direction = kSprayFrom + RandomInt(kSprayWidth);
        return NewOrbitShot(screen, shotBlueA, shotBlueB, Gun(), MovePattern::Radial, direction, 70, 4, phase1, 30);
    });
    if (volley.Complete()) PlayFireSound();
}

void Insecte::FireRing(const InsecteRing& ring) {
    const int phase1 = FirstLegFrames();
    Volley volley = shots.Open(ring.shots);
    for (int k = 0; k < ring.shots; ++k) {
        if (!volley.Orbit(screen, shotPlainRedA, shotPlainRedB, Gun(), ring.pattern,
                          angle + ring.spread * (k + ring.firstArm), ring.angleStep, ring.radiusStep, phase1, 30))
            return;
    }
    PlayFireSound();
}

bool Insecte::Hits(const SDL_Rect& s) const {
    for (const Zone& zone : kZones) {
        if (CentresMeet(s, box.x + zone.x + zone.w / 2, box.y + zone.y + zone.h / 2, zone.w / 2, zone.h / 2))
            return true;
    }
    return false;
}
