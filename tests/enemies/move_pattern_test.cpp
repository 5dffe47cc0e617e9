// The polar movement patterns: positions frame by frame, phase changes, angle wraps, bounds.
// Expected positions are trunc(radius * cos(angle) + centre) with pi taken as 3.141592654.
#include <gtest/gtest.h>

#include <cstdlib>

#include "enemies/framework/enemy_shot.h"
#include "shell/utilities.h"
#include "support/sdl_env.h"

using testsupport::Screen;

namespace {

EnemyShot MakeShot(MovePattern pattern, int w = 8, int h = 8) {
    return EnemyShot(Screen(), nullptr, nullptr, MakeRect(0, 0, w, h), pattern);
}

bool Step(EnemyShot& shot) {
    bool alive = false;
    shot.Update(&alive);
    return alive;
}

void ExpectAt(const EnemyShot& shot, int x, int y, const char* what) {
    SDL_Rect r = shot.GetRect();
    EXPECT_EQ(r.x, x) << what;
    EXPECT_EQ(r.y, y) << what;
}

}  // namespace

TEST(SpiralPattern, AdvancesRadiusAndAngleAndKeeps360) {
    EnemyShot shot = MakeShot(MovePattern::Spiral);
    shot.SetOrbit(300, 200, 10, 350, 10, 5, 0, 0);
    Step(shot);
    ExpectAt(shot, 309, 198, "frame 1 at 350 degrees, radius 10");
    EXPECT_EQ(shot.GetAngle(), 360);  // 360 wraps to 0 and then back to 360
    EXPECT_EQ(shot.GetRadius(), 15);
    Step(shot);
    ExpectAt(shot, 315, 200, "frame 2 at 360 degrees, radius 15");
    EXPECT_EQ(shot.GetAngle(), 10);
    Step(shot);
    ExpectAt(shot, 319, 203, "frame 3 at 10 degrees, radius 20");
}

TEST(SpiralPattern, AngleFallingToZeroBecomes360) {
    EnemyShot shot = MakeShot(MovePattern::Spiral);
    shot.SetOrbit(300, 200, 10, 10, -10, 0, 0, 0);
    Step(shot);
    EXPECT_EQ(shot.GetAngle(), 360);
    Step(shot);
    EXPECT_EQ(shot.GetAngle(), 350);
}

TEST(SpiralPattern, NegativePositionsTruncateTowardZero) {
    EnemyShot shot = MakeShot(MovePattern::Spiral);
    shot.SetOrbit(0, 0, 10, 225, 0, 0, 0, 0);  // -7.07, -7.07
    EXPECT_TRUE(Step(shot));                   // wide bounds: far outside the playfield is fine
    ExpectAt(shot, -7, -7, "225 degrees");
}

TEST(RadialPattern, RunsAlongARayWithoutTurning) {
    EnemyShot shot = MakeShot(MovePattern::Radial);
    shot.SetOrbit(300, 100, 0, 0, 7, 10, 0, 0);
    for (int n = 0; n < 5; ++n) {
        Step(shot);
        ExpectAt(shot, 300 + 10 * n, 100, "ray to the right");
        EXPECT_EQ(shot.GetAngle(), 0);  // the angle step is ignored and 0 is not wrapped
    }
}

TEST(RadialPattern, StraightDownDriftsOnePixelLeftFromTheSecondFrame) {
    // 3.141592654 is a hair above pi: cos(90 degrees) comes out a tiny negative number, and
    // truncation takes the shot to x - 1 as soon as the radius is positive.
    EnemyShot shot = MakeShot(MovePattern::Radial);
    shot.SetOrbit(300, 100, 0, 90, 0, 4, 0, 0);
    Step(shot);
    ExpectAt(shot, 300, 100, "radius 0");
    Step(shot);
    ExpectAt(shot, 299, 104, "radius 4");
    Step(shot);
    ExpectAt(shot, 299, 108, "radius 8");
}

TEST(RadialPattern, WideBoundsReachAHundredPixelsBeyondTheWindow) {
    EnemyShot right = MakeShot(MovePattern::Radial, 10, 10);
    right.SetOrbit(300, 100, 0, 0, 0, 10, 0, 0);
    for (int n = 0; n <= 44; ++n) ASSERT_TRUE(Step(right)) << n;  // x = 740 is still in
    EXPECT_FALSE(Step(right));                                       // x = 750

    EnemyShot down = MakeShot(MovePattern::Radial, 10, 10);
    down.SetOrbit(600, 560, 0, 0, 0, 0, 0, 0);
    EXPECT_TRUE(Step(down));  // y = 560, far below the playfield, x = 600 beyond its right edge
    EnemyShot below = MakeShot(MovePattern::Radial, 10, 10);
    below.SetOrbit(600, 581, 0, 0, 0, 0, 0, 0);
    EXPECT_FALSE(Step(below));

    EnemyShot left = MakeShot(MovePattern::Radial, 10, 10);
    left.SetOrbit(-110, -110, 0, 0, 0, 0, 0, 0);
    EXPECT_TRUE(Step(left));  // x + w = -100, y + h = -100
    EnemyShot further = MakeShot(MovePattern::Radial, 10, 10);
    further.SetOrbit(-111, 0, 0, 0, 0, 0, 0, 0);
    EXPECT_FALSE(Step(further));
}

