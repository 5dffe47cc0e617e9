#include "platform/loaders.h"

#include <SDL/SDL_image.h>

#include "platform/observer.h"
#include "platform/ogg_pages.h"
#include "platform/screen.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace platform {
namespace {

void Told(const char* path) {
    if (Observer* observer = GetObserver()) observer->Loading(path);
}

void Warn(const char* path) { std::fprintf(stderr, "Cannot load \"%s\": %s\n", path, SDL_GetError()); }

// A 1x1 picture whose one pixel is its own colour key: blitting it draws nothing.
SDL_Surface* TransparentPicture() {
    SDL_Surface* blank = SDL_CreateRGBSurface(SDL_SWSURFACE, 1, 1, 32, 0x00FF0000, 0x0000FF00, 0x000000FF, 0);
    if (!blank) return nullptr;
    Uint32 key = SDL_MapRGB(blank->format, 255, 0, 255);
    SDL_FillRect(blank, nullptr, key);
    SDL_SetColorKey(blank, SDL_SRCCOLORKEY, key);
    if (SDL_GetVideoSurface()) {
        SDL_Surface* converted = SDL_DisplayFormat(blank);
        if (converted) {
            SDL_FreeSurface(blank);
            return converted;
        }
    }
    return blank;
}

// SDL builds a keyed picture's run-length form on its first blit to the screen, which costs a
// large sheet a millisecond or two in the frame it first appears in. Done here instead: one pixel
// of the picture is drawn at the screen's corner and the pixel is put back at once.
void EncodeForScreen(SDL_Surface* picture) {
    SDL_Surface* screen = SDL_GetVideoSurface();
    if (!screen || !(picture->flags & SDL_RLEACCELOK) || picture->w == 0 || picture->h == 0) return;
    const int bytes = screen->format->BytesPerPixel;
    Uint8 saved[4];
    if (bytes > 4 || SDL_LockSurface(screen) < 0) return;
    std::memcpy(saved, screen->pixels, bytes);
    SDL_UnlockSurface(screen);
    SDL_Rect one = {0, 0, 1, 1};
    SDL_Rect corner = {0, 0, 1, 1};
    Blit(picture, &one, screen, &corner);
    if (SDL_LockSurface(screen) < 0) return;
    std::memcpy(screen->pixels, saved, bytes);
    SDL_UnlockSurface(screen);
}

SDL_Surface* Finish(SDL_Surface* loaded, const char* path, ColorKey key) {
    if (!loaded) {
        Warn(path);
        return TransparentPicture();
    }
    if (key.present)
        SDL_SetColorKey(loaded, SDL_SRCCOLORKEY | SDL_RLEACCEL, SDL_MapRGB(loaded->format, key.r, key.g, key.b));
    SDL_Surface* converted = SDL_DisplayFormat(loaded);
    if (!converted) {
        // No display yet (or out of memory): the loaded surface still blits correctly.
        return loaded;
    }
    SDL_FreeSurface(loaded);
    EncodeForScreen(converted);
    return converted;
}

// The whole file; empty when it cannot be opened, short when a read fails.
std::vector<unsigned char> ReadFile(const char* path) {
    std::vector<unsigned char> bytes;
    FILE* file = std::fopen(path, "rb");
    if (!file) return bytes;
    unsigned char block[65536];
    size_t got;
    while ((got = std::fread(block, 1, sizeof block, file)) > 0) bytes.insert(bytes.end(), block, block + got);
    std::fclose(file);
    return bytes;
}

}  // namespace

SDL_Surface* LoadPicture(const char* path, ColorKey key) {
    Told(path);
    return Finish(IMG_Load(path), path, key);
}

SDL_Surface* LoadPicture(const char* path, Uint8 r, Uint8 g, Uint8 b) {
    return LoadPicture(path, ColorKey::Rgb(r, g, b));
}

SDL_Surface* LoadBmpPicture(const char* path, ColorKey key) {
    Told(path);
    SDL_RWops* file = SDL_RWFromFile(path, "rb");
    return Finish(file ? SDL_LoadBMP_RW(file, 1) : nullptr, path, key);
}

SDL_Surface* LoadBmpPicture(const char* path, Uint8 r, Uint8 g, Uint8 b) {
    return LoadBmpPicture(path, ColorKey::Rgb(r, g, b));
}

bool AudioOpen() {
    int frequency = 0, channels = 0;
    Uint16 format = 0;
    return Mix_QuerySpec(&frequency, &format, &channels) != 0;
}

Mix_Chunk* LoadSound(const char* path) {
    Told(path);
    if (!AudioOpen()) return nullptr;
    SDL_RWops* file = SDL_RWFromFile(path, "rb");
    Mix_Chunk* chunk = file ? Mix_LoadWAV_RW(file, 1) : nullptr;
    if (!chunk)
        Warn(path);
    else if (Observer* observer = GetObserver())
        observer->SoundLoaded(chunk, path);
    return chunk;
}

Mix_Music* LoadMusic(const char* path) {
    Told(path);
    if (!AudioOpen()) return nullptr;
    Mix_Music* music = Mix_LoadMUS(path);
    if (!music) {
        Warn(path);
        return music;
    }
    if (Observer* observer = GetObserver()) observer->MusicLoaded(music, path);
    if (const std::vector<unsigned char> bytes = ReadFile(path); !OggEndsWhole(bytes.data(), bytes.size())) {
        // SDL_mixer opens a stream cut short without a word; it still plays as far as it goes.
        std::fprintf(stderr, "Cannot load \"%s\" whole: the Ogg stream is cut short\n", path);
    }
    return music;
}

void FreeSound(Mix_Chunk* chunk) {
    if (chunk) Mix_FreeChunk(chunk);
}

void FreeMusic(Mix_Music* music) {
    if (!music) return;
    // Freeing a playing track halts it.
    if (Observer* observer = GetObserver()) observer->MusicFreed(music);
    Mix_FreeMusic(music);
}

}  // namespace platform
