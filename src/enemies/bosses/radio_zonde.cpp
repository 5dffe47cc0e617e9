#include "enemies/bosses/radio_zonde.h"

#include "core/utilities.h"
#include "enemies/framework/volley.h"

namespace {

constexpr int kShotSize = 16;
constexpr int kCrossLength = 1300;
constexpr int kCrossFireBefore = 1100;
constexpr int kFanLength = 800;
constexpr int kRosetteLength = 1100;
constexpr int kRosetteFireAfter = 250;
constexpr int kFlipTick = 550;  // the cross and the fan turn back here
constexpr int kSweepStep = 7;
constexpr int kRosetteTurn = 25;
constexpr int kScatterStep = 25;

enum Phase { kEntryPhase, kCross, kFan, kRosette };

}  // namespace

const BossTraits RadioZonde::kTraits = {
    1000, 3100, 2000, "./Images/Ennemis/RadioZonde/RadioZondeS.png", platform::ColorKey::Rgb(255, 255, 0), 4, 510,
    false, false,
};

RadioZonde::RadioZonde(SDL_Surface* screen, SDL_Rect box, int hitHalfWidth, int hitHalfHeight, int spawnTime,
                       int energyUnits)
    : Boss(screen, box, hitHalfWidth, hitHalfHeight, spawnTime, energyUnits, kTraits),
      shotPlainRedA(Own(platform::LoadBmpPicture("./Images/Tirs/Tir1_Rouge_Ennemi.bmp", 0, 0, 0))),
      shotPlainRedB(Own(platform::LoadBmpPicture("./Images/Tirs/Tir1a_Rouge_Ennemi.bmp", 0, 0, 0))),
      shotRedA(Own(platform::LoadBmpPicture("./Images/Tirs/Tir1_Glace_Rouge_Ennemi.bmp", 29, 14, 22))),
      shotRedB(Own(platform::LoadBmpPicture("./Images/Tirs/Tir1a_Glace_Rouge_Ennemi.bmp", 29, 14, 22))),
      shotAmberA(Own(platform::LoadBmpPicture("./Images/Tirs/Tir1_Glace_Jaune_Ennemi.bmp", 51, 43, 36))),
      shotAmberB(Own(platform::LoadBmpPicture("./Images/Tirs/Tir1a_Glace_Jaune_Ennemi.bmp", 51, 43, 36))) {
    phaseLength = kEntryLength;
}

// The probe slides in to the middle and waits out the rest of its entry there; it never moves again.
void RadioZonde::Entry(int& dx, int&) {
    if (phaseTick < kSlideTicks) {
        SetMusicHold(false);
        dx -= 5;
    }
    phaseTick += 1;
    if (phaseTick == phaseLength) {
        StartPhase(kCross);
        scatterDelay = kScatterFirst;
        frame = 0;
        SetMusicHold(false);
    }
}

void RadioZonde::StartPhase(int next) {
    static const int kLengths[4] = {0, kCrossLength, kFanLength, kRosetteLength};
    phase = next;
    phaseTick = 0;
    phaseLength = kLengths[next];
    angle = 0;
    sweepDirection = 1;
    if (next == kRosette) {
        frame = 1;
        scatterDelay = kScatterFirst;
    }
}

// The cross and the fan turn 7 degrees a frame and reverse halfway; there is no lower wrap.
void RadioZonde::Sweep() {
    if (phaseTick == kFlipTick) sweepDirection = -sweepDirection;
    angle += kSweepStep * sweepDirection;
    if (angle >= 360) angle -= 360;
}

void RadioZonde::RunPhase(int&, int&) {
    if (phaseTick == phaseLength) {
        // The rosettes repeat until the end of the fight.
        StartPhase(phase == kCross ? kFan : kRosette);
        return;
    }
    if (phase == kCross || phase == kFan) {
        attackKind = phase == kCross ? 0 : 1;
        if (phase == kFan || phaseTick < kCrossFireBefore) Fire();
        Sweep();
    } else {
        attackKind = 2;
        if (phaseTick % 10 == 0 && phaseTick > kRosetteFireAfter && phaseTick < kRosetteLength) {
            Fire();
            scatterDelay += kScatterStep;
            if (scatterDelay > kScatterLast) scatterDelay = kScatterFirst;
            angle += kRosetteTurn;
            if (angle >= 360) angle = 360 - angle;
        }
    }
    phaseTick += 1;
}

void RadioZonde::Fire() {
    const int x = box.x + kEmitterX, y = box.y + kEmitterY;
    const SDL_Rect at = MakeRect(x, y, kShotSize, kShotSize);
    if (attackKind == 2) {
        // Ten shots wind one way and nine the other, each spiralling 4 frames longer than the last
        // of its sense, then holding until scatterDelay and scattering with the amber pictures.
        // Silent even when complete.
        Volley volley(shots, shotSlotCount, kRosetteShots);
        for (int k = 0; k < kRosetteShots; ++k) {
            const bool clockwise = k < 10;
            const int spiralFrames = clockwise ? 4 * k : 4 * (k - 9);
            EnemyShot* shot = volley.Orbit(screen, shotRedA, shotRedB, at, MovePattern::SpiralThenScatter, angle,
                                           clockwise ? 5 : -5, 5, spiralFrames, scatterDelay);
            if (!shot) return;
            shot->SetAltFrames(shotAmberA, shotAmberB);
        }
        return;
    }
    // Kind 0, the cross: arms 90 degrees apart; kind 1, the fan: 20 degrees apart.
    const int spread = attackKind == 0 ? 90 : 20;
    const int phase1 = 50 + RandomInt(50);
    Volley volley(shots, shotSlotCount, 4);
    for (int k = 0; k < 4; ++k)
        if (!volley.Orbit(screen, shotPlainRedA, shotPlainRedB, at, MovePattern::Radial, angle + spread * k, 70, 2,
                          phase1, 30))
            return;
    PlayFireSound();
}
