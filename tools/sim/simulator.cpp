#include "simulator.h"

#include <cxxabi.h>
#ifdef _WIN32
// psapi.h needs windows.h's types first.
#include <windows.h>

#include <psapi.h>
#else
#include <sys/resource.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <limits>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <typeinfo>

#include "enemies/bosses/boss.h"
#include "enemies/framework/enemy.h"
#include "enemies/framework/level_assets.h"
#include "frame_stats.h"
#include "hero/hero.h"
#include "level_catalog.h"
#include "levels/level_catalog.h"
#include "levels/level_enemies.h"
#include "platform/loaders.h"
#include "platform/platform.h"
#include "platform/random.h"
#include "shell/final_score_screen.h"
#include "shell/game_sequence.h"
#include "shell/title_screen.h"

namespace {

constexpr int32_t kFramePeriod = 13;

constexpr long kScreenAnswerEvery = 30;  // paced frames between two Enter presses on a screen

std::string ClassName(const Enemy& enemy) {
    const char* mangled = typeid(enemy).name();
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> readable(abi::__cxa_demangle(mangled, nullptr, nullptr, &status), std::free);
    return status == 0 && readable ? std::string(readable.get()) : std::string(mangled);
}

std::string TableLine(const std::string& slot, const Enemy& enemy, int32_t t0) {
    const SDL_Rect r = enemy.GetRect();
    char line[256];
    std::snprintf(line, sizeof line, "%s,%s,%d,%d,%d,%d,%d,%d,%d\n", slot.c_str(), ClassName(enemy).c_str(), r.x, r.y,
                  r.w, r.h, enemy.GetHitHalfWidth(), enemy.GetHitHalfHeight(), enemy.GetSpawnTime() - t0);
    return line;
}

// The real title and final score screens, answered by the simulator; levels from the catalogue.
class SimGameScreens : public GameScreens {
public:
    SimGameScreens(Simulator& sim, SDL_Surface* screen, unsigned seed) : sim(sim), screen(screen), seed(seed) {}

    int32_t RunTitle() override {
        sim.SetScreen(Simulator::Screen::Title);
        TitleScreen title(screen, kFramePeriod);
        const int32_t result = title.Run();
        sim.SetScreen(Simulator::Screen::None);
        return result;
    }
    std::unique_ptr<Level> MakeLevel(int number) override { return MakeGameLevel(number, screen, kFramePeriod); }
    void RunFinalScore(int32_t score) override {
        sim.SetScreen(Simulator::Screen::FinalScore);
        FinalScoreScreen finalScore(screen, kFramePeriod);
        finalScore.Run(score);
        sim.SetScreen(Simulator::Screen::None);
    }
    // Repeatable runs: the seed of the command line instead of the time.
    void SeedRandomNumbers() override { platform::SeedRandom(seed); }

private:
    Simulator& sim;
    SDL_Surface* screen;
    unsigned seed;
};

}  // namespace

std::string FormatLevelReport(const LevelReport& r) {
    char line[320];
    std::snprintf(line, sizeof line,
                  "level=%d result=%d frames=%d score=%d lives=%d weapon=%d work_us median=%lld p99=%lld "
                  "max=%lld peak_shots=%d",
                  r.level, r.result, r.frames, r.score, r.lives, r.weaponLevel, static_cast<long long>(r.medianUs),
                  static_cast<long long>(r.p99Us), static_cast<long long>(r.maxUs), r.peakShots);
    std::string text = line;
    if (!r.boss.empty()) {
        std::snprintf(line, sizeof line, " boss=%s boss_energy=%d boss_frames=%d", r.boss.c_str(), r.bossEnergy,
                      r.bossFrames);
        text += line;
    }
    return text;
}

