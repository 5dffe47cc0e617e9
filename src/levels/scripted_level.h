// A level whose run is the shared level runner fed by a script made afresh for every run.
#pragma once

#include <memory>

#include "levels/level_runner.h"
#include "levels/level_script.h"
#include "levels/level.h"

class ScriptedLevel : public Level {
public:
    using Level::Level;

    LevelResult Run(int32_t* score) override {
        std::unique_ptr<LevelScript> script = MakeScript();
        LevelRunner runner(screen, framePeriod, *script, &state);
        return runner.Run(score);
    }

protected:
    // A new script for one run: its run-local state starts fresh every time.
    virtual std::unique_ptr<LevelScript> MakeScript() = 0;
};
