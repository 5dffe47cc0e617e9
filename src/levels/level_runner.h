// The one frame loop every level shares: loading, the start animation, play, the end screens and
// the clean-up. A level's own data and effects come from its LevelScript.
#pragma once

#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "enemies/framework/enemy.h"
#include "levels/level_enemies.h"
#include "levels/level_outcome.h"
#include "levels/level_script.h"
#include "platform/loaders.h"

class FrameTimer;
class Hero;
class Hud;
class JoystickInput;
class LevelAssets;
class LevelTransition;
class ScrollingBackground;

// Where an enemy of the active set comes from.
enum class EnemyRole { Table, MidBoss, Boss };

// Told about the life of every level run: the simulator drives and measures levels through it.
class LevelWatcher {
public:
    virtual ~LevelWatcher() = default;
    // The frame loop is about to start (after the start animation and the level music).
    virtual void LoopStarted(LevelRunner& run) { (void)run; }
    // The frame loop has ended; State() tells how. The end screens follow.
    virtual void LoopEnded(LevelRunner& run) { (void)run; }
    // Everything is cleaned up; result is what Run returns.
    virtual void RunEnded(LevelRunner& run, LevelResult result) {
        (void)run;
        (void)result;
    }
};
void SetLevelWatcher(LevelWatcher* watcher);  // null: nobody is told
LevelWatcher* GetLevelWatcher();

class LevelRunner {
public:
    // state: the level's state field, written here.
    LevelRunner(SDL_Surface* screen, int32_t framePeriod, LevelScript& script, LevelState* state);
    ~LevelRunner();  // where the owned types are complete
    LevelRunner(const LevelRunner&) = delete;
    LevelRunner& operator=(const LevelRunner&) = delete;

    // Plays the level once.
    LevelResult Run(int32_t* score);

    // Read-outs for scripts, watchers and tests.
    SDL_Surface* Screen() const { return screen; }
    LevelScript& Script() const { return script; }
    Hero* GetHero() const { return hero.get(); }
    Enemy* GetBoss() const { return enemies.boss.enemy; }
    Enemy* GetMidBoss() const { return enemies.midBoss; }
    Enemy* const* Slots() const { return enemies.slots.get(); }
    int32_t TableSize() const { return enemies.tableSize; }
    ScrollingBackground* Layer(int number) const;  // 1-based, null beyond the level's layers
    int LayerCount() const { return static_cast<int>(layers.size()); }
    Uint32 Now() const { return now; }
    Uint32 LevelStart() const { return levelStart; }
    int32_t PlayTime() const { return static_cast<int32_t>(now - levelStart); }
    bool BossMusicStarted() const { return bossMusicStarted; }
    bool BossExploding() const { return bossExploding; }
    bool ScoreFlash() const { return scoreFlash; }  // a kill scored double in this frame
    LevelState State() const { return *state; }
    int32_t Frames() const { return frames; }  // frame loop iterations so far
    int32_t Score() const { return score ? *score : 0; }
    // The hero's values when the frame loop ended (the hero is gone after the clean-up).
    int32_t FinalLives() const { return finalLives; }
    int32_t FinalWeaponLevel() const { return finalWeaponLevel; }
    int BossEnergy();
    int BossMaxEnergy();

    // Calls fn(slot, role) for every enemy of this frame's active set: the mid-boss alone while
    // it exists, else the boss alone once its time has come, else the table up to the first
    // enemy whose time has not come. slot is the owning pointer: fn may delete the enemy and
    // null it.
    template <class Fn>
    void ForEachActive(Fn fn) {
        const int time = static_cast<int>(now);
        if (Enemy*& midBoss = enemies.midBoss) {
            if (midBoss->IsActive(time)) fn(midBoss, EnemyRole::MidBoss);
            return;
        }
        Enemy*& boss = enemies.boss.enemy;
        if (!boss) return;
        if (boss->IsActive(time)) {
            fn(boss, EnemyRole::Boss);
            return;
        }
        for (int32_t slot = 0; slot < enemies.tableSize; ++slot) {
            Enemy*& enemy = enemies.slots[slot];
            if (!enemy) continue;
            if (!enemy->IsActive(time)) break;
            fn(enemy, EnemyRole::Table);
        }
    }

private:
    // Start steps 1 to 13 and the clean-up live in level_start.cpp.
    void LoadPictures();
    void LoadSounds();
    void CreateHelpers();
    void BuildEnemies();
    void RunStartAnimation();
    void CleanUp();

    // The frame loop and its passes.
    void PlayLoop();
    bool DrainEvents();
    void DrawBackground();
    void ThreatPass();
    void HitPass();
    void UpdatePass();
    bool EndOfFrame();

    SDL_Surface* screen;
    int32_t framePeriod;
    LevelScript& script;
    const LevelProfile& profile;
    LevelState* state;
    int32_t* score = nullptr;

    // What one run owns; the clean-up frees it in its own order, the one the traces record.
    platform::OwnedSurface loadingPicture;
    platform::OwnedSurface capturePicture;
    platform::OwnedSurface loadingStrip;
    platform::OwnedMusic levelMusic;
    platform::OwnedMusic bossMusic;
    platform::OwnedSound bonusSound;

    std::unique_ptr<JoystickInput> joystick;
    std::vector<std::unique_ptr<ScrollingBackground>> layers;
    std::unique_ptr<FrameTimer> timer;
    std::unique_ptr<LevelTransition> transition;
    std::unique_ptr<Hud> hud;
    std::unique_ptr<LevelAssets> assets;
    std::unique_ptr<Hero> hero;

    // The passes delete an enemy through its slot (ForEachActive); the rest go with the table.
    LevelEnemies enemies;

    Uint32 levelStart = 0;
    Uint32 now = 0;
    bool escapeArmed = false;
    bool scoreFlash = false;
    bool bossExploding = false;
    bool bossMusicStarted = false;
    int32_t deadFrames = 0;
    int32_t frames = 0;
    int32_t finalLives = 0;
    int32_t finalWeaponLevel = 0;
    bool cleanedUp = true;
};
