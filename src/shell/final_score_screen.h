// The last screen of a game: a loading animation, then the total score in five large digits
// over a looping background until the player presses Enter, a button or Escape.
#pragma once

#include <SDL/SDL.h>
#include <cstdint>

class FrameTimer;

class FinalScoreScreen {
public:
    FinalScoreScreen(SDL_Surface* screen, int32_t framePeriod);
    ~FinalScoreScreen();
    FinalScoreScreen(const FinalScoreScreen&) = delete;
    FinalScoreScreen& operator=(const FinalScoreScreen&) = delete;

    // 1 or 2 as the title screen answers; the game does not use it.
    int32_t Run(int32_t score);

private:
    void RunLoading(FrameTimer& timer);
    void DrawScore(int frame, const int32_t digits[5]);

    SDL_Surface* screen;
    int32_t framePeriod;
    SDL_Surface** waveFrames;
    SDL_Surface* scoreFrame;
    SDL_Surface* digitSheet;
    SDL_Surface** loadingFrames;
};
