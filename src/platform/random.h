// The game's one random generator, the same on every platform: the additive feedback generator
// behind glibc's rand()/srand() (TYPE_3, degree 31, separation 3), so a seed plays the same game
// on Windows and in the browser as on Linux, where the golden files were made.
#pragma once

#include <cstdint>

namespace platform {

constexpr int32_t kRandomMax = 2147483647;

// srand(seed): 0 seeds as 1, as glibc's does.
void SeedRandom(uint32_t seed);
// rand(): 0..kRandomMax. Every call is a draw the observer is told of.
int32_t Random();

}  // namespace platform
