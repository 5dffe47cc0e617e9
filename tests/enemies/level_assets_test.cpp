#include "enemies/framework/level_assets.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

// Hands out a fresh item per load and counts loads and frees. Items are released only at
// the end, so no address is reused while they are counted.
class RecordingLoader : public AssetLoader {
public:
    struct Load {
        std::string path;
        char how;  // 'I' IMG_Load, 'B' SDL_LoadBMP_RW, 'W' sound
        platform::ColorKey key;
    };
    ~RecordingLoader() override {
        for (auto& item : loads) {
            if (item.second.how == 'W')
                delete static_cast<Mix_Chunk*>(item.first);
            else
                SDL_FreeSurface(static_cast<SDL_Surface*>(item.first));
        }
    }
    SDL_Surface* LoadPicture(const char* path, platform::ColorKey key) override { return Picture(path, 'I', key); }
    SDL_Surface* LoadBmpPicture(const char* path, platform::ColorKey key) override { return Picture(path, 'B', key); }
    Mix_Chunk* LoadSound(const char* path) override {
        Mix_Chunk* chunk = new Mix_Chunk();
        Note(chunk, path, 'W', platform::ColorKey::None());
        return chunk;
    }
    void FreePicture(SDL_Surface* picture) override { ++frees[picture]; }
    void FreeSound(Mix_Chunk* sound) override { ++frees[sound]; }

    int CountPath(const std::string& path) const {
        int n = 0;
        for (const auto& item : loads) n += item.second.path == path;
        return n;
    }
    int CountLoads(bool sounds) const {
        int n = 0;
        for (const auto& item : loads) n += (item.second.how == 'W') == sounds;
        return n;
    }
    void ExpectEachFreedOnce() const {
        for (const auto& item : loads) EXPECT_EQ(frees.count(item.first) ? frees.at(item.first) : 0, 1) << item.second.path;
        EXPECT_EQ(frees.size(), loads.size());
    }

    std::map<void*, Load> loads;
    std::vector<std::string> order;
    std::map<void*, int> frees;

private:
    SDL_Surface* Picture(const char* path, char how, platform::ColorKey key) {
        SDL_Surface* surface = SDL_CreateRGBSurface(SDL_SWSURFACE, 1, 1, 32, 0xFF0000, 0xFF00, 0xFF, 0);
        Note(surface, path, how, key);
        return surface;
    }
    void Note(void* item, const char* path, char how, platform::ColorKey key) {
        loads[item] = {path, how, key};
        order.push_back(path);
    }
};

namespace K = catalogue;
using Kind = const catalogue::EnemyKind*;

TEST(LevelAssets, EachLevelLoadsItsSetsInOrderAndFreesEachItemOnce) {
    const std::vector<Kind> expected[] = {
        {&K::kBoule, &K::kPiaf, &K::kDelta, &K::kYeux, &K::kModular, &K::kSoucoupe},
        {&K::kCube, &K::kCubeDevil, &K::kCubeInviderOne, &K::kTriangle, &K::kRoue, &K::kSoucoupe},
        {&K::kBlob, &K::kVirus, &K::kCrabe, &K::kSoucoupe},
        {&K::kFleche, &K::kAmybe, &K::kSoucoupe},
        {&K::kPapillon, &K::kFee, &K::kOeilRB, &K::kVax, &K::kSoucoupe},
    };
    // Counted by hand from the bank tables: rows that name a file.
    const int pictures[] = {24, 19, 13, 12, 22};
    const int sounds[] = {7, 3, 4, 3, 2};
    for (int level = 1; level <= 5; ++level) {
        RecordingLoader loader;
        {
            LevelAssets bank(loader);
            bank.Load(level);
            std::vector<Kind> kinds;
            for (int i = 0; i < bank.SetCount(); ++i) {
                kinds.push_back(&bank.KindAt(i));
                const AssetSet& set = bank.SetAt(i);
                EXPECT_TRUE(set.sprite && set.explosionSheet && set.shotA && set.shotB);
                EXPECT_TRUE(set.explosionSound && set.fireSound);
                bool fourShots = &bank.KindAt(i) == &K::kYeux || &bank.KindAt(i) == &K::kOeilRB;
                EXPECT_EQ(set.shotC && set.shotD, fourShots);
            }
            EXPECT_EQ(kinds, expected[level - 1]) << "level " << level;
            EXPECT_EQ(loader.CountLoads(false), pictures[level - 1]) << "level " << level;
            EXPECT_EQ(loader.CountLoads(true), sounds[level - 1]) << "level " << level;
        }
        loader.ExpectEachFreedOnce();
    }
}

