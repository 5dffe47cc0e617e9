#include "levels/practice_target.h"

#include <cstdlib>

#include "enemies/framework/sound_channels.h"
#include "platform/loaders.h"
#include "platform/platform.h"
#include "core/utilities.h"

namespace {

constexpr int kSheetCells = 8;         // four normal cells, then their hit-flash twins
constexpr int kExplosionCells = 16;
constexpr int kExplosionCellSize = 192;
constexpr Uint32 kExplosionStepMs = 60;
constexpr int kShotSize = 16;
constexpr int kSwayLeft = 150;
constexpr int kSwayRight = 490;
constexpr int kRingShots = 12;
constexpr int kFanShots = 5;

int Centre(int position, int size) { return position + size / 2; }

}  // namespace

PracticeTarget::PracticeTarget(SDL_Surface* screen, SDL_Rect box, int hitHalfWidth, int hitHalfHeight,
                               int spawnTime, int energyUnits)
    : Enemy(box, hitHalfWidth, hitHalfHeight, spawnTime, kPoints),
      screen(screen),
      energy(energyUnits * kEnergyPerUnit),
      maxEnergy(energyUnits * kEnergyPerUnit),
      shots(new EnemyShot*[kShotSlots]()),
      sheet(platform::LoadPicture("./Images/Ennemis/Moine/MoineS.png", 255, 0, 255)),
      explosionSheet(platform::LoadPicture("./Images/Explosions/Explosion_192.png", 0, 1, 1)),
      fanShotA(platform::LoadBmpPicture("./Images/Tirs/Tir1_Rouge_Ennemi.bmp", 0, 0, 0)),
      fanShotB(platform::LoadBmpPicture("./Images/Tirs/Tir1a_Rouge_Ennemi.bmp", 0, 0, 0)),
      ringShotA(platform::LoadBmpPicture("./Images/Tirs/Tir1_Jaune_Ennemi.bmp", 255, 0, 255)),
      ringShotB(platform::LoadBmpPicture("./Images/Tirs/Tir1a_Jaune_Ennemi.bmp", 255, 0, 255)),
      explosionSound(platform::LoadSound("Sound/Explosion_Boss.wav")),
      fireSound(platform::LoadSound("Sound/Shot1.wav")),
      state(kNormal),
      entering(true),
      sway(1),
      tick(0),
      frame(0),
      ringAngle(0),
      explosionCell(0),
      explosionLastTick(0),
      explosionSoundPending(false),
      endCounter(0) {}

PracticeTarget::~PracticeTarget() {
    // Shots first: they draw with the pictures freed below.
    DeleteShots(shots, kShotSlots);
    delete[] shots;
    SDL_FreeSurface(sheet);
    SDL_FreeSurface(explosionSheet);
    SDL_FreeSurface(fanShotA);
    SDL_FreeSurface(fanShotB);
    SDL_FreeSurface(ringShotA);
    SDL_FreeSurface(ringShotB);
    platform::FreeSound(explosionSound);
    platform::FreeSound(fireSound);
}

int PracticeTarget::LiveShots() const {
    int live = 0;
    for (int i = 0; i < kShotSlots; ++i)
        if (shots[i]) ++live;
    return live;
}

bool PracticeTarget::Update() {
    Advance();
    bool alive = true;
    const int cellWidth = sheet->w / kSheetCells;
    if (state == kDestroyed) {
        alive = DrawExplosion();
    } else {
        const int cell = state == kHit ? frame + 4 : frame;
        SDL_Rect source = MakeRect(cell * sheet->w / kSheetCells, 0, cellWidth, sheet->h);
        SDL_Rect at = box;
        SDL_BlitSurface(sheet, &source, screen, &at);
        state = kNormal;
    }
    UpdateShots(shots, kShotSlots);
    return alive;
}

void PracticeTarget::Advance() {
    if (state == kDestroyed) return;
    if (entering) {
        Move(0, kEntryStep);
        if (box.y >= kRestY) {
            entering = false;
            SetMusicHold(false);
        }
        return;
    }
    if (box.x + box.w + sway > kSwayRight || box.x + sway < kSwayLeft) sway = -sway;
    Move(sway, 0);
    if (tick % kFanPeriod == 0) FireFan();
    if (tick % kRingPeriod == kRingPeriod / 2) FireRing();
    if (tick % 6 == 0) frame = (frame + 1) % 4;
    tick += 1;
}

