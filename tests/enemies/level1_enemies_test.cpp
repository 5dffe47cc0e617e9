// The Level 1 regular enemies on the shared skeleton: what each is built with, how it moves and
// fires, and where its playfield ends.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <vector>

#include "core/utilities.h"
#include "enemies/framework/level_assets.h"
#include "enemies/regular/boule.h"
#include "enemies/regular/delta.h"
#include "enemies/regular/modular.h"
#include "enemies/regular/piaf.h"
#include "enemies/regular/soucoupe.h"
#include "enemies/regular/yeux.h"
#include "enemy_probes.h"
#include "platform/platform.h"
#include "platform/random.h"
#include "support/sdl_env.h"

namespace {

using enemyprobes::At;
using enemyprobes::Frame;
using enemyprobes::FrameNewShots;
using enemyprobes::HitCentre;
using enemyprobes::StillShot;

class Level1EnemyTest : public ::testing::Test {
protected:
    void SetUp() override {
        assets.Load(1);
        platform::SeedRandom(5);
    }

    // A plain ball, 30 x 30 at (x, y), stepping dx and dy.
    Boule* NewBall(int x, int y, int vx, int vy, int hitPoints = 5) {
        return new Boule(screen, &assets, At(x, y), {.vy = vy, .vx = vx, .leader = false, .hitPoints = hitPoints});
    }

