#include "levels/level4.h"

#include "core/playfield.h"
#include "core/utilities.h"
#include "enemies/bosses/monstro.h"
#include "enemies/regular/amybe.h"
#include "enemies/regular/fleche.h"
#include "enemies/regular/soucoupe.h"

namespace {

constexpr int32_t kFirstSaucer = 200;
constexpr int32_t kLastArrowSaucer = 550;  // after the arrows; the amoebas follow
constexpr int32_t kAmoebaSaucer = 630;
constexpr int32_t kFastAmoebas = 660;  // from here on the amoebas come closer together
constexpr int32_t kArrowGap = 60;
constexpr int32_t kAmoebaGap = 200;
constexpr int32_t kFastAmoebaGap = 120;

constexpr int kArrowSize = catalogue::kFlecheSheet.cellHeight;
constexpr int kTopY = 1 - kArrowSize;  // just above the window
constexpr int kMonstroWidth = catalogue::kMonstroSheet.cellWidth;
constexpr int kMonstroHeight = catalogue::kMonstroSheet.cellHeight;

}  // namespace

Level4Script::Level4Script() {
    profile.levelNumber = 4;
    profile.capture = &catalogue::kCaptures[3];
    profile.captureX = playfield::kInnerLeft;
    profile.layers = {&catalogue::kEnterprise, &catalogue::kEnterprise1};
    profile.schedule = {{20000, 1, 4}, {41000, 1, 5}, {140000, 2, 6}, {kScheduleForever, 2, 8}};
    profile.levelMusic = &catalogue::kLevelMusic[3];
    profile.bossMusic = &catalogue::kMonstroMusic;
    profile.assetBank = 4;
    profile.tableSize = kTableSize;
    profile.bossDelay = 12000;
}

Level4Script::ArrowEntry Level4Script::DrawArrowEntry() {
    ArrowEntry entry;
    const int side = RandomInt(2);
    entry.x = playfield::kLeft + RandomInt(100);
    entry.y = kTopY;
    entry.draws = 2;
    if (side == 1) {
        entry.x = 402 + RandomInt(100);
        entry.draws += 1;
        if (entry.x < 452) {
            entry.x = 501;
            entry.y = RandomInt(400);
            entry.draws += 1;
        }
    } else if (entry.x > 188) {
        entry.x = 110;
        entry.y = RandomInt(400);
        entry.draws += 1;
    }
    return entry;
}

// The arrow stream with a saucer in it, a saucer, then the amoebas around the last saucer. Random
// numbers are drawn slot by slot: the script's own first, then the enemy's constructor's.
void Level4Script::BuildTimetable(Timetable& table) {
    SDL_Surface* screen = table.screen;
    LevelAssets* assets = table.assets;
    int32_t& clock = table.spawnClock;
    for (int32_t slot = 0; slot < table.size && slot < kTableSize; ++slot) {
        Enemy*& enemy = table.slots[slot];
        if (slot == kFirstSaucer || slot == kAmoebaSaucer) {
            // Active together with the enemy of the next slot.
            enemy = new Soucoupe(screen, assets, {.x = 280, .y = -15, .spawnTime = clock},
                                 {.flight = Soucoupe::Flight::Down});
        } else if (slot < kLastArrowSaucer) {
            const ArrowEntry entry = DrawArrowEntry();
            enemy = new Fleche(screen, assets, {.x = entry.x, .y = entry.y, .spawnTime = clock}, {.hitPoints = 1});
            clock += kArrowGap;
        } else if (slot == kLastArrowSaucer) {
            enemy = new Soucoupe(screen, assets, {.x = 270, .y = -15, .spawnTime = clock + 1000},
                                 {.flight = Soucoupe::Flight::Down});
            clock += 4000;
        } else {
            enemy = new Amybe(screen, assets, {.x = playfield::kLeft + RandomInt(308), .y = -36, .spawnTime = clock},
                              {.strength = 1});
            clock += slot < kFastAmoebas ? kAmoebaGap : kFastAmoebaGap;
        }
    }
}

BossEntry Level4Script::MakeBoss(SDL_Surface* screen, int32_t spawnTime) {
    // Centred on x = 320, just above the window.
    return BossEntry::Of(new Monstro(
        screen, {.x = 320 - kMonstroWidth / 2, .y = 1 - kMonstroHeight, .spawnTime = spawnTime}, {.units = 8}));
}
