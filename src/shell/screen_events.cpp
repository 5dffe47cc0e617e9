#include "shell/screen_events.h"

#include <SDL/SDL.h>

int32_t ApplyScreenEvents(int32_t result, bool accepting) {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
            case SDL_QUIT: result = 1; break;
            case SDL_KEYDOWN:
                if (event.key.keysym.sym == SDLK_ESCAPE)
                    result = 2;
                else if (event.key.keysym.sym == SDLK_RETURN && accepting)
                    result = 1;
                break;
            case SDL_JOYBUTTONDOWN:
                if (accepting) result = 1;
                break;
            default: break;
        }
    }
    return result;
}