    LevelAssets assets;
    SDL_Surface* screen = testsupport::Screen();
};

TEST_F(Level1EnemyTest, EachClassIsBuiltWithItsOwnNumbers) {
    const SDL_Rect box = MakeRect(300, 100, 40, 40);
    LevelAssets* a = &assets;
    const Spawn at = At(box.x, box.y);
    const std::vector<enemyprobes::Construction> rows = {
        {"Boule leader", [&] { return new Boule(screen, a, at, {.vy = 1, .vx = -1, .leader = true, .hitPoints = 5}); },
         5, 0},
        {"Boule", [&] { return new Boule(screen, a, at, {.vy = 1, .vx = -1, .leader = false, .hitPoints = 7}); }, 7, 1},
        {"Piaf", [&] { return new Piaf(screen, a, at); }, 1, 0},
        {"Modular", [&] { return new Modular(screen, a, at); }, 10, 0},
        {"Soucoupe", [&] { return new Soucoupe(screen, a, at, {.flight = Soucoupe::Flight::Across}); }, 1, 0},
        {"Delta", [&] { return new Delta(screen, a, at, {.strength = 4}); }, 1400, 0},
        {"Yeux left", [&] { return new Yeux(screen, a, At(29, 100), {.strength = 4}); }, 400, 0},
        {"Yeux right", [&] { return new Yeux(screen, a, At(501, 100), {.strength = 2}); }, 200, 1},
    };
    for (const enemyprobes::Construction& row : rows) enemyprobes::ExpectBuilt(row);
}

TEST_F(Level1EnemyTest, ConstructorsDrawTheirOwnRandomNumbersInOrder) {
    // Piaf: one draw of 3 for its drift, towards the middle. Modular: one draw of 20 for its entry.
    for (unsigned seed = 1; seed <= 20; ++seed) {
        platform::SeedRandom(seed);
        const int left = platform::Random() % 3, right = platform::Random() % 3, entry = platform::Random() % 20 + 10;
        platform::SeedRandom(seed);
        Piaf leftBird(screen, &assets, At(309, 0));
        Piaf rightBird(screen, &assets, At(310, 0));
        Modular module(screen, &assets, At(200, -32));
        EXPECT_EQ(left, leftBird.GetVx());
        EXPECT_EQ(-right, rightBird.GetVx());
        EXPECT_EQ(entry, module.GetEntryLength());
    }
}

TEST_F(Level1EnemyTest, ABallMovesTwoPixelsAFrameAndTurnsEverySixteenFrames) {
    Boule ball(screen, &assets, At(300, 200), {.vy = 1, .vx = -1, .leader = false, .hitPoints = 5});
    std::vector<int> ys;
    for (int frame = 0; frame < 48; ++frame) {
        Frame(ball);
        ys.push_back(ball.GetRect().y);
    }
    EXPECT_EQ(300 - 2 * 48, ball.GetRect().x);
    EXPECT_EQ(200 + 32, ys[15]);  // sixteen frames down
    EXPECT_EQ(200 + 30, ys[16]);  // then sixteen up
    EXPECT_EQ(200, ys[31]);
    EXPECT_EQ(202, ys[32]);

    Boule bobbing(screen, &assets, At(300, 200), {.vy = 1, .vx = 0, .leader = false, .hitPoints = 5});
    Boule straight(screen, &assets, At(300, 200), {.vy = 0, .vx = -1, .leader = false, .hitPoints = 5});
    for (int frame = 0; frame < 40; ++frame) {
        Frame(bobbing);
        Frame(straight);
        ASSERT_EQ(300, bobbing.GetRect().x);
        ASSERT_EQ(200, straight.GetRect().y);
    }
}

TEST_F(Level1EnemyTest, ABallFiresOnlyInsideThePlayfieldAndAfterAtLeastHundredAndOneFrames) {
    for (unsigned seed = 1; seed <= 10; ++seed) {
        platform::SeedRandom(seed);
        Boule inside(screen, &assets, At(139, 100), {.vy = 0, .vx = 0, .leader = false, .hitPoints = 5});
        Boule outside(screen, &assets, At(138, 100), {.vy = 0, .vx = 0, .leader = false, .hitPoints = 5});
        int firstShot = 0;
        for (int frame = 1; frame <= 400 && firstShot == 0; ++frame) {
            Frame(inside);
            Frame(outside);
            if (inside.LiveShots() > 0) firstShot = frame;
        }
        EXPECT_GE(firstShot, 102);
        EXPECT_LE(firstShot, 171);
        EXPECT_EQ(0, outside.LiveShots()) << "the counter does not run at the playfield's left edge";
        // The shot falls straight down from near the ball's centre, 2 pixels a frame.
        const EnemyShot* shot = inside.GetShots()[0];
        ASSERT_NE(nullptr, shot);
        EXPECT_EQ(139 + 11, shot->GetRect().x);
        EXPECT_EQ(9, shot->GetRect().w);
    }
}

TEST_F(Level1EnemyTest, AFullShotArrayFiresNothingButItsTurnToFireStillComes) {
    // Twin balls on the same draws; one has every slot taken until its first turn to fire.
    Boule twin(screen, &assets, At(300, 100), {.vy = 0, .vx = 0, .leader = false, .hitPoints = 5});
    Boule ball(screen, &assets, At(300, 100), {.vy = 0, .vx = 0, .leader = false, .hitPoints = 5});
    EnemyShot** shots = ball.GetShots();
    for (int i = 0; i < 3; ++i) shots[i] = StillShot(200 + 20 * i, 300);
    const std::vector<EnemyShot*> full(shots, shots + 3);
    std::vector<int> twinFires, ballFires;
    for (int frame = 1; frame <= 400; ++frame) {
        platform::SeedRandom(frame);
        if (!FrameNewShots(twin).empty()) twinFires.push_back(frame);
        platform::SeedRandom(frame);
        if (!FrameNewShots(ball).empty()) ballFires.push_back(frame);
        if (twinFires.size() == 1 && twinFires[0] == frame) {
            EXPECT_EQ(full, std::vector<EnemyShot*>(shots, shots + 3)) << "nothing replaced, nothing added";
            delete shots[0];
            shots[0] = nullptr;
        }
    }
    // The turn spent on the full array restarted its count: with a slot free it fires with its twin.
    ASSERT_GE(twinFires.size(), 2u);
    ASSERT_FALSE(ballFires.empty());
    EXPECT_EQ(twinFires[1], ballFires[0]);
}

TEST_F(Level1EnemyTest, LeavingThePlayfieldEndsWithoutExplosion) {
    // Gone on the frame it leaves: no shots to wait for.
    enemyprobes::ExpectEdges({
        {"Boule just inside the window's left", NewBall(-29, 100, -1, 0), true},
        {"Boule past the window's left", NewBall(-30, 100, -1, 0), false},
        {"Piaf past the bottom", new Piaf(screen, &assets, At(300, 481)), false},
        {"Modular left of the playfield", new Modular(screen, &assets, At(103, 100)), false},
        {"Delta past the bottom", new Delta(screen, &assets, At(236, 641), {.strength = 4}), false},
    });
}

TEST_F(Level1EnemyTest, AModuleDropsHoversFiresOnceAndSwoopsAway) {
    platform::SeedRandom(3);
    Modular module(screen, &assets, At(200, -32));
    const int entry = module.GetEntryLength();
    for (int frame = 0; frame < entry; ++frame) Frame(module);
    EXPECT_EQ(-32 + 4 * entry, module.GetRect().y);
    for (int frame = 0; frame < 15; ++frame) Frame(module);
    EXPECT_EQ(0, module.LiveShots());
    module.Update();  // the sixteenth frame of the hover fires: right, straight down, left
    ASSERT_EQ(3, module.LiveShots());
    EnemyShot** shots = module.GetShots();
    EXPECT_EQ(200 + 13 + 3, shots[0]->GetRect().x);
    EXPECT_EQ(200 + 13, shots[1]->GetRect().x);
    EXPECT_EQ(200 + 13 - 3, shots[2]->GetRect().x);
    const int hoverY = module.GetRect().y;
    for (int frame = 16; frame < 60; ++frame) Frame(module);
    EXPECT_EQ(hoverY, module.GetRect().y);
    // Left of the middle, the swoop starts almost straight down and bends to the right.
    for (int frame = 0; frame < 10; ++frame) Frame(module);
    EXPECT_GT(module.GetRect().x, 200);
    EXPECT_GT(module.GetRect().y, hoverY);
}

TEST_F(Level1EnemyTest, ASaucerDropsItsBonusWhenDestroyedOrWhenItLeaves) {
    Soucoupe crossing(screen, &assets, At(115, 10), {.flight = Soucoupe::Flight::Across});
    Soucoupe falling(screen, &assets, At(286, -15), {.flight = Soucoupe::Flight::Down});
    for (int frame = 0; frame < 10; ++frame) {
        Frame(crossing);
        Frame(falling);
    }
    EXPECT_EQ(125, crossing.GetRect().x);  // from the left, one pixel a frame
    EXPECT_EQ(5, falling.GetRect().y);     // two pixels a frame
    // A destroyed saucer keeps moving; the bonus leaves from where it is after that frame's move.
    struct Case {
        Soucoupe* saucer;
        int dx, dy, fall;
    } cases[] = {{&crossing, 1, 0, 3}, {&falling, 0, 2, 2}};
    for (const Case& c : cases) {
        HitCentre(*c.saucer, 1);
        ASSERT_TRUE(c.saucer->CarriesBonus());
        const SDL_Rect at = c.saucer->GetRect();
        Frame(*c.saucer);
        EXPECT_FALSE(c.saucer->CarriesBonus());
        const EnemyShot* bonus = c.saucer->GetShots()[0];
        ASSERT_NE(nullptr, bonus);
        EXPECT_TRUE(bonus->IsBonus());
        const SDL_Rect b = bonus->GetRect();
        EXPECT_EQ(at.x + c.dx + 20, b.x);
        EXPECT_EQ(at.y + c.dy + 24, b.y);
        EXPECT_EQ(29, b.w);
        EXPECT_EQ(31, b.h);
        const int y0 = b.y;
        Frame(*c.saucer);
        EXPECT_EQ(y0 + c.fall, c.saucer->GetShots()[0]->GetRect().y);
    }
    // Leaving the playfield: the bonus is dropped and gone with the saucer in the same frame.
    Soucoupe leaving(screen, &assets, At(503, 100), {.flight = Soucoupe::Flight::Across});
    EXPECT_FALSE(Frame(leaving));
    EXPECT_FALSE(leaving.CarriesBonus());
}

}  // namespace
