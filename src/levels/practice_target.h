// A small boss for the proving ground: it slides in from the top, sways across the playfield,
// fires fans and rings the hero can dodge and graze, takes hits until its energy is gone, and
// ends with the big timed explosion, so a level can be won without a real boss.
#pragma once

#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>

#include "enemies/framework/enemy.h"

class PracticeTarget : public Enemy {
public:
    static constexpr int kEnergyPerUnit = 150;
    static constexpr int kPoints = 300;
    static constexpr int kShotSlots = 300;
    static constexpr int kRestY = 60;          // where the entry ends and the music hold is released
    static constexpr int kEntryStep = 2;       // pixels per frame while sliding in
    static constexpr int kFanPeriod = 50;      // frames between two fans
    static constexpr int kRingPeriod = 150;    // frames between two rings
    static constexpr int kEndFrames = 35;      // invisible frames after the explosion

    PracticeTarget(SDL_Surface* screen, SDL_Rect box, int hitHalfWidth, int hitHalfHeight, int spawnTime,
                   int energyUnits);
    ~PracticeTarget() override;

    bool Update() override;
    int CheckHit(EnemyShot** heroShots, int count) override;
    bool IsDestroyed() override { return state == kDestroyed; }
    EnemyShot** GetShots() override { return shots; }
    int GetShotCount() override { return kShotSlots; }

    int GetEnergy() const { return energy; }
    int GetMaxEnergy() const { return maxEnergy; }
    int LiveShots() const;

private:
    enum State { kNormal = 0, kHit = 1, kDestroyed = 2 };

    void Advance();
    void FireFan();
    void FireRing();
    bool DrawExplosion();  // false once the explosion and the wait after it are over
    EnemyShot** FreeSlot();

    SDL_Surface* screen;
    int energy;
    int maxEnergy;
    EnemyShot** shots;
    SDL_Surface* sheet;
    SDL_Surface* explosionSheet;
    SDL_Surface* fanShotA;
    SDL_Surface* fanShotB;
    SDL_Surface* ringShotA;
    SDL_Surface* ringShotB;
    Mix_Chunk* explosionSound;
    Mix_Chunk* fireSound;
    int state;
    bool entering;
    int sway;
    int tick;
    int frame;
    int ringAngle;
    int explosionCell;
    Uint32 explosionLastTick;
    bool explosionSoundPending;
    int endCounter;
};
