// The skeleton every regular enemy shares: hit points, a shot array, the states normal / hit /
// exploding-or-finished, the hit test, the one-frame hit flash, the explosion timed in
// milliseconds and the wait for the last shot. A class fills in its traits (points, frames,
// explosion, drawing order, playfield) and writes its own Steer and, where it fires, Fire.
#pragma once

#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>

#include <climits>

#include "core/catalogue.h"
#include "core/playfield.h"
#include "enemies/framework/asset_set.h"
#include "enemies/framework/enemy.h"
#include "enemies/framework/shot_pool.h"

class LevelAssets;

// The box (as it was before a frame's move) that ends an enemy without explosion: past the left
// edge (x + w < left), right edge (x > right), bottom (y > bottom) or, where tested, the top
// (y + h < 0).
struct Playfield {
    int left;
    int right;
    int bottom;
    bool testTop;

    bool Outside(const SDL_Rect& r) const {
        return r.x + r.w < left || r.x > right || r.y > bottom || (testTop && r.y + r.h < 0);
    }
};

namespace playfield {
// The whole window (Boule).
constexpr Playfield kWindow = {.left = 1, .right = kWindowWidth - 1, .bottom = kWindowHeight, .testTop = true};
// The playfield.
constexpr Playfield kStandard = {.left = kLeft, .right = kRight, .bottom = kWindowHeight, .testTop = true};
// No top: they start above the window.
constexpr Playfield kFalling = {.left = kLeft, .right = kRight, .bottom = kWindowHeight, .testTop = false};
// The phased ships.
constexpr Playfield kLarge = {.left = kLeft, .right = kRight, .bottom = 640, .testTop = true};
constexpr Playfield kFromLeft = {.left = INT_MIN, .right = kRight, .bottom = 640, .testTop = true};
// Fairies fly in from far outside.
constexpr Playfield kWide = {.left = -200, .right = 728, .bottom = 480, .testTop = true};
}  // namespace playfield

// Every regular class is built from (screen, assets, spawn), and a class with knobs of its own
// takes a row of them after it: its Setup, or Strength.

// The level's factor on the hit points of a class that scales with the level (Yeux, Delta,
// Crabe, Amybe, OeilRB).
struct Strength {
    int strength;
};

// When a class's Steer still runs.
enum class SteerWhile {
    NotDestroyed,  // not in state 2 (exploding, finished)
    Alive,         // while hit points remain (the phased ships)
    Always,        // keeps moving, and drifting its explosion, until it is deleted
};

// Set by name; a class leaves out the members where it takes the default. Those without one must
// be given (gcc's -Wextra names a missing one).
struct RegularTraits {
    const catalogue::EnemyKind* kind;  // its sheet, explosion, hit flash and set of the level bank
    int points;
    int shotSlots;
    int explosionFrameMs;
    int firstExplosionFrame = 0;  // 0: the first exploding frame draws nothing
    SteerWhile steerWhile = SteerWhile::NotDestroyed;
    bool shotsFirst = false;      // moves and draws its shots before itself
    bool flagsExplosion = false;  // sets explosionStarted with its explosion sound
    Playfield playfield = playfield::kStandard;
};

class RegularEnemy : public Enemy {
public:
    static constexpr int kFinishWait = 35;  // frames after the explosion before it may go

    bool Update() override;
    int CheckHit(EnemyShot** heroShots, int count) override;
    bool IsDestroyed() override { return state == kExploding; }
    EnemyShot** GetShots() override { return shots.Slots(); }
    int GetShotCount() override { return shots.Size(); }

    // Read-outs for tests and tools.
    int GetHitPoints() const { return hitPoints; }
    int GetState() const { return state; }
    int GetFrame() const { return frame; }
    int GetExplosionFrame() const { return explosionFrame; }
    int GetFinishWait() const { return finishWait; }
    int LiveShots() const { return shots.Live(); }
    const RegularTraits& Traits() const { return traits; }

    enum State { kNormal = 0, kHit = 1, kExploding = 2 };

protected:
    RegularEnemy(SDL_Surface* screen, LevelAssets* assets, const Spawn& at, const RegularTraits& traits, int hitPoints);

    // Movement and the decision to fire, once a frame while traits.steerWhile allows.
    virtual void Steer() = 0;
    // The cell drawn in the normal state.
    virtual int NormalCell() const { return frame; }
    // False while the enemy cannot be hit (still above the window).
    virtual bool Hittable() const { return true; }
    // The hit that brings the hit points to 0 or below (a last volley).
    virtual void Killed() {}
    // After Steer: true skips the rest of the frame (nothing drawn, shots frozen).
    virtual bool Hidden() const { return false; }
    // After drawing in the normal or hit state.
    virtual void AfterDraw() {}
    // Every frame in state 2, before the explosion is drawn.
    virtual void WhileDestroyed() {}

    // Ends the enemy without explosion, sound or score: it goes once its shots are gone.
    void EndSilently();
    // Enemy::Move, then the playfield test on copy (the box before the move).
    void MoveAndTest(const SDL_Rect& copy, int dx, int dy);
    // Every n frames the next of cells cells (frame = 1 - frame for two), counted in animTimer.
    void Alternate(int n, int cells = 2);
    void PlayFireSound();

    const RegularTraits& traits;
    SDL_Surface* screen;
    int hitPoints;
    ShotPool shots;
    SDL_Surface* sprite;
    SDL_Surface* explosionSheet;
    int frame = 0;
    int state = kNormal;
    int explosionFrameMs;
    int explosionFrame;
    int explosionFrames;
    Uint32 explosionTicks = 0;
    Mix_Chunk* explosionSound;
    Mix_Chunk* fireSound;
    int explosionFrameWidth;
    int explosionFrameHeight;
    SDL_Surface* shotA;
    SDL_Surface* shotB;
    SDL_Surface* shotC;
    SDL_Surface* shotD;
    bool playExplosionSound = false;
    int finishWait = 0;
    int animTimer = 0;

private:
    bool Draw(bool anyShot);  // false once the enemy is finished
    void DrawCell(int cell);
    void DrawExplosion();
};