EnemyShot** PracticeTarget::FreeSlot() {
    for (int i = 0; i < kShotSlots; ++i)
        if (!shots[i]) return &shots[i];
    return nullptr;
}

// Five shots fanning downwards from under the target: a wall with gaps to slip through.
void PracticeTarget::FireFan() {
    const int x = Centre(box.x, box.w) - kShotSize / 2;
    const int y = box.y + box.h - 8;
    for (int k = 0; k < kFanShots; ++k) {
        EnemyShot** slot = FreeSlot();
        if (!slot) return;  // a full array leaves the volley short and silent
        const PathSegment leg = {k - kFanShots / 2, 3, 30};
        *slot = new EnemyShot(screen, fanShotA, fanShotB, MakeRect(x, y, kShotSize, kShotSize), leg, leg, leg, leg);
    }
    PlaySound(kChannelEnemyFire, fireSound);
}

// A slow ring turned a little further each time: shots pass close by and can be grazed.
void PracticeTarget::FireRing() {
    const int x = Centre(box.x, box.w) - kShotSize / 2;
    const int y = Centre(box.y, box.h) - kShotSize / 2;
    for (int k = 0; k < kRingShots; ++k) {
        EnemyShot** slot = FreeSlot();
        if (!slot) return;
        EnemyShot* shot = new EnemyShot(screen, ringShotA, ringShotB, MakeRect(x, y, kShotSize, kShotSize),
                                        MovePattern::Radial);
        shot->SetOrbit(x, y, 0, ringAngle + k * (360 / kRingShots), 0, 2, 0, 0);
        *slot = shot;
    }
    ringAngle = (ringAngle + 5 + RandomInt(20)) % 360;
    PlaySound(kChannelEnemyFire, fireSound);
}

int PracticeTarget::CheckHit(EnemyShot** heroShots, int count) {
    if (state == kDestroyed) return kNoHit;
    int result = kNoHit;
    const int bx = Centre(box.x, box.w), by = Centre(box.y, box.h);
    for (int i = 0; i < count; ++i) {
        EnemyShot* shot = heroShots[i];
        if (!shot) continue;
        const SDL_Rect s = shot->GetRect();
        if (std::abs(Centre(s.x, s.w) - bx) >= s.w / 2 + hitHalfWidth) continue;
        if (std::abs(Centre(s.y, s.h) - by) >= s.h / 2 + hitHalfHeight) continue;
        energy -= shot->GetDamage();
        if (energy > 0) {
            state = kHit;
        } else {
            state = kDestroyed;
            explosionSoundPending = true;
        }
        delete shot;
        heroShots[i] = nullptr;
        result = i;
        if (state == kDestroyed) break;  // one shot is enough for the killing blow
    }
    return result;
}

bool PracticeTarget::DrawExplosion() {
    if (explosionCell < kExplosionCells) {
        if (explosionSoundPending) {
            PlaySound(kChannelEnemyExplosion, explosionSound);
            explosionSoundPending = false;
            explosionStarted = true;
        }
        // The first step happens at once and shows cell -1, which the blit clips to nothing.
        SDL_Rect source = MakeRect((explosionCell - 1) * kExplosionCellSize, 0, kExplosionCellSize, kExplosionCellSize);
        const Uint32 now = platform::Ticks();
        if (now > explosionLastTick + kExplosionStepMs) {
            explosionCell += 1;
            explosionLastTick = now;
        }
        SDL_Rect at = MakeRect(Centre(box.x, box.w) - kExplosionCellSize / 2,
                               Centre(box.y, box.h) - kExplosionCellSize / 2, 0, 0);
        if (source.x >= 0) SDL_BlitSurface(explosionSheet, &source, screen, &at);
        return true;
    }
    if (endCounter >= kEndFrames) return false;
    endCounter += 1;
    return true;
}
