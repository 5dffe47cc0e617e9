// What a level hands the level runner: its profile, its background schedule, the builder of its
// timetable, its boss (and Level 6's mid-boss), and a few hooks for effects of its own.
//
// A script object lives for one run of its level, so run-local state of the level's own effects
// (a sliding panel, an animated backdrop) can sit in its fields.
//
// How the levels fit: Level 1 gives its profile and schedule, walks its 600 slots in
// BuildTimetable, builds Moine in MakeBoss, loads its panel and backdrop frames in the Extra
// hooks and takes over DrawBackground once the boss approaches (run.BossMusicStarted() tells
// panel from backdrop). Level 6 has no table and no bank: MakeMidBoss builds the Insecte,
// BeforeThreatPass hands it the hero's weapon level (run.GetMidBoss() is null once it is gone),
// MidBossFinished gives Xorg its new spawn time, switches layers and fades the music out, and
// DrawBackground picks the layer from that switch.
#pragma once

#include <SDL/SDL.h>

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "core/catalogue.h"
#include "core/playfield.h"

class Enemy;
class LevelAssets;
class LevelRunner;

// One row of a background schedule: layer (1-based, in creation order) scrolled at speed while
// the time since the start of play is below endMs.
struct BackgroundRow {
    int32_t endMs;
    int32_t layer;
    int32_t speed;
};
constexpr int32_t kScheduleForever = INT32_MAX;

struct LevelProfile {
    int32_t levelNumber = 1;                      // for the HUD and the level-clear summary
    const catalogue::Picture* capture = nullptr;  // revealed during the start animation
    int32_t captureX = playfield::kInnerLeft;
    std::vector<const catalogue::Picture*> layers;  // background layers, in creation order
    std::vector<BackgroundRow> schedule;            // first row whose end lies beyond t is used
    const catalogue::Music* levelMusic = nullptr;   // played once; null = none
    const catalogue::Music* bossMusic = nullptr;    // looped once the boss releases its hold; null = none
    int32_t assetBank = 0;                          // LevelAssets::Load number; 0 = the level has no bank
    int32_t tableSize = 0;                          // slots of the timetable; 0 = no table
    int32_t bossDelay = 0;                          // boss spawn time = spawn clock after the table + this
};

// A boss beside the two energy read-outs the HUD bar needs, which are not part of Enemy.
struct BossEntry {
    Enemy* enemy = nullptr;
    int (*energy)(Enemy*) = nullptr;
    int (*maxEnergy)(Enemy*) = nullptr;

    template <class Boss>
    static BossEntry Of(Boss* boss) {
        BossEntry entry;
        entry.enemy = boss;
        entry.energy = [](Enemy* e) { return static_cast<int>(static_cast<Boss*>(e)->GetEnergy()); };
        entry.maxEnergy = [](Enemy* e) { return static_cast<int>(static_cast<Boss*>(e)->GetMaxEnergy()); };
        return entry;
    }
};

// The table being built: one pass over the slots, at most one enemy per slot.
struct Timetable {
    SDL_Surface* screen = nullptr;
    LevelAssets* assets = nullptr;  // null for a level without a bank
    Enemy** slots = nullptr;        // size entries, all null on entry; the runner owns what is put in
    int32_t size = 0;
    int32_t spawnClock = 0;  // T0 on entry; the builder advances it as it walks the slots
};

class LevelScript {
public:
    virtual ~LevelScript() = default;

    virtual const LevelProfile& Profile() const = 0;

    // Fills the table; the default leaves it empty.
    virtual void BuildTimetable(Timetable& table) { (void)table; }
    // spawnTime = the spawn clock after the table plus the profile's boss delay. The runner sets
    // its music hold right after.
    virtual BossEntry MakeBoss(SDL_Surface* screen, int32_t spawnTime) = 0;
    // A boss fought before the boss, alone, in place of the table (Level 6). Built before the
    // boss, from the spawn clock after the table. Its kills score as a table enemy's.
    virtual Enemy* MakeMidBoss(SDL_Surface* screen, int32_t spawnClock) {
        (void)screen;
        (void)spawnClock;
        return nullptr;
    }

    // Level pictures loaded after the loading strip, and sounds loaded between the level music
    // and the boss music; FreeExtras releases both at the end of the run.
    virtual void LoadExtraPictures() {}
    virtual void LoadExtraSounds() {}
    virtual void FreeExtras() {}

    // Called in place of the scheduled background; returns false to let the schedule draw.
    virtual bool DrawBackground(LevelRunner& run) {
        (void)run;
        return false;
    }
    // Called every frame before the threat pass, whether or not anything is active.
    virtual void BeforeThreatPass(LevelRunner& run) { (void)run; }
    // The mid-boss has just been deleted; the level goes on with the boss.
    virtual void MidBossFinished(LevelRunner& run) { (void)run; }
};
