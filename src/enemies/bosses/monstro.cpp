#include "enemies/bosses/monstro.h"

#include "core/utilities.h"
#include "enemies/framework/sound_channels.h"
#include "enemies/framework/volley.h"

namespace {

constexpr int kShotSize = 16;
constexpr int kSprayLength = 1300;
constexpr int kLungeLength = 250;
constexpr int kLungeStep = 6;
constexpr int kBottom = 480;

enum Phase { kEntryPhase, kSpray, kFirstLunge, kWalkers, kSway, kLunge };

// The walkers leave the body from the side mouths.
constexpr int kLeftMouthX = 53, kRightMouthX = 191, kSideMouthY = 120;

}  // namespace

const BossTraits Monstro::kTraits = {
    800, 3200, 2000, "./Images/Ennemis/Monstro/MonstroS.png", platform::ColorKey::Rgb(255, 0, 255), 4, 510, false, false,
};

const Monstro::Mouth Monstro::kMouths[8] = {
    {44, 48, 225}, {122, 48, 225}, {200, 48, 225},  // upward
    {53, 120, 135},                                 // to the left
    {191, 120, 315},                                // to the right
    {44, 185, 45}, {122, 185, 45}, {200, 185, 45},  // downward
};

Monstro::Monstro(SDL_Surface* screen, SDL_Rect box, int hitHalfWidth, int hitHalfHeight, int spawnTime,
                 int energyUnits)
    : Boss(screen, box, hitHalfWidth, hitHalfHeight, spawnTime, energyUnits, kTraits),
      chargeSound(Own(platform::LoadSound("Sound/Metroid1.wav"))),
      shotRedA(Own(platform::LoadBmpPicture("./Images/Tirs/Tir1_Glace_Rouge_Ennemi.bmp", 29, 14, 22))),
      shotRedB(Own(platform::LoadBmpPicture("./Images/Tirs/Tir1a_Glace_Rouge_Ennemi.bmp", 29, 14, 22))) {
    phaseLength = kEntryLength;
}

void Monstro::Animate() {
    if (phaseTick % 10 == 0) frame = (frame + 1) % 2;
}

// The boss comes down from above the window and waits out the rest of its entry at rest.
void Monstro::Entry(int&, int& dy) {
    Animate();
    if (phaseTick < kDescentTicks) {
        SetMusicHold(false);
        dy += 2;
    }
    phaseTick += 1;
    if (phaseTick == phaseLength) {
        StartPhase(kSpray, kSprayLength);
        SetMusicHold(false);
    }
}

void Monstro::StartPhase(int next, int length) {
    phase = next;
    phaseTick = 0;
    phaseLength = length;
    // A lunge shows the open-mouthed cell throughout.
    if (next == kFirstLunge || next == kLunge) frame = 1;
}

void Monstro::RunPhase(int& dx, int& dy) {
    if (phaseTick == phaseLength) {
        static const int kNext[6] = {kSpray, kFirstLunge, kWalkers, kSway, kSway, kSway};
        const int next = kNext[phase];
        StartPhase(next, next == kFirstLunge ? kLungeLength : kSprayLength);
        return;
    }
    switch (phase) {
        case kSpray:
            attackKind = 0;
            if (phaseTick % 10 == 0 && phaseTick < 1100) Fire();
            Animate();
            break;
        case kFirstLunge:
        case kLunge:
            Lunge(dy);
            break;
        case kWalkers:
            attackKind = 1;
            if (phaseTick % 5 == 0 && phaseTick < 1100) Fire();
            Animate();
            break;
        case kSway:
            Sway(dx);
            attackKind = 0;
            if (phaseTick % 10 == 0) Fire();
            Animate();
            // The tick still advances below, so the lunge begins at tick 1.
            if (RandomInt(500) == 10) StartPhase(kLunge, kLungeLength);
            break;
    }
    phaseTick += 1;
}

// Down until the bottom edge reaches the bottom of the window, then back up to the resting height;
// both tests use the box as it was at the start of the frame.
void Monstro::Lunge(int& dy) {
    if (phaseTick > 100 && phaseTick < 160) {
        if (phaseTick == 101) PlaySound(kChannelBossEffects, chargeSound);
        if (box.y + box.h < kBottom) dy += kLungeStep;
    } else if (phaseTick >= 160 && phaseTick < 220) {
        if (box.y > kRestY) dy -= kLungeStep;
    }
}

void Monstro::Sway(int& dx) {
    if (!swayRight) {
        dx -= 2;
        if (box.x + dx == kSwayLeftX) swayRight = true;
    } else {
        dx += 2;
        if (box.x + dx == kSwayRightX) swayRight = false;
    }
}

void Monstro::Fire() {
    const int bx = box.x, by = box.y;
    if (attackKind == 0) {
        const int phase1 = 50 + RandomInt(50);
        Volley volley(shots, shotSlotCount, 8);
        volley.Fill([&](int n) {
            const Mouth& mouth = kMouths[n];
            const SDL_Rect at = MakeRect(bx + mouth.x, by + mouth.y, kShotSize, kShotSize);
            return NewOrbitShot(screen, shotRedA, shotRedB, at, MovePattern::Radial, mouth.baseAngle + RandomInt(90),
                                70, 1, phase1, 30);
        });
        if (volley.Complete()) PlayFireSound();
        return;
    }
    // Two walkers; the sound needs two more free slots.
    Volley volley(shots, shotSlotCount, 2);
    volley.Fill([&](int side) {
        const int out = side == 0 ? -3 : 3;
        const int sideways = 20 + RandomInt(33);
        const int drop = RandomInt(60);
        const int creep = RandomInt(348);
        const SDL_Rect at = MakeRect(bx + (side == 0 ? kLeftMouthX : kRightMouthX), by + kSideMouthY, kShotSize,
                                     kShotSize);
        return new EnemyShot(screen, shotRedA, shotRedB, at, {out, 0, sideways}, {0, 3, drop}, {-out / 3, 0, creep},
                             {0, 1, 300});
    });
    if (volley.Complete() && volley.SpareSlots(2)) PlayFireSound();
}
