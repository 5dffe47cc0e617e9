// Moine's script: its phases and volleys, the ring stream and the angle's wrap.
#include <gtest/gtest.h>

#include <vector>

#include "core/utilities.h"
#include "enemies/bosses/moine.h"
#include "enemy_probes.h"
#include "platform/platform.h"
#include "platform/random.h"
#include "support/sdl_env.h"

namespace {

class MoineTest : public ::testing::Test {
protected:
    void SetUp() override { platform::SeedRandom(2); }

    // One frame; the shots it added.
    std::vector<EnemyShot*> FrameNewShots() { return enemyprobes::FrameNewShots(boss, &alive); }

    Moine boss{testsupport::Screen(), {.x = 284, .y = 210, .spawnTime = 0}, {.units = 4}};
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
    FrameNewShots();                            // the entry
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

}  // namespace
