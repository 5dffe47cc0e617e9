// The mid-boss of Level 6: a giant insect that drops in from the top edge and stays there. Its
// script adapts to the player: a hero still on the first weapon level gets a bonus every cycle,
// a better armed one skips to the harder phases. Only four parts of its body can be hit, a
// boosted shot that kills it scores double, and it leaves only once its last shot has gone.
#pragma once

#include "enemies/bosses/scripted_boss.h"

struct InsecteRing;  // the rings of insecte.cpp

class Insecte : public ScriptedBoss<Insecte> {
public:
    static const BossTraits kTraits;
    static constexpr int kEntryLength = 200;
    static constexpr int kDescentTicks = 45;  // 5 pixels down a frame while the tick is below this
    static constexpr int kGunX = 88;          // the main gun, from the box's corner
    static constexpr int kGunY = 47;
    // Drops in from above the window, then hovers until the tick reaches the entry's length.
    static constexpr EntrySlide kEntry = {.length = kEntryLength, .slideTicks = kDescentTicks, .dy = 5};
    enum PhaseName { kEntryPhase, kStar, kBonus, kSpiral, kBonusAndSpray, kSwingingRing, kDivingSpiral };
    static const Phase kScript[6];

    // The parts of the body a hero shot can hit, from the box's corner, tested in this order.
    struct Zone {
        int x, y, w, h;
    };
    static const Zone kZones[4];

    Insecte(SDL_Surface* screen, const Spawn& at, Energy energy);

    // The level reports the hero's weapon level every frame; the script reads it only when it
    // switches phases.
    void SetHeroWeaponLevel(int level) { heroWeaponLevel = level; }

    int GetHeroWeaponLevel() const { return heroWeaponLevel; }

protected:
    void EntryFrame() override;
    void Entered(int from) override;
    int HitCell() const override { return 4 + frame % 2; }
    bool Hits(const SDL_Rect& s) const override;

private:
    void Star();
    void Bonus();
    void Spiral();
    void BonusAndSpray();
    void SwingingRing();
    void DivingSpiral();
    // The weapon level counts only at a switch.
    template <int level>
    bool WeaponAbove() const {
        return heroWeaponLevel > level;
    }
    void Animate();
    void FireRing(const InsecteRing& ring);
    void DropBonus();
    void BlueSpray();
    SDL_Rect Gun() const;

    Mix_Chunk* arrivalSound;
    SDL_Surface* shotPlainRedA;
    SDL_Surface* shotPlainRedB;
    SDL_Surface* bonusA;
    SDL_Surface* bonusB;
    SDL_Surface* shotBlueA;
    SDL_Surface* shotBlueB;
    int heroWeaponLevel = 1;
};