std::string FormatBenchLine(const LevelReport& r) {
    char line[512];
    const double ratio = r.floorMedianUs > 0 ? static_cast<double>(r.medianUs) / r.floorMedianUs : 0.0;
    std::snprintf(line, sizeof line,
                  "bench level=%d frames=%d work_us median=%lld p99=%lld max=%lld max_frame=%d max_doing=%s "
                  "floor_us median=%lld p99=%lld max=%lld ratio=%.2f peak_shots=%d peak_enemies=%d rss_mb=%ld",
                  r.level, r.frames, static_cast<long long>(r.medianUs), static_cast<long long>(r.p99Us),
                  static_cast<long long>(r.maxUs), r.maxFrame, r.maxDoing.c_str(),
                  static_cast<long long>(r.floorMedianUs), static_cast<long long>(r.floorP99Us),
                  static_cast<long long>(r.floorMaxUs), ratio, r.peakShots, r.peakEnemies, r.peakRssKb / 1024);
    return line;
}

Simulator::Simulator(SDL_Surface* screen, const SimOptions& options) : screen(screen), options(options) {}

Simulator::~Simulator() {
    if (platform::GetObserver() == this) platform::SetObserver(nullptr);
    if (GetLevelWatcher() == this) SetLevelWatcher(nullptr);
}

SimReport Simulator::Run() {
    report = SimReport();
    if (!options.inputPath.empty() && !keyLog.Load(options.inputPath, &report.error)) {
        report.ok = false;
        return report;
    }
    if (!options.tracePath.empty() && !trace.Open(options.tracePath, &report.error)) {
        report.ok = false;
        return report;
    }
    if (options.screenshotEvery > 0) {
        std::error_code made;
        std::filesystem::create_directories(options.outDir, made);
    }
    const Clock::time_point wallStart = Clock::now();
    platform::UseVirtualClock(platform::Ticks());
    keys = platform::UseVirtualKeys();
    platform::SetObserver(this);
    SetLevelWatcher(this);
    platform::SeedRandom(options.seed);
    if (options.mode == SimMode::Game)
        PlayGame();
    else if (options.mode == SimMode::FinalScore)
        PlayFinalScore();
    else if (options.mode == SimMode::Soak)
        Soak();
    else if (options.mode == SimMode::Boss)
        PlayBoss();
    else
        PlayOneLevel();

    trace.Close(report.pacedFrames);
    platform::SetObserver(nullptr);
    SetLevelWatcher(nullptr);
    report.wallSeconds = std::chrono::duration<double>(Clock::now() - wallStart).count();
    return report;
}

void Simulator::Loading(const char* path) {
    if (options.listLoads && std::find(report.loads.begin(), report.loads.end(), path) == report.loads.end())
        report.loads.push_back(path);
}

void Simulator::PlayOneLevel() {
    std::unique_ptr<Level> level = MakeGameLevel(options.level, screen, kFramePeriod);
    if (!level) {
        report.ok = false;
        report.error = "there is no level " + std::to_string(options.level);
        return;
    }
    int32_t score = 0;
    level->Run(&score);
}

void Simulator::PlayBoss() {
    if (BossLevel(options.boss) == 0) {
        report.ok = false;
        report.error = "no boss is called " + options.boss;
        return;
    }
    std::unique_ptr<LevelScript> script = MakeBossScript(options.boss);
    if (!script) {
        report.ok = false;
        report.error = "the level of " + options.boss + " has no script yet";
        return;
    }
    LevelState state = LevelState::Running;
    int32_t score = 0;
    untilMidBoss = IsMidBoss(options.boss);
    midBossFinished = false;
    LevelRunner runner(screen, kFramePeriod, *script, &state);
    runner.Run(&score);
    untilMidBoss = false;
}

void Simulator::PlayFinalScore() {
    SetScreen(Screen::FinalScore);
    FinalScoreScreen finalScore(screen, kFramePeriod);
    finalScore.Run(options.finalScore);
    SetScreen(Screen::None);
}

