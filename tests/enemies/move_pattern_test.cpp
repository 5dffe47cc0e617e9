// The polar movement patterns: positions frame by frame, phase changes, angle wraps, bounds.
// Expected positions are trunc(radius * cos(angle) + centre) with pi taken as 3.141592654.
#include <gtest/gtest.h>

#include <cstdlib>

#include "core/utilities.h"
#include "enemies/framework/enemy_shot.h"
#include "platform/random.h"
#include "support/sdl_env.h"

namespace {

EnemyShot MakeShot(MovePattern pattern, int x = 0, int y = 0) {
    return EnemyShot(testsupport::Screen(), nullptr, nullptr, MakeRect(x, y, 8, 8), pattern);
}

bool Step(EnemyShot& shot) {
    bool alive = false;
    shot.Update(&alive);
    return alive;
}

// Steps once per expected position and compares.
void ExpectPath(EnemyShot& shot, std::initializer_list<std::pair<int, int>> positions) {
    int frame = 0;
    for (const auto& p : positions) {
        Step(shot);
        ++frame;
        EXPECT_EQ(shot.GetRect().x, p.first) << "frame " << frame;
        EXPECT_EQ(shot.GetRect().y, p.second) << "frame " << frame;
    }
}

}  // namespace

TEST(SpiralPattern, AdvancesRadiusAndAngleWithItsWraps) {
    EnemyShot shot = MakeShot(MovePattern::Spiral);
    shot.SetOrbit(300, 200, 10, 350, 10, 5, 0, 0);
    ExpectPath(shot, {{309, 198}});
    EXPECT_EQ(shot.GetAngle(), 360);  // 360 wraps to 0 and then back to 360
    ExpectPath(shot, {{315, 200}, {319, 203}});
    EXPECT_EQ(shot.GetAngle(), 20);

    EnemyShot down = MakeShot(MovePattern::Spiral);
    down.SetOrbit(0, 0, 10, 10, -10, 0, 0, 0);
    Step(down);
    EXPECT_EQ(down.GetAngle(), 360);  // 0 becomes 360
    EXPECT_TRUE(Step(down));          // wide bounds: far outside the playfield is fine
    EXPECT_EQ(down.GetAngle(), 350);

    EnemyShot negative = MakeShot(MovePattern::Spiral);
    negative.SetOrbit(0, 0, 10, 225, 0, 0, 0, 0);
    ExpectPath(negative, {{-7, -7}});  // -7.07 truncates toward zero
}

TEST(RadialPattern, RunsAlongARayAndReachesAHundredPixelsBeyondTheWindow) {
    EnemyShot right = MakeShot(MovePattern::Radial);
    right.SetOrbit(300, 100, 0, 0, 7, 10, 0, 0);
    ExpectPath(right, {{300, 100}, {310, 100}, {320, 100}});
    EXPECT_EQ(right.GetAngle(), 0);  // no angle step, no wrap
    while (right.GetRect().x < 740) ASSERT_TRUE(Step(right));
    EXPECT_FALSE(Step(right));  // x = 750

    // 3.141592654 is a hair above pi: cos(90) is a tiny negative number, so a ray straight
    // down sits one pixel left of its centre once the radius is positive.
    EnemyShot down = MakeShot(MovePattern::Radial);
    down.SetOrbit(300, 100, 0, 90, 0, 4, 0, 0);
    ExpectPath(down, {{300, 100}, {299, 104}, {299, 108}});

    const struct {
        int x, y;
        bool alive;
    } edges[] = {{600, 572, true}, {600, 581, false}, {-108, -108, true}, {-109, 0, false}};
    for (const auto& e : edges) {
        EnemyShot still = MakeShot(MovePattern::Radial);
        still.SetOrbit(e.x, e.y, 0, 0, 0, 0, 0, 0);
        EXPECT_EQ(Step(still), e.alive) << e.x << "," << e.y;
    }
}

TEST(TurnPatterns, RunOutForPhase2FramesThenTurnFromThePointReached) {
    EnemyShot slow = MakeShot(MovePattern::RadialThenTurn);
    slow.SetOrbit(300, 100, 10, 0, 0, 4, 0, 30);
    slow.SetExitAngle(45);
    for (int n = 0; n < 30; ++n) {
        Step(slow);
        ASSERT_EQ(slow.GetRect().x, 310 + 4 * n);
        ASSERT_FALSE(slow.UsesAltFrames());
    }
    // Turned at (426, 100) with radius -4 + 1: the first position lies 3 pixels behind it.
    ExpectPath(slow, {{423, 97}, {424, 98}, {425, 99}, {426, 100}, {426, 100}, {427, 101}});
    EXPECT_TRUE(slow.UsesAltFrames());

    EnemyShot fast = MakeShot(MovePattern::RadialThenTurnFast);
    fast.SetOrbit(300, 100, 10, 0, 0, 8, 0, 3);
    fast.SetExitAngle(0);
    ExpectPath(fast, {{310, 100}, {318, 100}, {326, 100}, {323, 100}, {328, 100}, {333, 100}});

    // phase2 = 0: along the exit angle about the initial centre from the first frame.
    EnemyShot at0 = MakeShot(MovePattern::RadialThenTurn);
    at0.SetOrbit(300, 100, 20, 90, 0, 3, 0, 0);
    at0.SetExitAngle(0);
    ExpectPath(at0, {{320, 100}, {323, 100}});
    EXPECT_TRUE(at0.UsesAltFrames());
}

