// The proving ground: Level 1's look, sound and bank, no enemies in the table, and a practice
// target for a boss. It stands in for the real levels until their scripts exist, and gives the
// simulator and the tests a level that can be won.
#pragma once

#include <memory>

#include "levels/level_script.h"
#include "levels/scripted_level.h"

class ProvingGroundScript : public LevelScript {
public:
    // levelNumber: shown by the HUD and the summary (the level it stands in for).
    explicit ProvingGroundScript(int levelNumber = 1);

    const LevelProfile& Profile() const override { return profile; }
    BossEntry MakeBoss(SDL_Surface* screen, int32_t spawnTime) override;

private:
    LevelProfile profile;
};

class ProvingGround : public ScriptedLevel {
public:
    ProvingGround(SDL_Surface* screen, int32_t framePeriod, int levelNumber = 1)
        : ScriptedLevel(screen, framePeriod), levelNumber(levelNumber) {}

protected:
    std::unique_ptr<LevelScript> MakeScript() override;

private:
    int levelNumber;
};

// Matches StandardGameScreens::LevelFactory: the proving ground in the place of level `number`.
std::unique_ptr<Level> MakeProvingGroundLevel(int number, SDL_Surface* screen, int32_t framePeriod);
