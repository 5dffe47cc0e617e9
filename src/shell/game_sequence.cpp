#include "shell/game_sequence.h"

#include "core/utilities.h"
#include "shell/final_score_screen.h"
#include "shell/title_screen.h"

void GameScreens::SeedRandomNumbers() { SeedRandom(); }

GameOutcome RunGameSequence(GameScreens& screens) {
    GameOutcome outcome;
    if (screens.RunTitle() != 1) return outcome;
    outcome.started = true;

    int32_t score = 0;
    std::unique_ptr<Level> levels[kLevelCount];
    for (int number = 1; number <= kLevelCount; ++number) levels[number - 1] = screens.MakeLevel(number);

    int levelNumber = 1;
    LevelResult result = LevelResult::Cleared;
    screens.SeedRandomNumbers();
    while (result != LevelResult::Quit) {
        if (levelNumber <= kLevelCount) {
            outcome.lastLevel = levelNumber;
            result = levels[levelNumber - 1]->Run(&score);
        } else {
            screens.RunFinalScore(score);
            outcome.finished = true;
            outcome.finalScore = score;
            result = LevelResult::Quit;
        }
        if (result == LevelResult::Cleared)
            ++levelNumber;
        else
            score = 0;
    }
    // Level 1 is destroyed first.
    for (auto& level : levels) level.reset();
    return outcome;
}

int32_t StandardGameScreens::RunTitle() {
    TitleScreen title(screen, framePeriod);
    return title.Run();
}

void StandardGameScreens::RunFinalScore(int32_t score) {
    FinalScoreScreen finalScore(screen, framePeriod);
    finalScore.Run(score);
}