TEST(TurnPatterns, CreatorSetVelocitySuppressesInitialisation) {
    // tick keeps the constructor's 99: with phase2 = 30 the shot is past its turn at once.
    EnemyShot shot = MakeShot(MovePattern::RadialThenTurn);
    shot.SetOrbit(300, 100, 10, 0, 0, 4, 0, 30);
    shot.SetVx(0);
    shot.SetVy(0);
    ExpectPath(shot, {{310, 100}});
    EXPECT_TRUE(shot.UsesAltFrames());
    EXPECT_EQ(shot.GetTick(), 99);
}

TEST(WavePattern, BendsHoldsBendsBackAndHoldsInPhase2PlusOneFrames) {
    EnemyShot shot = MakeShot(MovePattern::Wave);
    shot.SetOrbit(300, 200, 0, 45, 10, 2, 0, 8);  // quarters at ticks 2, 4, 6
    const int angles[] = {55, 65, 75, 75, 75, 65, 55, 55, 55, 65};
    for (int n = 0; n < 10; ++n) {
        Step(shot);
        EXPECT_EQ(shot.GetAngle(), angles[n]) << "frame " << n + 1;
        if (n == 6) {
            EXPECT_EQ(shot.GetRect().x, 305);  // radius 12 at 65 degrees
        }
    }
    EXPECT_EQ(shot.GetTick(), 1);
}

TEST(RadialThenFallPattern, NinetyOneFramesOutThenFallsOrDriftsWithinItsBand) {
    EnemyShot plain = MakeShot(MovePattern::RadialThenFall);
    plain.SetOrbit(200, 100, 0, 0, 0, 1, 0, 0);
    for (int n = 0; n < 91; ++n) ASSERT_TRUE(Step(plain));
    ExpectPath(plain, {{290, 102}, {290, 104}});

    EnemyShot right = MakeShot(MovePattern::RadialThenFall);
    right.SetOrbit(300, 100, 0, 0, 0, 1, 0, 0);
    right.SetVx(3);
    right.SetVy(4);
    right.SetTick(2);  // three outward frames
    right.SetDriftBand(200, 400);
    ExpectPath(right, {{300, 100}, {301, 100}, {302, 100}, {305, 104}});
    for (int n = 0; n < 32; ++n) Step(right);
    ExpectPath(right, {{401, 236}});  // passed the band's right edge: no more drift

    EnemyShot middle = MakeShot(MovePattern::RadialThenFall);
    middle.SetOrbit(300, 100, 0, 0, 0, 0, 0, 0);
    middle.SetVx(3);
    middle.SetVy(4);
    middle.SetTick(0);
    middle.SetDriftBand(200, 400);
    ExpectPath(middle, {{300, 100}, {297, 104}});  // at the middle: drifts left

    EnemyShot out = MakeShot(MovePattern::RadialThenFall);  // playfield bounds
    out.SetOrbit(140, 100, 0, 0, 0, -1, 0, 0);
    for (int n = 0; n < 11; ++n) ASSERT_TRUE(Step(out)) << n;  // down to x = 130
    EXPECT_FALSE(Step(out));                                   // x + w = 137
}

TEST(SpiralThenScatterPattern, SpiralsStandsStillThenScatters) {
    EnemyShot even = MakeShot(MovePattern::SpiralThenScatter);
    even.SetOrbit(300, 200, 10, 0, 0, 5, 2, 4);
    even.SetTick(0);
    even.SetVx(1);
    even.SetVy(2);
    ExpectPath(even, {{310, 200}, {315, 200}, {315, 200}, {315, 200}, {315, 200}, {316, 202}});
    EXPECT_TRUE(even.UsesAltFrames());

    EnemyShot odd = MakeShot(MovePattern::SpiralThenScatter);
    odd.SetOrbit(300, 200, 10, 0, 0, 5, 1, 1);
    odd.SetTick(0);
    odd.SetVx(1);
    odd.SetVy(2);
    ExpectPath(odd, {{310, 200}, {310, 200}, {309, 202}});  // odd phase2 mirrors vx

    platform::SeedRandom(12345);
    bool sawLeft = false, sawRight = false;
    for (int i = 0; i < 300; ++i) {
        EnemyShot random = MakeShot(MovePattern::SpiralThenScatter);
        random.SetOrbit(300, 200, 10, 0, 0, 0, 0, 0);
        Step(random);
        const int vx = random.GetVx(), vy = random.GetVy();
        ASSERT_TRUE(abs(vx) <= 1 && abs(vy) <= 1 && (vx != 0 || vy != 0)) << vx << "," << vy;
        sawLeft = sawLeft || vx < 0;
        sawRight = sawRight || vx > 0;
    }
    EXPECT_TRUE(sawLeft && sawRight);
}

TEST(SpiralThenDivePattern, SpiralsToRadius200ThenDivesSpreadingFromTheMiddle) {
    EnemyShot shot = MakeShot(MovePattern::SpiralThenDive);
    shot.SetOrbit(300, 100, 195, 0, 0, 5, 0, 0);
    ExpectPath(shot, {{495, 100}, {500, 100}, {500, 106}});

    const int starts[] = {280, 281, 310, 311, 359, 360};
    const int after[] = {280, 280, 309, 312, 360, 360};
    for (int i = 0; i < 6; ++i) {
        EnemyShot diving = MakeShot(MovePattern::SpiralThenDive, starts[i], 50);
        diving.SetOrbit(300, 100, 201, 0, 0, 0, 0, 0);
        ExpectPath(diving, {{after[i], 56}});
    }
}
