// The interface every enemy and boss shows the level runner and the hero.
//
// The runner only asks whether the spawn time has come, lets the enemy test the hero's shots,
// reads its shots and collision box, runs one frame and deletes it once it reports that it is
// finished. Everything else belongs to the concrete class.
#pragma once

#include <SDL/SDL.h>

#include "enemies/framework/enemy_shot.h"

// Where and when an enemy or a boss enters: the first half of its row in a level's table.
struct Spawn {
    int x;
    int y;
    int spawnTime;
};

class Enemy {
public:
    // Result of CheckHit when no shot hit.
    static constexpr int kNoHit = -1;
    // Result of CheckHit when the last shot that hit was a boosted hero shot.
    static constexpr int kBoostedHit = 99999;

    Enemy(SDL_Rect box, int hitHalfWidth, int hitHalfHeight, int spawnTime, int points);

    // The seven operations every enemy class has, in this order.
    // The concrete class's ShotPool deletes its shots.
    virtual ~Enemy();
    // One frame: move, fire, draw, move its shots. False once nothing of it is left on
    // screen: the runner then deletes it and nulls its slot.
    virtual bool Update() = 0;
    // Tests the hero's shots; a shot that hits is deleted and its slot nulled. Returns
    // kNoHit, the index of the last shot that hit, or kBoostedHit.
    virtual int CheckHit(EnemyShot** heroShots, int count) = 0;
    virtual bool IsDestroyed() = 0;
    virtual EnemyShot** GetShots() = 0;
    virtual int GetShotCount() = 0;
    virtual void Reserved(int) {}

    Enemy(const Enemy&) = delete;
    Enemy& operator=(const Enemy&) = delete;

    // box.x += dx, box.y += dy in 16-bit arithmetic.
    void Move(int dx, int dy);
    SDL_Rect GetRect() const;
    int GetHitHalfWidth() const;
    int GetHitHalfHeight() const;
    // now: level clock in ms.
    bool IsActive(int now) const;
    void DelaySpawn(int ms);
    void SetSpawnTime(int time);
    int GetSpawnTime() const { return spawnTime; }
    int GetScore() const;
    bool ExplosionStarted() const;
    bool IsMusicHeld() const;
    void SetMusicHold(bool hold);

protected:
    // The walk every enemy makes over the hero's shots: each shot for which hits(its box) holds is
    // handed to take(its damage), deleted and its slot nulled, until take answers false. Returns
    // kNoHit, the index of the last shot that hit, or kBoostedHit when that shot was boosted and
    // boostedResult is set.
    template <class Hits, class Take>
    static int TakeHits(EnemyShot** heroShots, int count, bool boostedResult, Hits&& hits, Take&& take) {
        int result = kNoHit;
        for (int i = 0; i < count; ++i) {
            EnemyShot* shot = heroShots[i];
            if (!shot || !hits(shot->GetRect())) continue;
            result = boostedResult && shot->IsBoosted() ? kBoostedHit : i;
            const bool more = take(shot->GetDamage());
            delete shot;
            heroShots[i] = nullptr;
            if (!more) break;
        }
        return result;
    }

    SDL_Rect box;
    int hitHalfWidth;
    int hitHalfHeight;
    int spawnTime;
    int points;
    bool explosionStarted;
    bool musicHold;
};
