// The scripts of Levels 4 and 5: every slot's class and spawn time against the clock
// checkpoints, the entry points and boxes, and the random numbers drawn slot by slot.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "enemies/bosses/monstro.h"
#include "enemies/bosses/radio_zonde.h"
#include "enemies/regular/amybe.h"
#include "enemies/regular/fee.h"
#include "enemies/regular/fleche.h"
#include "enemies/regular/oeil_rb.h"
#include "enemies/regular/papillon.h"
#include "enemies/regular/soucoupe.h"
#include "enemies/regular/vax.h"
#include "levels/level4.h"
#include "levels/level5.h"
#include "platform/random.h"
#include "support/sdl_env.h"
#include "table_fixture.h"

namespace {

using levelstest::kT0;
using levelstest::TableTest;

using Level4Table = TableTest<Level4Script>;
using Level5Table = TableTest<Level5Script>;

TEST_F(Level4Table, EverySlotHoldsItsClassAtItsSpawnTime) {
    Build(1);
    for (int slot = 0; slot < 900; ++slot) {
        ASSERT_NE(nullptr, slots[slot]) << slot;
        if (slot > 0) {
            EXPECT_GE(Spawn(slot), Spawn(slot - 1)) << "spawn-time order at " << slot;
        }
        const bool saucer = slot == 200 || slot == 550 || slot == 630;
        const bool right = saucer       ? As<Soucoupe>(slot) != nullptr
                           : slot < 550 ? As<Fleche>(slot) != nullptr
                                        : As<Amybe>(slot) != nullptr;
        EXPECT_TRUE(right) << slot;
    }
    const std::vector<std::pair<int, int32_t>> checkpoints = {
        {0, 0},       {199, 11940}, {200, 12000}, {201, 12000}, {549, 32880}, {550, 33940}, {551, 36940},
        {629, 52540}, {630, 52740}, {631, 52740}, {659, 58340}, {660, 58540}, {899, 87220},
    };
    for (const auto& [slot, time] : checkpoints) EXPECT_EQ(time, Spawn(slot)) << "slot " << slot;

    auto* monstro = dynamic_cast<Monstro*>(boss.get());
    ASSERT_TRUE(monstro);
    EXPECT_EQ(99340, monstro->GetSpawnTime() - kT0);
    ExpectBox(*monstro, 190, -253, 261, 254, 120, 118);
}

// The draws replayed by hand: per arrow the side, a column, then a second column (right side)
// and a height (an edge), then the arrow's own pause; per amoeba its column, then its own time.
TEST_F(Level4Table, RandomNumbersAreDrawnSlotBySlotScriptFirst) {
    for (unsigned seed : {1u, 7u, 2024u}) {
        SCOPED_TRACE(seed);
        Build(seed);
        platform::SeedRandom(seed);
        int fromTopLeft = 0, fromLeft = 0, fromRight = 0, fromTopRight = 0;
        for (int slot = 0; slot < 900; ++slot) {
            if (slot == 200 || slot == 550 || slot == 630) continue;
            if (slot > 550) {
                ExpectBox(slot, 138 + platform::Random() % 308, -36, 56, 37, 12, 9);
                ASSERT_EQ(platform::Random() % 40 + 75, As<Amybe>(slot)->GetFlyTime()) << slot;
                continue;
            }
            const int side = platform::Random() % 2;
            int x = 138 + platform::Random() % 100, y = -28;
            if (side == 1) {
                x = 402 + platform::Random() % 100;
                if (x < 452) {
                    x = 501;
                    y = platform::Random() % 400;
                }
            } else if (x > 188) {
                x = 110;
                y = platform::Random() % 400;
            }
            ExpectBox(slot, x, y, 29, 29, 10, 10);
            ASSERT_EQ(platform::Random() % 10 + 30, As<Fleche>(slot)->GetPauseLength()) << slot;
            // The four ways in, each a strip of its own.
            const SDL_Rect b = Box(slot);
            if (b.y == -28 && b.x >= 138 && b.x <= 188)
                ++fromTopLeft;
            else if (b.x == 110 && b.y >= 0 && b.y < 400)
                ++fromLeft;
            else if (b.x == 501 && b.y >= 0 && b.y < 400)
                ++fromRight;
            else if (b.y == -28 && b.x >= 452 && b.x <= 501)
                ++fromTopRight;
            else
                ADD_FAILURE() << "arrow " << slot << " at " << b.x << "," << b.y;
        }
        EXPECT_EQ(platform::Random(), afterTable) << "no other draws";
        EXPECT_EQ(549, fromTopLeft + fromLeft + fromRight + fromTopRight);
        EXPECT_GT(fromTopLeft, 0);
        EXPECT_GT(fromLeft, 0);
        EXPECT_GT(fromRight, 0);
        EXPECT_GT(fromTopRight, 0);
    }
}

// The borders between the ways in, found by seeds whose draws land on them.
TEST(Level4Arrows, TheEntryBordersLieAt188And452) {
    struct Border {
        int side, column;  // the side drawn and the column draw (0..99) the seed must give
        int x, y;          // where the arrow then enters (y -1: a drawn height)
        int draws;
    } borders[] = {
        {0, 50, 188, -28, 2},  // first column 188: from the top
        {0, 51, 110, -1, 3},   // 189: from the left edge
        {1, 49, 501, -1, 4},   // second column 451: from the right edge
        {1, 50, 452, -28, 3},  // 452: from the top
    };
    for (const Border& border : borders) {
        unsigned seed = 1;
        for (;; ++seed) {
            platform::SeedRandom(seed);
            const int side = platform::Random() % 2;
            if (side != border.side) continue;
            const int first = platform::Random() % 100;
            if (side == 0 ? first == border.column : platform::Random() % 100 == border.column) break;
        }
        platform::SeedRandom(seed);
        const Level4Script::ArrowEntry entry = Level4Script::DrawArrowEntry();
        EXPECT_EQ(border.x, entry.x) << border.column;
        if (border.y != -1) {
            EXPECT_EQ(border.y, entry.y);
        }
        EXPECT_EQ(border.draws, entry.draws);
        platform::SeedRandom(seed);
        for (int draw = 0; draw < border.draws; ++draw) platform::Random();
        const int next = platform::Random();
        platform::SeedRandom(seed);
        Level4Script::DrawArrowEntry();
        EXPECT_EQ(next, platform::Random()) << "it draws exactly " << border.draws;
    }
}

TEST_F(Level5Table, EverySlotHoldsItsClassAtItsSpawnTime) {
    Build(1);
    for (int slot = 0; slot < 1030; ++slot) {
        ASSERT_NE(nullptr, slots[slot]) << slot;
        if (slot > 0) {
            EXPECT_GE(Spawn(slot), Spawn(slot - 1)) << "spawn-time order at " << slot;
        }
        const bool eye = slot == 311 || slot == 600 || slot == 601 || slot == 900 || slot == 965;
        const bool right = eye                        ? As<OeilRB>(slot) != nullptr
                           : slot < 300 || slot > 900 ? As<Papillon>(slot) != nullptr
                           : slot < 308               ? As<Fee>(slot) != nullptr
                           : slot < 311               ? As<Soucoupe>(slot) != nullptr
                                                      : As<Vax>(slot) != nullptr;
        EXPECT_TRUE(right) << slot;
    }
    const std::vector<std::pair<int, int32_t>> checkpoints = {
        {0, 0},        {299, 8970},   {300, 14000},  {303, 14000},   {304, 24000},  {307, 24000},
        {308, 40000},  {309, 43000},  {310, 46000},  {311, 49000},   {312, 67000},  {599, 67000},
        {600, 75000},  {601, 83000},  {602, 94000},  {899, 108850},  {900, 111900}, {901, 111900},
        {964, 124500}, {965, 124700}, {966, 124700}, {1029, 137300},
    };
    for (const auto& [slot, time] : checkpoints) EXPECT_EQ(time, Spawn(slot)) << "slot " << slot;
    for (int s = 0; s < 299; ++s) ASSERT_EQ(30 * s, Spawn(s));

    // The fairy lines wait beside the playfield, the eye ships behind the left panel.
    const int fairyX[8] = {502, 577, 652, 727, 93, 18, -57, -132};
    for (int k = 0; k < 8; ++k) ExpectBox(300 + k, fairyX[k], k < 4 ? 40 : 90, 45, 74, 16, 12);
    for (int k = 0; k < 3; ++k) ExpectBox(308 + k, 170 + 100 * k, -15, 68, 65, 30, 20);
    const int eyes[5][3] = {{311, 30, 200}, {600, 0, 50}, {601, 80, 110}, {900, 30, 50}, {965, 30, 50}};
    for (const auto& e : eyes) ExpectBox(e[0], e[1], e[2], 110, 47, 30, 15);
    // The Vax block: 36 rows of eight, the first just above the window, the last at -2448.
    for (int slot = 312; slot <= 599; ++slot) {
        const int row = (slot - 312) / 8, column = (slot - 312) % 8;
        ExpectBox(slot, 138 + 46 * column, -68 * (row + 1), 46, 34, 17, 3);
    }

    auto* radio = dynamic_cast<RadioZonde*>(boss.get());
    ASSERT_TRUE(radio);
    EXPECT_EQ(143500, radio->GetSpawnTime() - kT0);
    ExpectBox(*radio, 503, 0, 314, 344, 80, 20);
}

// Per butterfly the side, then the height; per Vax of the stream its column; nothing else.
TEST_F(Level5Table, RandomNumbersAreDrawnSlotBySlotSideBeforeHeight) {
    for (unsigned seed : {1u, 5u, 99u}) {
        SCOPED_TRACE(seed);
        Build(seed);
        platform::SeedRandom(seed);
        for (int slot = 0; slot < 1030; ++slot) {
            if (As<Papillon>(slot)) {
                const int side = platform::Random() % 2;
                const int y = slot < 300 ? 14 * (platform::Random() % 35) : 140 + 10 * (platform::Random() % 35);
                ExpectBox(slot, side == 1 ? 130 : 492, y, 14, 14, 5, 5);
                EXPECT_EQ(side == 1 ? 2 : -2, As<Papillon>(slot)->GetHspeed());
            } else if (slot >= 602 && slot <= 899) {
                ExpectBox(slot, 138 + platform::Random() % 364, -33, 46, 34, 17, 3);
            }
        }
        EXPECT_EQ(platform::Random(), afterTable) << "no other draws";
    }
}

}  // namespace
