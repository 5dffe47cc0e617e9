#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/game_sequence.h"

namespace {

// Records every call the sequence makes; each level answers from a script of results and
// adds its points to the score it is given.
struct Journal {
    std::vector<std::string> calls;
    std::vector<int32_t> scoresAtStart;
};

class FakeLevel : public Level {
public:
    FakeLevel(int number, Journal& journal, std::vector<LevelResult> results, int32_t points)
        : Level(nullptr, 13), number(number), journal(journal), results(std::move(results)), points(points) {
        journal.calls.push_back("make " + std::to_string(number));
    }
    ~FakeLevel() override { journal.calls.push_back("destroy " + std::to_string(number)); }
    LevelResult Run(int32_t* score) override {
        journal.calls.push_back("run " + std::to_string(number));
        journal.scoresAtStart.push_back(*score);
        *score += points;
        LevelResult result = runs < results.size() ? results[runs] : LevelResult::Cleared;
        ++runs;
        return result;
    }

private:
    int number;
    Journal& journal;
    std::vector<LevelResult> results;
    int32_t points;
    size_t runs = 0;
};

class FakeScreens : public GameScreens {
public:
    int32_t titleResult = 1;
    int32_t replayLevel = 0;  // this level first answers with the game-over choice
    LevelResult replayAnswer = LevelResult::PlayAgain;
    int32_t quitLevel = 0;  // this level answers Quit
    Journal journal;
    std::vector<int32_t> finalScores;

    int32_t RunTitle() override {
        journal.calls.push_back("title");
        return titleResult;
    }
    std::unique_ptr<Level> MakeLevel(int number) override {
        std::vector<LevelResult> results;
        if (number == replayLevel) results = {replayAnswer, LevelResult::Cleared};
        if (number == quitLevel) results = {LevelResult::Quit};
        return std::make_unique<FakeLevel>(number, journal, results, 100 * number);
    }
    void RunFinalScore(int32_t score) override {
        journal.calls.push_back("final");
        finalScores.push_back(score);
    }
    void SeedRandomNumbers() override { journal.calls.push_back("seed"); }
};

std::vector<std::string> Sequence(std::initializer_list<std::string> calls) { return calls; }

}  // namespace

TEST(GameSequence, QuitOnTheTitleCreatesNoLevel) {
    FakeScreens screens;
    screens.titleResult = 2;
    GameOutcome outcome = RunGameSequence(screens);
    EXPECT_FALSE(outcome.started);
    EXPECT_EQ(screens.journal.calls, Sequence({"title"}));
}

TEST(GameSequence, SixClearedLevelsThenTheFinalScore) {
    FakeScreens screens;
    GameOutcome outcome = RunGameSequence(screens);
    EXPECT_EQ(screens.journal.calls,
              Sequence({"title", "make 1",    "make 2",    "make 3",    "make 4",    "make 5",    "make 6",
                        "seed",  "run 1",     "run 2",     "run 3",     "run 4",     "run 5",     "run 6",
                        "final", "destroy 1", "destroy 2", "destroy 3", "destroy 4", "destroy 5", "destroy 6"}));
    EXPECT_EQ(screens.finalScores, std::vector<int32_t>({2100}));
    EXPECT_EQ(screens.journal.scoresAtStart, std::vector<int32_t>({0, 100, 300, 600, 1000, 1500}));
    EXPECT_TRUE(outcome.finished);
    EXPECT_EQ(outcome.finalScore, 2100);
}

TEST(GameSequence, GameOverReplayResetsTheScoreAndPlaysTheSameLevel) {
    FakeScreens screens;
    screens.replayLevel = 4;
    RunGameSequence(screens);
    // Levels 1-3 give 600; Level 4 fails (its 400 are lost), runs again from 0, then Level 5.
    EXPECT_EQ(screens.journal.scoresAtStart, std::vector<int32_t>({0, 100, 300, 600, 0, 400, 900}));
    EXPECT_EQ(screens.finalScores, std::vector<int32_t>({400 + 500 + 600}));
}

TEST(GameSequence, AnyOtherGameOverAnswerAlsoReplays) {
    FakeScreens screens;
    screens.replayLevel = 2;
    screens.replayAnswer = static_cast<LevelResult>(7);
    RunGameSequence(screens);
    EXPECT_EQ(screens.journal.scoresAtStart, std::vector<int32_t>({0, 100, 0, 200, 500, 900, 1400}));
}

TEST(GameSequence, QuittingALevelEndsTheGameWithoutTheFinalScore) {
    FakeScreens screens;
    screens.quitLevel = 3;
    GameOutcome outcome = RunGameSequence(screens);
    EXPECT_TRUE(screens.finalScores.empty());
    EXPECT_FALSE(outcome.finished);
    EXPECT_EQ(outcome.lastLevel, 3);
    EXPECT_EQ(screens.journal.calls.back(), "destroy 6");
}
