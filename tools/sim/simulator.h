// Runs levels or the whole game on the virtual clock, drives the keys (autopilot or a key log),
// measures each frame's work and reports every level played.
#pragma once

#include <SDL/SDL.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "autopilot.h"
#include "blit_log.h"
#include "floor.h"
#include "key_log.h"
#include "levels/level_runner.h"
#include "platform/platform.h"
#include "sim_options.h"
#include "trace.h"

struct LevelReport {
    int level = 0;
    int32_t result = 0;
    int32_t frames = 0;  // frame loop iterations
    int32_t score = 0;   // after the level's end screens
    int32_t lives = 0;   // when the frame loop ended
    int32_t weaponLevel = 0;
    int64_t medianUs = 0;  // frame work: from the end of one pacing wait to the next
    int64_t p99Us = 0;
    int64_t maxUs = 0;
    int peakShots = 0;       // live shots of the hero and the active enemies
    std::string boss;        // the boss's class; empty for a level without one
    int bossEnergy = 0;      // its starting energy
    int32_t bossFrames = 0;  // frames it was active
    // --bench only:
    int peakEnemies = 0;   // enemies in the active set
    int32_t maxFrame = 0;  // the frame loop iteration of the slowest frame
    std::string maxDoing;  // what that frame held
    int64_t floorMedianUs = 0;
    int64_t floorP99Us = 0;
    int64_t floorMaxUs = 0;
    long peakRssKb = 0;  // of the whole process so far
};

struct SimReport {
    bool ok = true;  // false: the run could not be set up (message in error)
    std::string error;
    std::vector<LevelReport> levels;
    long pacedFrames = 0;
    bool stopped = false;       // --max-frames was reached
    bool gameFinished = false;  // --game: the final score screen was shown
    int32_t finalScore = 0;
    double wallSeconds = 0;
    std::vector<std::string> loads;  // --list-loads: every file asked for, first time first
    // --bench: frame work of the paced frames outside the levels' frame loops (title, loading
    // and start animations, end screens).
    int64_t outsideMedianUs = 0;
    int64_t outsideMaxUs = 0;
};

// "level=1 result=1 frames=... score=... lives=... weapon=... work_us median=... p99=... max=...
// peak_shots=..." and, for a level with a boss, " boss=NAME boss_energy=MAX boss_frames=N"
std::string FormatLevelReport(const LevelReport& report);
// "bench level=1 frames=... work_us median=... p99=... max=... max_frame=... max_doing=...
// floor_us median=... p99=... ratio=... peak_shots=... peak_enemies=... rss_mb=..."
std::string FormatBenchLine(const LevelReport& report);
// The --timetable lines of a level's enemies: "slot,Class,x,y,w,h,hitHalfWidth,hitHalfHeight,
// spawnMs" for every filled slot, then "midboss,..." and "boss,...", spawnMs counted from t0.
std::string FormatTimetable(Enemy* const* slots, int32_t size, const Enemy* midBoss, const Enemy* boss, int32_t t0);

class Simulator : public platform::Observer, public LevelWatcher {
public:
    // SDL must be up with a 640x480 screen, in the data folder; the simulator switches to the
    // virtual clock and keys itself.
    Simulator(SDL_Surface* screen, const SimOptions& options);
    ~Simulator() override;

    SimReport Run();

    // Prints the table a run of the level seeded with seed builds (--timetable); false when the
    // level has no script.
    static bool PrintTimetable(SDL_Surface* screen, int level, unsigned seed, std::string* out);

    // Used by the game screens of --game.
    enum class Screen { None, Title, FinalScore };
    void SetScreen(Screen screen) { showing = screen; }

    // What the game does, through the platform's seam: frames paced, for the report and the
    // input; flips, draws and sounds for the trace; blits for the benchmark's floor; loads listed.
    void BeforeWait() override;
    void AfterWait() override;
    void Flipped(SDL_Surface* flipped) override { trace.Flipped(flipped); }
    void Blitted(SDL_Surface* source, const SDL_Rect* sourceRect, SDL_Surface* destination,
                 const SDL_Rect* destinationRect) override {
        blitLog.Record(source, sourceRect, destination, destinationRect);
    }
    void Drew() override { trace.Drew(); }
    void Loading(const char* path) override;
    void SoundLoaded(const Mix_Chunk* chunk, const char* path) override { trace.SoundLoaded(chunk, path); }
    void MusicLoaded(const Mix_Music* music, const char* path) override { trace.MusicLoaded(music, path); }
    void SoundPlayed(int channel, const Mix_Chunk* chunk, int loops, int ticks) override {
        trace.Sound(channel, chunk, loops, ticks);
    }
    void MusicPlayed(const Mix_Music* music, int loops) override { trace.Music(music, loops); }
    void MusicFaded(int ms) override { trace.Fade(ms); }
    void MusicHalted() override { trace.Halt(); }
    void MusicFreed(const Mix_Music* music) override { trace.Freed(music); }
    void LoopStarted(LevelRunner& run) override;
    void LoopEnded(LevelRunner& run) override;
    void RunEnded(LevelRunner& run, LevelResult result) override;

private:
    using Clock = std::chrono::steady_clock;

    void PlayOneLevel();
    void PlayBoss();
    void PlayFinalScore();
    void Soak();
    void PlayGame();
    void ApplyInput();
    void CountShots(LevelRunner& run);
    void FollowBoss(LevelRunner& run);  // counts its active frames; ends a mid-boss run
    void SaveScreenshot();
    std::string DescribeFrame(LevelRunner& run);

    SDL_Surface* screen;
    SimOptions options;
    SimReport report;
    Uint8* keys = nullptr;
    KeyLog keyLog;
    size_t nextKeyFrame = 0;
    Autopilot autopilot;
    Screen showing = Screen::None;

    LevelRunner* running = nullptr;  // between LoopStarted and LoopEnded
    int currentLevel = 0;
    std::vector<int64_t> workUs;
    int peakShots = 0;
    std::string bossName;
    int bossEnergy = 0;
    int32_t bossFrames = 0;
    Clock::time_point workStart;
    bool measuring = false;
    // --bench
    BlitLog blitLog;
    std::unique_ptr<FloorReplay> floor;
    std::vector<int64_t> floorUs;
    std::vector<int64_t> outsideUs;
    int peakEnemies = 0;
    int64_t slowestUs = -1;
    int32_t slowestFrame = 0;
    std::string slowestDoing;
    bool untilMidBoss = false;      // --boss with a mid-boss: it is the boss reported, and the run
    bool midBossFinished = false;   // ends once it is finished
    bool awaitingGameOver = false;  // the game-over screen waits for its answer
    SDLKey gameOverAnswer = SDLK_ESCAPE;
    Trace trace;
};
