#include "enemies/framework/level_assets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

// Hands out a fresh 1x1 surface or chunk per load and notes every load and free.
class RecordingLoader : public AssetLoader {
public:
    struct Load {
        std::string path;
        char how;  // 'I' IMG_Load, 'B' SDL_LoadBMP_RW, 'W' sound
        platform::ColorKey key;
        void* item;
    };

    // Items are released only here, so no address is reused while loads and frees are counted.
    ~RecordingLoader() override {
        for (Mix_Chunk* chunk : chunks) delete chunk;
        for (SDL_Surface* surface : surfaces) SDL_FreeSurface(surface);
    }

    SDL_Surface* LoadPicture(const char* path, platform::ColorKey key) override { return Picture(path, 'I', key); }
    SDL_Surface* LoadBmpPicture(const char* path, platform::ColorKey key) override { return Picture(path, 'B', key); }
    Mix_Chunk* LoadSound(const char* path) override {
        Mix_Chunk* chunk = new Mix_Chunk();
        chunks.push_back(chunk);
        loads.push_back({path, 'W', platform::ColorKey::None(), chunk});
        return chunk;
    }
    void FreePicture(SDL_Surface* picture) override { ++frees[picture]; }
    void FreeSound(Mix_Chunk* sound) override { ++frees[sound]; }

    int CountLoads(const std::string& path) const {
        return static_cast<int>(std::count_if(loads.begin(), loads.end(), [&](const Load& l) { return l.path == path; }));
    }
    const Load* Find(void* item) const {
        for (const Load& load : loads)
            if (load.item == item) return &load;
        return nullptr;
    }
    int Pictures() const {
        return static_cast<int>(std::count_if(loads.begin(), loads.end(), [](const Load& l) { return l.how != 'W'; }));
    }
    int Sounds() const { return static_cast<int>(loads.size()) - Pictures(); }

    std::vector<Load> loads;
    std::map<void*, int> frees;

private:
    SDL_Surface* Picture(const char* path, char how, platform::ColorKey key) {
        SDL_Surface* surface = SDL_CreateRGBSurface(SDL_SWSURFACE, 1, 1, 32, 0xFF0000, 0xFF00, 0xFF, 0);
        surfaces.push_back(surface);
        loads.push_back({path, how, key, surface});
        return surface;
    }
    std::vector<Mix_Chunk*> chunks;
    std::vector<SDL_Surface*> surfaces;
};

// Every item loaded was freed exactly once, and nothing else was freed.
void ExpectEachFreedOnce(const RecordingLoader& loader) {
    for (const RecordingLoader::Load& load : loader.loads)
        EXPECT_EQ(loader.frees.count(load.item) ? loader.frees.at(load.item) : 0, 1) << load.path;
    EXPECT_EQ(loader.frees.size(), loader.loads.size());
}

std::vector<AssetKind> KindsOf(const LevelAssets& bank) {
    std::vector<AssetKind> kinds;
    for (int i = 0; i < bank.SetCount(); ++i) kinds.push_back(bank.KindAt(i));
    return kinds;
}

TEST(LevelAssets, EachLevelHasItsSetsInOrderWithTheSaucerLast) {
    using K = AssetKind;
    const std::vector<AssetKind> expected[] = {
        {K::Boule, K::Piaf, K::Delta, K::Yeux, K::Modular, K::Soucoupe},
        {K::Cube, K::CubeDevil, K::CubeInviderOne, K::Triangle, K::Roue, K::Soucoupe},
        {K::Blob, K::Virus, K::Crabe, K::Soucoupe},
        {K::Fleche, K::Amybe, K::Soucoupe},
        {K::Papillon, K::Fee, K::OeilRB, K::Vax, K::Soucoupe},
    };
    // Files loaded per level, counted by hand from the bank tables: pictures and sounds.
    const int pictures[] = {24, 19, 13, 12, 22};
    const int sounds[] = {7, 3, 4, 3, 2};
    for (int level = 1; level <= 5; ++level) {
        RecordingLoader loader;
        {
            LevelAssets bank(loader);
            bank.Load(level);
            EXPECT_EQ(bank.LevelNumber(), level);
            EXPECT_EQ(KindsOf(bank), expected[level - 1]) << "level " << level;
            EXPECT_EQ(loader.Pictures(), pictures[level - 1]) << "level " << level;
            EXPECT_EQ(loader.Sounds(), sounds[level - 1]) << "level " << level;
            // Every member of every set is filled; only Yeux and OeilRB have a second shot pair.
            for (int i = 0; i < bank.SetCount(); ++i) {
                const AssetSet& set = bank.SetAt(i);
                EXPECT_TRUE(set.sprite && set.explosionSheet && set.shotA && set.shotB);
                EXPECT_TRUE(set.explosionSound && set.fireSound);
                bool fourShots = bank.KindAt(i) == K::Yeux || bank.KindAt(i) == K::OeilRB;
                EXPECT_EQ(set.shotC != nullptr, fourShots);
                EXPECT_EQ(set.shotD != nullptr, fourShots);
            }
        }
        ExpectEachFreedOnce(loader);
    }
}

