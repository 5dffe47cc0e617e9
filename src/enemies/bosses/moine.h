// The boss of Level 1: a monk that sits in the middle of the playfield and never moves. It
// cycles through a ring-fed stream, six-armed turning bursts and four-armed wavy spirals.
#pragma once

#include "enemies/bosses/scripted_boss.h"

class Moine;
struct MoineArms;  // the arm volleys of moine.cpp

// How a phase of Moine's script fires: a volley of attack in the window, the aim turned by
// angleStep after each (wrapping to 0 at 360), the animation stepped every animEvery ticks
// through animCells cells.
struct MoineVolleys {
    void (Moine::*attack)();
    FireWindow fires;
    int angleStep;
    int animEvery;
    int animCells;
};

class Moine : public ScriptedBoss<Moine, MoineVolleys> {
public:
    static const BossTraits kTraits;
    static constexpr EntrySlide kEntry = {.length = 1};  // the fight starts on the first frame
    enum PhaseName { kEntryPhase, kStream, kBursts, kSpirals };
    static const Phase kScript[3];  // the stream, the bursts, the spirals, then the stream again
    static const int kRingX[12];    // the ring stream's spawn points, before playfield::kInnerLeft is added to x
    static const int kRingY[12];

    Moine(SDL_Surface* screen, const Spawn& at, Energy energy);

    int GetRingIndex() const { return ringIndex; }

protected:
    void Entered(int from) override;
    int HitCell() const override { return frame + 4; }

private:
    void Fight(const Phase& current, int& dx, int& dy);
    void RingStream();
    void TurningBurst();
    void WavySpiral();
    void Arms(const MoineArms& kind);

    SDL_Surface* shotYellowA;
    SDL_Surface* shotYellowB;
    int ringIndex = 0;
};
