// Level 2: two columns of falling cubes with a long column of triangles stacked above them, the
// wall of cube rows with a wheel in each full row and single cubes sweeping between the rows, a
// bonus saucer, three devil cubes, the invader cube, two more saucers with a stream of triangles,
// and CubeBoss.
#pragma once

#include "levels/level_script.h"
#include "levels/scripted_level.h"

class Level2Script : public LevelScript {
public:
    static constexpr int32_t kTableSize = 451;

    Level2Script();

    const LevelProfile& Profile() const override { return profile; }
    void BuildTimetable(Timetable& table) override;
    BossEntry MakeBoss(SDL_Surface* screen, int32_t spawnTime) override;

private:
    LevelProfile profile;
};

using Level2 = ScriptedLevelOf<Level2Script>;
