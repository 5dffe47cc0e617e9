#include "levels/level6.h"

#include <SDL/SDL_mixer.h>

#include "core/playfield.h"
#include "core/utilities.h"
#include "enemies/bosses/insecte.h"
#include "enemies/bosses/xorg.h"
#include "hero/hero.h"
#include "levels/level_runner.h"
#include "levels/scrolling_background.h"
#include "platform/loaders.h"
#include "platform/mixer.h"
#include "platform/platform.h"

Level6Script::Level6Script() {
    profile.levelNumber = 6;
    profile.capture = &catalogue::kCaptures[5];
    profile.captureX = playfield::kLeft;
    profile.layers = {&catalogue::kLastLevel, &catalogue::kExtra1};
    // No schedule: the layer changes when the Insecte is finished (DrawBackground).
    profile.levelMusic = &catalogue::kLevelMusic[5];
    profile.bossMusic = &catalogue::kLastBossMusic;
    profile.assetBank = 0;
    profile.tableSize = 0;
    profile.bossDelay = 0;
}

Insecte* Level6Script::MakeInsecte(SDL_Surface* screen, int32_t spawnClock) {
    return new Insecte(screen, {.x = 225, .y = -116, .spawnTime = spawnClock + kInsecteDelayMs}, {.units = 1});
}

Xorg* Level6Script::MakeXorg(SDL_Surface* screen, int32_t spawnClock) {
    return new Xorg(screen, {.x = 205, .y = -238, .spawnTime = spawnClock}, {.units = 4});
}

Enemy* Level6Script::MakeMidBoss(SDL_Surface* screen, int32_t spawnClock) { return MakeInsecte(screen, spawnClock); }

// Xorg's spawn time from here is never used: the Insecte's end sets a new one.
BossEntry Level6Script::MakeBoss(SDL_Surface* screen, int32_t spawnTime) {
    return BossEntry::Of(MakeXorg(screen, spawnTime));
}

bool Level6Script::DrawBackground(LevelRunner& run) {
    if (ScrollingBackground* layer = run.Layer(secondLayer ? 2 : 1)) layer->Scroll(secondLayer ? 6 : 4);
    return true;
}

// Every frame, also before the Insecte is active: its script reads the level at its switches.
void Level6Script::BeforeThreatPass(LevelRunner& run) {
    if (Enemy* insecte = run.GetMidBoss())
        static_cast<Insecte*>(insecte)->SetHeroWeaponLevel(run.GetHero()->GetWeaponLevel());
}

void Level6Script::MidBossFinished(LevelRunner& run) {
    if (Enemy* xorg = run.GetBoss()) xorg->SetSpawnTime(static_cast<int>(platform::Ticks()) + kXorgDelayMs);
    secondLayer = true;
    if (platform::AudioOpen()) platform::FadeOutMusic(1000);
}
