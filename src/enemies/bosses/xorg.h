// The final boss: it comes down from the top edge and fires everything from one central gun,
// its aim swinging back and forth. Below half its energy it changes its look and turns to
// harder attacks for the rest of the fight; its music starts only when the fight does.
#pragma once

#include "enemies/bosses/scripted_boss.h"

// What a phase of Xorg's script fires and when, and how far its aim may swing: it turns back
// once beyond +-swingBound.
struct XorgAttack;  // the rows of xorg.cpp

struct XorgVolleys {
    const XorgAttack* attack;
    FireWindow fires;
    int swingBound;
};

class Xorg : public ScriptedBoss<Xorg, XorgVolleys> {
public:
    static const BossTraits kTraits;

    static constexpr int kEntryLength = 55;
    static constexpr int kDescentTicks = 53;  // 5 pixels down a frame while the tick is below this
    static constexpr int kGunX = 104;         // the gun, from the box's corner
    static constexpr int kGunY = 118;
    static constexpr int kBandLeft = 295;  // the falling shots' drift band as phase 4 starts
    static constexpr int kBandRight = 337;
    // Comes down from above the window; the music is held until the fight begins.
    static constexpr EntrySlide kEntry = {
        .length = kEntryLength, .slideTicks = kDescentTicks, .dy = 5, .holdsMusic = true};
    enum PhaseName { kEntryPhase, kCrosses, kRain, kSwervingCrosses, kFastRain, kFastPairs };
    static const Phase kScript[5];

    Xorg(SDL_Surface* screen, const Spawn& at, Energy energy);

    bool Damaged() const { return energy <= maxEnergy / 2; }
    int GetDriftBandLeft() const { return driftBandLeft; }
    int GetDriftBandRight() const { return driftBandRight; }

protected:
    void EntryFrame() override;
    void Entered(int from) override;
    int HitCell() const override { return 2; }
    SDL_Surface* Sheet() const override { return Damaged() ? damagedSheet : sheet; }

private:
    bool BelowHalf() const { return energy < maxEnergy / 2; }
    void Fight(const Phase& current, int& dx, int& dy);
    void FallingSetUp(EnemyShot* shot, int vy);
    void Fire(const XorgAttack& attack);

    SDL_Surface* damagedSheet;
    Mix_Chunk* arrivalSound;
    Mix_Chunk* changeSound;
    SDL_Surface* shotIceA;
    SDL_Surface* shotIceB;
    SDL_Surface* shotRedA;
    SDL_Surface* shotRedB;
    int driftBandLeft = kBandLeft;
    int driftBandRight = kBandRight;
};
