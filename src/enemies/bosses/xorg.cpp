#include "enemies/bosses/xorg.h"

#include "core/catalogue_loaders.h"
#include "core/playfield.h"
#include "core/utilities.h"
#include "enemies/framework/sound_channels.h"
#include "enemies/framework/volley.h"

namespace {

constexpr int kShotSize = 16;
constexpr int kSwingStep = 13;   // the aim's turn after every volley
constexpr int kSwerve = 15;      // the turning bursts swerve back by this much
constexpr int kDriftEvery = 17;  // ticks; on these the band moves one pixel per falling shot

// Angle offsets of the volleys, shot 0 first. The fan's last pair is 280, 285, not 270, 275.
const int kCross[12] = {0, 5, 10, 90, 95, 100, 180, 185, 190, 270, 275, 280};
const int kFan[14] = {0, 5, 45, 50, 90, 95, 135, 140, 180, 185, 225, 230, 280, 285};
const int kPairs[8] = {0, 5, 90, 95, 180, 185, 270, 275};

}  // namespace

// One volley kind. Shots alternate colour in runs of colourRun (0: all one colour), starting
// with ice when iceFirst. A turning shot swerves back and shows the other colour after its turn;
// a falling shot gets the drift set-up with fallSpeed.
struct XorgAttack {
    int shots;
    const int* offsets;
    MovePattern pattern;
    int radiusStep;
    int phase2;
    int colourRun;
    bool iceFirst;
    bool turns;
    int fallSpeed;
};

namespace {

const XorgAttack kTripleCrosses = {12, kCross, MovePattern::Radial, 2, 30, 3, false, false, 0};
const XorgAttack kRedAndIceRain = {14, kFan, MovePattern::RadialThenFall, 10, 15, 2, false, false, 2};
const XorgAttack kSwervingCrossAttack = {12, kCross, MovePattern::RadialThenTurn, 6, 30, 0, false, true, 0};
const XorgAttack kFasterRedRain = {14, kFan, MovePattern::RadialThenFall, 10, 15, 0, false, false, 3};
const XorgAttack kFastSwervingPairs = {8, kPairs, MovePattern::RadialThenTurnFast, 4, 30, 0, true, true, 0};

}  // namespace

const BossTraits Xorg::kTraits = {
    .points = 1250,
    .energyPerUnit = 6200,
    .shotSlots = 2000,
    .sheet = &catalogue::kXorgSheet,
    .hitHalfWidth = 70,
    .hitHalfHeight = 80,
    .rightEdge = playfield::kRight,
    .boostedResult = true,
};

// Phases 1 to 3 while the energy holds at half or above, 4 and 5 below it. Phase 3 keeps the
// swinging aim, also from phase 2; every other switch starts it afresh.
const Xorg::Phase Xorg::kScript[5] = {
    {.length = 1150,
     .next = kRain,
     .angle = 0,
     .body = &Xorg::Fight,
     .with = {.attack = &kTripleCrosses, .fires = {.every = 2, .after = 150, .before = 950}, .swingBound = 210}},
    {.length = 1250,
     .next = kSwervingCrosses,
     .branch = kFastRain,
     .branchIf = &Xorg::BelowHalf,
     .angle = 0,
     .body = &Xorg::Fight,
     .with = {.attack = &kRedAndIceRain, .fires = {.after = 30, .before = 1100}, .swingBound = 210}},
    {.length = 1500,
     .next = kSwervingCrosses,
     .branch = kFastRain,
     .branchIf = &Xorg::BelowHalf,
     .body = &Xorg::Fight,
     .with = {.attack = &kSwervingCrossAttack, .fires = {.every = 3, .before = 1200}, .swingBound = 250}},
    {.length = 1500,
     .next = kFastPairs,
     .angle = 0,
     .body = &Xorg::Fight,
     .with = {.attack = &kFasterRedRain, .fires = {.after = 200, .before = 1300}, .swingBound = 210}},
    {.length = 1500,
     .next = kFastPairs,
     .angle = 0,
     .body = &Xorg::Fight,
     .with = {.attack = &kFastSwervingPairs, .fires = {}, .swingBound = 250}},  // on every tick
};

Xorg::Xorg(SDL_Surface* screen, const Spawn& at, Energy energy)
    : ScriptedBoss(screen, at, energy, kTraits),
      damagedSheet(Own(catalogue::Load(catalogue::kXorgDamagedSheet))),
      arrivalSound(Own(catalogue::Load(catalogue::kXorgArrival))),
      changeSound(Own(catalogue::Load(catalogue::kXorgChange))),
      shotIceA(Own(catalogue::Load(catalogue::kIceOrb.a))),
      shotIceB(Own(catalogue::Load(catalogue::kIceOrb.b))),
      shotRedA(Own(catalogue::Load(catalogue::kRubyOrb.a))),
      shotRedB(Own(catalogue::Load(catalogue::kRubyOrb.b))) {}

void Xorg::EntryFrame() {
    if (phaseTick == 0) PlaySound(kChannelBossEffects, arrivalSound);
}

void Xorg::Entered(int) {
    if (phase != kFastRain) return;
    driftBandLeft = kBandLeft;
    driftBandRight = kBandRight;
}

void Xorg::Fight(const Phase& current, int&, int&) {
    const XorgVolleys& volleys = current.with;
    if (Fires(volleys.fires)) {
        Fire(*volleys.attack);
        angle += kSwingStep * sweepDirection;
        if (angle > volleys.swingBound || angle < -volleys.swingBound) sweepDirection = -sweepDirection;
    }
    if (phaseTick % 10 == 0) frame = (frame + 1) % 2;
    if (current.branchIf && BelowHalf()) {
        // A phase that can lead into the second half ends at once: the switch comes next frame.
        PlaySound(kChannelBossEffects, changeSound);
        CutPhase();
    }
}

void Xorg::FallingSetUp(EnemyShot* shot, int vy) {
    if (phaseTick % kDriftEvery == 0) {
        driftBandLeft += sweepDirection;
        driftBandRight += sweepDirection;
    }
    // Anything but the pair 99, 99 keeps the pattern from setting its own start values.
    shot->SetVx(1);
    shot->SetVy(vy);
    shot->SetTick(20);
    shot->SetDriftBand(driftBandLeft, driftBandRight);
}

void Xorg::Fire(const XorgAttack& attack) {
    const int phase1 = FirstLegFrames();
    const SDL_Rect gun = MakeRect(box.x + kGunX, box.y + kGunY, kShotSize, kShotSize);
    Volley volley = shots.Open(attack.shots);
    for (int k = 0; k < attack.shots; ++k) {
        const bool ice = attack.iceFirst != (attack.colourRun > 0 && (k / attack.colourRun) % 2 == 1);
        const int a = angle + attack.offsets[k];
        EnemyShot* shot = volley.Orbit(screen, ice ? shotIceA : shotRedA, ice ? shotIceB : shotRedB, gun,
                                       attack.pattern, a, 10, attack.radiusStep, phase1, attack.phase2);
        if (!shot) return;
        if (attack.turns) {
            shot->SetExitAngle(a - kSwerve);
            shot->SetAltFrames(ice ? shotRedA : shotIceA, ice ? shotRedB : shotIceB);
        }
        if (attack.fallSpeed != 0) FallingSetUp(shot, attack.fallSpeed);
    }
    PlayFireSound();
}
