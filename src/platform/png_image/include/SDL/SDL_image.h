// The part of SDL_image 1.2 the game uses, for builds without it: IMG_Load is
// platform::ImageLoad (src/platform/png_image/).
#pragma once

#include <SDL/SDL.h>

extern "C" SDL_Surface* IMG_Load(const char* file);

#define IMG_GetError SDL_GetError
