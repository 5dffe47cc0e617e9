// Whole games through the simulator: from the title through six won levels to the final score
// screen, and a game over whose answer plays Level 1 again from a score of 0.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "simulate.h"
#include "simulator.h"
#include "support/sdl_env.h"

namespace {

TEST(WholeGameTest, SixLevelsWonThenTheFinalScoreAfterXorg) {
    SimOptions options;
    options.mode = SimMode::Game;
    options.autopilot = true;
    options.god = true;
    options.seed = 2;
    const SimReport report = Simulate(options);
    ASSERT_TRUE(report.ok) << report.error;
    ASSERT_EQ(6u, report.levels.size());
    int32_t score = 0;
    for (int n = 1; n <= 6; ++n) {
        const LevelReport& level = report.levels[n - 1];
        EXPECT_EQ(n, level.level);
        EXPECT_EQ(1, level.result) << "level " << n;
        EXPECT_GT(level.score, score) << "level " << n;
        score = level.score;
    }
    EXPECT_EQ("Moine", report.levels[0].boss);
    const LevelReport& last = report.levels[5];
    EXPECT_EQ("Xorg", last.boss);
    EXPECT_EQ(24800, last.bossEnergy);
    EXPECT_GT(last.bossFrames, 0);
    EXPECT_LT(last.bossFrames, last.frames) << "the Insecte came first";
    EXPECT_GE(last.score - report.levels[4].score, 500 + 1250) << "both bosses of Level 6 scored";
    EXPECT_TRUE(report.gameFinished);
    EXPECT_EQ(score, report.finalScore);
    EXPECT_FALSE(report.stopped);
}

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
