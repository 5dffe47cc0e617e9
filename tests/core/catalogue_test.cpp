// The catalogue hangs together: what an enemy kind reads lies inside its files, and a bank row
// that shares a member finds it in an earlier row (else it would quietly load a copy).
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "core/catalogue.h"

namespace {

using catalogue::BankRow;
using catalogue::EnemyKind;

TEST(Catalogue, EachKindReadsInsideItsSheetAndItsExplosionStrip) {
    for (const EnemyKind* kind : catalogue::kEnemyKinds) {
        const catalogue::Picture& blast = *kind->explosion;
        EXPECT_LE(kind->explosionFrameWidth, blast.cellWidth) << kind->name;
        EXPECT_LE(kind->explosionFrameHeight, blast.cellHeight) << kind->name;
        EXPECT_LE(kind->explosionFrames, blast.Cells()) << kind->name;
        EXPECT_LT(kind->hitCell, kind->SheetCells()) << kind->name;
        EXPECT_LT(kind->hitOffset, kind->SheetCells()) << kind->name;
        EXPECT_TRUE(kind->hitCell == catalogue::kNoCell || kind->hitOffset == 0)
            << kind->name << ": a fixed hit cell leaves no use for an offset";
        // The hit rectangle is centred on the box and no larger than it.
        EXPECT_LE(2 * kind->hitHalfWidth, kind->BoxWidth()) << kind->name;
        EXPECT_LE(2 * kind->hitHalfHeight, kind->BoxHeight()) << kind->name;
        EXPECT_TRUE(kind->shotA && kind->shotB && kind->explosionSound && kind->fireSound) << kind->name;
        EXPECT_EQ(kind->shotC == nullptr, kind->shotD == nullptr) << kind->name;
    }
}

TEST(Catalogue, EveryBankHoldsKnownKindsOnceWithTheSaucerLastAndFindsWhatItShares) {
    std::set<const EnemyKind*> banked;
    for (int level = 1; level <= 5; ++level) {
        const auto bank = catalogue::BankOf(level);
        ASSERT_FALSE(bank.empty()) << "level " << level;
        EXPECT_EQ(bank.back().kind, &catalogue::kSoucoupe) << "level " << level;
        std::set<const EnemyKind*> seen;
        for (size_t i = 0; i < bank.size(); ++i) {
            const EnemyKind* kind = bank[i].kind;
            const std::string where = std::string(kind->name) + " in level " + std::to_string(level);
            EXPECT_TRUE(seen.insert(kind).second) << where << " twice";
            EXPECT_NE(std::find(std::begin(catalogue::kEnemyKinds), std::end(catalogue::kEnemyKinds), kind),
                      std::end(catalogue::kEnemyKinds))
                << where << " is not among the kinds the forge draws";
            banked.insert(kind);
            auto earlierHas = [&](auto member) {
                for (size_t j = 0; j < i; ++j)
                    if (bank[j].kind->*member == kind->*member) return true;
                return false;
            };
            const unsigned wanted = bank[i].shares;
            unsigned found = 0;
            if (earlierHas(&EnemyKind::explosion)) found |= catalogue::kSharesExplosion;
            if (earlierHas(&EnemyKind::shotA) && earlierHas(&EnemyKind::shotB)) found |= catalogue::kSharesShots;
            if (earlierHas(&EnemyKind::explosionSound)) found |= catalogue::kSharesExplosionSound;
            if (earlierHas(&EnemyKind::fireSound)) found |= catalogue::kSharesFireSound;
            EXPECT_EQ(wanted & found, wanted) << where << " shares what no earlier row has";
        }
    }
    EXPECT_TRUE(catalogue::BankOf(0).empty());
    EXPECT_TRUE(catalogue::BankOf(6).empty());
    EXPECT_EQ(banked.size(), std::size(catalogue::kEnemyKinds)) << "a kind no level loads";
}

TEST(Catalogue, BmpFilesAreToldByTheirExtension) {
    EXPECT_TRUE(catalogue::kLightOrb.b.IsBmp());
    EXPECT_FALSE(catalogue::kRedPellet.a.IsBmp());
    EXPECT_FALSE((catalogue::Picture{.path = "bmp", .key = 0, .cellWidth = 1, .cellHeight = 1}.IsBmp()));
    EXPECT_FALSE((catalogue::Picture{.path = "a.bmp.png", .key = 0, .cellWidth = 1, .cellHeight = 1}.IsBmp()));
}

}  // namespace
