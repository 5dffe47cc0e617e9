// The first screen: credits, a second credits picture, the controls, then a short loading
// animation that leads into the first level.
#pragma once

#include <SDL/SDL.h>
#include <cstdint>

class FrameTimer;

class TitleScreen {
public:
    TitleScreen(SDL_Surface* screen, int32_t framePeriod);
    ~TitleScreen();
    TitleScreen(const TitleScreen&) = delete;
    TitleScreen& operator=(const TitleScreen&) = delete;

    // 1 = start the game, 2 = quit.
    int32_t Run();

private:
    // Runs one of the three interactive stages; returns its result (1 or 2).
    int32_t RunStage(FrameTimer& timer, SDL_Surface* backdrop, SDL_Surface** frames, int lastFrame, bool loops,
                     int32_t& acceptFlag);
    // The loading animation; ignores input and always ends with 1.
    int32_t RunLoading(FrameTimer& timer);

    SDL_Surface* screen;
    int32_t framePeriod;
    SDL_Surface** creditsFrames;
    SDL_Surface** resourcesFrames;
    SDL_Surface** controlsFrames;
    SDL_Surface** loadingFrames;
};
