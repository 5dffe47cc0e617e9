#include "core/input.h"

Uint8 InputFlags[8] = {0, 0, 0, 0, 0, 0, 0, 0};

void MapJoystickState(Sint16 x, Sint16 y, const Uint8 buttons[4], Uint8 flags[8]) {
    flags[kInputRight] = x > kStickDeadZone;
    flags[kInputLeft] = x < -kStickDeadZone;
    flags[kInputDown] = y > kStickDeadZone;
    flags[kInputUp] = y < -kStickDeadZone;
    for (int button = 0; button < 4; ++button) flags[kInputFire + button] = buttons[button];
}

bool JoystickPollable(bool opened, int buttonCount, int buttonCountCopy) {
    return opened && buttonCount > 3 && buttonCountCopy > 1;
}

JoystickInput::JoystickInput() : joystick(nullptr), hatCount(0), buttonCount(0), buttonCountCopy(0) {
    if (SDL_NumJoysticks() > 0) {
        joystick = SDL_JoystickOpen(0);
        if (joystick) {
            hatCount = SDL_JoystickNumHats(joystick);
            buttonCount = SDL_JoystickNumButtons(joystick);
            buttonCountCopy = SDL_JoystickNumButtons(joystick);
        }
        SDL_JoystickEventState(SDL_ENABLE);
    }
}

JoystickInput::~JoystickInput() {
    if (joystick) SDL_JoystickClose(joystick);
}

Uint8* JoystickInput::Poll() {
    if (JoystickPollable(joystick != nullptr, buttonCount, buttonCountCopy)) {
        Sint16 x = SDL_JoystickGetAxis(joystick, 0);
        Sint16 y = SDL_JoystickGetAxis(joystick, 1);
        if (hatCount > 0) SDL_JoystickGetHat(joystick, 0);
        Uint8 buttons[4];
        for (int button = 0; button < 4; ++button) buttons[button] = SDL_JoystickGetButton(joystick, button);
        MapJoystickState(x, y, buttons, InputFlags);
    }
    return InputFlags;
}
