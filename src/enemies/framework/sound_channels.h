// Every sound plays once on a fixed mixer channel, so a new sound of a kind cuts the last one.
#pragma once

#include <SDL/SDL_mixer.h>

#include "platform/mixer.h"

enum SoundChannel {
    kChannelHeroVolley = 1,
    kChannelHeroExplosion = 2,
    kChannelEnemyFire = 3,
    kChannelEnemyExplosion = 4,
    kChannelBossEffects = 5,
    kChannelLevelEnd = 6,
    kChannelBonus = 7,
};

// platform::PlaySound(channel, chunk, 0, -1); a missing sound (null chunk) plays nothing.
inline void PlaySound(int channel, Mix_Chunk* chunk) {
    if (chunk != nullptr) {
        platform::PlaySound(channel, chunk, 0, -1);
    }
}
