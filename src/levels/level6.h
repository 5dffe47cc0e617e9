// Level 6, the last level: no table and no bank, two bosses in turn. The Insecte comes first and
// is fought alone; 4 s after it is finished Xorg comes down, over the second background layer and
// with the level music faded out. The boss bar shows Xorg's energy from the start.
#pragma once

#include <SDL/SDL.h>

#include "levels/level_script.h"
#include "levels/scripted_level.h"

class Insecte;
class Xorg;

class Level6Script : public LevelScript {
public:
    static constexpr int32_t kInsecteDelayMs = 1000;  // after the start of the spawn clock
    static constexpr int32_t kXorgDelayMs = 4000;     // after the Insecte is finished

    Level6Script();

    const LevelProfile& Profile() const override { return profile; }
    BossEntry MakeBoss(SDL_Surface* screen, int32_t spawnTime) override;
    Enemy* MakeMidBoss(SDL_Surface* screen, int32_t spawnClock) override;
    bool DrawBackground(LevelRunner& run) override;
    void BeforeThreatPass(LevelRunner& run) override;
    void MidBossFinished(LevelRunner& run) override;

    // The two bosses exactly as the level builds them, from the spawn clock after the (empty)
    // table. The simulator fights them alone with these.
    static Insecte* MakeInsecte(SDL_Surface* screen, int32_t spawnClock);
    static Xorg* MakeXorg(SDL_Surface* screen, int32_t spawnClock);

    // Plays on as if the Insecte had just been finished: the second layer from the first frame.
    void StartAfterInsecte() { secondLayer = true; }
    bool SecondLayer() const { return secondLayer; }

private:
    LevelProfile profile;
    bool secondLayer = false;
};

using Level6 = ScriptedLevelOf<Level6Script>;
