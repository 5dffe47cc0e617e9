// How a level's frame loop stands, and how a run of a level ended. The numbers are the ones the
// simulator's reports print.
#pragma once

#include <cstdint>

enum class LevelState : int32_t {
    Won = 0,      // the boss is destroyed
    Running = 1,  // or left with Escape
    OutOfLives = 2,
};

enum class LevelResult : int32_t {
    Quit = 0,  // Escape in the level or on the game-over screen
    Cleared = 1,
    PlayAgain = 2,  // the game-over screen's Enter or joystick button: the game starts over
};
