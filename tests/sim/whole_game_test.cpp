// A whole game through the simulator: a game over whose answer plays Level 1 again from a score
// of 0 (the golden replay run scores nothing before its game over).
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "simulate.h"
#include "simulator.h"
#include "support/sdl_env.h"

namespace {

TEST(WholeGameTest, AGameOverAnsweredWithEnterReplaysLevelOneFromZero) {
    // Fire for a while, then stop and press Enter every frame: the idle ship is shot down, Enter
    // answers the game-over screen, and the log runs out early in the replay, whose game over is
    // then answered with Escape.
    const std::string path = testing::TempDir() + "/replay_keys.txt";
    {
        std::ofstream keys(path);
        for (int line = 0; line < 1000; ++line) keys << "fire\n";
        for (int line = 0; line < 4000; ++line) keys << "+return\n";
    }
    SimOptions options;
    options.mode = SimMode::Game;
    options.inputPath = path;
    options.seed = 1;
    const SimReport report = Simulate(options);
    std::remove(path.c_str());
    ASSERT_TRUE(report.ok) << report.error;
    ASSERT_EQ(2u, report.levels.size());
    const LevelReport& lost = report.levels[0];
    const LevelReport& replay = report.levels[1];
    EXPECT_EQ(1, lost.level);
    EXPECT_EQ(2, lost.result);
    EXPECT_LE(lost.lives, 0);
    EXPECT_GT(lost.score, 0) << "the first run scored";
    EXPECT_EQ(1, replay.level);
    EXPECT_EQ(0, replay.result);
    EXPECT_EQ(0, replay.score) << "the replay starts from 0 and never fires";
    EXPECT_EQ(1, replay.weaponLevel);
    EXPECT_FALSE(report.gameFinished);
}

}  // namespace
