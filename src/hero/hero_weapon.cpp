// The hero's weapon: volleys by weapon level, the volley interval and the graze boost.
#include "core/input.h"
#include "core/utilities.h"
#include "enemies/framework/sound_channels.h"
#include "hero/hero.h"
#include "platform/platform.h"

namespace {

// One shot of a volley: picture index, offset from the ship's box, first leg and the three
// legs after it.
struct VolleyShot {
    int picture;
    int offsetX;
    int offsetY;
    PathSegment first;
    PathSegment rest;
};

// Weapon levels 1 to 6: shot i uses row min(i, 4). The rows after the first fan out after
// two frames.
constexpr VolleyShot kFanVolley[] = {
    {0, 8, -5, {0, -8, 30}, {0, -8, 30}}, {1, 3, -4, {0, -8, 2}, {-1, -8, 30}}, {2, 14, -4, {0, -8, 2}, {1, -8, 30}},
    {3, 1, -3, {0, -8, 2}, {-2, -8, 30}}, {4, 17, -3, {0, -8, 2}, {2, -8, 30}},
};
constexpr int kFanRows = sizeof(kFanVolley) / sizeof(kFanVolley[0]);

// Weapon level 7: the second weapon, four shots, no bank shift.
constexpr VolleyShot kSecondWeaponVolley[] = {
    {5, 0, -6, {0, -8, 30}, {0, -8, 30}},
    {5, -17, -6, {0, -8, 2}, {0, -8, 30}},
    {6, 0, 4, {2, -8, 2}, {2, -8, 30}},
    {7, -9, 4, {-2, -8, 2}, {-2, -8, 30}},
};

constexpr int kTopWeaponLevel = 7;
constexpr Uint32 kVolleyIntervalMs = 60;
constexpr int kBankShift = 3;
constexpr int kFanDamage = 3;
constexpr int kSecondWeaponDamage = 5;
// Boosted shots do one more point.
constexpr int kBoostDamage = 1;

}  // namespace

void Hero::Fire(const Uint8* keys, const Uint8* inputFlags) {
    if (state == kHeroExploding || state == kHeroReentering) return;

    firing = false;
    SDL_Surface* const* set = grazeTimer > 0 ? boostedShotPictures : shotPictures;
    const int count = weaponLevel == kTopWeaponLevel ? 4 : weaponLevel;
    const int shift = bank == kBankLeft ? -kBankShift : (bank == kBankRight ? kBankShift : 0);

    const bool held = (keys != nullptr && keys[SDLK_g]) || (inputFlags != nullptr && inputFlags[kInputFire]);
    if (!held) return;
    firing = true;
    if (platform::Ticks() > lastVolleyTick + kVolleyIntervalMs) FireVolley(set, count, shift);
}

void Hero::FireVolley(SDL_Surface* const* pictures, int count, int shift) {
    const bool secondWeapon = weaponLevel == kTopWeaponLevel;
    const int damage = (secondWeapon ? kSecondWeaponDamage : kFanDamage) + (grazeTimer > 0 ? kBoostDamage : 0);
    Volley volley = shots.Open(count);
    volley.Fill([&](int i) {
        const VolleyShot& row = secondWeapon ? kSecondWeaponVolley[i] : kFanVolley[i < kFanRows ? i : kFanRows - 1];
        const int x0 = box.x + row.offsetX + (secondWeapon ? 0 : shift);
        const int y0 = box.y + row.offsetY;
        SDL_Surface* picture = pictures[row.picture];
        const int w = picture != nullptr ? picture->w : 0;
        const int h = picture != nullptr ? picture->h : 0;
        auto* shot =
            new EnemyShot(screen, picture, picture, MakeRect(x0, y0, w, h), row.first, row.rest, row.rest, row.rest);
        shot->SetDamage(damage);
        shot->SetBoosted(grazeTimer > 0);
        return shot;
    });
    // An incomplete volley plays no sound and keeps the old tick, so the next frame tries
    // again as soon as slots are free.
    if (volley.Complete()) {
        PlaySound(kChannelHeroVolley, shotSound);
        lastVolleyTick = platform::Ticks();
    }
}