TEST(TurnPatterns, RadialThenTurnRunsOutThenTurnsAtOnePixelPerFrame) {
    EnemyShot shot = MakeShot(MovePattern::RadialThenTurn);
    shot.SetOrbit(300, 100, 10, 0, 0, 4, 0, 30);
    shot.SetExitAngle(45);
    for (int n = 0; n < 30; ++n) {
        Step(shot);
        ExpectAt(shot, 310 + 4 * n, 100, "outward leg");
        EXPECT_FALSE(shot.UsesAltFrames());
    }
    // Turned at (426, 100): radius -4 + 1, so the first position lies 3 pixels behind it.
    const int expected[][2] = {{423, 97}, {424, 98}, {425, 99}, {426, 100}, {426, 100}, {427, 101}};
    for (const auto& e : expected) {
        Step(shot);
        ExpectAt(shot, e[0], e[1], "along the exit angle");
        EXPECT_TRUE(shot.UsesAltFrames());
    }
    EXPECT_EQ(shot.GetTick(), 30);
}

TEST(TurnPatterns, ZeroFirstPhaseTurnsAboutTheInitialCentre) {
    EnemyShot shot = MakeShot(MovePattern::RadialThenTurn);
    shot.SetOrbit(300, 100, 20, 90, 0, 3, 0, 0);
    shot.SetExitAngle(0);
    Step(shot);
    EXPECT_TRUE(shot.UsesAltFrames());
    ExpectAt(shot, 320, 100, "radius 20 along the exit angle");
    Step(shot);
    ExpectAt(shot, 323, 100, "radiusStep unchanged");
}

TEST(TurnPatterns, RadialThenTurnFastLeavesAtFivePixelsPerFrame) {
    EnemyShot shot = MakeShot(MovePattern::RadialThenTurnFast);
    shot.SetOrbit(300, 100, 10, 0, 0, 8, 0, 3);
    shot.SetExitAngle(0);
    const int xs[] = {310, 318, 326, 323, 328, 333};  // turned at 326; 8 - 5 = 3 pixels behind
    for (int x : xs) {
        Step(shot);
        ExpectAt(shot, x, 100, "fast turn");
    }
}

TEST(TurnPatterns, CreatorSetVelocitySuppressesInitialisation) {
    // Without the initialisation tick stays at the constructor's 99: with phase2 = 30 the shot
    // is past its turn from the first frame.
    EnemyShot shot = MakeShot(MovePattern::RadialThenTurn);
    shot.SetOrbit(300, 100, 10, 0, 0, 4, 0, 30);
    shot.SetExitAngle(0);
    shot.SetVx(0);
    shot.SetVy(0);
    Step(shot);
    EXPECT_TRUE(shot.UsesAltFrames());
    EXPECT_EQ(shot.GetTick(), 99);
    ExpectAt(shot, 310, 100, "exit leg from the start");
}

TEST(WavePattern, BendsHoldsBendsBackAndHolds) {
    EnemyShot shot = MakeShot(MovePattern::Wave);
    shot.SetOrbit(300, 200, 0, 45, 10, 2, 0, 8);  // quarters at ticks 2, 4, 6
    const int angles[] = {55, 65, 75, 75, 75, 65, 55, 55, 55, 65};
    const int positions[][2] = {{300, 200}, {301, 201}, {301, 203}, {301, 205},
                                {302, 207}, {302, 209}, {305, 210}, {308, 211}};
    for (int n = 0; n < 10; ++n) {
        Step(shot);
        EXPECT_EQ(shot.GetAngle(), angles[n]) << "frame " << n + 1;
        if (n < 8) ExpectAt(shot, positions[n][0], positions[n][1], "wave");
    }
    EXPECT_EQ(shot.GetTick(), 1);  // the cycle is phase2 + 1 = 9 frames
}

TEST(RadialThenFallPattern, NinetyOneFramesOutThenFallsStraight) {
    EnemyShot shot = MakeShot(MovePattern::RadialThenFall);
    shot.SetOrbit(200, 100, 0, 0, 0, 1, 0, 0);
    for (int n = 0; n < 91; ++n) {
        ASSERT_TRUE(Step(shot));
        ExpectAt(shot, 200 + n, 100, "outward");
    }
    for (int n = 1; n <= 3; ++n) {
        Step(shot);
        ExpectAt(shot, 290, 100 + 2 * n, "falling");
    }
}

