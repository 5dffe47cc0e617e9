// The two screens that end a level: the level-clear summary, which counts the collected weapon
// bonuses into the score, and the game-over screen, which asks whether to play the level
// again. Both freeze the level's last picture and end by closing the curtain, which stays on
// the screen while the next level loads.
#pragma once

#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>

#include "core/utilities.h"
#include "levels/level_outcome.h"

class Hud;

// The pictures of both screens. Whoever holds them owns them.
struct TransitionPictures {
    SDL_Surface* closedCurtain = nullptr;  // opaque, full screen
    SDL_Surface* curtainFrames[4] = {};    // colour-keyed, shown from index 3 down to 0
    SDL_Surface* overlay = nullptr;        // translucent, laid over the playfield at game over
    SDL_Surface* gameOverText = nullptr;   // 328x70
    SDL_Surface* winnerBanner = nullptr;   // 328x70

    // The game's pictures, from ./Images.
    static TransitionPictures Load();
};

struct TransitionSounds {
    Mix_Chunk* endLevelSound = nullptr;  // the curtain starts to close
    Mix_Chunk* koSound = nullptr;        // game over
    Mix_Chunk* winnerSound = nullptr;    // level cleared

    static TransitionSounds Load();
};

class LevelTransition {
public:
    LevelTransition(SDL_Surface* screen, int framePeriod);
    // Takes ownership of the pictures and sounds (tests and tools).
    LevelTransition(SDL_Surface* screen, int framePeriod, const TransitionPictures& pictures,
                    const TransitionSounds& sounds);
    ~LevelTransition();
    LevelTransition(const LevelTransition&) = delete;
    LevelTransition& operator=(const LevelTransition&) = delete;

    // 851 frames: the winner banner, then one bonus of 150 points at frames 300, 350 and 400
    // for each weapon bonus the hero collected (at most three), then the curtain. bonusSound
    // stays the caller's; weaponLevel is counted down locally. Reads no events.
    void ShowLevelClear(Mix_Chunk* bonusSound, Hud& hud, int lives, int weaponLevel, int* score, int levelNumber);

    // Waits for an answer: PlayAgain for Return or any joystick button, Quit for Escape. Other events, a closed window
    // among them, are dropped; events after the answer stay queued.
    LevelResult ShowGameOver();

private:
    // Draws the curtain step for frame `step` of its closing: nothing up to step 4, then the
    // four frames four steps each, then the closed curtain.
    void DrawCurtain(int step);

    SDL_Surface* screen;
    FrameTimer timer;
    SDL_Surface* overlay;
    SDL_Surface* curtainFrames[4];
    SDL_Surface* closedCurtain;
    SDL_Surface* gameOverText;
    SDL_Surface* winnerBanner;
    Mix_Chunk* endLevelSound;
    Mix_Chunk* koSound;
    Mix_Chunk* winnerSound;
};
