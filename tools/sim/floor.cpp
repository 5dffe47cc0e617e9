#include "floor.h"

#include <chrono>

#include "platform/loaders.h"

namespace {

// A display-format picture of w x h: opaque noise, or a keyed disc on the key colour.
SDL_Surface* MakeStandIn(SDL_Surface* screen, int w, int h, bool keyed) {
    SDL_PixelFormat* f = screen->format;
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, f->BitsPerPixel, f->Rmask, f->Gmask, f->Bmask, f->Amask);
    if (!s) return nullptr;
    const Uint32 key = SDL_MapRGB(s->format, 255, 0, 255);
    SDL_LockSurface(s);
    for (int y = 0; y < h; ++y) {
        Uint32* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(s->pixels) + y * s->pitch);
        for (int x = 0; x < w; ++x) {
            const double dx = (x + 0.5) / w - 0.5, dy = (y + 0.5) / h - 0.5;
            const bool inside = dx * dx + dy * dy < 0.25;
            row[x] = keyed && !inside ? key : SDL_MapRGB(s->format, (x * 7) & 0xff, (y * 5) & 0xff, 0x80);
        }
    }
    SDL_UnlockSurface(s);
    if (keyed) SDL_SetColorKey(s, SDL_SRCCOLORKEY | SDL_RLEACCEL, key);
    return s;
}

}  // namespace

FloorReplay::FloorReplay(SDL_Surface* screen)
    : target(SDL_CreateRGBSurface(SDL_SWSURFACE, screen->w, screen->h, screen->format->BitsPerPixel,
                                  screen->format->Rmask, screen->format->Gmask, screen->format->Bmask,
                                  screen->format->Amask)),
      hudFrame(platform::LoadPicture("./Images/Panorama/Contour_Score1.png", 255, 255, 0)) {}

FloorReplay::~FloorReplay() {
    SDL_FreeSurface(target);
    SDL_FreeSurface(hudFrame);
    for (auto& entry : standIns) SDL_FreeSurface(entry.second);
}

SDL_Surface* FloorReplay::StandIn(const LoggedBlit& blit) {
    if (blit.keyed && blit.sourceW == 640 && blit.sourceH == 480) return hudFrame;
    // A sheet's cell is drawn; an opaque picture is copied in part, so it stands in whole.
    const int w = blit.keyed ? blit.source.w : blit.sourceW;
    const int h = blit.keyed ? blit.source.h : blit.sourceH;
    auto key = std::make_tuple(w, h, blit.keyed);
    auto found = standIns.find(key);
    if (found != standIns.end()) return found->second;
    SDL_Surface* made = MakeStandIn(target, w, h, blit.keyed);
    standIns[key] = made;
    return made;
}

int64_t FloorReplay::Replay(const BlitFrame& frame) {
    using Clock = std::chrono::steady_clock;
    if (!target) return 0;
    // Stand-ins are made before the clock starts.
    for (const LoggedBlit& blit : frame) StandIn(blit);
    const Clock::time_point start = Clock::now();
    for (const LoggedBlit& blit : frame) {
        SDL_Surface* source = StandIn(blit);
        SDL_Rect part = blit.keyed && source != hudFrame ? SDL_Rect{0, 0, blit.source.w, blit.source.h} : blit.source;
        SDL_Rect at = blit.destination;
        SDL_BlitSurface(source, &part, target, &at);
    }
    return std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start).count();
}
