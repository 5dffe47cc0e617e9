#include "levels/level2.h"

#include "core/playfield.h"
#include "core/utilities.h"
#include "enemies/bosses/cube_boss.h"
#include "enemies/regular/cube.h"
#include "enemies/regular/cube_devil.h"
#include "enemies/regular/cube_invider_one.h"
#include "enemies/regular/roue.h"
#include "enemies/regular/soucoupe.h"
#include "enemies/regular/triangle.h"

namespace {

constexpr int32_t kLastColumnCube = 79;
constexpr int32_t kLastStackedTriangle = 139;
constexpr int32_t kFirstWallSlot = 140;
constexpr int32_t kLastWallSlot = 327;
constexpr int kCubeSize = catalogue::kCubeSheet.cellWidth;
constexpr int kLeftLane = playfield::kInnerLeft;  // x of the left column and of the wall's first column
constexpr int kRightLane = 472;                   // x of the right column

// The wall: rows 40 to 95 from the bottom up. Every fifth row is full (twelve slots) with a wheel
// in one column; each row between takes one slot: a cube sweeping from the left (L) or the right
// (R), or nothing (-).
constexpr int kFirstWallRow = 40;
constexpr int kFullRowSlots = 12;
constexpr int kWheelColumn[12] = {5, 2, 8, 5, 2, 8, 5, 2, 8, 5, 2, 8};  // rows 40, 45, ... 95
constexpr const char* kLanes[11] = {
    "R--L", "LL--", "RL--", "LLLR", "LRRR", "LRLR", "LLRR", "LRLR", "LLLR", "LRLR", "RLRL",
};  // rows 41-44, 46-49, ... 91-94

int RowY(int row) { return -kCubeSize * (row + 1); }

// The opening columns: pairs from the bottom up, moving one cube towards the middle at pairs 6,
// 11 and 16.
SDL_Rect ColumnBox(int32_t slot) {
    const int pair = slot / 2;
    const int inset = pair < 6 ? 0 : pair < 11 ? 1 : pair < 16 ? 2 : 3;
    const int x = slot % 2 == 0 ? kLeftLane + kCubeSize * inset : kRightLane - kCubeSize * inset;
    return MakeRect(x, RowY(pair), kCubeSize, kCubeSize);
}

// One slot of the wall.
Enemy* WallEnemy(const Timetable& table, int32_t slot) {
    const int offset = slot - kFirstWallSlot;
    const int group = offset / 16;  // a full row and the four rows above it
    const int place = offset % 16;
    if (place < kFullRowSlots) {
        const SDL_Rect box =
            MakeRect(kLeftLane + kCubeSize * place, RowY(kFirstWallRow + 5 * group), kCubeSize, kCubeSize);
        if (place == kWheelColumn[group])
            return new Roue(table.screen, table.assets, {.x = box.x, .y = box.y, .spawnTime = table.spawnClock});
        return new Cube(table.screen, table.assets, {.x = box.x, .y = box.y, .spawnTime = table.spawnClock}, {.vy = 1});
    }
    const int between = place - kFullRowSlots;  // 0..3: rows 1..4 above the full row
    const char lane = kLanes[group][between];
    if (lane == '-') return nullptr;
    const bool fromLeft = lane == 'L';
    const SDL_Rect box = MakeRect(fromLeft ? kLeftLane : kRightLane, RowY(kFirstWallRow + 5 * group + between + 1),
                                  kCubeSize, kCubeSize);
    Cube* cube =
        new Cube(table.screen, table.assets, {.x = box.x, .y = box.y, .spawnTime = table.spawnClock}, {.vy = 1});
    cube->SetSweep(true, fromLeft ? 1 : -1, kLeftLane, kRightLane);
    return cube;
}

}  // namespace

Level2Script::Level2Script() {
    profile.levelNumber = 2;
    profile.capture = &catalogue::kCaptures[1];
    profile.captureX = playfield::kInnerLeft;
    profile.layers = {&catalogue::kDales, &catalogue::kTransition1, &catalogue::kDales1};
    profile.schedule = {
        {16000, 1, 4}, {60000, 1, 6}, {86000, 1, 8}, {111000, 2, 8}, {kScheduleForever, 3, 8},
    };
    profile.levelMusic = &catalogue::kLevelMusic[1];
    profile.bossMusic = &catalogue::kSecondBossMusic;
    profile.assetBank = 2;
    profile.tableSize = kTableSize;
    profile.bossDelay = 10000;
}

// Random numbers are drawn slot by slot: the script's own first, then the enemy's constructor's.
void Level2Script::BuildTimetable(Timetable& table) {
    SDL_Surface* screen = table.screen;
    LevelAssets* assets = table.assets;
    int32_t& clock = table.spawnClock;
    for (int32_t slot = 0; slot < table.size && slot < kTableSize; ++slot) {
        Enemy*& enemy = table.slots[slot];
        if (slot <= kLastColumnCube) {
            // Stacked above the playfield, they come into view as they fall.
            const SDL_Rect at = ColumnBox(slot);
            enemy = new Cube(screen, assets, {.x = at.x, .y = at.y, .spawnTime = clock}, {.vy = 1});
        } else if (slot <= kLastStackedTriangle) {
            const int x = 258 + RandomInt(82);
            enemy = new Triangle(screen, assets, {.x = x, .y = -42 * (slot - 40), .spawnTime = clock}, {.vy = 3});
            if (slot == kLastStackedTriangle) clock += 6000;
        } else if (slot <= kLastWallSlot) {
            enemy = WallEnemy(table, slot);
        } else if (slot == 328) {
            enemy = new Soucoupe(screen, assets, {.x = 286, .y = -15, .spawnTime = clock + 55500},
                                 {.flight = Soucoupe::Flight::Down});
            clock += 58500;
        } else if (slot <= 331) {
            static const int kDevilX[3] = {163, 387, 275};
            enemy = new CubeDevil(screen, assets, {.x = kDevilX[slot - 329], .y = -89, .spawnTime = clock});
        } else if (slot == 332) {
            enemy = new CubeInviderOne(screen, assets, {.x = 501, .y = 100, .spawnTime = clock + 18000});
            clock += 18000;
        } else if (slot == 333) {
            enemy = new Soucoupe(screen, assets, {.x = 150, .y = -15, .spawnTime = clock + 26000},
                                 {.flight = Soucoupe::Flight::Down});
            clock += 26000;
        } else if (slot == 334) {
            enemy = new Soucoupe(screen, assets, {.x = 420, .y = -15, .spawnTime = clock + 3000},
                                 {.flight = Soucoupe::Flight::Down});
            clock += 3000;
        } else {
            const int x = playfield::kLeft + RandomInt(320);
            enemy = new Triangle(screen, assets, {.x = x, .y = -33, .spawnTime = clock}, {.vy = 6});
            clock += 150;
        }
    }
}

BossEntry Level2Script::MakeBoss(SDL_Surface* screen, int32_t spawnTime) {
    return BossEntry::Of(new CubeBoss(screen, {.x = -130, .y = 60, .spawnTime = spawnTime}, {.units = 6}));
}