TEST(LevelAssets, LevelOneLoadsSeparateCopiesAndSharesTheRest) {
    RecordingLoader loader;
    LevelAssets bank(loader);
    bank.Load(1);
    EXPECT_EQ(loader.CountPath("./Images/Explosions/Explosion_160_Rouge.png"), 3);
    EXPECT_EQ(loader.CountPath("Sound/Shot1.wav"), 4);
    EXPECT_EQ(loader.CountPath("./Images/Tirs/Tir0_RougeS_Ennemi.png"), 1);
    EXPECT_EQ(std::vector<std::string>(loader.order.begin(), loader.order.begin() + 6),
              (std::vector<std::string>{"./Images/Ennemis/Boule/BouleS2.png", "./Images/Explosions/Explosion_Rouge_32.png",
                                        "./Images/Tirs/Tir0_RougeS_Ennemi.png", "./Images/Tirs/Tir0a_RougeS_Ennemi.png",
                                        "Sound/Explosion_Boss.wav", "Sound/Shot1.wav"}));

    const AssetSet& boule = bank.Get(K::kBoule);
    const AssetSet& piaf = bank.Get(K::kPiaf);
    const AssetSet& delta = bank.Get(K::kDelta);
    const AssetSet& yeux = bank.Get(K::kYeux);
    const AssetSet& saucer = bank.Get(K::kSoucoupe);
    EXPECT_EQ(piaf.shotB, boule.shotB);
    EXPECT_EQ(piaf.fireSound, boule.fireSound);
    EXPECT_EQ(bank.Get(K::kModular).explosionSound, boule.explosionSound);
    EXPECT_EQ((std::set<void*>{delta.explosionSheet, yeux.explosionSheet, saucer.explosionSheet}).size(), 3u);

    const RecordingLoader::Load& deltaSprite = loader.loads[delta.sprite];
    EXPECT_TRUE(deltaSprite.key.present && deltaSprite.key.r == 59 && deltaSprite.key.g == 171 && deltaSprite.key.b == 205);
    EXPECT_EQ(loader.loads[delta.shotA].how, 'B');
    EXPECT_EQ(loader.loads[piaf.sprite].path, "./Images/Ennemis/Piaf//PiafS.png");
    EXPECT_EQ(loader.loads[yeux.shotD].path, "./Images/Tirs/Tir1a_Bleu_Ennemi.bmp");

    bank.Free();
    loader.ExpectEachFreedOnce();
    EXPECT_EQ(bank.SetCount(), 0);
}

TEST(LevelAssets, LevelTwoCubesAreOpaqueAndTheSmallEnemiesShareTheCubeSet) {
    RecordingLoader loader;
    LevelAssets bank(loader);
    bank.Load(2);
    const AssetSet& cube = bank.Get(K::kCube);
    const AssetSet& devil = bank.Get(K::kCubeDevil);
    EXPECT_FALSE(loader.loads[cube.sprite].key.present);
    EXPECT_FALSE(loader.loads[devil.sprite].key.present);
    EXPECT_EQ(bank.Get(K::kCubeInviderOne).explosionSheet, devil.explosionSheet);
    for (Kind kind : {&K::kTriangle, &K::kRoue}) {
        const AssetSet& set = bank.Get(*kind);
        EXPECT_TRUE(set.shotA == cube.shotA && set.shotB == cube.shotB);
        EXPECT_TRUE(set.explosionSound == cube.explosionSound && set.fireSound == cube.fireSound);
        EXPECT_NE(set.explosionSheet, cube.explosionSheet);  // a copy of the same file
    }
    EXPECT_EQ(loader.loads[devil.shotB].how, 'B');  // every BMP through SDL's BMP reader

    // Loading another level frees this one first; Level 6 has no bank.
    bank.Load(6);
    EXPECT_EQ(bank.SetCount(), 0);
    loader.ExpectEachFreedOnce();
    EXPECT_EQ(bank.Get(K::kSoucoupe).sprite, nullptr);
}

}  // namespace
