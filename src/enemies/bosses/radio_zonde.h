// The boss of Level 5: a tall radio probe that slides in from the right and fires from one emitter
// without pause: a turning four-way cross, a turning four-way fan, then for the rest of the fight
// rosettes of nineteen shots that spiral out both ways, hold, and scatter.
#pragma once

#include "enemies/bosses/boss.h"

class RadioZonde : public Boss {
public:
    static const BossTraits kTraits;

    static constexpr int kEntryLength = 300;
    static constexpr int kSlideTicks = 68;  // 5 pixels left a frame, while the tick is below this
    static constexpr int kEmitterX = 148;   // relative to the box
    static constexpr int kEmitterY = 164;
    static constexpr int kRosetteShots = 19;
    static constexpr int kScatterFirst = 200;
    static constexpr int kScatterLast = 400;

    RadioZonde(SDL_Surface* screen, SDL_Rect box, int hitHalfWidth, int hitHalfHeight, int spawnTime,
               int energyUnits);

    int GetSweepDirection() const { return sweepDirection; }
    int GetScatterDelay() const { return scatterDelay; }

protected:
    void Entry(int& dx, int& dy) override;
    void RunPhase(int& dx, int& dy) override;
    void Fire() override;
    int HitCell() const override { return frame + 2; }

private:
    void StartPhase(int next);
    void Sweep();

    SDL_Surface* shotPlainRedA;
    SDL_Surface* shotPlainRedB;
    SDL_Surface* shotRedA;
    SDL_Surface* shotRedB;
    SDL_Surface* shotAmberA;
    SDL_Surface* shotAmberB;
    int sweepDirection = 1;
    int scatterDelay = kScatterFirst;
};
