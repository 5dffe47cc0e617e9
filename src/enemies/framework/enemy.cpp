#include "enemies/framework/enemy.h"

Enemy::Enemy(SDL_Rect box, int hitHalfWidth, int hitHalfHeight, int spawnTime, int points)
    : box(box),
      hitHalfWidth(hitHalfWidth),
      hitHalfHeight(hitHalfHeight),
      spawnTime(spawnTime),
      points(points),
      explosionStarted(false),
      musicHold(false) {}

Enemy::~Enemy() = default;

void Enemy::Move(int dx, int dy) {
    box.x = static_cast<Sint16>(box.x + dx);
    box.y = static_cast<Sint16>(box.y + dy);
}

SDL_Rect Enemy::GetRect() const { return box; }

int Enemy::GetHitHalfWidth() const { return hitHalfWidth; }

int Enemy::GetHitHalfHeight() const { return hitHalfHeight; }

bool Enemy::IsActive(int now) const { return now >= spawnTime; }

void Enemy::DelaySpawn(int ms) { spawnTime += ms; }

void Enemy::SetSpawnTime(int time) { spawnTime = time; }

int Enemy::GetScore() const { return points; }

bool Enemy::ExplosionStarted() const { return explosionStarted; }

bool Enemy::IsMusicHeld() const { return musicHold; }

void Enemy::SetMusicHold(bool hold) { musicHold = hold; }
