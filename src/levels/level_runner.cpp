// The frame loop of a level: events, background, the three passes over the active enemies,
// the hero, the HUD, pacing and the end tests, in this order every frame.
#include "levels/level_runner.h"

#include "core/input.h"
#include "core/utilities.h"
#include "enemies/framework/level_assets.h"
#include "hero/hero.h"
#include "levels/hud.h"
#include "levels/level_transition.h"
#include "levels/scrolling_background.h"
#include "platform/mixer.h"
#include "platform/platform.h"
#include "platform/screen.h"

namespace {

LevelWatcher* levelWatcher = nullptr;

constexpr int kDeadFramesToLose = 2;

}  // namespace

void SetLevelWatcher(LevelWatcher* watcher) { levelWatcher = watcher; }

LevelWatcher* GetLevelWatcher() { return levelWatcher; }

LevelRunner::LevelRunner(SDL_Surface* screen, int32_t framePeriod, LevelScript& script, LevelState* state)
    : screen(screen), framePeriod(framePeriod), script(script), profile(script.Profile()), state(state) {}

LevelRunner::~LevelRunner() { CleanUp(); }

ScrollingBackground* LevelRunner::Layer(int number) const {
    if (number < 1 || number > static_cast<int>(layers.size())) return nullptr;
    return layers[number - 1].get();
}

int LevelRunner::BossEnergy() {
    const BossEntry& boss = enemies.boss;
    return boss.enemy && boss.energy ? boss.energy(boss.enemy) : 0;
}

int LevelRunner::BossMaxEnergy() {
    const BossEntry& boss = enemies.boss;
    return boss.enemy && boss.maxEnergy ? boss.maxEnergy(boss.enemy) : 0;
}

void LevelRunner::PlayLoop() {
    for (;;) {
        now = platform::Ticks();
        scoreFlash = false;
        ++frames;
        if (DrainEvents()) {
            *state = LevelState::Running;
            return;
        }
        Uint8* inputFlags = joystick->Poll();
        const Uint8* keys = platform::KeyState();

        DrawBackground();
        script.BeforeThreatPass(*this);
        ThreatPass();
        HitPass();
        hero->Fire(keys, inputFlags);
        hero->Move(keys, inputFlags);
        hero->Draw(true);
        UpdatePass();

        hud->Draw(scoreFlash, hero->GetLives(), hero->GetWeaponLevel(), BossEnergy(), BossMaxEnergy(), *score,
                  profile.levelNumber);
        platform::Flip(screen);
        if (GetBoss() && !GetBoss()->IsMusicHeld() && !bossMusicStarted) {
            if (bossMusic) platform::PlayMusic(bossMusic.get(), -1);
            bossMusicStarted = true;
        }
        timer->Wait(platform::Ticks());
        if (EndOfFrame()) return;
    }
}

// True when Escape ended the level. Events that waited through the loading pause and the start
// animation are dropped by the first drain.
bool LevelRunner::DrainEvents() {
    bool quit = false;
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_ESCAPE && escapeArmed) quit = true;
    }
    escapeArmed = true;
    return quit;
}

void LevelRunner::DrawBackground() {
    if (script.DrawBackground(*this)) return;
    if (profile.schedule.empty()) return;
    const int32_t t = PlayTime();
    const BackgroundRow* row = &profile.schedule.back();
    for (const BackgroundRow& candidate : profile.schedule) {
        if (candidate.endMs > t) {
            row = &candidate;
            break;
        }
    }
    if (ScrollingBackground* layer = Layer(row->layer)) layer->Scroll(row->speed);
}

void LevelRunner::ThreatPass() {
    ForEachActive([this](Enemy* enemy, EnemyRole) {
        hero->CheckEnemyShots(enemy->GetShots(), enemy->GetShotCount());
        if (!enemy->IsDestroyed())
            hero->CheckCollision(enemy->GetRect(), enemy->GetHitHalfWidth(), enemy->GetHitHalfHeight());
    });
}

void LevelRunner::HitPass() {
    ForEachActive([this](Enemy* enemy, EnemyRole role) {
        const int hit = enemy->CheckHit(hero->GetShots(), hero->GetShotCount());
        if (hit == Enemy::kNoHit || !enemy->IsDestroyed()) return;
        if (role != EnemyRole::Boss && hit == Enemy::kBoostedHit) {
            scoreFlash = true;
            *score += 2 * enemy->GetScore();
        } else {
            *score += enemy->GetScore();
        }
    });
}

void LevelRunner::UpdatePass() {
    ForEachActive([this](Enemy*& enemy, EnemyRole role) {
        if (role == EnemyRole::Boss && enemy->ExplosionStarted()) bossExploding = true;
        if (enemy->Update()) return;
        delete enemy;
        enemy = nullptr;
        if (role == EnemyRole::Boss) {
            enemies.boss = BossEntry();
            *state = LevelState::Won;
        } else if (role == EnemyRole::MidBoss) {
            script.MidBossFinished(*this);
        }
    });
}

// True when the level is over. Running out of lives is tested first, so a hero that dies in the
// frame the boss ends loses the level.
bool LevelRunner::EndOfFrame() {
    if (hero->GetLives() <= 0) {
        deadFrames += 1;
        if (deadFrames >= kDeadFramesToLose) {
            *state = LevelState::OutOfLives;
            return true;
        }
    }
    if (*state == LevelState::Won) {
        hero->StopBanking();
        return true;
    }
    if (bossExploding) hero->MakeInvulnerable();
    return false;
}
