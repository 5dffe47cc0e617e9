// The regular enemies of Levels 4 and 5 on the shared skeleton: what each is built with and
// draws, how it moves, when and what it fires, and where it leaves.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <vector>

#include "core/utilities.h"
#include "enemies/framework/level_assets.h"
#include "enemies/regular/amybe.h"
#include "enemies/regular/fee.h"
#include "enemies/regular/fleche.h"
#include "enemies/regular/oeil_rb.h"
#include "enemies/regular/papillon.h"
#include "enemies/regular/vax.h"
#include "enemy_probes.h"
#include "platform/random.h"
#include "support/sdl_env.h"

namespace {

using enemyprobes::At;
using enemyprobes::Frame;
using enemyprobes::FrameNewShots;
using enemyprobes::HitCentre;

class LateEnemyTest : public ::testing::Test {
protected:
    void SetUp() override {
        level4.Load(4);
        level5.Load(5);
        platform::SeedRandom(5);
    }

    LevelAssets level4;
    LevelAssets level5;
    SDL_Surface* screen = testsupport::Screen();
};

TEST_F(LateEnemyTest, EachClassIsBuiltWithItsOwnNumbers) {
    LevelAssets* a4 = &level4;
    LevelAssets* a5 = &level5;
    const SDL_Rect box = MakeRect(300, 100, 40, 40);
    const Spawn at = At(box.x, box.y);
    const std::vector<enemyprobes::Construction> rows = {
        {"Fleche", [&] { return new Fleche(screen, a4, at, {.hitPoints = 1}); }, 1, 0},
        {"Fleche of 4", [&] { return new Fleche(screen, a4, at, {.hitPoints = 4}); }, 4, 0},
        {"Amybe", [&] { return new Amybe(screen, a4, at, {.strength = 1}); }, 8, 0},
        {"Amybe of strength 3", [&] { return new Amybe(screen, a4, at, {.strength = 3}); }, 24, 0},
        {"Papillon", [&] { return new Papillon(screen, a5, at); }, 1, 0},
        {"Fee", [&] { return new Fee(screen, a5, at); }, 30, 0},
        {"Vax", [&] { return new Vax(screen, a5, at); }, 15, 0},
        {"OeilRB", [&] { return new OeilRB(screen, a5, At(30, 200), {.strength = 1}); }, 1300, 0},
        {"OeilRB of strength 2", [&] { return new OeilRB(screen, a5, At(0, 50), {.strength = 2}); }, 2600, 0},
    };
    for (const enemyprobes::Construction& row : rows) enemyprobes::ExpectBuilt(row);
}

// Fleche draws its pause, Amybe its flying time; the other four draw nothing.
TEST_F(LateEnemyTest, OnlyTheArrowAndTheAmoebaDrawInTheirConstructors) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        platform::SeedRandom(seed);
        const int pause = platform::Random() % 10 + 30, flyTime = platform::Random() % 40 + 75,
                  next = platform::Random();
        platform::SeedRandom(seed);
        Fleche arrow(screen, &level4, At(150, -28), {.hitPoints = 1});
        Papillon butterfly(screen, &level5, At(130, 0));
        Fee fairy(screen, &level5, At(502, 40));
        Vax vax(screen, &level5, At(138, -68));
        OeilRB eye(screen, &level5, At(30, 200), {.strength = 1});
        Amybe amoeba(screen, &level4, At(200, -36), {.strength = 1});
        EXPECT_EQ(pause, arrow.GetPauseLength());
        EXPECT_EQ(flyTime, amoeba.GetFlyTime());
        EXPECT_EQ(next, platform::Random());
    }
}

TEST_F(LateEnemyTest, EachPicksItsDirectionFromWhereItIsPlaced) {
    EXPECT_EQ(3, Fleche(screen, &level4, At(320, 0), {.hitPoints = 1}).GetHspeed());
    EXPECT_EQ(-3, Fleche(screen, &level4, At(321, 0), {.hitPoints = 1}).GetHspeed());
    EXPECT_EQ(2, Papillon(screen, &level5, At(480, 0)).GetHspeed());
    EXPECT_EQ(-2, Papillon(screen, &level5, At(481, 0)).GetHspeed());
    EXPECT_EQ(3, Fee(screen, &level5, At(501, 40)).GetHspeed());
    EXPECT_EQ(-3, Fee(screen, &level5, At(502, 40)).GetHspeed());
    // The eye ship flies right wherever it is placed, in the playfield too.
    for (int x : {0, 80, 300}) EXPECT_EQ(1, OeilRB(screen, &level5, At(x, 50), {.strength = 1}).GetDir()) << x;
}

