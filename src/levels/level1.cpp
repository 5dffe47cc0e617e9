#include "levels/level1.h"

#include <algorithm>

#include "core/catalogue_loaders.h"
#include "core/playfield.h"
#include "core/utilities.h"
#include "enemies/bosses/moine.h"
#include "enemies/framework/sound_channels.h"
#include "enemies/regular/boule.h"
#include "enemies/regular/delta.h"
#include "enemies/regular/modular.h"
#include "enemies/regular/piaf.h"
#include "enemies/regular/soucoupe.h"
#include "enemies/regular/yeux.h"
#include "levels/level_runner.h"
#include "levels/scrolling_background.h"
#include "platform/loaders.h"

namespace {

constexpr int32_t kLastBoule = 92;
constexpr int32_t kFirstSaucer = 80;
constexpr int32_t kLastPiaf = 239;
constexpr int32_t kWaveSize = 5;
constexpr int32_t kWaveGap = 800;
constexpr int32_t kPiafGap = 75;
constexpr int32_t kModularGap = 100;

}  // namespace

constexpr int Level1Script::kBackdropSequence[8];

Level1Script::Level1Script() {
    profile.levelNumber = 1;
    profile.capture = &catalogue::kCaptures[0];
    profile.captureX = playfield::kInnerLeft;
    profile.layers = {&catalogue::kCiel, &catalogue::kTransition, &catalogue::kEtoiles};
    // From kBossApproachMs on, DrawBackground takes over.
    profile.schedule = {
        {30000, 1, 4}, {36500, 1, 6}, {51000, 2, 6}, {67500, 3, 6}, {kScheduleForever, 3, 8},
    };
    profile.levelMusic = &catalogue::kLevelMusic[0];
    profile.bossMusic = &catalogue::kMoineMusic;
    profile.assetBank = 1;
    profile.tableSize = kTableSize;
    profile.bossDelay = 12000;
}

// Nineteen waves of balls with a saucer among them, the bird rain, the delta ship, a saucer, the
// two eye ships, then two streams of modules around the last saucer. Random numbers are drawn
// slot by slot: the script's own first, then the enemy's constructor's.
void Level1Script::BuildTimetable(Timetable& table) {
    SDL_Surface* screen = table.screen;
    LevelAssets* assets = table.assets;
    int32_t& clock = table.spawnClock;
    int member = 0, wave = 0, baseY = 0;
    for (int32_t slot = 0; slot < table.size && slot < kTableSize; ++slot) {
        Enemy*& enemy = table.slots[slot];
        if (slot == kFirstSaucer) {
            enemy = new Soucoupe(screen, assets, {.x = 115, .y = 10, .spawnTime = clock},
                                 {.flight = Soucoupe::Flight::Across});
        } else if (slot <= kLastBoule) {
            // Five balls side by side in two interleaved rows, from alternating sides.
            if (member == 0) baseY = RandomInt(200);
            const bool fromRight = wave % 2 == 0;
            const int x = fromRight ? playfield::kRight + 25 * member : playfield::kLeft - 1 - 25 * member;
            const int y = member % 2 == 0 ? baseY : baseY + 25;
            enemy = new Boule(
                screen, assets, {.x = x, .y = y, .spawnTime = clock},
                {.vy = member % 2 == 0 ? 1 : -1, .vx = fromRight ? -1 : 1, .leader = member == 0, .hitPoints = 5});
            if (++member == kWaveSize) {
                member = 0;
                wave += 1;
                clock += kWaveGap;
            }
            if (slot == kLastBoule) clock += 4000;
        } else if (slot <= kLastPiaf) {
            enemy = new Piaf(screen, assets,
                             {.x = playfield::kLeft + RandomInt(playfield::kWidth),
                              .y = 0,
                              .spawnTime = clock + (slot - kLastBoule) * kPiafGap});
            if (slot == kLastPiaf) clock += (kLastPiaf - kLastBoule) * kPiafGap + 4000;
        } else if (slot == 240) {
            enemy = new Delta(screen, assets, {.x = 236, .y = -93, .spawnTime = clock}, {.strength = 4});
            clock += 15500;
        } else if (slot == 241) {
            enemy = new Soucoupe(screen, assets, {.x = 286, .y = -15, .spawnTime = clock},
                                 {.flight = Soucoupe::Flight::Down});
            clock += 1500;
        } else if (slot == 242) {
            enemy = new Yeux(screen, assets, {.x = 29, .y = 100, .spawnTime = clock}, {.strength = 4});
        } else if (slot == 243) {
            enemy = new Yeux(screen, assets, {.x = 501, .y = 100, .spawnTime = clock}, {.strength = 4});
            clock += 12500;
        } else if (slot == 400) {
            enemy = new Soucoupe(screen, assets, {.x = 286, .y = -15, .spawnTime = clock},
                                 {.flight = Soucoupe::Flight::Down});
        } else {
            enemy = new Modular(screen, assets, {.x = playfield::kLeft + RandomInt(320), .y = -32, .spawnTime = clock});
            clock += kModularGap;
        }
    }
}

BossEntry Level1Script::MakeBoss(SDL_Surface* screen, int32_t spawnTime) {
    return BossEntry::Of(new Moine(screen, {.x = 284, .y = 210, .spawnTime = spawnTime}, {.units = 4}));
}

void Level1Script::LoadExtraPictures() {
    panel.reset(catalogue::Load(catalogue::kBossPanel));
    for (int i = 0; i < 5; ++i) backdrops[i].reset(catalogue::Load(catalogue::kMoineBackdrops[i]));
}

void Level1Script::LoadExtraSounds() { panelSound.reset(catalogue::Load(catalogue::kBossJingle)); }

void Level1Script::FreeExtras() {
    panel.reset();
    for (platform::OwnedSurface& backdrop : backdrops) backdrop.reset();
    panelSound.reset();
}

// The boss approach: the panel slides in over the stars until the boss music starts, then the
// backdrop animates over the playfield.
bool Level1Script::DrawBackground(LevelRunner& run) {
    if (run.PlayTime() < kBossApproachMs) return false;
    if (!run.BossMusicStarted()) {
        if (ScrollingBackground* stars = run.Layer(3)) stars->Scroll(8);
        if (panel) BlitAt(panel.get(), run.Screen(), MakeRect(panelX, 0, 0, 0));
        if (panelX == kPanelStartX) PlaySound(kChannelBossEffects, panelSound.get());
        if (panelX > kPanelRestX) panelX = std::max(kPanelRestX, panelX - kPanelStep);
        return true;
    }
    SDL_Surface* backdrop = backdrops[kBackdropSequence[backdropFrame]].get();
    if (backdrop) BlitAt(backdrop, run.Screen(), MakeRect(playfield::kLeft, 0, 0, 0));
    backdropTick += 1;
    if (backdropTick >= kBackdropFrameTicks) {
        backdropTick = 0;
        backdropFrame = (backdropFrame + 1) % 8;
    }
    return true;
}
