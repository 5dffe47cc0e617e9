// A level whose run is the shared level runner fed by its script, made afresh for every run so
// that the script's run-local state starts fresh every time. Level1 .. Level6 are its instances.
#pragma once

#include "levels/level.h"
#include "levels/level_runner.h"
#include "levels/level_script.h"

template <class Script>
class ScriptedLevelOf : public Level {
public:
    using Level::Level;

    LevelResult Run(int32_t* score) override {
        Script script;
        LevelRunner runner(screen, framePeriod, script, &state);
        return runner.Run(score);
    }
};
