// Loading a level, its start animation, and putting everything away again at the end.
#include <algorithm>

#include "core/catalogue_loaders.h"
#include "core/input.h"
#include "core/playfield.h"
#include "core/utilities.h"
#include "enemies/framework/level_assets.h"
#include "hero/hero.h"
#include "levels/hud.h"
#include "levels/level_enemies.h"
#include "levels/level_runner.h"
#include "levels/level_transition.h"
#include "levels/scrolling_background.h"
#include "platform/loaders.h"
#include "platform/mixer.h"
#include "platform/platform.h"
#include "platform/screen.h"

namespace {

constexpr int kStartFrames = 300;
constexpr int kRevealStep = 4;
constexpr int kStripFrameWidth = catalogue::kGetReady.cellWidth;
constexpr int kStripFrameHeight = catalogue::kGetReady.cellHeight;
constexpr int kStripFrames = catalogue::kGetReady.cols;
constexpr int kStripTicks = 5;
constexpr Uint32 kLoadingPause = 3000;
constexpr Uint32 kLoadingPauseTail = 1000;

}  // namespace

void LevelRunner::LoadPictures() {
    // The closed curtain covers the whole screen here: no key.
    loadingPicture.reset(catalogue::LoadUnkeyed(catalogue::kCurtain[0]));
    capturePicture.reset(catalogue::Load(*profile.capture));
    loadingStrip.reset(catalogue::Load(catalogue::kGetReady));
    script.LoadExtraPictures();
    platform::Blit(loadingPicture.get(), nullptr, screen, nullptr);
    platform::Flip(screen);
}

namespace {

// An empty path means the level has no such track.
Mix_Music* LoadTrack(const catalogue::Music* music) { return music ? catalogue::Load(*music) : nullptr; }

}  // namespace

void LevelRunner::LoadSounds() {
    levelMusic.reset(LoadTrack(profile.levelMusic));
    script.LoadExtraSounds();
    bossMusic.reset(LoadTrack(profile.bossMusic));
    bonusSound.reset(catalogue::Load(catalogue::kBonusTickSound));
}

void LevelRunner::CreateHelpers() {
    joystick = std::make_unique<JoystickInput>();
    for (const catalogue::Picture* layer : profile.layers) {
        layers.push_back(std::make_unique<ScrollingBackground>(screen, catalogue::Load(*layer),
                                                               MakeRect(0, 0, layer->Width(), layer->Height())));
        // The HUD frame, drawn over every frame of play, is opaque beside the playfield.
        layers.back()->SetColumns(playfield::kLeft, playfield::kRight);
    }
    timer = std::make_unique<FrameTimer>(platform::Ticks(), static_cast<Uint32>(framePeriod));
    transition = std::make_unique<LevelTransition>(screen, framePeriod);
    hud = std::make_unique<Hud>(screen);
    assets.reset(LoadLevelAssets(profile));
    const catalogue::Picture& ship = catalogue::kHeroSheet;
    const catalogue::Picture& blast = catalogue::kHeroExplosion;
    hero = std::make_unique<Hero>(screen, HeroSetup{.box = MakeRect(302, 420, ship.cellWidth, ship.cellHeight),
                                                    .lives = 6,
                                                    .shotSlots = 200,
                                                    .explosionStepMs = 20,
                                                    .explosionSteps = blast.cols,
                                                    .explosionCellWidth = blast.cellWidth,
                                                    .explosionCellHeight = blast.cellHeight});
}

void LevelRunner::BuildEnemies() {
    enemies = BuildLevelEnemies(script, screen, assets.get());
    if (GetBoss()) GetBoss()->SetMusicHold(true);
}

