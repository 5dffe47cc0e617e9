// How a level ends: lives against a win, the boss music, a mid-boss, and the clean-up.
#include <gtest/gtest.h>

#include <SDL/SDL_mixer.h>

#include "fake_level.h"
#include "hero/hero.h"
#include "levels/level_runner.h"
#include "support/sdl_env.h"

using levelstest::FakeEnemy;
using levelstest::FakeScript;

namespace {

class LevelEndTest : public levelstest::RunnerTest {
protected:
    // A boss sitting on the hero, with reach over the whole playfield: the hero dies whenever
    // it can, and the boss ends in the deadFrame-th frame in which the hero has no lives left.
    void KillerBoss(FakeScript& script, int deadFrame, int* deadUpdates) {
        script.bossAt = 0;
        script.bossBox = {267, 390, 100, 100};
        script.setUpBoss = [this, deadFrame, deadUpdates](FakeEnemy& boss) {
            boss.finishWhen = [this, deadFrame, deadUpdates] {
                return watch.run->GetHero()->GetLives() <= 0 && ++*deadUpdates == deadFrame;
            };
        };
    }
};

TEST_F(LevelEndTest, RunningOutOfLivesBeatsAWinInTheSameFrame) {
    // The last life goes during the hero's drawing in frame F; the loop stops at the end of F + 1
    // (the second frame end without lives). A boss finishing in F + 1 loses to that.
    FakeScript lost;
    int deadUpdates = 0;
    KillerBoss(lost, 2, &deadUpdates);
    int32_t score = 0;
    watch.gameOverAnswer = SDLK_RETURN;
    EXPECT_EQ(LevelResult::PlayAgain, Play(lost, &score));  // the game-over screen's answer
    EXPECT_EQ(LevelState::OutOfLives, state);
    EXPECT_EQ(LevelState::OutOfLives, watch.loopEndState);
    EXPECT_EQ(1, lost.log.Deletions("boss"));
}

TEST_F(LevelEndTest, ABossFinishingInTheFrameTheLastLifeGoesStillWins) {
    FakeScript won;
    int deadUpdates = 0;
    KillerBoss(won, 1, &deadUpdates);
    int32_t score = 0;
    EXPECT_EQ(LevelResult::Cleared, Play(won, &score));
    EXPECT_EQ(LevelState::Won, state);
}

TEST_F(LevelEndTest, TheBossMusicStartsInTheFrameTheBossReleasesItsHold) {
    FakeScript script;
    script.profile.levelMusic = &catalogue::kLevelMusic[0];
    script.profile.bossMusic = &catalogue::kMoineMusic;
    script.bossAt = 0;
    script.setUpBoss = [](FakeEnemy& boss) { boss.releaseHoldAtUpdate = 5; };
    std::vector<int> started;
    std::vector<int> playing;
    frames.Every([&](int) {
        if (!watch.run) return;
        started.push_back(watch.run->BossMusicStarted());
        playing.push_back(Mix_PlayingMusic());
    });
    EscapeAfterLoopFrame(7);
    int32_t score = 0;
    Play(script, &score);
    EXPECT_EQ((std::vector<int>{0, 0, 0, 0, 1, 1, 1}), started);
    if (Mix_QuerySpec(nullptr, nullptr, nullptr)) {
        // The level music plays until the boss music replaces it; both are real tracks.
        EXPECT_EQ((std::vector<int>{1, 1, 1, 1, 1, 1, 1}), playing);
    }
}

TEST_F(LevelEndTest, TheCleanUpDeletesWhatIsLeftOnceTableBeforeBoss) {
    FakeScript script;
    script.profile.tableSize = 5;
    script.tableAt = {{0, 0}, {1, 0}, {3, 100000}, {4, 0}};  // slot 2 stays empty; 4 waits behind 3
    int built = 0;
    script.setUpTable = [&built](FakeEnemy& enemy) {
        if (built++ < 2) enemy.finishWhen = [&enemy] { return enemy.Updates() == 2; };
    };
    EscapeAfterLoopFrame(10);
    int32_t score = 0;
    Play(script, &score);
    // Slots 0 and 1 finished in play (frame 2); the rest goes at the clean-up, in slot order.
    EXPECT_EQ((std::vector<std::string>{"slot0", "slot1", "slot3", "slot4", "boss"}), script.log.deleted);
}

TEST_F(LevelEndTest, AMidBossIsFoughtAloneAndHandsOverToTheBoss) {
    FakeScript script;
    script.profile.tableSize = 0;
    script.midBossAt = 100;
    script.bossAt = 0;  // its time has passed, but not while the mid-boss lives
    script.setUpMidBoss = [](FakeEnemy& mid) {
        mid.killAtCheck = 3;
        mid.killResult = Enemy::kBoostedHit;
        mid.finishAfterKill = 2;
    };
    Uint32 handOver = 0;
    script.midBossFinished = [&handOver](LevelRunner& run) {
        handOver = run.Now();
        run.GetBoss()->SetSpawnTime(static_cast<int>(run.Now()) + 40);
    };
    script.setUpBoss = [](FakeEnemy& boss) {
        boss.killAtCheck = 1;
        boss.killResult = Enemy::kBoostedHit;
        boss.finishWhen = [&boss] { return boss.Updates() == 3; };
    };
    int32_t score = 0;
    EXPECT_EQ(LevelResult::Cleared, Play(script, &score));

    // Mid-boss active from t = 104, killed in its third frame (t = 130), gone after one more
    // update (t = 143). The boss then waits its 40 ms: frames at +13, +26, +39, then +52.
    EXPECT_EQ(143, static_cast<int32_t>(handOver - watch.levelStart));
    EXPECT_EQ(handOver + 52, script.log.Of("boss").firstUpdate);
    EXPECT_EQ(2 * 500 + 300, score);  // the mid-boss's boosted kill doubles, the boss's does not
    EXPECT_EQ((std::vector<std::string>{"midboss", "boss"}), script.log.deleted);
}

}  // namespace
