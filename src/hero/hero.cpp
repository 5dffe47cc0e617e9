#include "hero/hero.h"

#include <cstdlib>

#include "core/catalogue_loaders.h"
#include "core/input.h"
#include "core/playfield.h"
#include "core/utilities.h"
#include "enemies/framework/sound_channels.h"
#include "platform/loaders.h"
#include "platform/platform.h"
#include "platform/screen.h"

namespace {

// Where a re-entering ship appears (below the screen) and where it stops climbing.
constexpr int kRespawnX = 302;
constexpr int kRespawnY = 480;
constexpr int kReentryStopY = 410;
constexpr int kReentryClimb = 2;
// Frames of state 2 after a re-entry, and the counter MakeInvulnerable starts from.
constexpr int kInvulnerableEnd = 100;
constexpr int kLongInvulnerableStart = -200;
constexpr int kGrazeFrames = 20;
constexpr int kBonusReach = 8;
constexpr int kGrazeReachX = 25;
constexpr int kGrazeReachY = 10;
// Frames each animation cell is shown; cells per animation; invulnerable look's column offset.
constexpr int kAnimTicks = 10;
constexpr int kAnimCells = 3;
constexpr int kInvulnerableColumns = 3;

bool Held(const Uint8* keys, SDLKey key, const Uint8* inputFlags, int flag) {
    return (keys != nullptr && keys[key]) || (inputFlags != nullptr && inputFlags[flag]);
}

}  // namespace

Hero::Hero(SDL_Surface* screen, const HeroSetup& setup)
    : screen(screen),
      box(setup.box),
      contactMarginX(1),
      contactMarginY(1),
      lives(setup.lives),
      shots(setup.shotSlots),
      sheet(nullptr),
      boostedSheet(nullptr),
      explosionSheet(nullptr),
      animFrame(0),
      animTick(0),
      state(kHeroNormal),
      bank(kBankNone),
      explosionStepMs(setup.explosionStepMs),
      explosionStep(0),
      explosionSteps(setup.explosionSteps),
      explosionLastTick(0),
      explosionSound(nullptr),
      shotSound(nullptr),
      bonusSound(nullptr),
      explosionCellWidth(setup.explosionCellWidth),
      explosionCellHeight(setup.explosionCellHeight),
      shotPictures(),
      boostedShotPictures(),
      firing(false),
      lastVolleyTick(0),
      explosionSoundPending(false),
      invulnerableCounter(0),
      grazeTimer(0),
      weaponLevel(1) {
    sheet = catalogue::Load(catalogue::kHeroSheet);
    boostedSheet = catalogue::Load(catalogue::kBoostedHeroSheet);
    explosionSheet = catalogue::Load(catalogue::kHeroExplosion);
    explosionSound = catalogue::Load(catalogue::kHeroDeathSound);
    shotSound = catalogue::Load(catalogue::kHeroVolleySound);
    bonusSound = catalogue::Load(catalogue::kPickupSound);

    static_assert(std::size(catalogue::kHeroShots) == kShotPictureCount);
    static_assert(std::size(catalogue::kBoostedHeroShots) == kShotPictureCount);
    for (int i = 0; i < kShotPictureCount; ++i) shotPictures[i] = catalogue::Load(catalogue::kHeroShots[i]);
    for (int i = 0; i < kShotPictureCount; ++i)
        boostedShotPictures[i] = catalogue::Load(catalogue::kBoostedHeroShots[i]);
}

Hero::~Hero() {
    shots.Clear();
    SDL_FreeSurface(sheet);
    SDL_FreeSurface(boostedSheet);
    SDL_FreeSurface(explosionSheet);
    for (int i = 0; i < kShotPictureCount; ++i) {
        SDL_FreeSurface(shotPictures[i]);
        SDL_FreeSurface(boostedShotPictures[i]);
    }
    platform::FreeSound(explosionSound);
    platform::FreeSound(shotSound);
    platform::FreeSound(bonusSound);
}

void Hero::Move(const Uint8* keys, const Uint8* inputFlags) {
    if (state == kHeroExploding || state == kHeroReentering) return;

    // The ship is slower while fire is held. The limits are tested before the step, so it
    // can end up to speed - 1 pixels beyond them.
    const int speed = firing ? 2 : 3;
    bool moved = false;
    if (Held(keys, SDLK_UP, inputFlags, kInputUp) && box.y >= 2) {
        box.y = static_cast<Sint16>(box.y - speed);
        bank = kBankUp;
        moved = true;
    }
    if (Held(keys, SDLK_DOWN, inputFlags, kInputDown) && box.y + box.h <= 480) {
        box.y = static_cast<Sint16>(box.y + speed);
        bank = kBankDown;
        moved = true;
    }
    if (Held(keys, SDLK_LEFT, inputFlags, kInputLeft) && box.x >= 140) {
        box.x = static_cast<Sint16>(box.x - speed);
        bank = kBankLeft;
        moved = true;
    }
    if (Held(keys, SDLK_RIGHT, inputFlags, kInputRight) && box.x + box.w <= playfield::kRight) {
        box.x = static_cast<Sint16>(box.x + speed);
        bank = kBankRight;
        moved = true;
    }
    if (!moved) bank = kBankNone;
}

