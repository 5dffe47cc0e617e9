// One volley: a walk over an owner's shot array in index order that hands out the free slots, one
// per shot, until the volley is complete or the array runs out. A full array leaves the volley
// short, and short volleys make no sound.
#pragma once

#include <SDL/SDL.h>

#include "enemies/framework/enemy_shot.h"

class Volley {
public:
    Volley(EnemyShot** shots, int slotCount, int size) : shots(shots), slotCount(slotCount), size(size) {}

    // The slot for shot number Placed(), or null once the volley is complete or the array is full.
    // The caller stores the new shot there before it asks again.
    EnemyShot** Next();
    // Shots handed out so far; while walking, the number of the shot being built.
    int Placed() const { return placed; }
    bool Complete() const { return placed == size; }
    // After a complete volley: whether the walk meets one more free slot. Some enemies only sound
    // their volley then.
    bool SpareSlot();

    // The builders below take Next() and build the shot in that slot. Their arguments are worked
    // out even when the array is full, so a shot whose values draw random numbers is built from
    // Next() by hand, keeping the draws to the shots actually placed.
    //
    // Next(), then a pattern-mode shot in that slot set up with SetOrbit(x, y, 0, angle,
    // angleStep, radiusStep, phase1, phase2). Null when there is no slot (nothing is built).
    EnemyShot* Orbit(SDL_Surface* screen, SDL_Surface* frameA, SDL_Surface* frameB, SDL_Rect box,
                     MovePattern pattern, int angle, int angleStep, int radiusStep, int phase1, int phase2);
    // A Radial shot: a straight ray from (box.x, box.y) at radiusStep pixels per frame.
    EnemyShot* Radial(SDL_Surface* screen, SDL_Surface* frameA, SDL_Surface* frameB, SDL_Rect box, int angle,
                      int radiusStep) {
        return Orbit(screen, frameA, frameB, box, MovePattern::Radial, angle, 0, radiusStep, 0, 0);
    }
    // A path-mode shot along four legs.
    EnemyShot* Path(SDL_Surface* screen, SDL_Surface* frameA, SDL_Surface* frameB, SDL_Rect box,
                    const PathSegment legs[4]);

private:
    EnemyShot** shots;
    int slotCount;
    int size;
    int cursor = 0;
    int placed = 0;
};
