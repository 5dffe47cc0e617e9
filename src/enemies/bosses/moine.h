// The boss of Level 1: a monk that sits in the middle of the playfield and never moves. It
// cycles through a ring-fed stream, six-armed turning bursts and four-armed wavy spirals.
#pragma once

#include "enemies/bosses/boss.h"

class Moine : public Boss {
public:
    static const BossTraits kTraits;

    // One phase of the script: fires every fireEvery ticks strictly between fireAfter and
    // fireBefore, turns the aim by angleStep after each volley (wrapping to 0 at 360), and steps
    // the animation every animEvery ticks through animCells cells.
    struct Phase {
        int length;
        int attackKind;
        int fireEvery;
        int fireAfter;
        int fireBefore;
        int angleStep;
        int animEvery;
        int animCells;
    };
    static const Phase kScript[3];  // phases 1, 2, 3, then 1 again
    static const int kRingX[12];    // the ring stream's spawn points, before 139 is added to x
    static const int kRingY[12];

    Moine(SDL_Surface* screen, SDL_Rect box, int hitHalfWidth, int hitHalfHeight, int spawnTime, int energyUnits);

    int GetRingIndex() const { return ringIndex; }

protected:
    void Entry(int& dx, int& dy) override;
    void RunPhase(int& dx, int& dy) override;
    void Fire() override;
    int HitCell() const override { return frame + 4; }

private:
    SDL_Surface* shotYellowA;
    SDL_Surface* shotYellowB;
    int ringIndex = 0;
};
