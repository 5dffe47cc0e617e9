// Flips and blits: SDL's, told to the observer first.
#pragma once

#include <SDL/SDL.h>

namespace platform {

int Flip(SDL_Surface* screen);                                                                // SDL_Flip
int Blit(SDL_Surface* source, SDL_Rect* sourceRect, SDL_Surface* destination, SDL_Rect* at);  // SDL_BlitSurface

}  // namespace platform
