#include "enemies/bosses/radio_zonde.h"

#include "core/catalogue_loaders.h"
#include "core/utilities.h"
#include "enemies/framework/volley.h"

namespace {

constexpr int kShotSize = 16;
constexpr int kCrossFireBefore = 1100;
constexpr FireWindow kRosetteFire = {.every = 10, .after = 250, .before = 1100};
constexpr int kFlipTick = 550;  // the cross and the fan turn back here
constexpr int kSweepStep = 7;
constexpr int kRosetteTurn = 25;
constexpr int kScatterStep = 25;
constexpr int kCrossSpread = 90;
constexpr int kFanSpread = 20;

enum { kEntryPhase, kCross, kFan, kRosette };  // the phases

}  // namespace

const BossTraits RadioZonde::kTraits = {
    .points = 1000,
    .energyPerUnit = 3100,
    .shotSlots = 2000,
    .sheet = &catalogue::kRadioZondeSheet,
    .hitHalfWidth = 80,
    .hitHalfHeight = 20,
    .rightEdge = 510,
};

// The rosettes repeat until the end of the fight.
const RadioZonde::Phase RadioZonde::kScript[3] = {
    {.length = 1300, .next = kFan, .angle = 0, .frame = 0, .act = &RadioZonde::CrossPhase},
    {.length = 800, .next = kRosette, .angle = 0, .act = &RadioZonde::FanPhase},
    {.length = 1100, .next = kRosette, .angle = 0, .frame = 1, .act = &RadioZonde::RosettePhase},
};

RadioZonde::RadioZonde(SDL_Surface* screen, const Spawn& at, Energy energy)
    : ScriptedBoss(screen, at, energy, kTraits),
      shotPlainRedA(Own(catalogue::Load(catalogue::kRedOrb.a))),
      shotPlainRedB(Own(catalogue::Load(catalogue::kRedOrb.b))),
      shotRedA(Own(catalogue::Load(catalogue::kRubyOrb.a))),
      shotRedB(Own(catalogue::Load(catalogue::kRubyOrb.b))),
      shotAmberA(Own(catalogue::Load(catalogue::kAmberOrb.a))),
      shotAmberB(Own(catalogue::Load(catalogue::kAmberOrb.b))) {}

// Every round of rosettes starts again from the first scatter delay.
void RadioZonde::Entered(int from) {
    if (from == kEntryPhase || phase == kRosette) scatterDelay = kScatterFirst;
}

// The cross and the fan turn 7 degrees a frame and reverse halfway; there is no lower wrap.
void RadioZonde::Sweep() {
    if (phaseTick == kFlipTick) sweepDirection = -sweepDirection;
    angle += kSweepStep * sweepDirection;
    if (angle >= 360) angle -= 360;
}

void RadioZonde::CrossPhase() {
    if (phaseTick < kCrossFireBefore) FourArms(kCrossSpread);
    Sweep();
}

void RadioZonde::FanPhase() {
    FourArms(kFanSpread);
    Sweep();
}

void RadioZonde::RosettePhase() {
    if (Fires(kRosetteFire)) {
        Rosette();
        scatterDelay += kScatterStep;
        if (scatterDelay > kScatterLast) scatterDelay = kScatterFirst;
        angle += kRosetteTurn;
        if (angle >= 360) angle = 360 - angle;
    }
}

SDL_Rect RadioZonde::Emitter() const { return MakeRect(box.x + kEmitterX, box.y + kEmitterY, kShotSize, kShotSize); }

// Ten shots wind one way and nine the other, each spiralling 4 frames longer than the last of
// its sense, then holding until scatterDelay and scattering with the amber pictures. Silent even
// when complete.
void RadioZonde::Rosette() {
    const SDL_Rect at = Emitter();
    Volley volley = shots.Open(kRosetteShots);
    for (int k = 0; k < kRosetteShots; ++k) {
        const bool clockwise = k < 10;
        const int spiralFrames = clockwise ? 4 * k : 4 * (k - 9);
        EnemyShot* shot = volley.Orbit(screen, shotRedA, shotRedB, at, MovePattern::SpiralThenScatter, angle,
                                       clockwise ? 5 : -5, 5, spiralFrames, scatterDelay);
        if (!shot) return;
        shot->SetAltFrames(shotAmberA, shotAmberB);
    }
}

void RadioZonde::FourArms(int spread) {
    const SDL_Rect at = Emitter();
    const int phase1 = FirstLegFrames();
    Volley volley = shots.Open(4);
    for (int k = 0; k < 4; ++k)
        if (!volley.Orbit(screen, shotPlainRedA, shotPlainRedB, at, MovePattern::Radial, angle + spread * k, 70, 2,
                          phase1, 30))
            return;
    PlayFireSound();
}