TEST_F(LateEnemyTest, AnArrowDivesHangsAndDivesOnEitherWay) {
    for (unsigned seed = 1; seed <= 5; ++seed) {
        platform::SeedRandom(seed);
        Fleche right(screen, &level4, At(150, 100), {.hitPoints = 1});
        platform::SeedRandom(seed);
        Fleche left(screen, &level4, At(460, 100), {.hitPoints = 1});
        const int pause = right.GetPauseLength();
        for (int frame = 0; frame < 2 * pause + 10; ++frame) {
            const SDL_Rect before = right.GetRect();
            const bool diving = frame < pause / 3 || frame >= 2 * pause;
            Frame(right);
            Frame(left);
            ASSERT_EQ(before.x + (diving ? 3 : 0), right.GetRect().x) << frame;
            ASSERT_EQ(before.y + (diving ? 3 : 0), right.GetRect().y) << frame;
            ASSERT_EQ(150 + 460 - right.GetRect().x, left.GetRect().x) << frame;
            ASSERT_EQ(right.GetRect().y, left.GetRect().y);
        }
    }
    // Destroyed, it keeps drifting with its explosion.
    Fleche arrow(screen, &level4, At(150, -28), {.hitPoints = 1});
    EXPECT_EQ(0, HitCentre(arrow, 1));
    ASSERT_TRUE(arrow.IsDestroyed());
    Frame(arrow);
    EXPECT_EQ(153, arrow.GetRect().x);
    EXPECT_FALSE(arrow.ExplosionStarted());
}

TEST_F(LateEnemyTest, AnAmoebaDropsStopsToSpitFourShotsEveryFourthFrameAndDropsOn) {
    for (unsigned seed = 1; seed <= 4; ++seed) {
        platform::SeedRandom(seed);
        Amybe amoeba(screen, &level4, At(200, -36), {.strength = 1});
        const int flyTime = amoeba.GetFlyTime();
        int volleys = 0;
        for (int frame = 0; frame < 2 * flyTime + 5; ++frame) {
            const SDL_Rect before = amoeba.GetRect();
            const std::vector<EnemyShot*> added = FrameNewShots(amoeba);
            const bool hovering = frame >= flyTime / 3 && frame < 2 * flyTime;
            ASSERT_EQ(before.y + (hovering ? 0 : 3), amoeba.GetRect().y) << frame;
            ASSERT_EQ(200, amoeba.GetRect().x);
            if (!hovering || frame % 4 != 0) {
                ASSERT_TRUE(added.empty()) << frame;
                continue;
            }
            ++volleys;
            ASSERT_EQ(4u, added.size()) << frame;
            // Four pores; each shot has made its first 4-pixel step out of its centre.
            const int pores[4][3] = {{9, 4, 45}, {39, 4, 135}, {11, 24, 70}, {37, 24, 110}};
            for (int k = 0; k < 4; ++k) {
                EXPECT_EQ(MovePattern::Radial, added[k]->GetMovePattern());
                EXPECT_EQ(pores[k][2], added[k]->GetAngle());
                EXPECT_EQ(4, added[k]->GetRadius());
                EXPECT_EQ(before.x + pores[k][0], added[k]->GetRect().x);
                EXPECT_EQ(before.y + pores[k][1], added[k]->GetRect().y);
                EXPECT_EQ(9, added[k]->GetRect().w);
            }
        }
        int expected = 0;
        for (int counter = flyTime / 3; counter < 2 * flyTime; ++counter) expected += counter % 4 == 0;
        EXPECT_EQ(expected, volleys);
    }
    // Destroyed, it freezes and stops firing.
    Amybe amoeba(screen, &level4, At(200, 100), {.strength = 1});
    HitCentre(amoeba, 8);
    const SDL_Rect at = amoeba.GetRect();
    for (int frame = 0; frame < 200; ++frame) ASSERT_TRUE(FrameNewShots(amoeba).empty());
    EXPECT_EQ(at.y, amoeba.GetRect().y);
}

TEST_F(LateEnemyTest, AButterflyCrossesUntilItLeaves) {
    Papillon butterfly(screen, &level5, At(130, 100));
    for (int frame = 0; frame < 8; ++frame) {
        ASSERT_TRUE(Frame(butterfly));
        EXPECT_EQ(130 + 2 * (frame + 1), butterfly.GetRect().x);
    }
    // It is tested before each move: at 504 it goes, on the 188th frame from x 130.
    int frame = 8;
    while (Frame(butterfly)) ++frame;
    EXPECT_EQ(187, frame);
    EXPECT_FALSE(butterfly.ExplosionStarted());

    Papillon hit(screen, &level5, At(492, 100));
    Frame(hit);
    EXPECT_EQ(490, hit.GetRect().x);
    HitCentre(hit, 1);
    for (int n = 0; n < 10; ++n) Frame(hit);
    EXPECT_EQ(490, hit.GetRect().x) << "destroyed, it freezes";
}

