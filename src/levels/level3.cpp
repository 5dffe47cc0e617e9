#include "levels/level3.h"

#include "core/playfield.h"
#include "core/utilities.h"
#include "enemies/bosses/death.h"
#include "enemies/regular/blob.h"
#include "enemies/regular/crabe.h"
#include "enemies/regular/soucoupe.h"
#include "enemies/regular/virus.h"

namespace {

constexpr int32_t kLastBlob = 119;
constexpr int32_t kBlobGap = 300;
constexpr int32_t kVirusGap = 100;

}  // namespace

Level3Script::Level3Script() {
    profile.levelNumber = 3;
    profile.capture = &catalogue::kCaptures[2];
    profile.captureX = playfield::kLeft;
    profile.layers = {&catalogue::kEnfer, &catalogue::kEnfer1};
    profile.schedule = {
        {16000, 1, 4},
        {90000, 1, 6},
        {140000, 2, 6},
        {kScheduleForever, 2, 8},
    };
    profile.levelMusic = &catalogue::kLevelMusic[2];
    profile.bossMusic = &catalogue::kSecondBossMusic;
    profile.assetBank = 3;
    profile.tableSize = kTableSize;
    profile.bossDelay = 8000;
}

// Random numbers are drawn slot by slot: the script's own first, then the enemy's constructor's.
void Level3Script::BuildTimetable(Timetable& table) {
    SDL_Surface* screen = table.screen;
    LevelAssets* assets = table.assets;
    int32_t& clock = table.spawnClock;
    for (int32_t slot = 0; slot < table.size && slot < kTableSize; ++slot) {
        Enemy*& enemy = table.slots[slot];
        if (slot <= kLastBlob) {
            const int y = RandomInt(200);
            enemy = new Blob(screen, assets, {.x = playfield::kRight, .y = y, .spawnTime = clock});
            clock += kBlobGap;
        } else if (slot == 120) {
            enemy = new Soucoupe(screen, assets, {.x = 270, .y = -15, .spawnTime = clock + 3000},
                                 {.flight = Soucoupe::Flight::Down});
            clock += 8000;
        } else if (slot == 530) {
            enemy = new Crabe(screen, assets, {.x = 1, .y = 120, .spawnTime = clock + 6000}, {.strength = 1});
            clock += 12000;
        } else if (slot == 531) {
            enemy = new Soucoupe(screen, assets, {.x = 400, .y = -15, .spawnTime = clock + 3000},
                                 {.flight = Soucoupe::Flight::Down});
            clock += 8000;
        } else if (slot == 570) {
            enemy = new Soucoupe(screen, assets, {.x = 140, .y = -15, .spawnTime = clock},
                                 {.flight = Soucoupe::Flight::Down});
            clock += 5000;
        } else {
            // Slots 121-529 and 532-569.
            const int x = playfield::kLeft + RandomInt(playfield::kWidth);
            enemy = new Virus(screen, assets, {.x = x, .y = -44, .spawnTime = clock}, {.hitPoints = 1});
            clock += kVirusGap;
        }
    }
}

BossEntry Level3Script::MakeBoss(SDL_Surface* screen, int32_t spawnTime) {
    return BossEntry::Of(new Death(screen, {.x = 505, .y = 120, .spawnTime = spawnTime}, {.units = 6}));
}
