#include "fake_level.h"

#include <algorithm>

#include "core/utilities.h"
#include "levels/scrolling_background.h"
#include "platform/platform.h"
#include "support/sdl_env.h"

namespace levelstest {

int FakeLog::Deletions(const std::string& name) const {
    return static_cast<int>(std::count(deleted.begin(), deleted.end(), name));
}

FakeEnemy::FakeEnemy(FakeLog& log, std::string name, SDL_Rect box, int spawnTime, int points)
    : Enemy(box, 10, 10, spawnTime, points), log(log), name(name), stats(log.stats[name]) {}

FakeEnemy::~FakeEnemy() { log.deleted.push_back(name); }

bool FakeEnemy::Update() {
    const int updates = ++stats.updates;
    const Uint32 now = platform::Ticks();
    if (updates == 1) stats.firstUpdate = now;
    stats.lastUpdate = now;
    if (updates == releaseHoldAtUpdate) SetMusicHold(false);
    if (finishWhen && finishWhen()) return false;
    if (destroyed) return ++updatesSinceKill < finishAfterKill;
    return true;
}

int FakeEnemy::CheckHit(EnemyShot**, int) {
    ++stats.checks;
    if (destroyed || stats.checks != killAtCheck) return kNoHit;
    destroyed = true;
    return killResult;
}

FakeScript::FakeScript() {
    profile.levelNumber = 1;
    profile.capture = &catalogue::kCaptures[0];
    profile.captureX = 139;
    profile.layers = {&catalogue::kCiel, &catalogue::kTransition, &catalogue::kEtoiles};
    profile.schedule = {{kScheduleForever, 1, 4}};
    profile.assetBank = 0;
    profile.tableSize = 0;
    profile.bossDelay = 0;
}

void FakeScript::BuildTimetable(Timetable& t) {
    for (const auto& entry : tableAt) {
        auto* enemy = new FakeEnemy(log, "slot" + std::to_string(entry.first), MakeRect(300, 200, 20, 20),
                                    At(t, entry.second), 100);
        if (setUpTable) setUpTable(*enemy);
        t.slots[entry.first] = enemy;
    }
}

BossEntry FakeScript::MakeBoss(SDL_Surface*, int32_t spawnTime) {
    // The boss delay is unused here: bossAt is counted from the same start as the table.
    auto* boss = new FakeEnemy(log, "boss", bossBox, spawnTime - profile.bossDelay - 4000 + bossAt, 300);
    if (setUpBoss) setUpBoss(*boss);
    return BossEntry::Of(boss);
}

Enemy* FakeScript::MakeMidBoss(SDL_Surface*, int32_t spawnClock) {
    if (midBossAt < 0) return nullptr;
    auto* midBoss = new FakeEnemy(log, "midboss", MakeRect(300, 100, 40, 40), spawnClock - 4000 + midBossAt, 500);
    if (setUpMidBoss) setUpMidBoss(*midBoss);
    return midBoss;
}

RunWatch::RunWatch() { SetLevelWatcher(this); }

RunWatch::~RunWatch() { SetLevelWatcher(nullptr); }

void RunWatch::LoopStarted(LevelRunner& r) {
    run = &r;
    levelStart = r.LevelStart();
}

void RunWatch::LoopEnded(LevelRunner& r) {
    loopEndState = r.State();
    run = nullptr;
    layerOffsets.clear();
    for (int layer = 1; layer <= r.LayerCount(); ++layer) layerOffsets.push_back(r.Layer(layer)->Offset());
    // The game-over screen reads the answer on its first frame.
    if (r.State() == LevelState::OutOfLives) testsupport::PushKeyDown(gameOverAnswer);
}

}  // namespace levelstest