TEST(LevelAssets, LevelOneLoadsSeparateCopiesAndSharesTheRest) {
    RecordingLoader loader;
    {
        LevelAssets bank(loader);
        bank.Load(1);
        EXPECT_EQ(loader.CountLoads("./Images/Explosions/Explosion_160_Rouge.png"), 3);
        EXPECT_EQ(loader.CountLoads("./Images/Explosions/Ennemi_Explosion1.png"), 2);
        EXPECT_EQ(loader.CountLoads("Sound/Shot1.wav"), 4);
        EXPECT_EQ(loader.CountLoads("Sound/explosion1_UP.wav"), 2);
        EXPECT_EQ(loader.CountLoads("Sound/Explosion_Boss.wav"), 1);
        EXPECT_EQ(loader.CountLoads("./Images/Tirs/Tir0_RougeS_Ennemi.png"), 1);

        const AssetSet& boule = bank.Get(AssetKind::Boule);
        const AssetSet& piaf = bank.Get(AssetKind::Piaf);
        const AssetSet& delta = bank.Get(AssetKind::Delta);
        const AssetSet& yeux = bank.Get(AssetKind::Yeux);
        const AssetSet& modular = bank.Get(AssetKind::Modular);
        const AssetSet& saucer = bank.Get(AssetKind::Soucoupe);
        EXPECT_EQ(piaf.shotA, boule.shotA);
        EXPECT_EQ(piaf.shotB, boule.shotB);
        EXPECT_EQ(piaf.fireSound, boule.fireSound);
        EXPECT_EQ(modular.explosionSound, boule.explosionSound);
        EXPECT_EQ(saucer.explosionSound, boule.explosionSound);
        // The copies are separate items.
        std::set<void*> explosions = {delta.explosionSheet, yeux.explosionSheet, saucer.explosionSheet};
        EXPECT_EQ(explosions.size(), 3u);
        std::set<void*> shots = {boule.fireSound, delta.fireSound, yeux.fireSound, saucer.fireSound};
        EXPECT_EQ(shots.size(), 4u);
        EXPECT_NE(modular.explosionSheet, piaf.explosionSheet);

        // Loaders and keys of a few members.
        const RecordingLoader::Load* deltaSprite = loader.Find(delta.sprite);
        ASSERT_NE(deltaSprite, nullptr);
        EXPECT_EQ(deltaSprite->path, "./Images/Ennemis/Delta/DeltaS3.png");
        EXPECT_TRUE(deltaSprite->key.present);
        EXPECT_EQ(deltaSprite->key.r, 59);
        EXPECT_EQ(deltaSprite->key.g, 171);
        EXPECT_EQ(deltaSprite->key.b, 205);
        const RecordingLoader::Load* deltaShot = loader.Find(delta.shotA);
        ASSERT_NE(deltaShot, nullptr);
        EXPECT_EQ(deltaShot->how, 'B');
        EXPECT_EQ(deltaShot->key.r, 29);
        EXPECT_EQ(deltaShot->key.b, 14);
        EXPECT_EQ(loader.Find(piaf.sprite)->path, "./Images/Ennemis/Piaf//PiafS.png");
        EXPECT_EQ(loader.Find(yeux.shotD)->path, "./Images/Tirs/Tir1a_Bleu_Ennemi.bmp");
        EXPECT_EQ(loader.Find(saucer.shotB)->path, "./Images/Tirs/Bonus2.png");
        EXPECT_EQ(loader.Find(modular.shotA)->key.r, 255);
        EXPECT_EQ(loader.Find(modular.shotA)->key.b, 0);

        // Within a set: sprite, explosion, shots, then the sounds.
        std::vector<std::string> firstSet;
        for (int i = 0; i < 6; ++i) firstSet.push_back(loader.loads[i].path);
        EXPECT_EQ(firstSet, (std::vector<std::string>{"./Images/Ennemis/Boule/BouleS2.png",
                                                      "./Images/Explosions/Explosion_Rouge_32.png",
                                                      "./Images/Tirs/Tir0_RougeS_Ennemi.png",
                                                      "./Images/Tirs/Tir0a_RougeS_Ennemi.png",
                                                      "Sound/Explosion_Boss.wav", "Sound/Shot1.wav"}));

        bank.Free();
        ExpectEachFreedOnce(loader);
        EXPECT_EQ(bank.SetCount(), 0);
    }
    // Deleting a freed bank frees nothing more.
    ExpectEachFreedOnce(loader);
}

