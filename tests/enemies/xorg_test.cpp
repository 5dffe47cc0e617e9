// The final boss: its descent and music hold, the two sheets, the switch to its second half
// when the energy falls below half, and the drift band it hands its falling shots.
#include <gtest/gtest.h>

#include <memory>

#include "core/utilities.h"
#include "enemies/bosses/xorg.h"
#include "enemy_probes.h"
#include "platform/loaders.h"
#include "support/sdl_env.h"

namespace {

using enemyprobes::HitCentre;

constexpr int kRestX = 205, kRestY = 27;
constexpr int kHalf = 24800 / 2;

std::unique_ptr<Xorg> MakeXorg(int y) {
    return std::make_unique<Xorg>(testsupport::Screen(), Spawn{.x = kRestX, .y = y, .spawnTime = 0},
                                  Energy{.units = 4});
}

// Frames with the shots cleared before each, so the array holds only the frame's own volley.
void RunClean(Xorg& xorg, int frames) {
    for (int i = 0; i < frames; ++i) {
        DeleteShots(xorg.GetShots(), xorg.GetShotCount());
        xorg.Update();
    }
}

// From construction at rest to tick 0 of phase 2.
void ToPhaseTwo(Xorg& xorg) { RunClean(xorg, Xorg::kEntryLength + 1151); }

TEST(XorgTest, ComesDownAndHoldsTheMusicUntilTheFightBegins) {
    auto xorg = MakeXorg(-238);
    xorg->SetMusicHold(true);
    RunClean(*xorg, 53);
    EXPECT_EQ(kRestY, xorg->GetRect().y);
    RunClean(*xorg, 1);
    EXPECT_EQ(kRestY, xorg->GetRect().y);
    EXPECT_TRUE(xorg->IsMusicHeld()) << "still held at the end of the descent";
    EXPECT_EQ(0, xorg->GetPhase());
    RunClean(*xorg, 1);
    EXPECT_FALSE(xorg->IsMusicHeld());
    EXPECT_EQ(1, xorg->GetPhase());
    EXPECT_EQ(0, xorg->LiveShots());
}

// What the kill scores is the level's rule (Level6Test).
TEST(XorgTest, BoostedHitsAnswer99999UpToTheKill) {
    auto xorg = MakeXorg(kRestY);
    EXPECT_EQ(0, HitCentre(*xorg, 5));
    EXPECT_EQ(Enemy::kBoostedHit, HitCentre(*xorg, 4));
    EXPECT_EQ(0, HitCentre(*xorg, 24800 - 9 - 6));
    EXPECT_FALSE(xorg->IsDestroyed());
    EXPECT_EQ(Enemy::kBoostedHit, HitCentre(*xorg, 6));
    EXPECT_TRUE(xorg->IsDestroyed());
}

// A pixel of cell `cell` where the two sheets differ and neither shows the key colour.
struct Probe {
    int x = -1, y = -1;
    Uint32 intact = 0, damaged = 0;
};
Probe FindDifference(SDL_Surface* intact, SDL_Surface* damaged, int cell) {
    const int w = intact->w / 3;
    const Uint32 key = 0x00FF00;
    for (int y = 0; y < intact->h; y += 3) {
        for (int x = 0; x < w; x += 3) {
            const Uint32 a = testsupport::PixelAt(intact, cell * w + x, y);
            const Uint32 b = testsupport::PixelAt(damaged, cell * w + x, y);
            if (a != key && b != key && a != b) return {x, y, a, b};
        }
    }
    return {};
}

TEST(XorgTest, TheDamagedSheetShowsFromHalfEnergyOnAndSoDoesTheHitFlash) {
    SDL_Surface* intact = platform::LoadPicture("./Images/Ennemis/Xorg/XorgS.png", 0, 255, 0);
    SDL_Surface* damaged = platform::LoadPicture("./Images/Ennemis/Xorg/XorgS1.png", 0, 255, 0);
    const Probe body = FindDifference(intact, damaged, 0);
    const Probe flash = FindDifference(intact, damaged, 2);
    ASSERT_GE(body.x, 0);
    ASSERT_GE(flash.x, 0);
    SDL_Surface* screen = testsupport::Screen();

    struct Case {
        int energyLost;
        bool damagedLook;
    };
    const Case cases[] = {{0, false}, {1, false}, {kHalf - 1, false}, {kHalf, true}, {kHalf + 1, true}, {20000, true}};
    for (const Case& c : cases) {
        auto xorg = MakeXorg(100);
        if (c.energyLost > 0) HitCentre(*xorg, c.energyLost);
        // After a hit the first frame shows the flash cell, the next one the body again.
        for (const Probe* probe : {c.energyLost > 0 ? &flash : &body, &body}) {
            SDL_FillRect(screen, nullptr, 0);
            xorg->Update();
            const SDL_Rect at = xorg->GetRect();
            EXPECT_EQ(c.damagedLook ? probe->damaged : probe->intact,
                      testsupport::PixelAt(screen, at.x + probe->x, at.y + probe->y))
                << "energy lost " << c.energyLost << (probe == &flash ? ", hit flash" : ", body");
        }
    }
    SDL_FreeSurface(intact);
    SDL_FreeSurface(damaged);
}

TEST(XorgTest, BelowHalfInPhaseTwoTheSecondHalfStartsOnTheNextFrame) {
    auto xorg = MakeXorg(kRestY);
    ToPhaseTwo(*xorg);
    RunClean(*xorg, 103);
    ASSERT_NE(295, xorg->GetDriftBandLeft()) << "the band has moved in phase 2";
    HitCentre(*xorg, kHalf + 1);
    RunClean(*xorg, 1);
    EXPECT_EQ(2, xorg->GetPhase());
    EXPECT_EQ(14, xorg->LiveShots()) << "the frame's volley still goes";
    EXPECT_EQ(xorg->GetPhaseLength(), xorg->GetPhaseTick());
    RunClean(*xorg, 1);
    EXPECT_EQ(4, xorg->GetPhase());
    EXPECT_EQ(0, xorg->GetAngle());
    EXPECT_EQ(1, xorg->GetSweepDirection());
    EXPECT_EQ(295, xorg->GetDriftBandLeft()) << "the band is back where phase 4 starts it";
    EXPECT_EQ(337, xorg->GetDriftBandRight());
    // No way back: later phases ignore the energy.
    RunClean(*xorg, 1501);
    EXPECT_EQ(5, xorg->GetPhase());
    RunClean(*xorg, 1501);
    EXPECT_EQ(5, xorg->GetPhase());
}

TEST(XorgTest, BelowHalfInPhaseOneWaitsForItsEndThenPhaseTwoOnlyAnnouncesTheChange) {
    auto xorg = MakeXorg(kRestY);
    RunClean(*xorg, Xorg::kEntryLength + 500);
    HitCentre(*xorg, kHalf + 1);
    RunClean(*xorg, 650);
    EXPECT_EQ(1, xorg->GetPhase());
    RunClean(*xorg, 1);
    EXPECT_EQ(2, xorg->GetPhase());
    RunClean(*xorg, 1);
    EXPECT_EQ(2, xorg->GetPhase());
    EXPECT_EQ(0, xorg->LiveShots());
    RunClean(*xorg, 1);
    EXPECT_EQ(4, xorg->GetPhase());
}

TEST(XorgTest, AtHalfEnergyPhaseThreeRepeatsAndKeepsItsSwingingAim) {
    auto xorg = MakeXorg(kRestY);
    ToPhaseTwo(*xorg);
    HitCentre(*xorg, kHalf);
    RunClean(*xorg, 1250);
    const int angle = xorg->GetAngle();
    const int sweep = xorg->GetSweepDirection();
    RunClean(*xorg, 1);
    ASSERT_EQ(3, xorg->GetPhase());
    EXPECT_EQ(angle, xorg->GetAngle());
    EXPECT_EQ(sweep, xorg->GetSweepDirection());
    RunClean(*xorg, 1500);
    const int before = xorg->GetAngle();
    RunClean(*xorg, 1);
    EXPECT_EQ(3, xorg->GetPhase());
    EXPECT_EQ(0, xorg->GetPhaseTick());
    EXPECT_EQ(before, xorg->GetAngle());
    EXPECT_NE(0, before);
}

// Every falling shot of a volley moves the band one pixel on ticks that are a multiple of 17, and
// carries the band as it stands after its own move.
void CheckRain(Xorg& xorg, int frames, int vy) {
    int volleys = 0, moves = 0;
    for (int i = 0; i < frames; ++i) {
        const int tick = xorg.GetPhaseTick();
        const int sweep = xorg.GetSweepDirection();
        const int left = xorg.GetDriftBandLeft(), right = xorg.GetDriftBandRight();
        RunClean(xorg, 1);
        const int shots = xorg.LiveShots();
        if (shots == 0) {
            EXPECT_EQ(left, xorg.GetDriftBandLeft());
            continue;
        }
        ++volleys;
        EXPECT_EQ(14, shots);
        const int move = tick % 17 == 0 ? 14 * sweep : 0;
        if (move != 0) ++moves;
        EXPECT_EQ(left + move, xorg.GetDriftBandLeft()) << "tick " << tick;
        EXPECT_EQ(right + move, xorg.GetDriftBandRight()) << "tick " << tick;
        for (int s = 0; s < xorg.GetShotCount(); ++s) {
            const EnemyShot* shot = xorg.GetShots()[s];
            if (!shot) continue;
            EXPECT_EQ(MovePattern::RadialThenFall, shot->GetMovePattern());
            EXPECT_EQ(1, shot->GetVx());
            EXPECT_EQ(vy, shot->GetVy());
            EXPECT_EQ(19, shot->GetTick()) << "set to 20, one frame flown";
        }
    }
    EXPECT_GT(volleys, 0);
    EXPECT_GT(moves, 0);
}

TEST(XorgTest, TheRainCarriesTheDriftBand) {
    auto xorg = MakeXorg(kRestY);
    ToPhaseTwo(*xorg);
    CheckRain(*xorg, 400, 2);
    HitCentre(*xorg, kHalf + 1);
    RunClean(*xorg, 2);
    ASSERT_EQ(4, xorg->GetPhase());
    CheckRain(*xorg, 600, 3);
}

}  // namespace
