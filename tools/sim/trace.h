// Records, frame by frame, what a run shows and plays: a digest of the screen as flipped, the
// rand() draws consumed and every sound and music call, one line per paced frame. Golden files are
// made from these lines, so a change of a pixel, a draw or a sound anywhere in the game shows.
#pragma once

#include <SDL/SDL.h>

#include <cstdint>
#include <cstdio>
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

    // Called by the interposed SDL, SDL_mixer and libc functions while a trace is open.
    static Trace* Active();
    void Flipped(SDL_Surface* screen);
    void Drew() { ++draws; }
    void Event(const std::string& text);

private:
    void WriteLine(const char* frameName);

    std::FILE* file = nullptr;
    uint64_t pixels = 0;  // of the frame's last flip
    int flips = 0;
    long draws = 0;
    std::string events;
};

// 64 bits over the w*bpp bytes of each row (not the pitch's padding); of a 32-bit screen, over its
// colour bits only.
uint64_t ScreenDigest(const SDL_Surface* surface);