namespace {

#ifdef _WIN32
long ResidentKb() {
    PROCESS_MEMORY_COUNTERS counters;
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return 0;
    return static_cast<long>(counters.WorkingSetSize / 1024);
}

long PeakResidentKb() {
    PROCESS_MEMORY_COUNTERS counters;
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return 0;
    return static_cast<long>(counters.PeakWorkingSetSize / 1024);
}
#else
long ResidentKb() {
    long pages = 0, resident = 0;
    FILE* statm = std::fopen("/proc/self/statm", "r");
    if (!statm) return 0;
    if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(statm);
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

long PeakResidentKb() {
    struct rusage usage;
    return getrusage(RUSAGE_SELF, &usage) == 0 ? usage.ru_maxrss : 0;
}
#endif

}  // namespace

// Whole games with different seeds, then game overs answered with replay, all in this process:
// whatever a run leaves behind shows as resident memory that grows.
void Simulator::Soak() {
    const SimOptions asked = options;
    options.autopilot = true;
    options.god = true;
    // Paced frames add up over the games: only a limit asked for on the command line applies.
    if (!asked.maxFramesGiven) options.maxFrames = std::numeric_limits<long>::max();
    for (int game = 1; game <= asked.soakGames; ++game) {
        options.seed = static_cast<unsigned>(game);
        PlayGame();
        std::printf("soak game=%d finished=%d score=%d rss_kb=%ld\n", game, report.gameFinished ? 1 : 0,
                    report.finalScore, ResidentKb());
        std::fflush(stdout);
    }
    // An idle ship loses its lives; the game-over screen is answered with Enter: play again.
    options.autopilot = false;
    options.god = false;
    for (int key = 0; key < SDLK_LAST; ++key) keys[key] = 0;
    gameOverAnswer = SDLK_RETURN;
    std::unique_ptr<Level> level = MakeGameLevel(1, screen, kFramePeriod);
    for (int replay = 1; replay <= asked.soakReplays; ++replay) {
        int32_t score = 0;
        const LevelResult result = level->Run(&score);
        std::printf("soak replay=%d result=%d rss_kb=%ld\n", replay, static_cast<int>(result), ResidentKb());
        std::fflush(stdout);
    }
    gameOverAnswer = SDLK_ESCAPE;
    options = asked;
}

void Simulator::PlayGame() {
    SimGameScreens screens(*this, screen, options.seed);
    const GameOutcome outcome = RunGameSequence(screens);
    report.gameFinished = outcome.finished;
    report.finalScore = outcome.finalScore;
}

void Simulator::BeforeWait() {
    const int64_t us = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - workStart).count();
    if (measuring) workUs.push_back(us);
    trace.EndFrame(report.pacedFrames + 1);
    if (!options.bench || report.pacedFrames == 0) return;
    if (!measuring || !running) {
        outsideUs.push_back(us);
        return;
    }
    // The frame's own cost is taken; what follows is not part of it.
    if (us > slowestUs) {
        slowestUs = us;
        slowestFrame = running->Frames();
        slowestDoing = DescribeFrame(*running);
    }
    int enemies = 0;
    running->ForEachActive([&enemies](Enemy*, EnemyRole) { ++enemies; });
    if (enemies > peakEnemies) peakEnemies = enemies;
    floorUs.push_back(floor->Replay(blitLog.Frame()));
    blitLog.NextFrame();
}