TEST(RadialThenFallPattern, DriftsAwayFromTheMiddleOfItsBandUntilItsEdges) {
    EnemyShot right = MakeShot(MovePattern::RadialThenFall);
    right.SetOrbit(300, 100, 0, 0, 0, 1, 0, 0);
    right.SetVx(3);
    right.SetVy(4);
    right.SetTick(2);  // three outward frames: x = 300, 301, 302
    right.SetDriftBand(200, 400);
    for (int n = 0; n < 3; ++n) Step(right);
    ExpectAt(right, 302, 100, "end of the ray");
    Step(right);
    ExpectAt(right, 305, 104, "right of the middle: drifts right");
    for (int n = 0; n < 32; ++n) Step(right);
    ExpectAt(right, 401, 232, "passed the band's right edge");
    Step(right);
    ExpectAt(right, 401, 236, "no drift beyond the edge");

    EnemyShot middle = MakeShot(MovePattern::RadialThenFall);
    middle.SetOrbit(300, 100, 0, 0, 0, 0, 0, 0);
    middle.SetVx(3);
    middle.SetVy(4);
    middle.SetTick(0);
    middle.SetDriftBand(200, 400);
    Step(middle);
    Step(middle);
    ExpectAt(middle, 297, 104, "at the middle: drifts left");
}

TEST(RadialThenFallPattern, DroppedOnLeavingThePlayfield) {
    EnemyShot shot = MakeShot(MovePattern::RadialThenFall, 8, 8);
    shot.SetOrbit(140, 100, 0, 0, 0, -1, 0, 0);
    for (int n = 0; n < 11; ++n) ASSERT_TRUE(Step(shot)) << n;  // down to x = 130
    EXPECT_EQ(shot.GetRect().x, 130);
    EXPECT_FALSE(Step(shot));  // x = 129: x + w = 137
}

TEST(SpiralThenScatterPattern, SpiralsStandsStillThenScatters) {
    EnemyShot even = MakeShot(MovePattern::SpiralThenScatter);
    even.SetOrbit(300, 200, 10, 0, 0, 5, 2, 4);
    even.SetTick(0);
    even.SetVx(1);
    even.SetVy(2);
    const int path[][2] = {{310, 200}, {315, 200}, {315, 200}, {315, 200}, {315, 200}, {316, 202}, {317, 204}};
    for (int n = 0; n < 7; ++n) {
        Step(even);
        ExpectAt(even, path[n][0], path[n][1], "even phase2");
        EXPECT_EQ(even.UsesAltFrames(), n >= 5);
    }
    EnemyShot odd = MakeShot(MovePattern::SpiralThenScatter);
    odd.SetOrbit(300, 200, 10, 0, 0, 5, 1, 1);
    odd.SetTick(0);
    odd.SetVx(1);
    odd.SetVy(2);
    Step(odd);
    ExpectAt(odd, 310, 200, "spiral");
    Step(odd);
    ExpectAt(odd, 310, 200, "stand");
    Step(odd);
    ExpectAt(odd, 309, 202, "odd phase2 mirrors vx");
}

TEST(SpiralThenScatterPattern, RandomDirectionIsNeverStandingStill) {
    srand(12345);
    bool sawNegative = false, sawPositive = false;
    for (int i = 0; i < 300; ++i) {
        EnemyShot shot = MakeShot(MovePattern::SpiralThenScatter);
        shot.SetOrbit(300, 200, 10, 0, 0, 0, 0, 0);
        Step(shot);
        EXPECT_EQ(shot.GetTick(), 1);
        const int vx = shot.GetVx(), vy = shot.GetVy();
        ASSERT_TRUE(vx >= -1 && vx <= 1 && vy >= -1 && vy <= 1) << vx << "," << vy;
        ASSERT_FALSE(vx == 0 && vy == 0);
        sawNegative = sawNegative || vx < 0;
        sawPositive = sawPositive || vx > 0;
    }
    EXPECT_TRUE(sawNegative && sawPositive);
}

TEST(SpiralThenDivePattern, SpiralsToRadius200ThenDives) {
    EnemyShot shot = MakeShot(MovePattern::SpiralThenDive);
    shot.SetOrbit(300, 100, 195, 0, 0, 5, 0, 0);
    Step(shot);
    ExpectAt(shot, 495, 100, "radius 195");
    Step(shot);
    ExpectAt(shot, 500, 100, "radius 200 still spirals");
    Step(shot);
    ExpectAt(shot, 500, 106, "dive");
}

TEST(SpiralThenDivePattern, ShotsNearTheMiddleSpreadApart) {
    const int starts[] = {280, 281, 310, 311, 359, 360};
    const int after[] = {280, 280, 309, 312, 360, 360};
    for (int i = 0; i < 6; ++i) {
        EnemyShot shot(Screen(), nullptr, nullptr, MakeRect(starts[i], 50, 8, 8),
                       MovePattern::SpiralThenDive);
        shot.SetOrbit(300, 100, 201, 0, 0, 0, 0, 0);
        Step(shot);
        ExpectAt(shot, after[i], 56, "dive");
    }
}
