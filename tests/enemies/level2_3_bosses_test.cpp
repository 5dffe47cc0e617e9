// CubeBoss and Death on the common boss shape: their entries, the phase cycle, the shape, aim and
// draws of each kind of volley and the off-screen edges.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

#include "core/utilities.h"
#include "enemies/bosses/cube_boss.h"
#include "enemies/bosses/death.h"
#include "enemy_probes.h"
#include "platform/random.h"
#include "support/sdl_env.h"

namespace {

using enemyprobes::FrameNewShots;

std::vector<int> Angles(const std::vector<EnemyShot*>& shots) {
    std::vector<int> angles;
    for (const EnemyShot* shot : shots) angles.push_back(shot->GetAngle());
    return angles;
}

class Level23BossTest : public ::testing::Test {
protected:
    void SetUp() override { platform::SeedRandom(3); }
};

TEST_F(Level23BossTest, CubeBossSlidesInFromTheLeftAndStartsItsScriptAtTick250) {
    CubeBoss boss(testsupport::Screen(), {.x = -130, .y = 60, .spawnTime = 0}, {.units = 6});
    boss.SetMusicHold(true);
    EXPECT_EQ(3, boss.GetFrame());
    std::vector<int> xs;
    for (int frame = 1; frame <= 250; ++frame) {
        EXPECT_TRUE(FrameNewShots(boss).empty()) << frame;
        if (frame == 1) {
            EXPECT_FALSE(boss.IsMusicHeld());
        }
        xs.push_back(boss.GetRect().x);
    }
    EXPECT_EQ(-130 + 5 * 59, xs[58]);
    EXPECT_EQ(170, xs[59]) << "centred on x 320 after 60 frames";
    EXPECT_EQ(170, xs[249]);
    EXPECT_EQ(1, boss.GetPhase());
    EXPECT_EQ(0, boss.GetAngle());
    EXPECT_EQ(5u, FrameNewShots(boss).size()) << "phase 1 fires from its tick 0";
    EXPECT_EQ(170, boss.GetRect().x);
    EXPECT_EQ(60, boss.GetRect().y);
}

TEST_F(Level23BossTest, CubeBossCyclesItsThreePhasesWithTheirVolleys) {
    CubeBoss boss(testsupport::Screen(), {.x = -130, .y = 60, .spawnTime = 0}, {.units = 6});
    for (int frame = 0; frame < 250; ++frame) FrameNewShots(boss);
    std::vector<int> phase1Angles, phase2Bases;
    int angleBeforeSwitch = -1;
    std::vector<std::pair<int, int>> switches;
    int phase = 1;
    for (int frame = 1; frame <= 3703; ++frame) {
        const int angle = boss.GetAngle();
        const std::vector<EnemyShot*> added = FrameNewShots(boss);
        if (boss.GetPhase() != phase) {
            if (phase == 1) angleBeforeSwitch = angle;
            phase = boss.GetPhase();
            switches.emplace_back(frame, phase);
        }
        if (added.empty()) continue;
        if (phase == 1) {
            ASSERT_EQ(5u, added.size()) << frame;
            phase1Angles.push_back(added[0]->GetAngle());
            for (int k = 1; k < 5; ++k) ASSERT_EQ(added[0]->GetAngle() + 70 * k, added[k]->GetAngle());
            EXPECT_EQ(15, added[0]->GetRect().w);
        } else if (phase == 2) {
            ASSERT_EQ(6u, added.size()) << frame;
            EXPECT_EQ(3, boss.GetFrame()) << "no animation in phase 2";
            const int a = added[0]->GetAngle();
            phase2Bases.push_back(a);
            EXPECT_EQ((std::vector<int>{a, a + 20, a + 40, a, a + 20, a + 40}), Angles(added));
            EXPECT_EQ(16, added[0]->GetRect().w);
        } else {
            ASSERT_EQ(7u, added.size()) << frame;
            const std::vector<int> angles = Angles(added);
            EXPECT_EQ((std::vector<int>{70, 90, 110, 70, 90, 110}),
                      std::vector<int>(angles.begin(), angles.begin() + 6));
            EXPECT_GE(angles[6], 120);
            EXPECT_LT(angles[6], 480);
        }
    }
    // Phase 1 lasts 1201 frames, phases 2 and 3 1251 each.
    const std::vector<std::pair<int, int>> expected = {{1201, 2}, {2452, 3}, {3703, 1}};
    EXPECT_EQ(expected, switches);
    // Phase 1: every fourth tick from 0 to 1096, the aim 7 degrees further each time; it also
    // turns through the silent ticks: 300 turns in all, 2100 = 300 after wrapping.
    ASSERT_EQ(275u, phase1Angles.size());
    for (size_t v = 0; v < phase1Angles.size(); ++v) ASSERT_EQ(static_cast<int>(7 * v) % 360, phase1Angles[v]) << v;
    EXPECT_EQ(300, angleBeforeSwitch);
    // Phase 2: every second tick from 152 to 1148, sweeping 7 degrees a volley between 91 and -91.
    ASSERT_EQ(499u, phase2Bases.size());
    EXPECT_EQ(0, phase2Bases[0]);
    EXPECT_EQ(91, *std::max_element(phase2Bases.begin(), phase2Bases.end()));
    EXPECT_EQ(-91, *std::min_element(phase2Bases.begin(), phase2Bases.end()));
    EXPECT_EQ(91, phase2Bases[13]);
    EXPECT_EQ(84, phase2Bases[14]);
}

TEST_F(Level23BossTest, CubeBossShootsFromItsThreeGunsAndDrawsTheStrayAfterThePhaseOneValue) {
    CubeBoss boss(testsupport::Screen(), {.x = -130, .y = 60, .spawnTime = 0}, {.units = 6});
    // Entry, phases 1 and 2, then phase 3 up to the tick before its first volley (tick 152).
    const int firstCone = 250 + 1201 + 1251 + 153;
    for (int frame = 1; frame < firstCone; ++frame) FrameNewShots(boss);
    ASSERT_EQ(3, boss.GetPhase());
    platform::SeedRandom(77);
    platform::Random();  // phase1
    const int stray = platform::Random() % 360;
    platform::SeedRandom(77);
    const std::vector<EnemyShot*> cone = FrameNewShots(boss);
    ASSERT_EQ(7u, cone.size());
    EXPECT_EQ(stray + 120, cone[6]->GetAngle());
    // Each shot has taken its first step, at radius 0: it still stands on its gun.
    const SDL_Rect b = boss.GetRect();
    EXPECT_EQ(b.x + 38, cone[1]->GetRect().x);
    EXPECT_EQ(b.y + 37, cone[1]->GetRect().y);
    EXPECT_EQ(b.x + 247, cone[4]->GetRect().x);
    EXPECT_EQ(3, cone[4]->GetRadius());
    EXPECT_EQ(b.x + 142, cone[6]->GetRect().x);
    EXPECT_EQ(b.y + 213, cone[6]->GetRect().y);
    EXPECT_EQ(1, cone[6]->GetRadius());
    EXPECT_EQ(15, cone[6]->GetRect().w);
}

TEST_F(Level23BossTest, DeathSlidesInFromTheRightAndTakesItsFightingPose) {
    Death boss(testsupport::Screen(), {.x = 505, .y = 120, .spawnTime = 0}, {.units = 6});
    boss.SetMusicHold(true);
    std::vector<int> xs;
    for (int frame = 1; frame <= 400; ++frame) {
        EXPECT_TRUE(FrameNewShots(boss).empty()) << frame;
        xs.push_back(boss.GetRect().x);
    }
    EXPECT_FALSE(boss.IsMusicHeld());
    EXPECT_EQ(195, xs[61]) << "62 frames of 5 pixels: centred on x 320";
    EXPECT_EQ(195, xs[399]);
    EXPECT_EQ(1, boss.GetPhase());
    EXPECT_EQ(3, boss.GetFrame()) << "the fighting pose";
    EXPECT_EQ(2u, FrameNewShots(boss).size()) << "phase 1 fires from its tick 0";
}

TEST_F(Level23BossTest, DeathFiresEveryTickWithASilentPauseAtTheEndOfEachPhase) {
    Death boss(testsupport::Screen(), {.x = 505, .y = 120, .spawnTime = 0}, {.units = 6});
    for (int frame = 0; frame < 400; ++frame) FrameNewShots(boss);
    std::vector<std::pair<int, int>> switches;
    std::vector<int> lastVolley(4, 0), volleys(4, 0);
    int phase = 1;
    for (int frame = 1; frame <= 3403; ++frame) {
        const std::vector<EnemyShot*> added = FrameNewShots(boss);
        if (boss.GetPhase() != phase) {
            phase = boss.GetPhase();
            switches.emplace_back(frame, phase);
        }
        if (!added.empty()) {
            lastVolley[phase] = frame;
            volleys[phase] += 1;
        }
    }
    const std::vector<std::pair<int, int>> expected = {{1301, 2}, {2202, 3}, {3403, 1}};
    EXPECT_EQ(expected, switches);
    EXPECT_EQ(1100, lastVolley[1]) << "then 200 silent frames and the switch";
    EXPECT_EQ(1301 + 700, lastVolley[2]);
    EXPECT_EQ(2202 + 1100, lastVolley[3]);
    EXPECT_EQ(1100, volleys[1]);
}

TEST_F(Level23BossTest, DeathsShotsFlyOutThenDoubleBackOrTurnARightAngle) {
    Death boss(testsupport::Screen(), {.x = 505, .y = 120, .spawnTime = 0}, {.units = 6});
    for (int frame = 0; frame < 400; ++frame) FrameNewShots(boss);
    const SDL_Rect b = boss.GetRect();
    // Kind 0 at angle 0: a shot out to the right from A, one out to the left from B.
    const std::vector<EnemyShot*> pair = FrameNewShots(boss);
    ASSERT_EQ(2u, pair.size());
    EXPECT_EQ((std::vector<int>{0, 180}), Angles(pair));
    EXPECT_EQ(b.x + 105, pair[0]->GetRect().x);
    EXPECT_EQ(b.x + 130, pair[1]->GetRect().x);
    EXPECT_EQ(b.y + 103, pair[0]->GetRect().y);
    std::vector<int> rightX, leftX;
    for (int frame = 0; frame < 40; ++frame) {
        rightX.push_back(pair[0]->GetRect().x);
        leftX.push_back(pair[1]->GetRect().x);
        FrameNewShots(boss);
    }
    EXPECT_EQ(b.x + 105 + 4 * 29, rightX[29]) << "30 frames out at 4 pixels a frame";
    EXPECT_LT(rightX[35], rightX[31]) << "then back";
    EXPECT_GT(leftX[35], leftX[31]);
    EXPECT_TRUE(pair[0]->UsesAltFrames());

    // The running angle wraps only past 360: at tick 180 the aim is 180, so the second shot flies at 360.
    for (int frame = 42; frame < 181; ++frame) FrameNewShots(boss);
    EXPECT_EQ((std::vector<int>{180, 360}), Angles(FrameNewShots(boss)));
}

TEST_F(Level23BossTest, DeathsQuartetsTurnARightAngleAndItsLastKindDrawsItsReach) {
    Death boss(testsupport::Screen(), {.x = 505, .y = 120, .spawnTime = 0}, {.units = 6});
    for (int frame = 0; frame < 400 + 1301; ++frame) FrameNewShots(boss);
    ASSERT_EQ(2, boss.GetPhase());
    const std::vector<EnemyShot*> quartet = FrameNewShots(boss);
    ASSERT_EQ(4u, quartet.size());
    EXPECT_EQ((std::vector<int>{0, 90, 180, 270}), Angles(quartet));
    const int x0 = boss.GetRect().x + 105;
    EXPECT_EQ(x0, quartet[1]->GetRect().x);
    EXPECT_EQ(x0 + 25, quartet[2]->GetRect().x) << "the second pair from muzzle B";
    for (int frame = 0; frame < 12; ++frame) FrameNewShots(boss);
    // The first shot went right 8 pixels a frame for 10 frames, then turned down.
    const SDL_Rect turned = quartet[0]->GetRect();
    FrameNewShots(boss);
    EXPECT_EQ(turned.x, quartet[0]->GetRect().x);
    EXPECT_EQ(turned.y + 1, quartet[0]->GetRect().y);

    // Phase 3: the reach is drawn after phase1, once a volley.
    for (int frame = 0; frame < 901 - 14; ++frame) FrameNewShots(boss);
    ASSERT_EQ(3, boss.GetPhase());
    platform::SeedRandom(55);
    platform::Random();
    const int reach = 15 + platform::Random() % 20;
    platform::SeedRandom(55);
    const std::vector<EnemyShot*> far = FrameNewShots(boss);
    ASSERT_EQ(2u, far.size());
    for (int frame = 0; frame < 40; ++frame) FrameNewShots(boss);
    EXPECT_EQ(reach, far[0]->GetTick());
    EXPECT_EQ(reach, far[1]->GetTick());
}

TEST_F(Level23BossTest, TheRightEdgeOfEachBoss) {
    struct Case {
        const char* name;
        Boss* boss;
        bool stays;
    } cases[] = {
        {"CubeBoss at x -130", new CubeBoss(testsupport::Screen(), {.x = -130, .y = 60, .spawnTime = 0}, {.units = 6}),
         true},
        {"CubeBoss at x 503", new CubeBoss(testsupport::Screen(), {.x = 503, .y = 60, .spawnTime = 0}, {.units = 6}),
         false},
        {"Death at x 510", new Death(testsupport::Screen(), {.x = 510, .y = 120, .spawnTime = 0}, {.units = 6}), true},
        {"Death at x 511", new Death(testsupport::Screen(), {.x = 511, .y = 120, .spawnTime = 0}, {.units = 6}), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bool alive = false;
        FrameNewShots(*c.boss, &alive);
        EXPECT_EQ(c.stays, alive);
        EXPECT_EQ(c.stays, !c.boss->IsDestroyed());
        EXPECT_FALSE(c.boss->ExplosionStarted()) << "no explosion, no score";
        delete c.boss;
    }
}

}  // namespace
