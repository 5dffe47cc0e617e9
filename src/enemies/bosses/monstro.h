// The boss of Level 4: a monster that descends from the top edge, sprays shots from eight mouths,
// drops crawling walkers, lunges down the screen and, in its last stage, sways from side to side
// and lunges at random moments.
#pragma once

#include "core/playfield.h"
#include "enemies/bosses/scripted_boss.h"

class Monstro : public ScriptedBoss<Monstro> {
public:
    static const BossTraits kTraits;
    static constexpr int kDescentTicks = 150;  // 2 pixels down a frame, while the tick is below this
    static constexpr int kRestY = 47;          // where the descent ends and every lunge climbs back to
    static constexpr int kSwayLeftX = playfield::kLeft;
    static constexpr int kSwayRightX = 240;
    // Comes down from above the window and waits out the rest of its entry at rest.
    static constexpr EntrySlide kEntry = {.length = 400, .slideTicks = kDescentTicks, .dy = 2};
    static const Phase kScript[5];  // after phase 3, only 4 and 5 to the end

    // One mouth of the eight-mouth spray: where it sits on the body and the first of the 90
    // degrees its shot may take.
    struct Mouth {
        int x, y, baseAngle;
    };
    static const Mouth kMouths[8];

    Monstro(SDL_Surface* screen, const Spawn& at, Energy energy);

    bool SwaysRight() const { return swayRight; }

protected:
    void EntryFrame() override { Animate(); }
    int HitCell() const override { return frame + 2; }

private:
    void SprayPhase();
    void LungePhase(const Phase& current, int& dx, int& dy);
    void WalkerPhase();
    void SwayPhase(const Phase& current, int& dx, int& dy);
    void Animate();
    void Lunge(int& dy);
    void Sway(int& dx);
    // Eight shots, one from each mouth, spread at random over its quarter.
    void Spray();
    // Two shots that walk out of the side mouths, drop and creep.
    void Walkers();

    Mix_Chunk* chargeSound;
    SDL_Surface* shotRedA;
    SDL_Surface* shotRedB;
    bool swayRight = false;
};
