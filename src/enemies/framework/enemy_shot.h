// The one projectile of the game: enemy fire, bonuses and the hero's own shots.
//
// A shot moves either along four straight legs (path mode) or by a numbered polar movement
// pattern (pattern mode), animates between two pictures, draws itself and reports whether it
// is still in bounds. It never tests collisions: enemies and the hero do that through
// GetRect, GetDamage and IsBonus. Pictures are borrowed, never freed by the shot.
#pragma once

#include <SDL/SDL.h>

#include <climits>
#include <cstdint>

// One straight leg: dx, dy pixels per frame for steps frames.
struct PathSegment {
    int32_t dx;
    int32_t dy;
    int32_t steps;
};

// The movement patterns the game uses, by their numbers.
enum class MovePattern : int32_t {
    Spiral = 5,               // radius and angle advance
    Radial = 6,               // straight ray out of the centre
    RadialThenTurn = 14,      // ray for phase2 frames, then along exitAngle at 1 px/frame
    Wave = 19,                // ray that bends one way, holds, bends back, holds
    RadialThenFall = 26,      // ray for 91 frames, then falls (optionally drifting sideways)
    RadialThenTurnFast = 27,  // as RadialThenTurn, 5 px/frame after the turn
    SpiralThenScatter = 28,   // spiral, stand still, then scatter in a random direction
    SpiralThenDive = 29,      // spiral out to radius 200, then dive 6 px/frame
};

class EnemyShot {
public:
    // Path mode: the four legs are walked in order, the last one for ever.
    EnemyShot(SDL_Surface* screen, SDL_Surface* frameA, SDL_Surface* frameB, SDL_Rect box, PathSegment s0,
              PathSegment s1, PathSegment s2, PathSegment s3);
    // Pattern mode: call SetOrbit (and SetExitAngle for the two turning patterns) before the
    // first Update. Setting vx and vy to anything but 99, 99 suppresses the pattern's own
    // initialisation.
    EnemyShot(SDL_Surface* screen, SDL_Surface* frameA, SDL_Surface* frameB, SDL_Rect box, MovePattern movePattern);
    ~EnemyShot() = default;
    EnemyShot(const EnemyShot&) = delete;
    EnemyShot& operator=(const EnemyShot&) = delete;

    void SetOrbit(int centreX, int centreY, int radius, int angle, int angleStep, int radiusStep, int phase1,
                  int phase2);
    void SetExitAngle(int degrees);
    int GetAngle() const;
    void SetVx(int value);
    void SetVy(int value);
    void SetTick(int value);
    void SetDriftBand(int left, int right);
    void SetAltFrames(SDL_Surface* frameA, SDL_Surface* frameB);
    void SetBonus(bool bonus);
    bool IsBonus() const;
    void SetDamage(int value);
    int GetDamage() const;
    // A hero shot fired while the graze boost lasts: what it destroys scores double.
    void SetBoosted(bool value) { boosted = value; }
    bool IsBoosted() const { return boosted; }
    SDL_Rect GetRect() const;

    // One frame: move, animate, draw, bounds test. *alive becomes false once the moved box
    // is outside its bounds (the shot is still drawn on that frame).
    void Update(bool* alive);

    // Read-outs for the owners' scripts and for tests.
    bool IsPatternMode() const { return patternMode != 0; }
    MovePattern GetMovePattern() const { return movePattern; }
    int GetSegment() const { return segment; }
    int GetTick() const { return tick; }
    int GetRadius() const { return radius; }
    int GetVx() const { return vx; }
    int GetVy() const { return vy; }
    bool UsesAltFrames() const { return useAltFrames; }

private:
    bool MovePath();
    bool MoveByPattern();  // false for a number the game does not use
    void InitPattern();
    void PlaceOnCircle();
    void PolarStep(bool turn);
    void WrapAngle();
    void TurnPattern(int speedAfterTurn);
    bool UsesWideBounds() const;
    // cos and sin of an angle in degrees; most shots keep one angle for their whole flight, so the
    // last pair is kept.
    void CosSin(int32_t degrees, double* c, double* s);

    SDL_Surface* screen;
    SDL_Surface* frameA;
    SDL_Surface* frameB;
    SDL_Surface* altFrameA;
    SDL_Surface* altFrameB;
    SDL_Rect box;
    PathSegment path[4];
    int32_t segment = 0;
    int32_t animCounter;
    int32_t vx;
    int32_t vy;
    int32_t patternMode;
    MovePattern movePattern;
    int32_t tick;
    int32_t centreX = 0;
    int32_t centreY = 0;
    int32_t radius = 0;
    int32_t angle = 0;
    int32_t angleStep = 0;
    int32_t radiusStep = 0;
    int32_t phase1 = 0;
    int32_t phase2 = 0;
    int32_t exitAngle = 0;
    int32_t driftLeft = 0;
    int32_t driftRight = 0;
    int32_t damage = 1;
    bool useAltFrames = false;
    bool isBonus = false;
    bool boosted = false;
    int32_t trigDegrees = INT32_MIN;
    double trigCos = 1.0;
    double trigSin = 0.0;
};

// The hit rule of every target, enemy or hero: the shot's centre and (cx, cy) lie closer on each
// axis than the shot's half size plus halfW or halfH (integer halves, strict).
bool CentresMeet(const SDL_Rect& s, int cx, int cy, int halfW, int halfH);

// Runs one frame of every shot in an owner's array: shots that report themselves gone are
// deleted and their slots nulled. Returns how many shots are still in flight.
int UpdateShots(EnemyShot** shots, int count);

// Deletes every shot in the array and nulls its slot; the array itself stays the caller's.
void DeleteShots(EnemyShot** shots, int count);
