#include "enemies/regular/regular_enemy.h"

#include <cmath>

#include "core/utilities.h"
#include "enemies/framework/explosion.h"
#include "enemies/framework/level_assets.h"
#include "enemies/framework/sound_channels.h"
#include "platform/screen.h"

namespace {

const AssetSet& SetOf(LevelAssets* assets, AssetKind kind) {
    static const AssetSet none;
    return assets ? assets->Get(kind) : none;
}

bool AnyShot(EnemyShot* const* shots, int count) {
    for (int i = 0; i < count; ++i)
        if (shots[i]) return true;
    return false;
}

}  // namespace

RegularEnemy::RegularEnemy(SDL_Surface* screen, LevelAssets* assets, SDL_Rect box, int hitHalfWidth,
                           int hitHalfHeight, int spawnTime, const RegularTraits& traits, int hitPoints)
    : Enemy(box, hitHalfWidth, hitHalfHeight, spawnTime, traits.points),
      traits(traits),
      screen(screen),
      hitPoints(hitPoints),
      shotSlots(traits.shotSlots),
      shots(new EnemyShot*[traits.shotSlots]()),
      sprite(SetOf(assets, traits.kind).sprite),
      explosionSheet(SetOf(assets, traits.kind).explosionSheet),
      explosionFrameMs(traits.explosionFrameMs),
      explosionFrame(traits.firstExplosionFrame),
      explosionFrames(traits.explosionFrames),
      explosionSound(SetOf(assets, traits.kind).explosionSound),
      fireSound(SetOf(assets, traits.kind).fireSound),
      explosionFrameWidth(traits.explosionFrameWidth),
      explosionFrameHeight(traits.explosionFrameHeight),
      shotA(SetOf(assets, traits.kind).shotA),
      shotB(SetOf(assets, traits.kind).shotB),
      shotC(SetOf(assets, traits.kind).shotC),
      shotD(SetOf(assets, traits.kind).shotD) {}

RegularEnemy::~RegularEnemy() {
    DeleteShots(shots, shotSlots);
    delete[] shots;
}

int RegularEnemy::LiveShots() const {
    int live = 0;
    for (int i = 0; i < shotSlots; ++i)
        if (shots[i]) ++live;
    return live;
}

bool RegularEnemy::Update() {
    const bool steers = traits.steerWhile == SteerWhile::Always ||
                        (traits.steerWhile == SteerWhile::NotDestroyed && state != kExploding) ||
                        (traits.steerWhile == SteerWhile::Alive && hitPoints > 0);
    if (steers) Steer();
    if (Hidden()) return true;
    const bool anyShot = AnyShot(shots, shotSlots);
    if (traits.shotsFirst) {
        UpdateShots(shots, shotSlots);
        return Draw(anyShot);
    }
    const bool alive = Draw(anyShot);
    if (anyShot) UpdateShots(shots, shotSlots);
    return alive;
}

bool RegularEnemy::Draw(bool anyShot) {
    if (state == kNormal || state == kHit) {
        if (state == kHit) {
            DrawCell(traits.hitCell >= 0 ? traits.hitCell : NormalCell() + traits.hitOffset);
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
    const int cellWidth = sprite->w / traits.spriteFrames;
    SDL_Rect source = MakeRect(cell * sprite->w / traits.spriteFrames, 0, cellWidth, sprite->h);
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
    int result = kNoHit;
    if (state == kExploding || !Hittable()) return result;
    for (int i = 0; i < count && state != kExploding; ++i) {
        EnemyShot* shot = heroShots[i];
        if (!shot) continue;
        const SDL_Rect s = shot->GetRect();
        const SDL_Rect b = box;
        if (b.w == 0) return result;
        const int shotX = s.x + s.w / 2, shotY = s.y + s.h / 2;
        const int bodyX = b.x + b.w / 2, bodyY = b.y + b.h / 2;
        if (!(std::fabs(static_cast<double>(shotX - bodyX)) < s.w / 2 + hitHalfWidth &&
              std::fabs(static_cast<double>(shotY - bodyY)) < s.h / 2 + hitHalfHeight))
            continue;
        const int damage = shot->GetDamage();
        hitPoints -= damage;
        if (hitPoints > 0) {
            state = kHit;
        } else {
            state = kExploding;
            playExplosionSound = true;
            Killed();
        }
        result = damage == 4 || damage == 6 ? kBoostedHit : i;
        delete shot;
        heroShots[i] = nullptr;
    }
    return result;
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
