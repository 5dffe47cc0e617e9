// Joystick input: the stick and four buttons of joystick 0 as eight flag bytes that the hero
// reads beside the keyboard's key-state array.
#pragma once

#include <SDL/SDL.h>

enum InputFlag {
    kInputUp = 0,
    kInputDown,
    kInputLeft,
    kInputRight,
    kInputFire,
    kInputButton1,
    kInputButton2,
    kInputButton3
};

// Process-wide, written only by JoystickInput::Poll.
extern Uint8 InputFlags[8];

// Stick values within -kStickDeadZone..kStickDeadZone do not move the ship.
constexpr Sint16 kStickDeadZone = 3200;

// The mapping of one poll, apart from the device: stick axes and buttons 0..3 into flags.
void MapJoystickState(Sint16 x, Sint16 y, const Uint8 buttons[4], Uint8 flags[8]);

// Only pads with at least four buttons are polled.
bool JoystickPollable(bool opened, int buttonCount, int buttonCountCopy);

class JoystickInput {
public:
    JoystickInput();
    ~JoystickInput();
    JoystickInput(const JoystickInput&) = delete;
    JoystickInput& operator=(const JoystickInput&) = delete;

    // Reads the joystick into InputFlags when it can be polled; returns InputFlags always.
    Uint8* Poll();

private:
    SDL_Joystick* joystick;
    int hatCount;
    int buttonCount;
    int buttonCountCopy;
};
