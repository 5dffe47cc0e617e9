// The boss of Level 5: a tall radio probe that slides in from the right and fires from one emitter
// without pause: a turning four-way cross, a turning four-way fan, then for the rest of the fight
// rosettes of nineteen shots that spiral out both ways, hold, and scatter.
#pragma once

#include "enemies/bosses/scripted_boss.h"

class RadioZonde : public ScriptedBoss<RadioZonde> {
public:
    static const BossTraits kTraits;
    static constexpr int kSlideTicks = 68;  // 5 pixels left a frame, while the tick is below this
    // Slides in to the middle and waits out the rest of its entry there; it never moves again.
    static constexpr EntrySlide kEntry = {.length = 300, .slideTicks = kSlideTicks, .dx = -5};
    static const Phase kScript[3];         // 1, 2, then 3 to the end
    static constexpr int kEmitterX = 148;  // relative to the box
    static constexpr int kEmitterY = 164;
    static constexpr int kRosetteShots = 19;
    static constexpr int kScatterFirst = 200;
    static constexpr int kScatterLast = 400;

    RadioZonde(SDL_Surface* screen, const Spawn& at, Energy energy);

    int GetScatterDelay() const { return scatterDelay; }

protected:
    void Entered(int from) override;
    int HitCell() const override { return frame + 2; }

private:
    void CrossPhase();
    void FanPhase();
    void RosettePhase();
    // Four arms spread degrees apart: the cross (90) and the fan (20).
    void FourArms(int spread);
    void Rosette();
    SDL_Rect Emitter() const;
    void Sweep();

    SDL_Surface* shotPlainRedA;
    SDL_Surface* shotPlainRedB;
    SDL_Surface* shotRedA;
    SDL_Surface* shotRedB;
    SDL_Surface* shotAmberA;
    SDL_Surface* shotAmberB;
    int scatterDelay = kScatterFirst;
};
