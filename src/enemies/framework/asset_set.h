// One kind of regular enemy's share of a level's asset bank.
#pragma once

#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>

// Borrowed pointers: the bank owns them, enemies and their shots only draw and play them.
// Members may repeat pointers of other sets of the same bank.
struct AssetSet {
    SDL_Surface* sprite = nullptr;
    SDL_Surface* explosionSheet = nullptr;
    Mix_Chunk* explosionSound = nullptr;
    Mix_Chunk* fireSound = nullptr;
    SDL_Surface* shotA = nullptr;
    SDL_Surface* shotB = nullptr;
    // The second pair of shot pictures; only Yeux and OeilRB have one, null elsewhere.
    SDL_Surface* shotC = nullptr;
    SDL_Surface* shotD = nullptr;
};
