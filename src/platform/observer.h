// What the game asks of the machine, told as it happens to one observer: the simulator's (and
// the tests') one view of the game, the same on every platform. The game itself sets none.
#pragma once

#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>

namespace platform {

class Observer {
public:
    virtual ~Observer() = default;
    // Around every pacing wait of every loop (FrameTimer::Wait): BeforeWait when a frame's work
    // is done, AfterWait when the next frame's work begins.
    virtual void BeforeWait() {}
    virtual void AfterWait() {}
    // Every flip and every blit, before SDL's.
    virtual void Flipped(SDL_Surface* /*screen*/) {}
    virtual void Blitted(SDL_Surface* /*source*/, const SDL_Rect* /*sourceRect*/, SDL_Surface* /*destination*/,
                         const SDL_Rect* /*destinationRect*/) {}
    // Every draw of the random generator.
    virtual void Drew() {}
    // Every picture, sound and music asked for, loaded or not, before it is opened.
    virtual void Loading(const char* /*path*/) {}
    // A chunk or track that loaded, and where from: later calls name it by its handle.
    virtual void SoundLoaded(const Mix_Chunk* /*chunk*/, const char* /*path*/) {}
    virtual void MusicLoaded(const Mix_Music* /*music*/, const char* /*path*/) {}
    // The mixer calls, with their arguments, before SDL_mixer's.
    virtual void SoundPlayed(int /*channel*/, const Mix_Chunk* /*chunk*/, int /*loops*/, int /*ticks*/) {}
    virtual void MusicPlayed(const Mix_Music* /*music*/, int /*loops*/) {}
    virtual void MusicFaded(int /*ms*/) {}
    virtual void MusicHalted() {}
    virtual void MusicFreed(const Mix_Music* /*music*/) {}
};

void SetObserver(Observer* observer);  // null: nobody is told
Observer* GetObserver();

}  // namespace platform
