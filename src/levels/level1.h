// Level 1: a sky that turns into a star field, nineteen waves of balls, a rain of birds, the delta
// ship with its two eye ships, two long streams of modules, three bonus saucers, and Moine,
// announced by a panel that slides in and fought over an animated backdrop.
#pragma once

#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>

#include "core/playfield.h"
#include "levels/level_script.h"
#include "levels/scripted_level.h"
#include "platform/loaders.h"

class Level1Script : public LevelScript {
public:
    static constexpr int32_t kTableSize = 600;
    static constexpr int32_t kBossApproachMs = 112000;  // the panel, then the backdrop, from here on
    static constexpr int32_t kPanelStartX = playfield::kRight;
    static constexpr int32_t kPanelRestX = 72;
    static constexpr int32_t kPanelStep = 5;
    static constexpr int kBackdropFrameTicks = 9;
    static constexpr int kBackdropSequence[8] = {0, 1, 2, 3, 4, 3, 2, 1};  // Extra31..35 and back

    Level1Script();

    const LevelProfile& Profile() const override { return profile; }
    void BuildTimetable(Timetable& table) override;
    BossEntry MakeBoss(SDL_Surface* screen, int32_t spawnTime) override;
    void LoadExtraPictures() override;
    void LoadExtraSounds() override;
    void FreeExtras() override;
    bool DrawBackground(LevelRunner& run) override;

    // Read-outs for tests.
    int32_t PanelX() const { return panelX; }
    int BackdropFrame() const { return backdropFrame; }
    int BackdropTick() const { return backdropTick; }

private:
    LevelProfile profile;
    platform::OwnedSurface panel;
    platform::OwnedSurface backdrops[5];
    platform::OwnedSound panelSound;
    int32_t panelX = kPanelStartX;
    int backdropTick = 0;
    int backdropFrame = 0;
};

using Level1 = ScriptedLevelOf<Level1Script>;
