// Pictures loaded as SDL_image 1.2's IMG_Load loads them, for the builds that have no SDL_image
// (Windows, the browser): PNG over libpng, BMP over SDL's own loader, told apart by their first
// bytes. The surface comes out as SDL_image makes it, format, colour key and palette included,
// so the game draws the same pixels from it.
#pragma once

#include <SDL/SDL.h>

namespace platform {

// The picture in the file, or null with SDL's error set ("Unsupported image format" for
// anything but PNG and BMP). The caller frees it with SDL_FreeSurface.
SDL_Surface* ImageLoad(const char* path);

// The same from an open source, read from its current position; closed when freeSource is set.
SDL_Surface* ImageLoadRW(SDL_RWops* source, bool freeSource);

}  // namespace platform
