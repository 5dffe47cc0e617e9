// The mixer calls the game makes: SDL_mixer's, told to the observer first.
#pragma once

#include <SDL/SDL_mixer.h>

namespace platform {

// Mix_PlayChannelTimed; a null chunk plays nothing (and is told, as the call was made).
int PlaySound(int channel, Mix_Chunk* chunk, int loops = 0, int ticks = -1);
int PlayMusic(Mix_Music* music, int loops);  // Mix_PlayMusic
int FadeOutMusic(int ms);                    // Mix_FadeOutMusic
int HaltMusic();                             // Mix_HaltMusic

}  // namespace platform
