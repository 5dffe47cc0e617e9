// Loading the files of the catalogue through the platform loaders.
#pragma once

#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>

#include "core/catalogue.h"
#include "platform/loaders.h"

namespace catalogue {

platform::ColorKey KeyOf(const Picture& picture);

// With its colour key, through SDL's BMP reader for a BMP file and SDL_image otherwise.
SDL_Surface* Load(const Picture& picture);
// The same without its colour key: where a picture covers the whole screen.
SDL_Surface* LoadUnkeyed(const Picture& picture);
Mix_Chunk* Load(const Sound& sound);
Mix_Music* Load(const Music& music);

// The box of an enemy kind with its top-left corner at (x, y).
SDL_Rect BoxAt(const EnemyKind& kind, int x, int y);

}  // namespace catalogue
