// The shape every boss shares: energy, the shot array, the sprite sheet with its hit flash, the
// 192x192 explosion, the 35 frames after it, the off-screen rule, the phase counters with the
// slide-in entry and the phase switch, and the volley walk. A boss class declares its script as
// a table (ScriptedBoss), writes the bodies of its phases and its volleys (Fire), and picks a
// few knobs.
#pragma once

#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>

#include <climits>
#include <vector>

#include "core/catalogue.h"
#include "core/utilities.h"
#include "enemies/framework/enemy.h"
#include "enemies/framework/fire_window.h"
#include "enemies/framework/shot_pool.h"
#include "platform/loaders.h"

// A boss's energy, in units of its class's energyPerUnit: the level that fields it picks the units.
struct Energy {
    int units;
};

struct BossTraits {
    int points;
    int energyPerUnit;
    int shotSlots;
    const catalogue::Picture* sheet;  // its cells side by side; its box is one cell
    int hitHalfWidth;                 // of its hit rectangle, around the box's centre
    int hitHalfHeight;
    int rightEdge;               // the off-screen rule's right edge: playfield::kRight or 510
    bool boostedResult = false;  // CheckHit answers 99999 for a boosted shot instead of its index
    bool waitsForShots = false;  // goes only once its last shot has gone too
};

class Boss : public Enemy {
public:
    static constexpr int kEndFrames = 35;
    static constexpr int kExplosionCells = catalogue::kBigBlast.cols;
    static constexpr int kExplosionCellSize = catalogue::kBigBlast.cellWidth;
    static constexpr int kExplosionPeriod = 60;

    ~Boss() override;

    bool Update() override;
    int CheckHit(EnemyShot** heroShots, int count) override;
    bool IsDestroyed() override { return state == kDestroyed; }
    EnemyShot** GetShots() override { return shots.Slots(); }
    int GetShotCount() override { return shots.Size(); }

    int GetEnergy() const { return energy; }
    int GetMaxEnergy() const { return maxEnergy; }

    // Read-outs for tests and tools.
    int GetState() const { return state; }
    int GetFrame() const { return frame; }
    int GetPhase() const { return phase; }
    int GetPhaseTick() const { return phaseTick; }
    int GetPhaseLength() const { return phaseLength; }
    int GetAngle() const { return angle; }
    int GetSweepDirection() const { return sweepDirection; }
    int GetExplosionCell() const { return explosionCell; }
    int GetEndCounter() const { return endCounter; }
    int LiveShots() const { return shots.Live(); }

    enum State { kNormal = 0, kHit = 1, kDestroyed = 2 };

    // A reset that leaves the value as it is.
    static constexpr int kKeep = INT_MIN;

    // Phase 0: the boss moves (dx, dy) a frame while the tick is below slideTicks, counts the
    // tick, and starts phase 1 on the frame the tick reaches length. The boss music may start
    // with the slide, or only with the fight when holdsMusic.
    struct EntrySlide {
        int length;
        int slideTicks = 0;
        int dx = 0;
        int dy = 0;
        bool holdsMusic = false;
    };

protected:
    Boss(SDL_Surface* screen, const Spawn& at, Energy energy, const BossTraits& traits);

    // Runs the script and moves the boss; nothing once its energy is gone.
    void Advance();
    // One frame of the script (ScriptedBoss); may add to this frame's displacement.
    virtual void RunScript(int& dx, int& dy) = 0;

    // One frame of the entry; true on the frame it ends, with the boss music released.
    bool SlideIn(const EntrySlide& entry, int& dx, int& dy);
    // What the class does on each entry frame before it moves: its poses, its arrival sound.
    virtual void EntryFrame() {}
    // Switches to phase next of the given length. An angle other than kKeep aims afresh from
    // there (the sweep restarts with +1); a frame other than kKeep shows that cell.
    void StartPhase(int next, int length, int startAngle, int startFrame);
    // The class's own resets on a switch, with phase already the new one.
    virtual void Entered(int /*from*/) {}
    // The end of a phase tick: counts it, and ends a cut phase so that the switch comes next.
    void CountTick();
    // Ends the phase early: the next frame switches.
    void CutPhase() { phaseCut = true; }
    bool Fires(const FireWindow& window) const { return window.Due(phaseTick); }
    // How long a boss shot flies its first leg: 50 to 99 frames, drawn once a volley.
    static int FirstLegFrames() { return 50 + RandomInt(50); }
    // The hit flash; the default draws cell HitCell() of the sheet.
    virtual void DrawHit();
    virtual int HitCell() const { return frame; }
    // The sheet the boss is drawn from now; a boss with a damaged look switches it.
    virtual SDL_Surface* Sheet() const { return sheet; }
    // Whether a hero shot with box s hits the boss; the default is the box test of the half extents.
    virtual bool Hits(const SDL_Rect& s) const;

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
    ShotPool shots;
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
    int angle = 0;
    int sweepDirection = 1;  // +1 or -1: the sense in which the aim swings

private:
    bool Explode();  // false once the boss is finished

    std::vector<SDL_Surface*> ownedPictures;
    std::vector<Mix_Chunk*> ownedSounds;
    bool phaseCut = false;
};