TEST_F(LateEnemyTest, AFairyFliesInHoversThrowsRandomFansAndFliesOn) {
    Fee fairy(screen, &level5, At(577, 40));
    std::vector<int> volleyTicks;
    for (int tick = 1; tick <= 620; ++tick) {
        const SDL_Rect before = fairy.GetRect();
        platform::SeedRandom(tick);
        const std::vector<EnemyShot*> added = FrameNewShots(fairy);
        ASSERT_EQ(tick, fairy.GetTick());
        const bool flying = tick < 105 || tick >= 600;
        ASSERT_EQ(before.x + (flying ? -3 : 0), fairy.GetRect().x) << tick;
        if (added.empty()) continue;
        volleyTicks.push_back(tick);
        // One draw of 180 per volley: three shots ten degrees apart from below its middle.
        platform::SeedRandom(tick);
        const int r = platform::Random() % 180;
        ASSERT_EQ(3u, added.size());
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(r + 10 * k, added[k]->GetAngle());
            EXPECT_EQ(1, added[k]->GetRadius());
            EXPECT_EQ(before.x + 15, added[k]->GetRect().x);
            EXPECT_EQ(before.y + 35, added[k]->GetRect().y);
            EXPECT_EQ(16, added[k]->GetRect().w);
        }
    }
    ASSERT_EQ(56u, volleyTicks.size());
    EXPECT_EQ(152, volleyTicks.front());
    EXPECT_EQ(592, volleyTicks.back());
    EXPECT_EQ(577 - 3 * 104 - 3 * 21, fairy.GetRect().x);
}

TEST_F(LateEnemyTest, AVaxDropsToTwoHundredFiresOnceStraightDownAndLeavesRight) {
    Vax vax(screen, &level5, At(184, -68));
    int frame = 0;
    while (vax.GetRect().y < 200) {
        ASSERT_TRUE(FrameNewShots(vax).empty());
        ++frame;
    }
    EXPECT_EQ(45, frame);
    EXPECT_EQ(202, vax.GetRect().y);
    const std::vector<EnemyShot*> added = FrameNewShots(vax);
    ASSERT_EQ(1u, added.size());
    EXPECT_TRUE(vax.HasFired());
    EXPECT_EQ(184, vax.GetRect().x) << "it stands still on the frame it fires";
    EXPECT_EQ(90, added[0]->GetAngle());
    EXPECT_EQ(8, added[0]->GetRadius());
    const SDL_Rect shot = added[0]->GetRect();
    EXPECT_EQ(184 + 19, shot.x);
    EXPECT_EQ(202 + 18, shot.y);
    EXPECT_EQ(8, shot.w);
    EXPECT_EQ(20, shot.h);
    for (int n = 1; n <= 10; ++n) {
        ASSERT_TRUE(FrameNewShots(vax).empty());
        EXPECT_EQ(184 + 6 * n, vax.GetRect().x);
        EXPECT_EQ(202, vax.GetRect().y);
    }
}

TEST_F(LateEnemyTest, EachEndsWithoutExplosionWhereItsPlayfieldEnds) {
    enemyprobes::ExpectEdges({
        {"Fleche past the bottom", new Fleche(screen, &level4, At(300, 481), {.hitPoints = 1}), false},
        {"Fleche from the left edge", new Fleche(screen, &level4, At(110, 300), {.hitPoints = 1}), true},
        {"Amybe entirely above", new Amybe(screen, &level4, At(300, -38), {.strength = 1}), false},
        {"Amybe just above", new Amybe(screen, &level4, At(300, -36), {.strength = 1}), true},
        {"Papillon from the right edge", new Papillon(screen, &level5, At(492, 0)), true},
        {"Fee far left", new Fee(screen, &level5, At(-246, 90)), false},
        {"Fee just inside the left", new Fee(screen, &level5, At(-245, 90)), true},
        {"Fee far right", new Fee(screen, &level5, At(729, 40)), false},
        {"Fee just inside the right", new Fee(screen, &level5, At(728, 40)), true},
        {"Vax past the right", new Vax(screen, &level5, At(503, 100)), false},
        {"Vax of the block's last row", new Vax(screen, &level5, At(460, -2448)), true},
        {"OeilRB behind the left panel", new OeilRB(screen, &level5, At(0, 50), {.strength = 1}), true},
        {"OeilRB past the right", new OeilRB(screen, &level5, At(503, 50), {.strength = 1}), false},
        {"OeilRB past the bottom", new OeilRB(screen, &level5, At(30, 641), {.strength = 1}), false},
    });
}

