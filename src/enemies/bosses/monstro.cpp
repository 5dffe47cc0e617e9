#include "enemies/bosses/monstro.h"

#include "core/catalogue_loaders.h"
#include "core/utilities.h"
#include "enemies/framework/sound_channels.h"
#include "enemies/framework/volley.h"

namespace {

constexpr int kShotSize = 16;
constexpr int kLungeStep = 6;
constexpr int kBottom = 480;
constexpr int kLungeCell = 1;  // the open mouth, throughout a lunge

enum { kEntryPhase, kSpray, kFirstLunge, kWalkers, kSway, kLunge };  // the phases

// The walkers leave the body from the side mouths.
constexpr int kLeftMouthX = 53, kRightMouthX = 191, kSideMouthY = 120;

}  // namespace

const BossTraits Monstro::kTraits = {
    .points = 800,
    .energyPerUnit = 3200,
    .shotSlots = 2000,
    .sheet = &catalogue::kMonstroSheet,
    .hitHalfWidth = 120,
    .hitHalfHeight = 118,
    .rightEdge = 510,
};

const Monstro::Phase Monstro::kScript[5] = {
    {.length = 1300, .next = kFirstLunge, .act = &Monstro::SprayPhase},
    {.length = 250, .next = kWalkers, .frame = kLungeCell, .body = &Monstro::LungePhase},
    {.length = 1300, .next = kSway, .act = &Monstro::WalkerPhase},
    {.length = 1300, .next = kSway, .body = &Monstro::SwayPhase},
    {.length = 250, .next = kSway, .frame = kLungeCell, .body = &Monstro::LungePhase},
};

const Monstro::Mouth Monstro::kMouths[8] = {
    {44, 48, 225},   {122, 48, 225}, {200, 48, 225},  // upward
    {53, 120, 135},                                   // to the left
    {191, 120, 315},                                  // to the right
    {44, 185, 45},   {122, 185, 45}, {200, 185, 45},  // downward
};

Monstro::Monstro(SDL_Surface* screen, const Spawn& at, Energy energy)
    : ScriptedBoss(screen, at, energy, kTraits),
      chargeSound(Own(catalogue::Load(catalogue::kMonstroRoar))),
      shotRedA(Own(catalogue::Load(catalogue::kRubyOrb.a))),
      shotRedB(Own(catalogue::Load(catalogue::kRubyOrb.b))) {}

void Monstro::Animate() {
    if (phaseTick % 10 == 0) frame = (frame + 1) % 2;
}

void Monstro::SprayPhase() {
    if (phaseTick % 10 == 0 && phaseTick < 1100) Spray();
    Animate();
}

void Monstro::LungePhase(const Phase&, int&, int& dy) { Lunge(dy); }

void Monstro::WalkerPhase() {
    if (phaseTick % 5 == 0 && phaseTick < 1100) Walkers();
    Animate();
}

void Monstro::SwayPhase(const Phase&, int& dx, int&) {
    Sway(dx);
    if (phaseTick % 10 == 0) Spray();
    Animate();
    // The tick is still counted, so the lunge begins at tick 1.
    if (RandomInt(500) == 10) SwitchTo(kLunge);
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

void Monstro::Spray() {
    const int phase1 = FirstLegFrames();
    Volley volley = shots.Open(8);
    volley.Fill([&](int n) {
        const Mouth& mouth = kMouths[n];
        const SDL_Rect at = MakeRect(box.x + mouth.x, box.y + mouth.y, kShotSize, kShotSize);
        return NewOrbitShot(screen, shotRedA, shotRedB, at, MovePattern::Radial, mouth.baseAngle + RandomInt(90), 70, 1,
                            phase1, 30);
    });
    if (volley.Complete()) PlayFireSound();
}

// The sound needs two more free slots.
void Monstro::Walkers() {
    const int bx = box.x, by = box.y;
    Volley volley = shots.Open(2);
    volley.Fill([&](int side) {
        const int out = side == 0 ? -3 : 3;
        const int sideways = 20 + RandomInt(33);
        const int drop = RandomInt(60);
        const int creep = RandomInt(348);
        const SDL_Rect at =
            MakeRect(bx + (side == 0 ? kLeftMouthX : kRightMouthX), by + kSideMouthY, kShotSize, kShotSize);
        return new EnemyShot(screen, shotRedA, shotRedB, at, {out, 0, sideways}, {0, 3, drop}, {-out / 3, 0, creep},
                             {0, 1, 300});
    });
    if (volley.Complete() && volley.SpareSlots(2)) PlayFireSound();
}
