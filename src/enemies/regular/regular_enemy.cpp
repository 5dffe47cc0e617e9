#include "enemies/regular/regular_enemy.h"

#include "core/catalogue_loaders.h"
#include "core/utilities.h"
#include "enemies/framework/explosion.h"
#include "enemies/framework/level_assets.h"
#include "enemies/framework/sound_channels.h"
#include "platform/screen.h"

namespace {

const AssetSet& SetOf(LevelAssets* assets, const catalogue::EnemyKind* kind) {
    static const AssetSet none;
    return assets ? assets->Get(*kind) : none;
}

}  // namespace

RegularEnemy::RegularEnemy(SDL_Surface* screen, LevelAssets* assets, const Spawn& at, const RegularTraits& traits,
                           int hitPoints)
    : Enemy(catalogue::BoxAt(*traits.kind, at.x, at.y), traits.kind->hitHalfWidth, traits.kind->hitHalfHeight,
            at.spawnTime, traits.points),
      traits(traits),
      screen(screen),
      hitPoints(hitPoints),
      shots(traits.shotSlots),
      sprite(SetOf(assets, traits.kind).sprite),
      explosionSheet(SetOf(assets, traits.kind).explosionSheet),
      explosionFrameMs(traits.explosionFrameMs),
      explosionFrame(traits.firstExplosionFrame),
      explosionFrames(traits.kind->explosionFrames),
      explosionSound(SetOf(assets, traits.kind).explosionSound),
      fireSound(SetOf(assets, traits.kind).fireSound),
      explosionFrameWidth(traits.kind->explosionFrameWidth),
      explosionFrameHeight(traits.kind->explosionFrameHeight),
      shotA(SetOf(assets, traits.kind).shotA),
      shotB(SetOf(assets, traits.kind).shotB),
      shotC(SetOf(assets, traits.kind).shotC),
      shotD(SetOf(assets, traits.kind).shotD) {}

bool RegularEnemy::Update() {
    const bool steers = traits.steerWhile == SteerWhile::Always ||
                        (traits.steerWhile == SteerWhile::NotDestroyed && state != kExploding) ||
                        (traits.steerWhile == SteerWhile::Alive && hitPoints > 0);
    if (steers) Steer();
    if (Hidden()) return true;
    const bool anyShot = shots.Any();
    if (traits.shotsFirst) {
        shots.Update();
        return Draw(anyShot);
    }
    const bool alive = Draw(anyShot);
    if (anyShot) shots.Update();
    return alive;
}

bool RegularEnemy::Draw(bool anyShot) {
    if (state == kNormal || state == kHit) {
        if (state == kHit) {
            DrawCell(traits.kind->hitCell != catalogue::kNoCell ? traits.kind->hitCell
                                                                : NormalCell() + traits.kind->hitOffset);
            state = kNormal;
        } else {
            DrawCell(NormalCell());
        }
        AfterDraw();
        return true;
    }
    WhileDestroyed();
    if (explosionFrame < explosionFrames) {
        DrawExplosion();
        return true;
    }
    const bool alive = anyShot || finishWait < kFinishWait;
    finishWait += 1;
    return alive;
}

void RegularEnemy::DrawCell(int cell) {
    if (!sprite) return;
    const int cellWidth = sprite->w / traits.kind->SheetCells();
    SDL_Rect source = MakeRect(cell * sprite->w / traits.kind->SheetCells(), 0, cellWidth, sprite->h);
    SDL_Rect at = box;
    platform::Blit(sprite, &source, screen, &at);
}

void RegularEnemy::DrawExplosion() {
    if (playExplosionSound) {
        PlaySound(kChannelEnemyExplosion, explosionSound);
        playExplosionSound = false;
        if (traits.flagsExplosion) explosionStarted = true;
    }
    DrawExplosionFrame(screen, explosionSheet, box, explosionFrameWidth, explosionFrameHeight, explosionFrameMs,
                       &explosionFrame, &explosionTicks);
}

int RegularEnemy::CheckHit(EnemyShot** heroShots, int count) {
    if (state == kExploding || !Hittable() || box.w == 0) return kNoHit;
    const int bodyX = box.x + box.w / 2, bodyY = box.y + box.h / 2;
    // The killing shot ends the walk: later shots fly on.
    return TakeHits(
        heroShots, count, true,
        [&](const SDL_Rect& s) { return CentresMeet(s, bodyX, bodyY, hitHalfWidth, hitHalfHeight); },
        [&](int damage) {
            hitPoints -= damage;
            if (hitPoints > 0) {
                state = kHit;
                return true;
            }
            state = kExploding;
            playExplosionSound = true;
            Killed();
            return false;
        });
}

void RegularEnemy::EndSilently() {
    explosionFrame = explosionFrames;
    finishWait = kFinishWait;
    state = kExploding;
}

void RegularEnemy::MoveAndTest(const SDL_Rect& copy, int dx, int dy) {
    Move(dx, dy);
    if (traits.playfield.Outside(copy)) EndSilently();
}

void RegularEnemy::Alternate(int n, int cells) {
    if (animTimer == n) {
        frame = (frame + 1) % cells;
        animTimer = 0;
    }
    animTimer += 1;
}

void RegularEnemy::PlayFireSound() { PlaySound(kChannelEnemyFire, fireSound); }
