// Records, frame by frame, what a run shows and plays: a digest of the screen as flipped, the
// random draws consumed and every sound and music call, one line per paced frame. Golden files are
// made from these lines, so a change of a pixel, a draw or a sound anywhere in the game shows.
#pragma once

#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>

#include <cstdint>
#include <cstdio>
#include <map>
#include <string>

class Trace {
public:
    // Starts tracing into path; false (with errno's reason in *error) when it cannot be written.
    bool Open(const std::string& path, std::string* error);
    // Writes the line of the frame whose work just ended, numbered frame, and starts the next.
    void EndFrame(long frame);
    // Writes what happened after the last paced frame, if anything, and closes the file.
    void Close(long frame);
    ~Trace();

    // What the game does, as the platform's observer is told it; noted while the trace is open.
    void Flipped(SDL_Surface* screen);
    void Drew() {
        if (file) ++draws;
    }
    void SoundLoaded(const Mix_Chunk* chunk, const char* path);
    void MusicLoaded(const Mix_Music* music, const char* path);
    void Sound(int channel, const Mix_Chunk* chunk, int loops, int ticks);
    void Music(const Mix_Music* music, int loops);
    void Fade(int ms);
    void Halt();
    void Freed(const Mix_Music* music);

private:
    void WriteLine(const char* frameName);
    void Event(const std::string& text);
    // "none" for a null handle, "unknown" for one not loaded through the platform's loaders.
    std::string PathOf(const void* handle) const;

    std::map<const void*, std::string> paths;  // which file each loaded chunk and track came from
    std::FILE* file = nullptr;
    uint64_t pixels = 0;  // of the frame's last flip
    int flips = 0;
    long draws = 0;
    std::string events;
};

// 64 bits over the w*bpp bytes of each row (not the pitch's padding); of a 32-bit screen, over its
// colour bits only.
uint64_t ScreenDigest(const SDL_Surface* surface);
