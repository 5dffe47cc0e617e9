// Small level scripts and enemies whose every move the test decides, to watch the level runner.
#pragma once

#include <SDL/SDL.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "enemies/framework/enemy.h"
#include "levels/level_runner.h"
#include "levels/level_script.h"
#include "support/frame_script.h"
#include "support/sdl_env.h"

#include <gtest/gtest.h>

namespace levelstest {

// What the runner did to one fake; kept in the log, so it outlives the fake.
struct FakeStats {
    int updates = 0;
    int checks = 0;
    int shotReads = 0;
    Uint32 firstUpdate = 0;
    Uint32 lastUpdate = 0;
};

// What happened to the fakes of one run, shared by all of them.
struct FakeLog {
    std::vector<std::string> deleted;  // names, in the order of deletion
    std::map<std::string, FakeStats> stats;
    int Deletions(const std::string& name) const;
    const FakeStats& Of(const std::string& name) { return stats[name]; }
};

class FakeEnemy : public Enemy {
public:
    // spawnTime as the runner's builder would give it (see FakeScript::At).
    FakeEnemy(FakeLog& log, std::string name, SDL_Rect box, int spawnTime, int points);
    ~FakeEnemy() override;

    bool Update() override;
    int CheckHit(EnemyShot** heroShots, int count) override;
    bool IsDestroyed() override { return destroyed; }
    EnemyShot** GetShots() override {
        ++stats.shotReads;
        return shots;
    }
    int GetShotCount() override { return 4; }

    int GetEnergy() const { return 700; }
    int GetMaxEnergy() const { return 1000; }

    // Behaviour the test sets.
    int killAtCheck = 0;               // the n-th CheckHit (1-based) kills; 0 = never
    int killResult = Enemy::kNoHit;    // what that CheckHit returns
    int finishAfterKill = 1;           // Update calls after the kill until it reports finished
    int releaseHoldAtUpdate = 0;       // the n-th Update clears the music hold; 0 = never
    std::function<bool()> finishWhen;  // also finished when this says so

    int Updates() const { return stats.updates; }

private:
    FakeLog& log;
    std::string name;
    FakeStats& stats;
    bool destroyed = false;
    int updatesSinceKill = 0;
    EnemyShot* shots[4] = {};
};

// A level built from lambdas; after a run, read what happened to its enemies from the log.
class FakeScript : public LevelScript {
public:
    FakeScript();

    const LevelProfile& Profile() const override { return profile; }
    void BuildTimetable(Timetable& table) override;
    BossEntry MakeBoss(SDL_Surface* screen, int32_t spawnTime) override;
    Enemy* MakeMidBoss(SDL_Surface* screen, int32_t spawnClock) override;
    bool DrawBackground(LevelRunner& run) override { return drawBackground ? drawBackground(run) : false; }
    void MidBossFinished(LevelRunner& run) override {
        if (midBossFinished) midBossFinished(run);
    }

    // Time of play at which an enemy built from the builder's clock becomes active: the runner
    // shifts every spawn time so that T0 + x comes 4000 + x ms into play.
    static int32_t At(const Timetable& table, int32_t playMs) { return table.spawnClock - 4000 + playMs; }

    LevelProfile profile;
    FakeLog log;
    // (slot, spawn time of play) for each table enemy to build.
    std::vector<std::pair<int, int32_t>> tableAt;
    int32_t bossAt = 1000000;  // time of play at which the boss is active
    int32_t midBossAt = -1;    // < 0: no mid-boss
    SDL_Rect bossBox = {284, 100, 70, 62};
    std::function<void(FakeEnemy&)> setUpTable;  // called for each table enemy built
    std::function<void(FakeEnemy&)> setUpBoss;
    std::function<void(FakeEnemy&)> setUpMidBoss;
    std::function<bool(LevelRunner&)> drawBackground;
    std::function<void(LevelRunner&)> midBossFinished;
};

// Watches one run: keeps the runner, records each frame's score flash, answers a game over.
// A state no runner writes: the runner's own writes show.
constexpr LevelState kUnset = static_cast<LevelState>(-1);

class RunWatch : public LevelWatcher {
public:
    RunWatch();
    ~RunWatch() override;

    void LoopStarted(LevelRunner& run) override;
    void LoopEnded(LevelRunner& run) override;

    LevelRunner* run = nullptr;
    Uint32 levelStart = 0;
    SDLKey gameOverAnswer = SDLK_RETURN;
    LevelState loopEndState = kUnset;
    std::vector<int> layerOffsets;  // of every layer when the loop ended
};

// Frames paced before the frame loop: the 300 of the start animation.
constexpr int kStartFrames = 300;

// A script played once on the real runner, the frames scripted and the run watched.
class RunnerTest : public ::testing::Test {
protected:
    void SetUp() override { testsupport::DrainEvents(); }

    // The runner's frame count is kept in loopFrames.
    LevelResult Play(LevelScript& script, int32_t* score) {
        LevelRunner runner(testsupport::Screen(), 13, script, &state);
        const LevelResult result = runner.Run(score);
        loopFrames = runner.Frames();
        return result;
    }
    // Escape reaches the queue once loop frame n (1-based) has ended.
    void EscapeAfterLoopFrame(int n) {
        frames.At(kStartFrames + n, [] { testsupport::PushKeyDown(SDLK_ESCAPE); });
    }

    LevelState state = kUnset;
    int32_t loopFrames = 0;
    RunWatch watch;
    testsupport::FrameScript frames;
};

}  // namespace levelstest
