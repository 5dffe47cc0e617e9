// The large ships that fly in, stay and fire for a fixed number of frames, and fly out: one
// entry / attack / exit machine driven by each class's row of lengths, steps and fire windows.
// A class writes its volley and, where it has one, its animation and aim.
#pragma once

#include "enemies/framework/fire_window.h"
#include "enemies/regular/regular_enemy.h"

// What a step is multiplied by.
enum class StepScale { One, Dir, Speed };

// Set by name, like the traits; the steps and the start angle default to 0, the scales to One.
struct PhaseRow {
    int entryLength;      // frames of the entry; the attack begins on the frame after
    int entryMoveFrames;  // the entry moves while the counter is below this
    int entryDx = 0, entryDy = 0;
    StepScale entryScale = StepScale::One;
    int attackLength;
    FireWindow fire;  // in the attack's counter
    int fireAngleStart = 0;
    int exitDx = 0, exitDy = 0;
    StepScale exitScale = StepScale::One;
};

class PhasedEnemy : public RegularEnemy {
public:
    enum Phase { kEntry, kAttack, kExit };
    static constexpr int kExitStart = 201;
    static constexpr int kExitEnd = 3000;

    int GetPhase() const { return phase; }
    int GetPhaseCounter() const { return phaseCounter; }
    int GetFireAngle() const { return fireAngle; }

protected:
    PhasedEnemy(SDL_Surface* screen, LevelAssets* assets, const Spawn& at, const RegularTraits& traits, int hitPoints,
                const PhaseRow& row);

    void Steer() override;
    virtual void Fire() = 0;
    // Aim kept between volleys.
    virtual void BeforeVolley() {}
    virtual void AfterVolley() {}
    virtual void Animate(Phase current) { (void)current; }

    // Turns the volley's base angle by step, folding it back first once it has reached 360.
    void TurnFireAngle(int step);

    const PhaseRow& row;
    int phase = kEntry;
    int phaseCounter = 0;
    int phaseLength;
    int fireAngle = 0;
    int dir = 1;
    int speed = 1;
    int angleDir = 1;

private:
    int Scale(StepScale scale) const;
};
