#include "enemies/framework/explosion.h"

#include "core/utilities.h"
#include "platform/platform.h"
#include "platform/screen.h"

void DrawExplosionFrame(SDL_Surface* screen, SDL_Surface* sheet, const SDL_Rect& box, int frameWidth, int frameHeight,
                        int periodMs, int* counter, Uint32* lastTick) {
    SDL_Rect source = MakeRect((*counter - 1) * frameWidth, 0, frameWidth, frameHeight);
    const Uint32 now = platform::Ticks();
    if (now > *lastTick + static_cast<Uint32>(periodMs)) {
        *counter += 1;
        *lastTick = now;
    }
    SDL_Rect at = MakeRect(box.x + box.w / 2 - frameWidth / 2, box.y + box.h / 2 - frameHeight / 2, 0, 0);
    if (source.x >= 0 && sheet) platform::Blit(sheet, &source, screen, &at);
}
