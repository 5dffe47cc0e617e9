// The frame loop: Escape, which enemies take part in a frame, the background, and scoring.
#include <gtest/gtest.h>

#include "fake_level.h"
#include "levels/level_runner.h"
#include "support/sdl_env.h"

using levelstest::FakeEnemy;
using levelstest::FakeScript;
using levelstest::kStartFrames;
using testsupport::PushKeyDown;

namespace {

class LevelRunnerTest : public levelstest::RunnerTest {
protected:
    // Time of play when the frame with the given start time ran.
    int32_t PlayTime(Uint32 ticks) const { return static_cast<int32_t>(ticks - watch.levelStart); }
};

TEST_F(LevelRunnerTest, EscapeCountsFromTheSecondDrainAndSkipsTheEndScreens) {
    FakeScript script;
    int32_t score = 0;
    PushKeyDown(SDLK_ESCAPE);                                   // during the loading pause
    frames.At(kStartFrames, [] { PushKeyDown(SDLK_ESCAPE); });  // during the start animation
    EscapeAfterLoopFrame(5);
    EXPECT_EQ(LevelResult::Quit, Play(script, &score));
    EXPECT_EQ(LevelState::Running, state);
    EXPECT_EQ(6, loopFrames);
    // No game-over or level-clear frames were paced after the loop.
    EXPECT_EQ(kStartFrames + 5, frames.Frames());
}

TEST_F(LevelRunnerTest, EscapeReadByTheSecondFrameEndsTheLevel) {
    FakeScript script;
    int32_t score = 0;
    EscapeAfterLoopFrame(1);
    EXPECT_EQ(LevelResult::Quit, Play(script, &score));
    EXPECT_EQ(2, loopFrames);
}

TEST_F(LevelRunnerTest, SpawnTimesCountFromTheStartOfPlayAndAnInactiveSlotBlocksLaterOnes) {
    FakeScript script;
    script.profile.tableSize = 3;
    script.tableAt = {{0, 0}, {1, 1000}, {2, 100}};  // slot 2's time comes first but it waits for slot 1
    int32_t score = 0;
    EscapeAfterLoopFrame(100);
    Play(script, &score);

    const auto& first = script.log.Of("slot0");
    const auto& blocking = script.log.Of("slot1");
    const auto& blocked = script.log.Of("slot2");
    EXPECT_EQ(0, PlayTime(first.firstUpdate));
    EXPECT_EQ(1001, PlayTime(blocking.firstUpdate));  // frames start every 13 ms: 77 x 13
    EXPECT_EQ(blocking.firstUpdate, blocked.firstUpdate);
    // Not tested against the hero, not hit-tested and not drawn before that either.
    EXPECT_EQ(blocking.checks, blocked.checks);
    EXPECT_EQ(blocking.shotReads, blocked.shotReads);
    EXPECT_EQ(100 - 77, blocked.updates);
    EXPECT_EQ(100, first.updates);
}

TEST_F(LevelRunnerTest, TheBossFreezesTheTableOnceItsTimeHasCome) {
    FakeScript script;
    script.profile.tableSize = 1;
    script.tableAt = {{0, 0}};
    script.bossAt = 200;
    int32_t score = 0;
    EscapeAfterLoopFrame(40);
    Play(script, &score);

    const auto& regular = script.log.Of("slot0");
    EXPECT_EQ(195, PlayTime(regular.lastUpdate));  // frames at 0, 13, ... 195: 16 of them
    EXPECT_EQ(16, regular.updates);
    EXPECT_EQ(16, regular.checks);
    EXPECT_EQ(16, regular.shotReads);
    EXPECT_EQ(208, PlayTime(script.log.Of("boss").firstUpdate));
    EXPECT_EQ(40 - 16, script.log.Of("boss").updates);
    // The frozen enemy stays in its slot until the clean-up, which deletes it before the boss.
    EXPECT_EQ((std::vector<std::string>{"slot0", "boss"}), script.log.deleted);
}

TEST_F(LevelRunnerTest, BackgroundFollowsTheScheduleUnlessTheScriptDrawsItsOwn) {
    FakeScript script;
    script.profile.schedule = {{100, 1, 4}, {200, 2, 8}, {kScheduleForever, 3, 6}};
    int hookCalls = 0;
    script.drawBackground = [&hookCalls](LevelRunner& run) {
        ++hookCalls;
        return run.PlayTime() >= 150 && run.PlayTime() < 200;  // the script's own picture
    };
    int32_t score = 0;
    EscapeAfterLoopFrame(25);  // frames at t = 0, 13, ... 312
    Play(script, &score);

    EXPECT_EQ(25, hookCalls);
    ASSERT_EQ(3u, watch.layerOffsets.size());
    EXPECT_EQ(8 * 4, watch.layerOffsets[0]);  // t = 0 .. 91
    EXPECT_EQ(4 * 8, watch.layerOffsets[1]);  // t = 104 .. 143; 156 .. 195 drawn by the script
    EXPECT_EQ(9 * 6, watch.layerOffsets[2]);  // t = 208 .. 312
}

TEST_F(LevelRunnerTest, KillsScoreOnceOrTwiceForABoostedShotButTheBossNeverDoubles) {
    FakeScript script;
    script.profile.tableSize = 2;
    script.tableAt = {{0, 0}, {1, 0}};
    int built = 0;
    script.setUpTable = [&built](FakeEnemy& enemy) {
        if (built++ == 0) {
            enemy.killAtCheck = 3;  // loop frame 3, by a boosted shot
            enemy.killResult = Enemy::kBoostedHit;
        } else {
            enemy.killAtCheck = 5;  // loop frame 5, by the hero's shot in slot 7
            enemy.killResult = 7;
        }
    };
    script.bossAt = 200;
    script.setUpBoss = [](FakeEnemy& boss) {
        boss.killAtCheck = 2;
        boss.killResult = Enemy::kBoostedHit;
        boss.finishAfterKill = 3;
    };
    int32_t score = 1000;
    std::vector<int> flashFrames;
    frames.Every([&](int frame) {
        if (watch.run && watch.run->ScoreFlash()) flashFrames.push_back(frame - kStartFrames);
    });

    EXPECT_EQ(LevelResult::Cleared, Play(script, &score));
    EXPECT_EQ(LevelState::Won, state);
    EXPECT_EQ(1000 + 2 * 100 + 100 + 300, score);  // weapon level 1: the summary adds nothing
    EXPECT_EQ(std::vector<int>{3}, flashFrames);
}

}  // namespace
