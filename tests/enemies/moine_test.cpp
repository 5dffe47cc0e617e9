// The common boss shape on Moine: the script's phases and volleys, the hit test, the explosion
// and the end, and the off-screen rule.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "core/utilities.h"
#include "enemies/bosses/moine.h"
#include "enemy_probes.h"
#include "platform/platform.h"
#include "support/sdl_env.h"
#include "platform/random.h"

namespace {

class MoineTest : public ::testing::Test {
protected:
    void SetUp() override { platform::SeedRandom(2); }

    // One frame; the shots it added.
    std::vector<EnemyShot*> FrameNewShots() { return enemyprobes::FrameNewShots(boss, &alive); }

    // Hero shots of the given damages, all on the boss's centre; returns CheckHit's result.
    int Hit(std::vector<int> damages, std::vector<EnemyShot*>* left = nullptr) {
        const SDL_Rect b = boss.GetRect();
        const PathSegment still = {0, 0, 1};
        std::vector<EnemyShot*> shots;
        for (int damage : damages) {
            shots.push_back(new EnemyShot(nullptr, nullptr, nullptr, MakeRect(b.x + b.w / 2 - 2, b.y + b.h / 2 - 5, 4, 10),
                                          still, still, still, still));
            shots.back()->SetDamage(damage);
            shots.back()->SetBoosted(enemyprobes::IsBoostedDamage(damage));
        }
        const int result = boss.CheckHit(shots.data(), static_cast<int>(shots.size()));
        if (left) *left = shots;
        else DeleteShots(shots.data(), static_cast<int>(shots.size()));
        return result;
    }

