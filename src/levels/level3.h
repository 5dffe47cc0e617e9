// Level 3: a stream of blobs entering from the right edge, three bonus saucers, a rain of viruses
// from random columns, one crab entering from the left, and Death.
#pragma once

#include "levels/level_script.h"
#include "levels/scripted_level.h"

class Level3Script : public LevelScript {
public:
    static constexpr int32_t kTableSize = 571;

    Level3Script();

    const LevelProfile& Profile() const override { return profile; }
    void BuildTimetable(Timetable& table) override;
    BossEntry MakeBoss(SDL_Surface* screen, int32_t spawnTime) override;

private:
    LevelProfile profile;
};

using Level3 = ScriptedLevelOf<Level3Script>;
