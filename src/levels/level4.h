// Level 4: a dense stream of arrows from the top corners and the side edges, a rain of amoebas
// from random columns, three bonus saucers, and Monstro.
#pragma once

#include "levels/level_script.h"
#include "levels/scripted_level.h"

class Level4Script : public LevelScript {
public:
    static constexpr int32_t kTableSize = 900;

    // Where one arrow enters and how many random numbers that took (2 to 4).
    struct ArrowEntry {
        int x, y;
        int draws;
    };
    // Draws the arrow's entry point: the top of the left strip, the left edge, the right edge or
    // the top of the right strip.
    static ArrowEntry DrawArrowEntry();

    Level4Script();

    const LevelProfile& Profile() const override { return profile; }
    void BuildTimetable(Timetable& table) override;
    BossEntry MakeBoss(SDL_Surface* screen, int32_t spawnTime) override;

private:
    LevelProfile profile;
};

using Level4 = ScriptedLevelOf<Level4Script>;
