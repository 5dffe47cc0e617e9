#include "levels/level5.h"

#include "core/playfield.h"
#include "core/utilities.h"
#include "enemies/bosses/radio_zonde.h"
#include "enemies/regular/fee.h"
#include "enemies/regular/oeil_rb.h"
#include "enemies/regular/papillon.h"
#include "enemies/regular/soucoupe.h"
#include "enemies/regular/vax.h"

namespace {

constexpr int32_t kLastFirstSwarm = 299;
constexpr int32_t kFirstFairyLine = 300;   // 300-303, from the right
constexpr int32_t kSecondFairyLine = 304;  // 304-307, from the left
constexpr int32_t kFirstSaucer = 308;      // 308-310
constexpr int32_t kFirstEye = 311;
constexpr int32_t kEyePair = 600;  // 600-601
constexpr int32_t kLastVaxStream = 899;
constexpr int32_t kStreamEye = 900;
constexpr int32_t kSwarmEye = 965;

constexpr int kFromLeftX = 130;  // just left of the playfield
constexpr int kFromRightX = 492;

// A butterfly from a random side edge at the height rowY() gives; side is drawn before the height.
template <class RowY>
Enemy* Butterfly(const Timetable& table, int32_t spawnTime, RowY rowY) {
    const int side = RandomInt(2);
    const int y = rowY();
    return new Papillon(table.screen, table.assets,
                        {.x = side == 1 ? kFromLeftX : kFromRightX, .y = y, .spawnTime = spawnTime});
}

Enemy* EyeShip(const Timetable& table, int x, int y, int32_t spawnTime) {
    return new OeilRB(table.screen, table.assets, {.x = x, .y = y, .spawnTime = spawnTime}, {.strength = 1});
}

}  // namespace

Level5Script::Level5Script() {
    profile.levelNumber = 5;
    profile.capture = &catalogue::kCaptures[4];
    profile.captureX = 140;
    profile.layers = {&catalogue::kPsyche2, &catalogue::kTransition2, &catalogue::kPsyche3};
    profile.schedule = {{15500, 1, 4}, {42600, 1, 6}, {69000, 2, 6}, {kScheduleForever, 3, 8}};
    profile.levelMusic = &catalogue::kLevelMusic[4];
    profile.bossMusic = &catalogue::kRadioZondeMusic;
    profile.assetBank = 5;
    profile.tableSize = kTableSize;
    profile.bossDelay = 6000;
}

SDL_Rect Level5Script::VaxBlockBox(int32_t slot) {
    const int row = (slot - kVaxBlockFirst) / kVaxColumns;
    const int column = (slot - kVaxBlockFirst) % kVaxColumns;
    return MakeRect(playfield::kLeft + 46 * column, -68 * (row + 1), 46, 34);
}

// Random numbers are drawn slot by slot: the script's own first (side, then height, for a
// butterfly; the column for a Vax of the stream), then the enemy's constructor's.
void Level5Script::BuildTimetable(Timetable& table) {
    SDL_Surface* screen = table.screen;
    LevelAssets* assets = table.assets;
    int32_t& clock = table.spawnClock;
    const auto firstSwarmRow = [] { return 14 * RandomInt(35); };
    const auto laterSwarmRow = [] { return 140 + 10 * RandomInt(35); };
    for (int32_t slot = 0; slot < table.size && slot < kTableSize; ++slot) {
        Enemy*& enemy = table.slots[slot];
        if (slot <= kLastFirstSwarm) {
            enemy = Butterfly(table, clock, firstSwarmRow);
            clock += slot == kLastFirstSwarm ? 5030 : 30;
        } else if (slot < kSecondFairyLine) {
            // Waiting right of the playfield, 75 pixels apart.
            enemy = new Fee(screen, assets,
                            {.x = playfield::kRight + 75 * (slot - kFirstFairyLine), .y = 40, .spawnTime = clock});
            if (slot == kSecondFairyLine - 1) clock += 10000;
        } else if (slot < kFirstSaucer) {
            // Waiting left of it.
            enemy = new Fee(screen, assets, {.x = 93 - 75 * (slot - kSecondFairyLine), .y = 90, .spawnTime = clock});
            if (slot == kFirstSaucer - 1) clock += 15000;
        } else if (slot < kFirstEye) {
            enemy = new Soucoupe(screen, assets,
                                 {.x = 170 + 100 * (slot - kFirstSaucer), .y = -15, .spawnTime = clock + 1000},
                                 {.flight = Soucoupe::Flight::Down});
            clock += 3000;
        } else if (slot == kFirstEye) {
            enemy = EyeShip(table, 30, 200, clock + 1000);
            clock += 19000;
        } else if (slot <= kVaxBlockLast) {
            // All 288 share one spawn time and come into view as they descend.
            const SDL_Rect at = VaxBlockBox(slot);
            enemy = new Vax(screen, assets, {.x = at.x, .y = at.y, .spawnTime = clock});
        } else if (slot < kEyePair + 2) {
            const int n = slot - kEyePair;
            enemy = EyeShip(table, 80 * n, 50 + 60 * n, clock + 8000);
            clock += slot == kEyePair ? 8000 : 19000;
        } else if (slot <= kLastVaxStream) {
            enemy = new Vax(screen, assets,
                            {.x = playfield::kLeft + RandomInt(playfield::kWidth), .y = -33, .spawnTime = clock});
            clock += 50;
        } else if (slot == kStreamEye) {
            enemy = EyeShip(table, 30, 50, clock + 3000);
            clock += 3000;
        } else if (slot == kSwarmEye) {
            // Active together with the butterfly of the next slot.
            enemy = EyeShip(table, 30, 50, clock);
        } else {
            enemy = Butterfly(table, clock, laterSwarmRow);
            clock += 200;
        }
    }
}

BossEntry Level5Script::MakeBoss(SDL_Surface* screen, int32_t spawnTime) {
    return BossEntry::Of(new RadioZonde(screen, {.x = 503, .y = 0, .spawnTime = spawnTime}, {.units = 6}));
}
