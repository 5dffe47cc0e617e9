#include "blit_log.h"

void BlitLog::Start(SDL_Surface* target) {
    screen = target;
    current.clear();
}

void BlitLog::Stop() { screen = nullptr; }

void BlitLog::Record(SDL_Surface* source, const SDL_Rect* sourceRect, SDL_Surface* destination,
                     const SDL_Rect* destRect) {
    if (!screen || !source || destination != screen) return;
    LoggedBlit blit;
    blit.sourceW = static_cast<uint16_t>(source->w);
    blit.sourceH = static_cast<uint16_t>(source->h);
    blit.keyed = (source->flags & SDL_SRCCOLORKEY) != 0;
    blit.source = sourceRect ? *sourceRect : SDL_Rect{0, 0, blit.sourceW, blit.sourceH};
    blit.destination = destRect ? *destRect : SDL_Rect{0, 0, 0, 0};
    current.push_back(blit);
}