    Moine boss{testsupport::Screen(), 284, 210, 0, 4};
    bool alive = true;
};

TEST_F(MoineTest, TheFirstFrameStartsPhaseOneAtAngle180AndReleasesTheMusic) {
    boss.SetMusicHold(true);
    EXPECT_TRUE(FrameNewShots().empty());
    EXPECT_FALSE(boss.IsMusicHeld());
    EXPECT_EQ(1, boss.GetPhase());
    EXPECT_EQ(180, boss.GetAngle());
    EXPECT_EQ(0, boss.GetPhaseTick());
}

TEST_F(MoineTest, ThePhasesCycleWithVolleysOfTheirShapeCountAndPlace) {
    FrameNewShots();  // the entry
    std::vector<std::pair<int, int>> switches;  // (frame, new phase)
    struct Seen {
        int volleys = 0;
        int firstTick = -1, lastTick = -1;
        std::vector<MovePattern> first;  // the first volley's patterns
        int firstAngle = 0;
    } phases[4];
    // Two cycles; the volleys are counted in the first.
    for (int frame = 1; frame <= 2 * 3703; ++frame) {
        const int tick = boss.GetPhaseTick(), phase = boss.GetPhase();
        const int angle = boss.GetAngle();
        const std::vector<EnemyShot*> added = FrameNewShots();
        if (boss.GetPhase() != phase) {
            switches.emplace_back(frame, boss.GetPhase());
            EXPECT_EQ(0, boss.GetAngle()) << "every phase after the first starts at angle 0";
        }
        if (added.empty() || boss.GetPhase() != phase || frame > 3703) continue;
        Seen& seen = phases[phase];
        if (seen.volleys++ == 0) {
            for (EnemyShot* shot : added) seen.first.push_back(shot->GetMovePattern());
            seen.firstTick = tick;
            seen.firstAngle = angle;
        }
        seen.lastTick = tick;
    }
    const std::vector<std::pair<int, int>> expected = {{1201, 2}, {2452, 3}, {3703, 1},
                                                       {4904, 2}, {6155, 3}, {7406, 1}};
    EXPECT_EQ(expected, switches);
    // Phase 1: one shot every second tick from 152 to 1098; phases 2 and 3 up to 1148, phase 3
    // on every tick.
    EXPECT_EQ(474, phases[1].volleys);
    EXPECT_EQ(152, phases[1].firstTick);
    EXPECT_EQ(1098, phases[1].lastTick);
    EXPECT_EQ(499, phases[2].volleys);
    EXPECT_EQ(1148, phases[2].lastTick);
    EXPECT_EQ(999, phases[3].volleys);
    EXPECT_EQ(151, phases[3].firstTick);

    EXPECT_EQ(std::vector<MovePattern>(1, MovePattern::Radial), phases[1].first);
    EXPECT_EQ(180, phases[1].firstAngle);
    EXPECT_EQ(std::vector<MovePattern>(6, MovePattern::RadialThenTurn), phases[2].first);
    EXPECT_EQ(std::vector<MovePattern>(4, MovePattern::Wave), phases[3].first);
}

TEST_F(MoineTest, TheRingStreamWalksTheTwelvePointsTurningOneDegreeAShot) {
    // From straight above the boss's middle (x 314) clockwise round it.
    const int ringX[12] = {314, 387, 440, 457, 436, 386, 307, 234, 183, 165, 186, 241};
    const int ringY[12] = {91, 112, 167, 240, 318, 363, 381, 361, 306, 233, 181, 109};
    FrameNewShots();
    std::vector<int> rings, angles;
    for (int frame = 1; frame <= 200 && rings.size() < 14; ++frame) {
        const int ring = boss.GetRingIndex(), angle = boss.GetAngle();
        const std::vector<EnemyShot*> added = FrameNewShots();
        if (added.empty()) continue;
        const int i = static_cast<int>(rings.size());
        rings.push_back(ring);
        angles.push_back(angle);
        EXPECT_EQ(ringX[i % 12], added[0]->GetRect().x) << i;
        EXPECT_EQ(ringY[i % 12], added[0]->GetRect().y) << i;
    }
    ASSERT_EQ(14u, rings.size());
    for (int i = 0; i < 14; ++i) {
        EXPECT_EQ(i % 12, rings[i]);
        EXPECT_EQ(180 + i, angles[i]);
    }
}

TEST_F(MoineTest, TheAngleWrapsToZeroNotByThreeSixty) {
    FrameNewShots();
    while (boss.GetPhase() != 2) FrameNewShots();
    // +7 a volley from 0: 357 is followed by 0 (364 would wrap to 4 by subtraction).
    std::vector<int> angles;
    while (boss.GetPhase() == 2 && angles.size() < 60) {
        const int angle = boss.GetAngle();
        if (!FrameNewShots().empty()) angles.push_back(angle);
    }
    ASSERT_GT(angles.size(), 53u);
    EXPECT_EQ(357, angles[51]);
    EXPECT_EQ(0, angles[52]);
}

TEST_F(MoineTest, HitsCostEnergyAndTheExactZeroKills) {
    EXPECT_EQ(0, Hit({1}));
    EXPECT_EQ(Boss::kHit, boss.GetState());
    FrameNewShots();
    EXPECT_EQ(Boss::kNormal, boss.GetState()) << "the flash lasts one frame";

    // Two shots in one call: both cost energy, both are consumed, the later index is returned.
    std::vector<EnemyShot*> shots;
    EXPECT_EQ(1, Hit({5000, 6998}, &shots));
    EXPECT_EQ(nullptr, shots[0]);
    EXPECT_EQ(nullptr, shots[1]);
    EXPECT_EQ(1, boss.GetEnergy());
    EXPECT_FALSE(boss.IsDestroyed());

    // Exactly zero destroys; a shot after the killing one in the same call still counts.
    EXPECT_EQ(2, Hit({1, 4, 6}));
    EXPECT_TRUE(boss.IsDestroyed());
    EXPECT_EQ(-10, boss.GetEnergy());
    EXPECT_EQ(Enemy::kNoHit, Hit({1})) << "shots pass through a destroyed boss";
    EXPECT_EQ(-10, boss.GetEnergy());
}

TEST_F(MoineTest, TheExplosionShowsFifteenCellsThenTheBossWaitsThirtyFiveFrames) {
    FrameNewShots();
    Hit({12000});
    ASSERT_TRUE(boss.IsDestroyed());
    EXPECT_FALSE(boss.ExplosionStarted());
    FrameNewShots();
    EXPECT_TRUE(boss.ExplosionStarted());
    EXPECT_EQ(1, boss.GetExplosionCell()) << "the first step comes at once, showing nothing";
    int frames = 1;
    while (boss.GetExplosionCell() < Boss::kExplosionCells) {
        ASSERT_TRUE(alive);
        FrameNewShots();
        ++frames;
    }
    EXPECT_EQ(1 + 15 * 5, frames);  // 60 ms a cell, 13 ms frames: a step every fifth frame
    for (int wait = 1; wait <= 35; ++wait) {
        FrameNewShots();
        ASSERT_TRUE(alive) << wait;
    }
    FrameNewShots();
    EXPECT_FALSE(alive);
    EXPECT_EQ(1, boss.GetPhase()) << "the script stopped with the kill";
}

TEST_F(MoineTest, TheOffScreenRuleRemovesABossSilently) {
    struct Case {
        SDL_Rect box;
        bool removed;
    } cases[] = {
        {MakeRect(502, 100, 70, 62), false}, {MakeRect(503, 100, 70, 62), true},
        {MakeRect(68, 100, 70, 62), false},  {MakeRect(67, 100, 70, 62), true},
        {MakeRect(300, 640, 70, 62), false}, {MakeRect(300, 641, 70, 62), true},
        {MakeRect(300, -62, 70, 62), false}, {MakeRect(300, -63, 70, 62), true},
    };
    for (const Case& c : cases) {
        Moine moine(testsupport::Screen(), c.box.x, c.box.y, 0, 4);
        moine.Update();
        EXPECT_EQ(c.removed, moine.IsDestroyed()) << c.box.x << "," << c.box.y;
        if (c.removed) {
            EXPECT_FALSE(moine.Update());
            EXPECT_FALSE(moine.ExplosionStarted());
        }
    }
}

}  // namespace
