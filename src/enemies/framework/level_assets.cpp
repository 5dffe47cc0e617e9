#include "enemies/framework/level_assets.h"

#include <cstdio>
#include <span>
#include <utility>

#include "core/catalogue_loaders.h"

namespace {

class PlatformLoader : public AssetLoader {
public:
    SDL_Surface* LoadPicture(const char* path, platform::ColorKey key) override {
        return platform::LoadPicture(path, key);
    }
    SDL_Surface* LoadBmpPicture(const char* path, platform::ColorKey key) override {
        return platform::LoadBmpPicture(path, key);
    }
    Mix_Chunk* LoadSound(const char* path) override { return platform::LoadSound(path); }
    void FreePicture(SDL_Surface* picture) override { SDL_FreeSurface(picture); }
    void FreeSound(Mix_Chunk* sound) override { platform::FreeSound(sound); }
};

}  // namespace

AssetLoader& PlatformAssetLoader() {
    static PlatformLoader loader;
    return loader;
}

LevelAssets::LevelAssets() : loader(&PlatformAssetLoader()) {}

LevelAssets::LevelAssets(AssetLoader& loader) : loader(&loader) {}

LevelAssets::~LevelAssets() { Free(); }

const LevelAssets::Entry* LevelAssets::Find(const catalogue::EnemyKind& kind) const {
    for (const Entry& entry : sets)
        if (entry.kind == &kind) return &entry;
    return nullptr;
}

SDL_Surface* LevelAssets::Load(const catalogue::Picture* picture) {
    if (!picture) return nullptr;
    const platform::ColorKey key = catalogue::KeyOf(*picture);
    SDL_Surface* loaded =
        picture->IsBmp() ? loader->LoadBmpPicture(picture->path, key) : loader->LoadPicture(picture->path, key);
    ownedPictures.push_back(loaded);
    return loaded;
}

Mix_Chunk* LevelAssets::Load(const catalogue::Sound* sound) {
    if (!sound) return nullptr;
    Mix_Chunk* loaded = loader->LoadSound(sound->path);
    ownedSounds.push_back(loaded);
    return loaded;
}

namespace {

// The first set of the bank so far whose kind has the same file where `member` says.
template <class File>
const AssetSet* FirstWith(const std::vector<std::pair<const catalogue::EnemyKind*, const AssetSet*>>& earlier,
                          File catalogue::EnemyKind::*member, File file) {
    for (const auto& [kind, set] : earlier)
        if (kind->*member == file) return set;
    return nullptr;
}

}  // namespace

void LevelAssets::Load(int number) {
    Free();
    const std::span<const catalogue::BankRow> bank = catalogue::BankOf(number);
    if (bank.empty()) {
        std::fprintf(stderr, "No enemy asset bank for level %d\n", number);
        return;
    }
    levelNumber = number;
    sets.reserve(bank.size());
    std::vector<std::pair<const catalogue::EnemyKind*, const AssetSet*>> earlier;
    for (const catalogue::BankRow& row : bank) {
        const catalogue::EnemyKind& kind = *row.kind;
        sets.push_back(Entry{&kind, AssetSet()});
        AssetSet& set = sets.back().set;
        // Shared members come from a set already in the bank; a row whose source is missing
        // loads its own copy rather than draw nothing.
        auto shared = [&](unsigned share, auto member) -> const AssetSet* {
            return (row.shares & share) ? FirstWith(earlier, member, kind.*member) : nullptr;
        };
        set.sprite = Load(kind.sheet);
        if (const AssetSet* from = shared(catalogue::kSharesExplosion, &catalogue::EnemyKind::explosion))
            set.explosionSheet = from->explosionSheet;
        else
            set.explosionSheet = Load(kind.explosion);
        if (const AssetSet* from = shared(catalogue::kSharesShots, &catalogue::EnemyKind::shotA)) {
            set.shotA = from->shotA;
            set.shotB = from->shotB;
            set.shotC = from->shotC;
            set.shotD = from->shotD;
        } else {
            set.shotA = Load(kind.shotA);
            set.shotB = Load(kind.shotB);
            set.shotC = Load(kind.shotC);
            set.shotD = Load(kind.shotD);
        }
        if (const AssetSet* from = shared(catalogue::kSharesExplosionSound, &catalogue::EnemyKind::explosionSound))
            set.explosionSound = from->explosionSound;
        else
            set.explosionSound = Load(kind.explosionSound);
        if (const AssetSet* from = shared(catalogue::kSharesFireSound, &catalogue::EnemyKind::fireSound))
            set.fireSound = from->fireSound;
        else
            set.fireSound = Load(kind.fireSound);
        earlier.emplace_back(&kind, &set);
    }
}

void LevelAssets::Free() {
    for (SDL_Surface* picture : ownedPictures)
        if (picture) loader->FreePicture(picture);
    for (Mix_Chunk* sound : ownedSounds)
        if (sound) loader->FreeSound(sound);
    ownedPictures.clear();
    ownedSounds.clear();
    sets.clear();
    levelNumber = 0;
}

bool LevelAssets::Has(const catalogue::EnemyKind& kind) const { return Find(kind) != nullptr; }

const AssetSet& LevelAssets::Get(const catalogue::EnemyKind& kind) const {
    if (const Entry* entry = Find(kind)) return entry->set;
    static const AssetSet empty;
    static bool reported = false;
    if (!reported) {
        std::fprintf(stderr, "Level %d's asset bank has no set for enemy kind %s\n", levelNumber, kind.name);
        reported = true;
    }
    return empty;
}