TEST(LevelAssets, LevelTwoCubesAreOpaqueAndShareTheCubeSet) {
    RecordingLoader loader;
    LevelAssets bank(loader);
    bank.Load(2);
    const AssetSet& cube = bank.Get(AssetKind::Cube);
    const AssetSet& devil = bank.Get(AssetKind::CubeDevil);
    const AssetSet& invader = bank.Get(AssetKind::CubeInviderOne);
    EXPECT_FALSE(loader.Find(cube.sprite)->key.present);
    EXPECT_FALSE(loader.Find(devil.sprite)->key.present);
    EXPECT_TRUE(loader.Find(invader.sprite)->key.present);
    EXPECT_EQ(invader.explosionSheet, devil.explosionSheet);
    for (AssetKind kind : {AssetKind::Triangle, AssetKind::Roue}) {
        const AssetSet& set = bank.Get(kind);
        EXPECT_EQ(set.shotA, cube.shotA);
        EXPECT_EQ(set.shotB, cube.shotB);
        EXPECT_EQ(set.explosionSound, cube.explosionSound);
        EXPECT_EQ(set.fireSound, cube.fireSound);
        EXPECT_NE(set.explosionSheet, cube.explosionSheet);  // copies of the same file
    }
    // The second light shot is a BMP read through IMG_Load.
    EXPECT_EQ(loader.Find(devil.shotA)->how, 'B');
    EXPECT_EQ(loader.Find(devil.shotB)->how, 'I');
    EXPECT_EQ(loader.Find(devil.shotB)->path, "./Images/Tirs/Tir_lumiere2.bmp");
    EXPECT_FALSE(bank.Has(AssetKind::Boule));
}

TEST(LevelAssets, ReloadingFreesTheOldBankAndUnknownLevelsStayEmpty) {
    RecordingLoader loader;
    LevelAssets bank(loader);
    bank.Load(3);
    size_t levelThree = loader.loads.size();
    bank.Load(4);
    for (size_t i = 0; i < levelThree; ++i) EXPECT_EQ(loader.frees[loader.loads[i].item], 1);
    EXPECT_EQ(bank.LevelNumber(), 4);
    EXPECT_TRUE(bank.Has(AssetKind::Amybe));
    EXPECT_FALSE(bank.Has(AssetKind::Blob));

    bank.Load(6);  // Level 6 has no bank
    EXPECT_EQ(bank.SetCount(), 0);
    EXPECT_EQ(bank.LevelNumber(), 0);
    ExpectEachFreedOnce(loader);
    // Asking for a set the bank lacks gives null members, not a crash.
    EXPECT_EQ(bank.Get(AssetKind::Soucoupe).sprite, nullptr);
}

TEST(LevelAssets, GameLoadersGiveUsablePicturesWithOrWithoutTheFiles) {
    // Through the platform loaders: the forge's files, or the loaders' stand-ins.
    for (int level = 1; level <= 5; ++level) {
        LevelAssets bank;
        bank.Load(level);
        for (int i = 0; i < bank.SetCount(); ++i) {
            const AssetSet& set = bank.SetAt(i);
            EXPECT_NE(set.sprite, nullptr);
            EXPECT_NE(set.explosionSheet, nullptr);
            EXPECT_NE(set.shotB, nullptr);
        }
        // Distinct surfaces for separately loaded copies, so freeing each once is safe.
        if (level == 1) {
            EXPECT_NE(bank.Get(AssetKind::Delta).explosionSheet, bank.Get(AssetKind::Yeux).explosionSheet);
            EXPECT_EQ(bank.Get(AssetKind::Piaf).shotA, bank.Get(AssetKind::Boule).shotA);
        }
    }
}

}  // namespace
