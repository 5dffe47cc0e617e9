// RadioZonde on the common boss shape: the slide in, the turning cross and fan with their flip
// halfway, the endless rosette phase with its angle and scatter delay, and the rosette shots.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "core/utilities.h"
#include "enemies/bosses/radio_zonde.h"
#include "enemy_probes.h"
#include "platform/random.h"
#include "support/sdl_env.h"

namespace {

constexpr int kEmitterX = 163 + 148;  // the boss at rest, x 163
constexpr int kEmitterY = 164;

class RadioZondeTest : public ::testing::Test {
protected:
    void SetUp() override { platform::SeedRandom(6); }

    std::vector<EnemyShot*> FrameNewShots() { return enemyprobes::FrameNewShots(boss, &alive); }

    // RadioZonde as Level 5 builds it: right of the playfield.
    RadioZonde boss{testsupport::Screen(), {.x = 503, .y = 0, .spawnTime = 0}, {.units = 6}};
    bool alive = true;
};

TEST_F(RadioZondeTest, ItSlidesToTheMiddleAndStartsPhaseOneAfterThreeHundredFrames) {
    boss.SetMusicHold(true);
    for (int frame = 1; frame <= 300; ++frame) {
        ASSERT_EQ(0, boss.GetPhase());
        EXPECT_TRUE(FrameNewShots().empty());
        EXPECT_FALSE(boss.IsMusicHeld());
        EXPECT_EQ(503 - 5 * std::min(frame, 68), boss.GetRect().x);
    }
    EXPECT_EQ(1, boss.GetPhase());
    EXPECT_EQ(0, boss.GetFrame());
}

// The cross (arms 90 degrees apart, 1100 volleys) then the fan (20 degrees apart, 800 volleys),
// both turning 7 degrees a frame and turning back at tick 550, with no lower wrap.
TEST_F(RadioZondeTest, TheCrossAndTheFanTurnAndReverseHalfway) {
    for (int frame = 0; frame < 300; ++frame) FrameNewShots();
    struct Phase {
        int phase, length, volleys, spread;
    } phases[] = {{1, 1300, 1100, 90}, {2, 800, 800, 20}};
    for (const Phase& p : phases) {
        SCOPED_TRACE(p.phase);
        int angle = 0, dir = 1, volleys = 0;
        for (int tick = 0; tick <= p.length; ++tick) {
            ASSERT_EQ(p.phase, boss.GetPhase());
            ASSERT_EQ(angle, boss.GetAngle()) << tick;
            const std::vector<EnemyShot*> added = FrameNewShots();
            if (tick == p.length) {
                ASSERT_TRUE(added.empty()) << "nothing on the frame of the switch";
                break;
            }
            if (tick < p.volleys) {
                ++volleys;
                ASSERT_EQ(4u, added.size()) << tick;
                for (int k = 0; k < 4; ++k) {
                    ASSERT_EQ(angle + p.spread * k, added[k]->GetAngle());
                    ASSERT_EQ(2, added[k]->GetRadius());
                    ASSERT_EQ(kEmitterX, added[k]->GetRect().x);
                    ASSERT_EQ(kEmitterY, added[k]->GetRect().y);
                }
            } else {
                ASSERT_TRUE(added.empty()) << tick;
            }
            if (tick == 550) dir = -dir;
            angle += 7 * dir;
            if (angle >= 360) angle -= 360;
        }
        EXPECT_EQ(p.volleys, volleys);
    }
    EXPECT_EQ(0, boss.GetAngle());
    EXPECT_EQ(3, boss.GetPhase());
    EXPECT_EQ(1, boss.GetFrame());
}

TEST_F(RadioZondeTest, EachCrossOrFanVolleyDrawsOnce) {
    for (int frame = 0; frame < 300; ++frame) FrameNewShots();
    platform::SeedRandom(8);
    for (int frame = 0; frame < 10; ++frame) FrameNewShots();
    const int afterTen = platform::Random();
    platform::SeedRandom(8);
    for (int draw = 0; draw < 10; ++draw) platform::Random();
    EXPECT_EQ(platform::Random(), afterTen);
}

TEST_F(RadioZondeTest, RosettesComeEveryTenTicksFromTick260AndThePhaseRepeats) {
    for (int frame = 0; frame < 300 + 1301 + 801; ++frame) FrameNewShots();
    ASSERT_EQ(3, boss.GetPhase());
    ASSERT_EQ(0, boss.GetPhaseTick());
    std::vector<int> volleyTicks, angles, delays;
    for (int pass = 0; pass < 2; ++pass) {
        for (int tick = 0; tick <= 1100; ++tick) {
            const std::vector<EnemyShot*> added = FrameNewShots();
            if (added.empty()) continue;
            ASSERT_LE(added.size(), 19u);
            if (pass == 0) {
                volleyTicks.push_back(tick);
                angles.push_back(boss.GetAngle());
                delays.push_back(boss.GetScatterDelay());
            }
        }
        EXPECT_EQ(3, boss.GetPhase());
        EXPECT_EQ(0, boss.GetAngle()) << "every pass starts over";
        EXPECT_EQ(200, boss.GetScatterDelay());
    }
    ASSERT_EQ(84u, volleyTicks.size());
    EXPECT_EQ(260, volleyTicks.front());
    EXPECT_EQ(1090, volleyTicks.back());
    // After each volley: 25, 50 ... 350, then 375 becomes -15, then 10, 35 ...
    EXPECT_EQ(25, angles[0]);
    EXPECT_EQ(350, angles[13]);
    EXPECT_EQ(-15, angles[14]);
    EXPECT_EQ(10, angles[15]);
    // 225, 250 ... 400, then 425 becomes 200.
    EXPECT_EQ(225, delays[0]);
    EXPECT_EQ(400, delays[7]);
    EXPECT_EQ(200, delays[8]);
    EXPECT_EQ(225, delays[9]);
}

TEST_F(RadioZondeTest, ARosetteSpiralsBothWaysHoldsAndScattersInAmber) {
    for (int frame = 0; frame < 300 + 1301 + 801 + 260; ++frame) FrameNewShots();
    const std::vector<EnemyShot*> rosette = FrameNewShots();
    ASSERT_EQ(19u, rosette.size());
    EnemyShot** slots = boss.GetShots();
    std::vector<int> index;
    for (EnemyShot* shot : rosette) index.push_back(static_cast<int>(std::find(slots, slots + 2000, shot) - slots));
    for (EnemyShot* shot : rosette) {
        EXPECT_EQ(MovePattern::SpiralThenScatter, shot->GetMovePattern());
        EXPECT_FALSE(shot->UsesAltFrames());
    }
    // Shot 0 spirals for no frame: it holds on the emitter until its tick passes the scatter
    // delay of its volley, 200 for the first.
    for (int frame = 1; frame <= 201; ++frame) {
        ASSERT_EQ(rosette[0], slots[index[0]]);
        ASSERT_EQ(kEmitterX, rosette[0]->GetRect().x) << frame;
        ASSERT_EQ(kEmitterY, rosette[0]->GetRect().y) << frame;
        ASSERT_FALSE(rosette[0]->UsesAltFrames());
        if (frame == 40) {
            // The others have wound out 5 pixels a frame for 4 k frames, k = 1 .. 9 each way,
            // turning 5 degrees a frame one way or the other from angle 0.
            for (int k = 1; k < 19; ++k) {
                const int frames = 4 * (k < 10 ? k : k - 9);
                ASSERT_EQ(slots[index[k]], rosette[k]);
                EXPECT_EQ(5 * frames, rosette[k]->GetRadius()) << k;
                EXPECT_EQ(k < 10 ? 5 * frames : 360 - 5 * frames, rosette[k]->GetAngle()) << k;
            }
        }
        if (frame < 201) FrameNewShots();
    }
    FrameNewShots();
    ASSERT_EQ(rosette[0], slots[index[0]]);
    EXPECT_TRUE(rosette[0]->UsesAltFrames());
    const SDL_Rect moved = rosette[0]->GetRect();
    EXPECT_TRUE(moved.x != kEmitterX || moved.y != kEmitterY) << "it scatters one pixel a frame";
}

}  // namespace