// "Modularx20+Soucoupex1/shots=300": the active enemies by class (most first) and their live shots.
std::string Simulator::DescribeFrame(LevelRunner& run) {
    std::vector<std::pair<std::string, int>> classes;
    int shots = 0;
    run.ForEachActive([&](Enemy* enemy, EnemyRole) {
        const std::string name = ClassName(*enemy);
        auto found = std::find_if(classes.begin(), classes.end(), [&](const auto& c) { return c.first == name; });
        if (found == classes.end())
            classes.emplace_back(name, 1);
        else
            ++found->second;
        for (int i = 0; i < enemy->GetShotCount(); ++i)
            if (enemy->GetShots()[i]) ++shots;
    });
    std::stable_sort(classes.begin(), classes.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
    std::string text;
    for (const auto& c : classes) text += (text.empty() ? "" : "+") + c.first + "x" + std::to_string(c.second);
    if (text.empty()) text = "none";
    return text + "/shots=" + std::to_string(shots) + (run.BossExploding() ? "/boss-exploding" : "");
}

void Simulator::AfterWait() {
    ++report.pacedFrames;
    if (options.screenshotEvery > 0 && report.pacedFrames % options.screenshotEvery == 0) SaveScreenshot();

    if (report.pacedFrames >= options.maxFrames) {
        // Escape ends a level, the title, the final score and a game over alike.
        report.stopped = true;
        for (int key = 0; key < SDLK_LAST; ++key) keys[key] = 0;
        platform::PushKeyDown(SDLK_ESCAPE);
    } else {
        ApplyInput();
        if (running && options.autopilot) autopilot.Steer(*running, keys);
        if (showing != Screen::None && report.pacedFrames % kScreenAnswerEvery == 0) platform::PushKeyDown(SDLK_RETURN);
        if (awaitingGameOver && (options.autopilot || nextKeyFrame >= keyLog.Size())) {
            platform::PushKeyDown(gameOverAnswer);
            awaitingGameOver = false;
        }
    }
    if (running) {
        Hero* hero = running->GetHero();
        // Kept invulnerable for good: a hit that had begun an explosion would leave the explosion's
        // count where it was, and enough of them would cost a life on the spot.
        if (options.god) hero->MakeInvulnerable();
        CountShots(*running);
        FollowBoss(*running);
    }
    measuring = running != nullptr;
    workStart = Clock::now();
}

void Simulator::FollowBoss(LevelRunner& run) {
    Enemy* boss = run.GetBoss();
    Enemy* midBoss = run.GetMidBoss();
    if (untilMidBoss) {
        boss = midBoss;
        // The mid-boss alone: the run ends in the frame after it is finished, as Escape ends it.
        if (!midBoss && !midBossFinished) {
            midBossFinished = true;
            platform::PushKeyDown(SDLK_ESCAPE);
        }
    } else if (midBoss) {
        boss = nullptr;  // while a mid-boss is fought the boss takes no part, whatever its spawn time says
    }
    if (boss && boss->IsActive(static_cast<int>(run.Now()))) ++bossFrames;
}

void Simulator::ApplyInput() {
    if (nextKeyFrame >= keyLog.Size()) {
        if (keyLog.Size() > 0 && nextKeyFrame == keyLog.Size()) {
            for (int key = 0; key < SDLK_LAST; ++key) keys[key] = 0;
            ++nextKeyFrame;
        }
        return;
    }
    const KeyFrame& frame = keyLog.At(nextKeyFrame++);
    for (int key = 0; key < SDLK_LAST; ++key) keys[key] = 0;
    for (SDLKey key : frame.held) keys[key] = 1;
    for (SDLKey key : frame.pressed) platform::PushKeyDown(key);
}

void Simulator::CountShots(LevelRunner& run) {
    int live = 0;
    Hero* hero = run.GetHero();
    EnemyShot** heroShots = hero->GetShots();
    for (int i = 0; i < hero->GetShotCount(); ++i)
        if (heroShots[i]) ++live;
    run.ForEachActive([&live](Enemy* enemy, EnemyRole) {
        EnemyShot** shots = enemy->GetShots();
        for (int i = 0; i < enemy->GetShotCount(); ++i)
            if (shots[i]) ++live;
    });
    if (live > peakShots) peakShots = live;
}

void Simulator::SaveScreenshot() {
    char name[64];
    std::snprintf(name, sizeof name, "/frame_%06ld.bmp", report.pacedFrames);
    const std::string path = options.outDir + name;
    if (SDL_SaveBMP(screen, path.c_str()) != 0)
        std::fprintf(stderr, "skyrift-sim: cannot save %s: %s\n", path.c_str(), SDL_GetError());
}

void Simulator::LoopStarted(LevelRunner& run) {
    running = &run;
    currentLevel = run.Script().Profile().levelNumber;
    workUs.clear();
    peakShots = 0;
    bossFrames = 0;
    const Enemy* fought = untilMidBoss ? run.GetMidBoss() : run.GetBoss();
    bossName = fought ? ClassName(*fought) : std::string();
    if (options.bench) {
        if (!floor) floor = std::make_unique<FloorReplay>(screen);
        floorUs.clear();
        peakEnemies = 0;
        slowestUs = -1;
        slowestFrame = 0;
        slowestDoing.clear();
        blitLog.Start(screen);
    }
    bossEnergy = run.BossMaxEnergy();
    if (untilMidBoss) bossEnergy = fought ? dynamic_cast<const Boss&>(*fought).GetMaxEnergy() : 0;
    if (options.weapon > 0) run.GetHero()->SetWeaponLevel(options.weapon);
    measuring = true;
    workStart = Clock::now();
}

void Simulator::LoopEnded(LevelRunner& run) {
    running = nullptr;
    blitLog.Stop();
    measuring = false;
    if (run.State() == LevelState::OutOfLives) awaitingGameOver = true;
}

void Simulator::RunEnded(LevelRunner& run, LevelResult result) {
    awaitingGameOver = false;
    LevelReport level;
    level.level = currentLevel;
    // The part of the level it plays was won.
    level.result = static_cast<int32_t>(midBossFinished ? LevelResult::Cleared : result);
    level.frames = run.Frames();
    level.score = run.Score();
    level.lives = run.FinalLives();
    level.weaponLevel = run.FinalWeaponLevel();
    const FrameSummary summary = Summarise(workUs);
    level.medianUs = summary.medianUs;
    level.p99Us = summary.p99Us;
    level.maxUs = summary.maxUs;
    level.peakShots = peakShots;
    level.boss = bossName;
    level.bossEnergy = bossEnergy;
    level.bossFrames = bossFrames;
    if (options.bench) {
        level.peakEnemies = peakEnemies;
        level.maxFrame = slowestFrame;
        level.maxDoing = slowestDoing;
        const FrameSummary floorSummary = Summarise(floorUs);
        level.floorMedianUs = floorSummary.medianUs;
        level.floorP99Us = floorSummary.p99Us;
        level.floorMaxUs = floorSummary.maxUs;
        level.peakRssKb = PeakResidentKb();
        const FrameSummary outside = Summarise(outsideUs);
        report.outsideMedianUs = outside.medianUs;
        report.outsideMaxUs = outside.maxUs;
    }
    report.levels.push_back(level);
}

std::string FormatTimetable(Enemy* const* slots, int32_t size, const Enemy* midBoss, const Enemy* boss, int32_t t0) {
    std::string text;
    for (int32_t slot = 0; slot < size; ++slot)
        if (slots[slot]) text += TableLine(std::to_string(slot), *slots[slot], t0);
    if (midBoss) text += TableLine("midboss", *midBoss, t0);
    if (boss) text += TableLine("boss", *boss, t0);
    return text;
}

bool Simulator::PrintTimetable(SDL_Surface* screen, int levelNumber, unsigned seed, std::string* out) {
    std::unique_ptr<LevelScript> script = MakeLevelScript(levelNumber);
    if (!script) return false;
    std::unique_ptr<LevelAssets> assets(LoadLevelAssets(script->Profile()));
    platform::SeedRandom(seed);
    const LevelEnemies built = BuildLevelEnemies(*script, screen, assets.get());
    *out += FormatTimetable(built.slots.get(), built.tableSize, built.midBoss, built.boss.enemy, built.t0);
    return true;
}
