#include "enemies/bosses/insecte.h"

#include <climits>

#include "core/utilities.h"
#include "enemies/framework/sound_channels.h"
#include "enemies/framework/volley.h"

namespace {

constexpr int kShotSize = 16;

// Where the script goes at the end of a phase: to strong when the hero's weapon level is above
// weaponAbove, else to weak.
struct Step {
    int phase, length, frame;
};
struct Switch {
    int weaponAbove;
    Step strong, weak;
};
constexpr int kAlways = INT_MIN;
const Switch kNext[6] = {
    {1, {3, 1100, 0}, {2, 250, 2}},        // 1: the star
    {1, {3, 1100, 0}, {1, 1100, 0}},       // 2: a bonus
    {3, {5, 1100, 0}, {4, 600, 2}},        // 3: the spiral
    {3, {5, 1100, 0}, {3, 1100, 0}},       // 4: a bonus and the blue spray
    {kAlways, {6, 1100, 0}, {6, 1100, 0}}, // 5: the swinging ring
    {kAlways, {5, 1100, 0}, {5, 1100, 0}}, // 6: the diving spiral
};

// The volleys fired from the main gun in rings: shot k flies at angle + spread x (k + firstArm).
struct Ring {
    int shots;
    MovePattern pattern;
    int spread, firstArm, angleStep, radiusStep;
};
const Ring kStar = {6, MovePattern::Radial, 60, 0, 70, 4};
const Ring kSpiral = {6, MovePattern::Spiral, 60, 0, 2, 2};
const Ring kRing = {12, MovePattern::Radial, 30, 1, 70, 4};
const Ring kDivingSpiral = {12, MovePattern::SpiralThenDive, 30, 1, 4, 2};

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

const BossTraits Insecte::kTraits = {
    500, 9000, 2500, "./Images/Ennemis/Insecte/InsecteS1.png", platform::ColorKey::Rgb(255, 255, 0), 6, 510, true, true,
};

const Insecte::Zone Insecte::kZones[4] = {
    {81, 58, 28, 35},   // centre
    {71, 22, 48, 19},   // upper centre
    {12, 10, 58, 10},   // upper left
    {121, 10, 56, 10},  // upper right
};

Insecte::Insecte(SDL_Surface* screen, SDL_Rect box, int hitHalfWidth, int hitHalfHeight, int spawnTime,
                 int energyUnits)
    : Boss(screen, box, hitHalfWidth, hitHalfHeight, spawnTime, energyUnits, kTraits),
      arrivalSound(Own(platform::LoadSound("Sound/Insecte.wav"))),
      shotPlainRedA(Own(platform::LoadBmpPicture("./Images/Tirs/Tir1_Rouge_Ennemi.bmp", 0, 0, 0))),
      shotPlainRedB(Own(platform::LoadBmpPicture("./Images/Tirs/Tir1a_Rouge_Ennemi.bmp", 0, 0, 0))),
      bonusA(Own(platform::LoadPicture("./Images/Tirs/Bonus1.png", 255, 0, 255))),
      bonusB(Own(platform::LoadPicture("./Images/Tirs/Bonus2.png", 255, 0, 255))),
      shotBlueA(Own(platform::LoadBmpPicture("./Images/Tirs/Tir1_Bleu_Ennemi.bmp", 0, 0, 0))),
      shotBlueB(Own(platform::LoadBmpPicture("./Images/Tirs/Tir1a_Bleu_Ennemi.bmp", 0, 0, 0))) {
    phaseLength = kEntryLength;
}

// Flying phases show cells 0 and 1, the bonus phases 2 and 4 cells 2 and 3.
void Insecte::Animate() {
    if (phaseTick % 5 != 0) return;
    const int first = phase == 2 || phase == 4 ? 2 : 0;
    frame += 1;
    if (frame == first + 2) frame = first;
}

// Drops in from above the window, then hovers until the tick reaches the entry's length.
void Insecte::Entry(int&, int& dy) {
    Animate();
    if (phaseTick < kDescentTicks) {
        if (phaseTick == 0) {
            PlaySound(kChannelBossEffects, arrivalSound);
            SetMusicHold(false);
        }
        dy += 5;
    }
    phaseTick += 1;
    if (phaseTick == phaseLength) {
        phase = 1;
        phaseTick = 0;
        phaseLength = 1300;
        angle = 0;
        SetMusicHold(false);
    }
}

void Insecte::SwitchTo(int next, int length, int firstFrame) {
    phase = next;
    phaseLength = length;
    frame = firstFrame;
    phaseTick = 0;
    angle = 0;
    sweepDirection = 1;
}

// The weapon level counts only here, at the end of a phase.
void Insecte::NextPhase() {
    const Switch& rule = kNext[phase - 1];
    const Step& step = heroWeaponLevel > rule.weaponAbove ? rule.strong : rule.weak;
    SwitchTo(step.phase, step.length, step.frame);
}

void Insecte::FireKind(int kind) {
    attackKind = kind;
    Fire();
}

void Insecte::RunPhase(int&, int&) {
    if (phaseTick == phaseLength) {
        NextPhase();
        return;
    }
    switch (phase) {
        case 1:
            if (phaseTick < 1000) FireKind(0);
            if (phaseTick % StarTurnEvery(phaseTick) == 0) {
                angle += 7;
                if (angle >= 360) angle -= 360;
            }
            break;
        case 2:
            if (phaseTick == 100) FireKind(1);
            break;
        case 3:
            if (phaseTick % 30 == 0) angle += 10;
            if (phaseTick % 2 == 0 && phaseTick < 1000) FireKind(2);
            break;
        case 4:
            if (phaseTick == 100) FireKind(1);
            if (phaseTick > 150 && phaseTick < 520) FireKind(3);
            break;
        case 5:
            if (phaseTick % 5 == 0) angle += sweepDirection * SweepStep(phaseTick);
            if (angle >= 40 || angle <= -20) sweepDirection = -sweepDirection;
            if (phaseTick < 1000) FireKind(4);
            break;
        default:
            if (phaseTick % 2 == 0) {
                angle += 7;
                if (angle >= 360) angle -= 360;
            }
            if (phaseTick < 1000) FireKind(5);
            break;
    }
    Animate();
    phaseTick += 1;
}

void Insecte::Fire() {
    const int phase1 = 50 + RandomInt(50);
    const SDL_Rect gun = MakeRect(box.x + kGunX, box.y + kGunY, kShotSize, kShotSize);
    if (attackKind == 1) {
        Volley volley(shots, shotSlotCount, 1);
        EnemyShot* bonus = volley.Orbit(screen, bonusA, bonusB, MakeRect(box.x + 81, box.y + 41, 29, 31),
                                        MovePattern::Radial, 90, 4, 2, phase1, 10);
        if (!bonus) return;
        bonus->SetBonus(true);
        PlayFireSound();
        return;
    }
    if (attackKind == 3) {
        Volley volley(shots, shotSlotCount, 6);
        volley.Fill([&](int) {
            const int direction = kSprayFrom + RandomInt(kSprayWidth);
            return NewOrbitShot(screen, shotBlueA, shotBlueB, gun, MovePattern::Radial, direction, 70, 4, phase1, 30);
        });
        if (volley.Complete()) PlayFireSound();
        return;
    }
    const Ring& ring = attackKind == 0 ? kStar : attackKind == 2 ? kSpiral : attackKind == 4 ? kRing : kDivingSpiral;
    Volley volley(shots, shotSlotCount, ring.shots);
    for (int k = 0; k < ring.shots; ++k) {
        if (!volley.Orbit(screen, shotPlainRedA, shotPlainRedB, gun, ring.pattern,
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
