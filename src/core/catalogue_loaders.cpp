#include "core/catalogue_loaders.h"

#include "core/utilities.h"

namespace catalogue {

platform::ColorKey KeyOf(const Picture& picture) {
    if (!picture.Keyed()) return platform::ColorKey::None();
    return platform::ColorKey::Rgb(static_cast<Uint8>(picture.key >> 16), static_cast<Uint8>(picture.key >> 8),
                                   static_cast<Uint8>(picture.key));
}

namespace {

SDL_Surface* LoadWith(const Picture& picture, platform::ColorKey key) {
    return picture.IsBmp() ? platform::LoadBmpPicture(picture.path, key) : platform::LoadPicture(picture.path, key);
}

}  // namespace

SDL_Surface* Load(const Picture& picture) { return LoadWith(picture, KeyOf(picture)); }

SDL_Surface* LoadUnkeyed(const Picture& picture) { return LoadWith(picture, platform::ColorKey::None()); }

Mix_Chunk* Load(const Sound& sound) { return platform::LoadSound(sound.path); }

Mix_Music* Load(const Music& music) { return platform::LoadMusic(music.path); }

SDL_Rect BoxAt(const EnemyKind& kind, int x, int y) { return MakeRect(x, y, kind.BoxWidth(), kind.BoxHeight()); }

}  // namespace catalogue
