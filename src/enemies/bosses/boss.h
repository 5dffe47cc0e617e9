// The shape every boss shares: energy, the shot array, the sprite sheet with its hit flash, the
// 192x192 explosion, the 35 frames after it, the off-screen rule, the phase counters and the
// volley walk. A boss class writes its entry (phase 0), its script (RunPhase) and its volleys
// (Fire), and picks a few knobs.
#pragma once

#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>

#include <vector>

#include "enemies/framework/enemy.h"
#include "platform/loaders.h"

struct BossTraits {
    int points;
    int energyPerUnit;
    int shotSlots;
    const char* sheetPath;
    platform::ColorKey sheetKey;
    int sheetCells;
    int rightEdge;       // the off-screen rule's right edge: 502 or 510
    bool boostedResult;  // CheckHit answers 99999 for a boosted shot instead of its index
    bool waitsForShots;  // goes only once its last shot has gone too
};

class Boss : public Enemy {
public:
    static constexpr int kEndFrames = 35;
    static constexpr int kExplosionCells = 16;
    static constexpr int kExplosionCellSize = 192;
    static constexpr int kExplosionPeriod = 60;

    ~Boss() override;

    bool Update() override;
    int CheckHit(EnemyShot** heroShots, int count) override;
    bool IsDestroyed() override { return state == kDestroyed; }
    EnemyShot** GetShots() override { return shots; }
    int GetShotCount() override { return shotSlotCount; }

    int GetEnergy() const { return energy; }
    int GetMaxEnergy() const { return maxEnergy; }

    // Read-outs for tests and tools.
    int GetState() const { return state; }
    int GetFrame() const { return frame; }
    int GetPhase() const { return phase; }
    int GetPhaseTick() const { return phaseTick; }
    int GetAngle() const { return angle; }
    int GetExplosionCell() const { return explosionCell; }
    int GetEndCounter() const { return endCounter; }
    int LiveShots() const;

    enum State { kNormal = 0, kHit = 1, kDestroyed = 2 };

protected:
    Boss(SDL_Surface* screen, SDL_Rect box, int hitHalfWidth, int hitHalfHeight, int spawnTime, int energyUnits,
         const BossTraits& traits);

    // Runs the script and moves the boss; nothing once its energy is gone.
    void Advance();
    // Phase 0: the boss slides in (or not) and starts phase 1.
    virtual void Entry(int& dx, int& dy) = 0;
    // Phases 1 and up; may add to this frame's displacement.
    virtual void RunPhase(int& dx, int& dy) = 0;
    // One volley of the kind attackKind names.
    virtual void Fire() = 0;
    // The hit flash; the default draws cell HitCell() of the sheet.
    virtual void DrawHit();
    virtual int HitCell() const { return frame; }
    // The sheet the boss is drawn from now; a boss with a damaged look switches it.
    virtual SDL_Surface* Sheet() const { return sheet; }
    // Whether a hero shot with box s hits the boss; the default is the box test of the half extents.
    virtual bool Hits(const SDL_Rect& s) const;
    // The hit rule: the shot's centre and (cx, cy) lie closer on each axis than the shot's half
    // size plus halfW or halfH (integer halves, strict).
    static bool CentresMeet(const SDL_Rect& s, int cx, int cy, int halfW, int halfH);

    // Draws cell c of a sheet of cells cells at the box's corner.
    void DrawCell(SDL_Surface* picture, int cells, int c);
    // Plays the fire sound: the last shot of a complete volley has been stored.
    void PlayFireSound();
    // A picture or sound of the class's own, freed with the boss after its shots.
    SDL_Surface* Own(SDL_Surface* picture);
    Mix_Chunk* Own(Mix_Chunk* sound);

    const BossTraits& traits;
    SDL_Surface* screen;
    int energy;
    int maxEnergy;
    int shotSlotCount;
    EnemyShot** shots;
    SDL_Surface* sheet;
    SDL_Surface* explosionSheet;
    int frame = 0;
    int state = kNormal;
    int explosionPeriod = kExplosionPeriod;
    int explosionCell = 0;
    int explosionCellCount = kExplosionCells;
    Uint32 explosionLastTick = 0;
    Mix_Chunk* explosionSound;
    Mix_Chunk* fireSound;
    int explosionCellWidth = kExplosionCellSize;
    int explosionCellHeight = kExplosionCellSize;
    bool explosionSoundPending = false;
    int endCounter = 0;
    int phase = 0;
    int phaseTick = 0;
    int phaseLength = 0;
    int attackKind = 0;
    int angle = 0;

private:
    bool Explode();  // false once the boss is finished

    std::vector<SDL_Surface*> ownedPictures;
    std::vector<Mix_Chunk*> ownedSounds;
};