void Hero::CheckEnemyShots(EnemyShot** shots_, int count) {
    if (state != kHeroNormal && state != kHeroInvulnerable) return;
    if (shots_ == nullptr) return;

    const int cx = box.x + box.w / 2;
    const int cy = box.y + box.h / 2;
    for (int i = 0; i < count; ++i) {
        EnemyShot* shot = shots_[i];
        if (shot == nullptr) continue;
        const SDL_Rect r = shot->GetRect();

        if (shot->IsBonus()) {
            if (CentresMeet(r, cx, cy, kBonusReach, kBonusReach)) {
                PlaySound(kChannelBonus, bonusSound);
                weaponLevel += 2;
                delete shot;
                shots_[i] = nullptr;
                return;
            }
            continue;
        }

        if (CentresMeet(r, cx, cy, contactMarginX + kGrazeReachX, contactMarginY + kGrazeReachY)) {
            grazeTimer = kGrazeFrames;
            if (state == kHeroInvulnerable) return;
        }
        // Only the ship's centre point counts: it must lie inside the shot's box shrunk by
        // one pixel on every side.
        if (state == kHeroNormal && CentresMeet(r, cx, cy, -1, -1)) {
            state = kHeroExploding;
            explosionSoundPending = true;
            return;
        }
    }
}

void Hero::CheckCollision(SDL_Rect rect, int halfWidth, int halfHeight) {
    if (state != kHeroNormal) return;
    // The enemy's centre within its half extents (plus the ship's margin) of the ship's centre.
    const int dx = std::abs(rect.x + rect.w / 2 - (box.x + box.w / 2));
    const int dy = std::abs(rect.y + rect.h / 2 - (box.y + box.h / 2));
    if (dx < halfWidth + contactMarginX && dy < halfHeight + contactMarginY) {
        state = kHeroExploding;
        explosionSoundPending = true;
    }
}

void Hero::MakeInvulnerable() {
    invulnerableCounter = kLongInvulnerableStart;
    state = kHeroInvulnerable;
}

void Hero::StopBanking() { bank = kBankNone; }

void Hero::DrawShip(SDL_Surface* picture, int column, int row, SDL_Rect dest) {
    if (picture == nullptr || screen == nullptr) return;
    SDL_Rect source = MakeRect(column * box.w, row * box.h, box.w, box.h);
    platform::Blit(picture, &source, screen, &dest);
}

void Hero::AdvanceAnimation() {
    if (animTick == kAnimTicks) {
        animFrame += 1;
        animTick = 0;
    }
    animTick += 1;
    if (animFrame >= kAnimCells) animFrame = 0;
}

void Hero::DrawExplosion() {
    if (explosionStep < explosionSteps) {
        if (explosionSoundPending) {
            PlaySound(kChannelHeroExplosion, explosionSound);
            explosionSoundPending = false;
        }
        // Step 0 names the cell left of the sheet: clipping draws nothing, so the ship
        // vanishes on the first frame of its explosion.
        SDL_Rect source =
            MakeRect(explosionCellWidth * (explosionStep - 1), 0, explosionCellWidth, explosionCellHeight);
        const Uint32 now = platform::Ticks();
        if (now > explosionLastTick + static_cast<Uint32>(explosionStepMs)) {
            explosionStep += 1;
            explosionLastTick = now;
        }
        SDL_Rect dest =
            MakeRect(box.x + box.w / 2 - explosionCellWidth / 2, box.y + box.h / 2 - explosionCellHeight / 2, 0, 0);
        if (explosionSheet != nullptr && screen != nullptr) {
            platform::Blit(explosionSheet, &source, screen, &dest);
        }
        return;
    }
    lives -= 1;
    if (lives > 0) {
        explosionStep = 0;
        box.x = kRespawnX;
        box.y = kRespawnY;
        bank = kBankNone;
        state = kHeroReentering;
    }
}

void Hero::Draw(bool updateShots) {
    if (grazeTimer > 0) grazeTimer -= 1;
    if (updateShots) shots.Update();

    const SDL_Rect dest = box;
    SDL_Surface* current = grazeTimer > 0 ? boostedSheet : sheet;
    const int row = bank == kBankLeft ? 2 : (bank == kBankRight ? 1 : 0);
    switch (state) {
        case kHeroNormal:
            DrawShip(current, animFrame, row, dest);
            AdvanceAnimation();
            break;
        case kHeroInvulnerable:
            DrawShip(current, animFrame + kInvulnerableColumns, row, dest);
            AdvanceAnimation();
            invulnerableCounter += 1;
            if (invulnerableCounter >= kInvulnerableEnd) {
                invulnerableCounter = 0;
                state = kHeroNormal;
            }
            break;
        case kHeroExploding: DrawExplosion(); break;
        case kHeroReentering: {
            const bool climbing = box.y > kReentryStopY;
            if (climbing) box.y = static_cast<Sint16>(box.y - kReentryClimb);
            DrawShip(sheet, animFrame + kInvulnerableColumns, 0, dest);
            AdvanceAnimation();
            if (!climbing) state = kHeroInvulnerable;
            break;
        }
        default: break;
    }
}