TEST_F(LateEnemyTest, AnEyeShipEntersFromTheLeftSweepsAMirroredPairAndLeavesRight) {
    OeilRB eye(screen, &level5, At(30, 200), {.strength = 1});
    std::vector<int> xs(1, 30);
    std::vector<int> volleyFrames;
    std::vector<int> aims;
    int gone = 0;
    for (int frame = 1; frame <= 1000 && gone == 0; ++frame) {
        const SDL_Rect before = eye.GetRect();
        platform::SeedRandom(frame);
        const std::vector<EnemyShot*> added = FrameNewShots(eye);
        xs.push_back(eye.GetRect().x);
        if (eye.IsDestroyed()) gone = frame;
        if (added.empty()) continue;
        volleyFrames.push_back(frame);
        ASSERT_EQ(4u, added.size());
        const int aim = added[0]->GetAngle();
        aims.push_back(aim);
        // The second mirrors the first about the vertical; the last two are random, slower.
        platform::SeedRandom(frame);
        EXPECT_EQ(aim <= 180 ? 180 - aim : 540 - aim, added[1]->GetAngle());
        EXPECT_EQ(platform::Random() % 360, added[2]->GetAngle());
        EXPECT_EQ(platform::Random() % 360, added[3]->GetAngle());
        EXPECT_EQ(3, added[0]->GetRadius());
        EXPECT_EQ(3, added[1]->GetRadius());
        EXPECT_EQ(2, added[2]->GetRadius());
        for (EnemyShot* shot : added) {
            EXPECT_EQ(before.x + 47, shot->GetRect().x);
            EXPECT_EQ(16, shot->GetRect().w);
        }
    }
    EXPECT_EQ(30 + 5 * 47, xs[47]);  // 5 pixels right for 47 frames
    EXPECT_EQ(xs[47], xs[771]);      // then still through the rest of the entry and the attack
    EXPECT_EQ(xs[47] + 5, xs[772]);  // the attack's end already steps out
    // Attack counters 32, 34 ... 598, from the frame after the 70-frame entry.
    ASSERT_EQ(284u, volleyFrames.size());
    EXPECT_EQ(71 + 32 + 1, volleyFrames.front());
    EXPECT_EQ(71 + 598 + 1, volleyFrames.back());
    // The aim: 270 first, 5 degrees a volley down to 90, where it has passed 91 and turns back
    // up to 270, where it has passed 269: a cycle of 72 volleys.
    for (size_t v = 1; v < aims.size(); ++v) ASSERT_EQ(5, std::abs(aims[v] - aims[v - 1])) << v;
    EXPECT_EQ(90, *std::min_element(aims.begin(), aims.end()));
    EXPECT_EQ(270, *std::max_element(aims.begin(), aims.end()));
    EXPECT_EQ((std::vector<int>{270, 90, 95, 270, 265, 245}),
              (std::vector<int>{aims[0], aims[36], aims[37], aims[72], aims[73], aims[283]}));
    // Out to the right, without explosion, on the frame its x is tested beyond 502.
    ASSERT_GT(gone, 772);
    EXPECT_GT(xs[gone - 1], 502);
    EXPECT_LE(xs[gone - 2], 502);
    EXPECT_FALSE(eye.ExplosionStarted());
}

TEST_F(LateEnemyTest, AnEyeShipStopsAtOnceWhenDestroyed) {
    OeilRB eye(screen, &level5, At(30, 200), {.strength = 1});
    for (int frame = 0; frame < 71 + 40; ++frame) Frame(eye);
    ASSERT_EQ(PhasedEnemy::kAttack, eye.GetPhase());
    ASSERT_GT(eye.LiveShots(), 0);
    HitCentre(eye, 2000);
    ASSERT_TRUE(eye.IsDestroyed());
    const SDL_Rect at = eye.GetRect();
    EXPECT_TRUE(FrameNewShots(eye).empty());
    EXPECT_TRUE(eye.ExplosionStarted());
    for (int frame = 0; frame < 20; ++frame) ASSERT_TRUE(FrameNewShots(eye).empty());
    EXPECT_EQ(at.x, eye.GetRect().x);
    EXPECT_EQ(PhasedEnemy::kAttack, eye.GetPhase());
}

}  // namespace
