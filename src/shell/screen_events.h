// Event handling shared by the title and final score screens.
#pragma once

#include <cstdint>

// Takes every pending event and applies it in queue order, a later event replacing an earlier
// one: window close -> 1, Escape -> 2, Enter or a joystick button -> 1 once accepting.
// Returns the resulting value (result unchanged when nothing applies).
int32_t ApplyScreenEvents(int32_t result, bool accepting);
