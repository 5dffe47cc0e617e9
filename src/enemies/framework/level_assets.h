// The bank of pictures and sounds that the regular enemies of one level share.
//
// A level creates one bank, calls Load before it builds its enemy table, hands the bank to
// every regular enemy constructor, and calls Free (or deletes the bank) once its frame loop has
// ended. Each enemy reads its own set with Get(catalogue::kBoule); what each bank holds is the
// catalogue's (catalogue::BankOf).
#pragma once

#include <vector>

#include "core/catalogue.h"
#include "enemies/framework/asset_set.h"
#include "platform/loaders.h"

// Where a bank's files come from. The game uses the platform loaders; tests and tools may
// substitute their own to watch what is loaded and freed.
class AssetLoader {
public:
    virtual ~AssetLoader() = default;
    virtual SDL_Surface* LoadPicture(const char* path, platform::ColorKey key) = 0;     // IMG_Load
    virtual SDL_Surface* LoadBmpPicture(const char* path, platform::ColorKey key) = 0;  // SDL_LoadBMP_RW
    virtual Mix_Chunk* LoadSound(const char* path) = 0;
    virtual void FreePicture(SDL_Surface* picture) = 0;
    virtual void FreeSound(Mix_Chunk* sound) = 0;
};

// The loader the game uses: platform::LoadPicture and friends, SDL_FreeSurface, Mix_FreeChunk.
AssetLoader& PlatformAssetLoader();

class LevelAssets {
public:
    LevelAssets();
    // loader is borrowed and must outlive the bank.
    explicit LevelAssets(AssetLoader& loader);
    ~LevelAssets();  // frees what is still loaded
    LevelAssets(const LevelAssets&) = delete;
    LevelAssets& operator=(const LevelAssets&) = delete;

    // Loads the bank of level levelNumber (1 to 5). A bank still loaded is freed first; other
    // level numbers leave the bank empty.
    void Load(int levelNumber);
    // Frees each picture and sound the bank loaded, once, however many sets share it.
    void Free();

    // 0 when nothing is loaded.
    int LevelNumber() const { return levelNumber; }
    bool Has(const catalogue::EnemyKind& kind) const;
    // The set of kind in this bank. A kind the level does not have gets a set of null pointers
    // (a programming error, reported once on standard error).
    const AssetSet& Get(const catalogue::EnemyKind& kind) const;

    // The sets in bank order.
    int SetCount() const { return static_cast<int>(sets.size()); }
    const catalogue::EnemyKind& KindAt(int index) const { return *sets[index].kind; }
    const AssetSet& SetAt(int index) const { return sets[index].set; }

private:
    struct Entry {
        const catalogue::EnemyKind* kind;
        AssetSet set;
    };

    const Entry* Find(const catalogue::EnemyKind& kind) const;
    SDL_Surface* Load(const catalogue::Picture* picture);
    Mix_Chunk* Load(const catalogue::Sound* sound);

    AssetLoader* loader;
    int levelNumber = 0;
    std::vector<Entry> sets;
    // What this bank loaded itself, each exactly once: what Free releases.
    std::vector<SDL_Surface*> ownedPictures;
    std::vector<Mix_Chunk*> ownedSounds;
};
