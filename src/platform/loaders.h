// Loading pictures, sounds and music: one place for the load / colour key / convert sequence.
//
// Every path asked for, and every sound and track loaded, is told to the observer (observer.h).
// Nothing here fails: a file that is missing or unreadable prints one line on standard error
// naming it and SDL's reason, and the caller gets something it can use without a test: a 1x1
// fully transparent picture, or a null chunk or music, which SDL_mixer accepts and ignores.
#pragma once

#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>

#include <memory>

namespace platform {

// Colour key of a picture; Present() is false for pictures drawn without one.
struct ColorKey {
    bool present = false;
    Uint8 r = 0, g = 0, b = 0;
    static ColorKey None() { return ColorKey(); }
    static ColorKey Rgb(Uint8 r, Uint8 g, Uint8 b) {
        ColorKey key;
        key.present = true;
        key.r = r;
        key.g = g;
        key.b = b;
        return key;
    }
};

// IMG_Load, optional colour key on the loaded surface, SDL_DisplayFormat; the loaded surface
// is freed and the converted one returned. The caller frees it with SDL_FreeSurface.
SDL_Surface* LoadPicture(const char* path, ColorKey key = ColorKey::None());
SDL_Surface* LoadPicture(const char* path, Uint8 r, Uint8 g, Uint8 b);

// The same through SDL_LoadBMP_RW(SDL_RWFromFile(path, "rb"), 1), for the BMP files the game
// reads that way.
SDL_Surface* LoadBmpPicture(const char* path, ColorKey key = ColorKey::None());
SDL_Surface* LoadBmpPicture(const char* path, Uint8 r, Uint8 g, Uint8 b);

// Mix_LoadWAV_RW(SDL_RWFromFile(path, "rb"), 1). Null when audio is not open (silently: the
// game then runs without sound) or when the file cannot be read (with a message).
Mix_Chunk* LoadSound(const char* path);

// Mix_LoadMUS(path), with the same rules as LoadSound.
Mix_Music* LoadMusic(const char* path);

// True when Mix_OpenAudio succeeded.
bool AudioOpen();

// Frees a chunk or music loaded above; null is fine.
void FreeSound(Mix_Chunk* chunk);
void FreeMusic(Mix_Music* music);

// Owning handles for what the loaders hand out, freed the same ways (a null one frees nothing).
struct SurfaceFree {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
struct SoundFree {
    void operator()(Mix_Chunk* chunk) const { FreeSound(chunk); }
};
struct MusicFree {
    void operator()(Mix_Music* music) const { FreeMusic(music); }
};
using OwnedSurface = std::unique_ptr<SDL_Surface, SurfaceFree>;
using OwnedSound = std::unique_ptr<Mix_Chunk, SoundFree>;
using OwnedMusic = std::unique_ptr<Mix_Music, MusicFree>;

}  // namespace platform
