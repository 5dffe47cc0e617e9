// IMG_Load for the builds without SDL_image; never linked beside the real one.
#include <SDL/SDL_image.h>

#include "platform/png_image/png_image.h"

extern "C" SDL_Surface* IMG_Load(const char* file) { return platform::ImageLoad(file); }
