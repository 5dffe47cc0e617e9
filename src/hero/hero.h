// The player's ship: movement, the tests that kill it or hand it bonuses, its states and its
// drawing. The weapon (Fire and the volleys) lives in hero_weapon.cpp.
#pragma once

#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>

#include <cstdint>

#include "enemies/framework/enemy_shot.h"
#include "enemies/framework/shot_pool.h"

// States of the ship.
enum HeroState {
    kHeroNormal = 0,
    kHeroExploding = 1,
    kHeroInvulnerable = 2,
    kHeroReentering = 3,
};

// Directions of the last movement; left and right pick the banking sprite rows.
enum HeroBank {
    kBankNone = 0,
    kBankUp = 1,
    kBankDown = 2,
    kBankLeft = 3,
    kBankRight = 4,
};

// How a level starts the ship: where, with how many lives and shot slots, and its explosion
// (a step every explosionStepMs, explosionSteps steps of cells of the given size).
struct HeroSetup {
    SDL_Rect box;
    int lives;
    int shotSlots;
    int explosionStepMs;
    int explosionSteps;
    int explosionCellWidth;
    int explosionCellHeight;
};

class Hero {
public:
    static constexpr int kShotPictureCount = 8;

    Hero(SDL_Surface* screen, const HeroSetup& setup);
    ~Hero();
    Hero(const Hero&) = delete;
    Hero& operator=(const Hero&) = delete;

    // keys: the key-state array; inputFlags: JoystickInput::Poll (may be null: no joystick).
    void Fire(const Uint8* keys, const Uint8* inputFlags);
    void Move(const Uint8* keys, const Uint8* inputFlags);
    // Moves and draws the shots (when updateShots), then draws the ship and runs its states.
    void Draw(bool updateShots);

    // Tests one enemy's shot array: bonus pick-up, graze, hit.
    void CheckEnemyShots(EnemyShot** shots, int count);
    // Body contact with one enemy, given its box and hit half-extents.
    void CheckCollision(SDL_Rect rect, int halfWidth, int halfHeight);

    // State 2 for 300 frames (also cuts an explosion short without costing a life).
    void MakeInvulnerable();
    void StopBanking();

    EnemyShot** GetShots() const { return shots.Slots(); }
    int GetShotCount() const { return shots.Size(); }
    int GetLives() const { return lives; }
    int GetWeaponLevel() const { return weaponLevel; }

    // Read-outs for the simulator's autopilot and for tests.
    SDL_Rect GetRect() const { return box; }
    int GetState() const { return state; }
    int GetBank() const { return bank; }
    bool IsFiring() const { return firing; }
    bool IsBoosted() const { return grazeTimer > 0; }
    int GetGrazeTimer() const { return grazeTimer; }
    int GetInvulnerableCounter() const { return invulnerableCounter; }
    // Sets the weapon level directly (the simulator's and tests' shortcut past the bonuses).
    void SetWeaponLevel(int level) { weaponLevel = level; }

private:
    void FireVolley(SDL_Surface* const* pictures, int count, int shift);
    void DrawShip(SDL_Surface* picture, int column, int row, SDL_Rect dest);
    void AdvanceAnimation();
    void DrawExplosion();

    SDL_Surface* screen;
    SDL_Rect box;
    int32_t contactMarginX;
    int32_t contactMarginY;
    int32_t lives;
    ShotPool shots;
    SDL_Surface* sheet;
    SDL_Surface* boostedSheet;
    SDL_Surface* explosionSheet;
    int32_t animFrame;
    int32_t animTick;
    int32_t state;
    int32_t bank;
    int32_t explosionStepMs;
    int32_t explosionStep;
    int32_t explosionSteps;
    Uint32 explosionLastTick;
    Mix_Chunk* explosionSound;
    Mix_Chunk* shotSound;
    Mix_Chunk* bonusSound;
    int32_t explosionCellWidth;
    int32_t explosionCellHeight;
    SDL_Surface* shotPictures[kShotPictureCount];
    SDL_Surface* boostedShotPictures[kShotPictureCount];
    bool firing;
    Uint32 lastVolleyTick;
    bool explosionSoundPending;
    int32_t invulnerableCounter;
    int32_t grazeTimer;
    int32_t weaponLevel;
};
