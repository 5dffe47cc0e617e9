#include "platform/loaders.h"

#include <SDL/SDL_image.h>

#include <cstdio>
#include <cstring>
#include <vector>

namespace platform {
namespace {

LoadObserver loadObserver = nullptr;

void Told(const char* path) {
    if (loadObserver) loadObserver(path);
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
    SDL_BlitSurface(picture, &one, screen, &corner);
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

// An Ogg stream ends with a page flagged end-of-stream. SDL_mixer opens a stream cut short without
// a word and plays what is there, so a cut is found here: false when the file is Ogg and its last
// page is missing, cut or not flagged.
bool OggEndsWhole(const char* path) {
    FILE* file = std::fopen(path, "rb");
    if (!file) return true;  // SDL_mixer reports this one itself
    char magic[4] = {};
    const bool ogg = std::fread(magic, 1, 4, file) == 4 && std::memcmp(magic, "OggS", 4) == 0;
    bool whole = true;
    if (ogg && std::fseek(file, 0, SEEK_END) == 0) {
        const long size = std::ftell(file);
        const long tail = size < 65536 ? size : 65536;  // a page is at most 65307 bytes
        std::vector<unsigned char> bytes(static_cast<size_t>(tail));
        whole = false;
        if (std::fseek(file, size - tail, SEEK_SET) == 0 && std::fread(bytes.data(), 1, bytes.size(), file) == bytes.size()) {
            for (long at = tail - 27; at >= 0; --at) {
                if (std::memcmp(&bytes[at], "OggS", 4) != 0) continue;
                const int segments = bytes[at + 26];
                if (at + 27 + segments > tail) break;
                long body = 0;
                for (int i = 0; i < segments; ++i) body += bytes[at + 27 + i];
                whole = (bytes[at + 5] & 0x04) != 0 && at + 27 + segments + body == tail;
                break;
            }
        }
    }
    std::fclose(file);
    return whole;
}

}  // namespace

void SetLoadObserver(LoadObserver observer) { loadObserver = observer; }

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
    if (!chunk) Warn(path);
    return chunk;
}

Mix_Music* LoadMusic(const char* path) {
    Told(path);
    if (!AudioOpen()) return nullptr;
    Mix_Music* music = Mix_LoadMUS(path);
    if (!music) {
        Warn(path);
    } else if (!OggEndsWhole(path)) {
        // It still plays as far as it goes.
        std::fprintf(stderr, "Cannot load \"%s\" whole: the Ogg stream is cut short\n", path);
    }
    return music;
}

void FreeSound(Mix_Chunk* chunk) {
    if (chunk) Mix_FreeChunk(chunk);
}

void FreeMusic(Mix_Music* music) {
    if (music) Mix_FreeMusic(music);
}

}  // namespace platform
