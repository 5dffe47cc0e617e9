#include "enemies/bosses/boss.h"

#include "core/catalogue_loaders.h"
#include "core/playfield.h"
#include "core/utilities.h"
#include "enemies/framework/explosion.h"
#include "enemies/framework/sound_channels.h"
#include "platform/screen.h"

Boss::Boss(SDL_Surface* screen, const Spawn& at, Energy energy, const BossTraits& traits)
    : Enemy(MakeRect(at.x, at.y, traits.sheet->cellWidth, traits.sheet->cellHeight), traits.hitHalfWidth,
            traits.hitHalfHeight, at.spawnTime, traits.points),
      traits(traits),
      screen(screen),
      energy(energy.units * traits.energyPerUnit),
      maxEnergy(energy.units * traits.energyPerUnit),
      shots(traits.shotSlots),
      sheet(catalogue::Load(*traits.sheet)),
      explosionSheet(catalogue::Load(catalogue::kBigBlast)),
      explosionSound(catalogue::Load(catalogue::kSmallBlastSound)),
      fireSound(catalogue::Load(catalogue::kEnemyShotSound)) {}

Boss::~Boss() {
    // Shots first: they draw with the pictures freed after them.
    shots.Clear();
    SDL_FreeSurface(sheet);
    SDL_FreeSurface(explosionSheet);
    for (SDL_Surface* picture : ownedPictures) SDL_FreeSurface(picture);
    platform::FreeSound(explosionSound);
    platform::FreeSound(fireSound);
    for (Mix_Chunk* sound : ownedSounds) platform::FreeSound(sound);
}

SDL_Surface* Boss::Own(SDL_Surface* picture) {
    ownedPictures.push_back(picture);
    return picture;
}

Mix_Chunk* Boss::Own(Mix_Chunk* sound) {
    ownedSounds.push_back(sound);
    return sound;
}

bool Boss::Update() {
    Advance();
    bool alive = true;
    if (state == kNormal) {
        DrawCell(Sheet(), traits.sheet->cols, frame);
    } else if (state == kHit) {
        DrawHit();
        state = kNormal;
    } else {
        alive = Explode();
    }
    shots.Update();
    return alive;
}

void Boss::Advance() {
    if (energy <= 0) return;
    const SDL_Rect before = box;
    int dx = 0, dy = 0;
    RunScript(dx, dy);
    Move(dx, dy);
    if (before.x + before.w < playfield::kLeft || before.x > traits.rightEdge || before.y > 640 ||
        before.y + before.h < 0) {
        // Gone without a fight: no explosion, no sound, no score.
        explosionCell = explosionCellCount;
        endCounter = kEndFrames;
        state = kDestroyed;
    }
}

bool Boss::SlideIn(const EntrySlide& entry, int& dx, int& dy) {
    EntryFrame();
    if (phaseTick < entry.slideTicks) {
        if (!entry.holdsMusic) SetMusicHold(false);
        dx += entry.dx;
        dy += entry.dy;
    }
    phaseTick += 1;
    if (phaseTick != phaseLength) return false;
    SetMusicHold(false);
    return true;
}

void Boss::StartPhase(int next, int length, int startAngle, int startFrame) {
    const int from = phase;
    phase = next;
    phaseTick = 0;
    phaseLength = length;
    if (startAngle != kKeep) {
        angle = startAngle;
        sweepDirection = 1;
    }
    if (startFrame != kKeep) frame = startFrame;
    Entered(from);
}

void Boss::CountTick() {
    phaseTick += 1;
    if (phaseCut) {
        phaseCut = false;
        phaseTick = phaseLength;
    }
}

void Boss::DrawCell(SDL_Surface* picture, int cells, int c) {
    if (!picture) return;
    SDL_Rect source = MakeRect(c * picture->w / cells, 0, picture->w / cells, picture->h);
    SDL_Rect at = box;
    platform::Blit(picture, &source, screen, &at);
}

void Boss::DrawHit() { DrawCell(Sheet(), traits.sheet->cols, HitCell()); }

void Boss::PlayFireSound() { PlaySound(kChannelEnemyFire, fireSound); }

bool Boss::Explode() {
    if (explosionCell < explosionCellCount) {
        if (explosionSoundPending) {
            PlaySound(kChannelEnemyExplosion, explosionSound);
            explosionSoundPending = false;
            explosionStarted = true;
        }
        // The last cell of the sheet is never shown.
        DrawExplosionFrame(screen, explosionSheet, box, explosionCellWidth, explosionCellHeight, explosionPeriod,
                           &explosionCell, &explosionLastTick);
        return true;
    }
    bool alive = endCounter < kEndFrames;
    if (traits.waitsForShots && LiveShots() > 0) alive = true;
    endCounter += 1;
    return alive;
}

bool Boss::Hits(const SDL_Rect& s) const {
    return CentresMeet(s, box.x + box.w / 2, box.y + box.h / 2, hitHalfWidth, hitHalfHeight);
}

int Boss::CheckHit(EnemyShot** heroShots, int count) {
    if (state == kDestroyed) return kNoHit;
    // Every shot that hits in this call counts, also after the killing one.
    return TakeHits(
        heroShots, count, traits.boostedResult, [&](const SDL_Rect& s) { return Hits(s); },
        [&](int damage) {
            energy -= damage;
            if (energy > 0) {
                state = kHit;
            } else {
                state = kDestroyed;
                explosionSoundPending = true;
            }
            return true;
        });
}
