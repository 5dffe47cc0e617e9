#include "platform/mixer.h"
#include "platform/observer.h"
#include "platform/screen.h"

namespace platform {
namespace {

Observer* observer = nullptr;

}  // namespace

void SetObserver(Observer* newObserver) { observer = newObserver; }

Observer* GetObserver() { return observer; }

int Flip(SDL_Surface* screen) {
    if (observer && screen) observer->Flipped(screen);
    return SDL_Flip(screen);
}

int Blit(SDL_Surface* source, SDL_Rect* sourceRect, SDL_Surface* destination, SDL_Rect* at) {
    if (observer) observer->Blitted(source, sourceRect, destination, at);
    return SDL_BlitSurface(source, sourceRect, destination, at);
}

int PlaySound(int channel, Mix_Chunk* chunk, int loops, int ticks) {
    if (observer) observer->SoundPlayed(channel, chunk, loops, ticks);
    return Mix_PlayChannelTimed(channel, chunk, loops, ticks);
}

int PlayMusic(Mix_Music* music, int loops) {
    if (observer) observer->MusicPlayed(music, loops);
    return Mix_PlayMusic(music, loops);
}

int FadeOutMusic(int ms) {
    if (observer) observer->MusicFaded(ms);
    return Mix_FadeOutMusic(ms);
}

int HaltMusic() {
    if (observer) observer->MusicHalted();
    return Mix_HaltMusic();
}

}  // namespace platform
