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
    void ExpectEachFreedOnce() const {
        for (const auto& item : loads)
            EXPECT_EQ(frees.count(item.first) ? frees.at(item.first) : 0, 1) << item.second.path;
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

// Whatever a bank holds: its sets in the catalogue's order, each member the file its kind
// names, nothing loaded that no set holds, and each item freed once.
TEST(LevelAssets, EachLevelLoadsItsSetsInOrderAndFreesEachItemOnce) {
    for (int level = 1; level <= 5; ++level) {
        RecordingLoader loader;
        {
            LevelAssets bank(loader);
            bank.Load(level);
            const auto rows = catalogue::BankOf(level);
            ASSERT_EQ(bank.SetCount(), static_cast<int>(rows.size())) << "level " << level;
            std::set<void*> held;
            for (int i = 0; i < bank.SetCount(); ++i) {
                const catalogue::EnemyKind& kind = bank.KindAt(i);
                EXPECT_EQ(&kind, rows[i].kind) << "level " << level;
                const AssetSet& set = bank.SetAt(i);
                const std::pair<void*, const catalogue::Picture*> pictures[] = {
                    {set.sprite, kind.sheet}, {set.explosionSheet, kind.explosion},
                    {set.shotA, kind.shotA},  {set.shotB, kind.shotB},
                    {set.shotC, kind.shotC},  {set.shotD, kind.shotD}};
                for (const auto& [item, file] : pictures) {
                    EXPECT_EQ(item == nullptr, file == nullptr) << kind.name << " in level " << level;
                    if (!item) continue;
                    ASSERT_TRUE(loader.loads.count(item)) << kind.name << ": a picture the bank did not load";
                    EXPECT_EQ(loader.loads[item].path, file->path) << kind.name;
                    EXPECT_EQ(loader.loads[item].how, file->IsBmp() ? 'B' : 'I') << file->path;
                    EXPECT_EQ(loader.loads[item].key.present, file->Keyed()) << file->path;
                    held.insert(item);
                }
                const std::pair<void*, const catalogue::Sound*> sounds[] = {{set.explosionSound, kind.explosionSound},
                                                                            {set.fireSound, kind.fireSound}};
                for (const auto& [item, file] : sounds) {
                    ASSERT_TRUE(item && loader.loads.count(item)) << kind.name << " in level " << level;
                    EXPECT_EQ(loader.loads[item].path, file->path) << kind.name;
                    held.insert(item);
                }
            }
            EXPECT_EQ(held.size(), loader.loads.size()) << "level " << level << " loads what no set holds";
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
    EXPECT_EQ(
        std::vector<std::string>(loader.order.begin(), loader.order.begin() + 6),
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
    EXPECT_TRUE(deltaSprite.key.present && deltaSprite.key.r == 59 && deltaSprite.key.g == 171 &&
                deltaSprite.key.b == 205);
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
