// Level 5: a swarm of butterflies from both side edges, two lines of fairies, three bonus saucers,
// eye ships from behind the left panel, a block of 36 rows of eight Vax, a stream of Vax from
// random columns, two more butterfly swarms, and RadioZonde.
#pragma once

#include "levels/level_script.h"
#include "levels/scripted_level.h"

class Level5Script : public LevelScript {
public:
    static constexpr int32_t kTableSize = 1030;
    static constexpr int32_t kVaxBlockFirst = 312;
    static constexpr int32_t kVaxBlockLast = 599;
    static constexpr int kVaxColumns = 8;

    // The box of the Vax block's slot: eight columns side by side, rows 68 pixels apart stacked
    // upward from just above the window.
    static SDL_Rect VaxBlockBox(int32_t slot);

    Level5Script();

    const LevelProfile& Profile() const override { return profile; }
    void BuildTimetable(Timetable& table) override;
    BossEntry MakeBoss(SDL_Surface* screen, int32_t spawnTime) override;

private:
    LevelProfile profile;
};

using Level5 = ScriptedLevelOf<Level5Script>;
