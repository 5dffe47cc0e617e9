// The fixed order of a game: title, six levels with one score, final score screen.
#pragma once

#include <cstdint>
#include <memory>

#include "levels/level.h"

constexpr int kLevelCount = 6;

// What the sequence drives. The game wires the real screens and levels; the tests and the
// simulator wire their own.
class GameScreens {
public:
    virtual ~GameScreens() = default;
    // 1 = start the game, anything else = quit.
    virtual int32_t RunTitle() = 0;
    // Level number 1..6, created once before the first level is played.
    virtual std::unique_ptr<Level> MakeLevel(int number) = 0;
    virtual void RunFinalScore(int32_t score) = 0;
    // Seeds the random numbers once, after the title screen.
    virtual void SeedRandomNumbers();
};

// What happened, for those who drive the sequence and want to know.
struct GameOutcome {
    bool started = false;    // the title screen said start
    bool finished = false;   // Level 6 was cleared and the final score screen shown
    int32_t finalScore = 0;  // the score handed to the final score screen
    int32_t lastLevel = 0;   // the last level number played
};

// Runs the title, then the levels in order while their results allow. A level's result: 1 ->
// next level (the final score screen after Level 6), 0 -> the game ends, anything else -> the
// same level again with the score back at 0.
GameOutcome RunGameSequence(GameScreens& screens);

// The game's own screens: the real title and final score screens, levels from a factory.
class StandardGameScreens : public GameScreens {
public:
    using LevelFactory = std::unique_ptr<Level> (*)(int number, SDL_Surface* screen, int32_t framePeriod);

    StandardGameScreens(SDL_Surface* screen, int32_t framePeriod, LevelFactory makeLevel)
        : screen(screen), framePeriod(framePeriod), makeLevel(makeLevel) {}

    int32_t RunTitle() override;
    std::unique_ptr<Level> MakeLevel(int number) override { return makeLevel(number, screen, framePeriod); }
    void RunFinalScore(int32_t score) override;

private:
    SDL_Surface* screen;
    int32_t framePeriod;
    LevelFactory makeLevel;
};