void LevelRunner::RunStartAnimation() {
    int revealHeight = 0;
    int stripFrame = 0;
    int stripTick = 0;
    for (int frame = 0; frame < kStartFrames; ++frame) {
        timer->Wait(platform::Ticks());
        SDL_Rect source = MakeRect(0, 0, 640, revealHeight);
        revealHeight = std::min(revealHeight + kRevealStep, 480);
        platform::Blit(loadingPicture.get(), nullptr, screen, nullptr);
        SDL_Rect at = MakeRect(profile.captureX, 0, 0, 0);
        platform::Blit(capturePicture.get(), &source, screen, &at);
        hud->Draw(false, hero->GetLives(), hero->GetWeaponLevel(), BossEnergy(), BossMaxEnergy(), *score,
                  profile.levelNumber);
        if (revealHeight == 480) {
            SDL_Rect cell = MakeRect(kStripFrameWidth * stripFrame, 0, kStripFrameWidth, kStripFrameHeight);
            SDL_Rect stripAt = MakeRect(192, 193, 0, 0);
            platform::Blit(loadingStrip.get(), &cell, screen, &stripAt);
            if (stripTick == kStripTicks) {
                stripTick = 0;
                stripFrame = (stripFrame + 1) % kStripFrames;
            }
            stripTick += 1;
        }
        platform::Flip(screen);
    }
}

LevelResult LevelRunner::Run(int32_t* scoreOut) {
    score = scoreOut;
    cleanedUp = false;
    frames = 0;

    LoadPictures();
    *state = LevelState::Running;
    LoadSounds();
    CreateHelpers();
    BuildEnemies();

    const Uint32 pauseStart = platform::Ticks();
    platform::Sleep(kLoadingPause);
    platform::Sleep(kLoadingPauseTail);
    escapeArmed = false;
    bossMusicStarted = false;
    bossExploding = false;
    deadFrames = 0;

    RunStartAnimation();

    const int delta = static_cast<int>(platform::Ticks() - pauseStart);
    for (int32_t slot = 0; slot < enemies.tableSize; ++slot)
        if (enemies.slots[slot]) enemies.slots[slot]->DelaySpawn(delta);
    if (GetMidBoss()) GetMidBoss()->DelaySpawn(delta);
    if (GetBoss()) GetBoss()->DelaySpawn(delta);

    if (levelMusic) platform::PlayMusic(levelMusic.get(), 0);
    levelStart = platform::Ticks();
    now = levelStart;

    if (LevelWatcher* watcher = GetLevelWatcher()) watcher->LoopStarted(*this);
    PlayLoop();
    finalLives = hero->GetLives();
    finalWeaponLevel = hero->GetWeaponLevel();
    if (LevelWatcher* watcher = GetLevelWatcher()) watcher->LoopEnded(*this);

    if (platform::AudioOpen()) platform::FadeOutMusic(1000);
    LevelResult result = LevelResult::Quit;
    if (*state == LevelState::OutOfLives) {
        result = transition->ShowGameOver();
    } else if (*state == LevelState::Won) {
        result = LevelResult::Cleared;
        transition->ShowLevelClear(bonusSound.get(), *hud, hero->GetLives(), hero->GetWeaponLevel(), score,
                                   profile.levelNumber);
    }

    CleanUp();
    platform::Sleep(1000);
    if (LevelWatcher* watcher = GetLevelWatcher()) watcher->RunEnded(*this, result);
    return result;
}

// Frees what the run owns in the order the traces record: the helpers, the table in slot order,
// the mid-boss, the boss, then the pictures, the level's extras, the two tracks and the sound.
void LevelRunner::CleanUp() {
    if (cleanedUp) return;
    cleanedUp = true;
    layers.clear();
    timer.reset();
    hud.reset();
    hero.reset();
    transition.reset();
    joystick.reset();
    assets.reset();
    enemies = LevelEnemies();
    loadingPicture.reset();
    capturePicture.reset();
    loadingStrip.reset();
    script.FreeExtras();
    // Mix_FreeMusic lets a fade-out still under way finish before it halts the track.
    levelMusic.reset();
    bossMusic.reset();
    bonusSound.reset();
}
