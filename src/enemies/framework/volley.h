// One volley: a walk over an owner's shot array in index order that hands out the free slots, one
// per shot, until the volley is complete or the array runs out. A full array leaves the volley
// short, and short volleys make no sound.
//
// A shot is made only once its slot has been found, so the random numbers a shot draws are drawn
// for the shots placed and for no others.
#pragma once

#include <SDL/SDL.h>

#include "enemies/framework/enemy_shot.h"

// A pattern-mode shot set up with SetOrbit(box.x, box.y, 0, angle, angleStep, radiusStep, phase1,
// phase2).
EnemyShot* NewOrbitShot(SDL_Surface* screen, SDL_Surface* frameA, SDL_Surface* frameB, SDL_Rect box,
                        MovePattern pattern, int angle, int angleStep, int radiusStep, int phase1, int phase2);
// A Radial shot: a straight ray from (box.x, box.y) at radiusStep pixels per frame.
inline EnemyShot* NewRadialShot(SDL_Surface* screen, SDL_Surface* frameA, SDL_Surface* frameB, SDL_Rect box, int angle,
                                int radiusStep) {
    return NewOrbitShot(screen, frameA, frameB, box, MovePattern::Radial, angle, 0, radiusStep, 0, 0);
}

class Volley {
public:
    Volley(EnemyShot** shots, int slotCount, int size) : shots(shots), slotCount(slotCount), size(size) {}

    // Places make(), called only when there is a free slot for it. Null when there is none (make
    // is not called).
    template <typename Make>
    EnemyShot* Add(Make&& make) {
        return Fits() ? Place(make()) : nullptr;
    }
    // Places shots until the volley is complete or the array is full; make(n) makes shot number n,
    // counted from 0 over the whole volley.
    template <typename Make>
    void Fill(Make&& make) {
        while (Fits()) Place(make(placed));
    }

    // Shots placed so far; while a maker runs, the number (from 0) of the shot it makes.
    int Placed() const { return placed; }
    bool Complete() const { return placed == size; }
    // Whether the walk meets count more free slots past the shots placed. Some enemies only sound
    // a complete volley then.
    bool SpareSlots(int count = 1) const;

    // Add with the shot's values worked out before the slot is known: give these no value that
    // draws a random number.
    EnemyShot* Orbit(SDL_Surface* screen, SDL_Surface* frameA, SDL_Surface* frameB, SDL_Rect box, MovePattern pattern,
                     int angle, int angleStep, int radiusStep, int phase1, int phase2) {
        return Add([&] {
            return NewOrbitShot(screen, frameA, frameB, box, pattern, angle, angleStep, radiusStep, phase1, phase2);
        });
    }
    EnemyShot* Radial(SDL_Surface* screen, SDL_Surface* frameA, SDL_Surface* frameB, SDL_Rect box, int angle,
                      int radiusStep) {
        return Add([&] { return NewRadialShot(screen, frameA, frameB, box, angle, radiusStep); });
    }
    // A path-mode shot along four legs.
    EnemyShot* Path(SDL_Surface* screen, SDL_Surface* frameA, SDL_Surface* frameB, SDL_Rect box,
                    const PathSegment legs[4]) {
        return Add([&] { return new EnemyShot(screen, frameA, frameB, box, legs[0], legs[1], legs[2], legs[3]); });
    }

private:
    // Moves the cursor to the next free slot; false once the volley is complete or the array is full.
    bool Fits();
    EnemyShot* Place(EnemyShot* shot);

    EnemyShot** shots;
    int slotCount;
    int size;
    int cursor = 0;
    int placed = 0;
};
