// The boss of Level 3: slides in from the right, stops in the middle of the playfield and fires
// every frame from two muzzles close together: pairs and quartets of red shots that fly out a
// short way along a turning angle and then double back or turn a right angle.
#pragma once

#include "enemies/bosses/scripted_boss.h"

struct DeathAttack;  // the rows of death.cpp

// A phase of Death's script: a volley of attack on every tick below fireBefore, and the aim
// turned by angleStep on every tick, firing or not.
struct DeathVolleys {
    const DeathAttack* attack;
    int fireBefore;
    int angleStep;
};

class Death : public ScriptedBoss<Death, DeathVolleys> {
public:
    static const BossTraits kTraits;
    static constexpr int kEntryFrames = 62;  // 5 pixels left a frame
    static constexpr EntrySlide kEntry = {.length = 400, .slideTicks = kEntryFrames, .dx = -5};
    enum PhaseName { kEntryPhase, kPairs, kQuartets, kReachingPairs };
    static const Phase kScript[3];  // pairs, quartets, reaching pairs, then pairs again
    static constexpr int kFightCell = 3;

    Death(SDL_Surface* screen, const Spawn& at, Energy energy);

protected:
    void EntryFrame() override;
    void Entered(int from) override;
    // The entry poses flash in cell 4, the fighting pose in cell 5.
    int HitCell() const override { return frame <= 2 ? 4 : 5; }

private:
    void Fight(const Phase& current, int& dx, int& dy);
    void Fire(const DeathAttack& attack);

    SDL_Surface* shotRedA;
    SDL_Surface* shotRedB;
};
