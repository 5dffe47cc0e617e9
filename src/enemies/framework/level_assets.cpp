#include "enemies/framework/level_assets.h"

#include <cstdio>
#include <iterator>

namespace {

enum class Member { Sprite, Explosion, ShotA, ShotB, ShotC, ShotD, ExplosionSound, FireSound };
enum class Source { Img, Bmp, Wav, Same };

constexpr int kNoKey = -1;

// One member of one set: a file to load, or the same pointer as that member of an earlier set.
struct Row {
    AssetKind kind;
    Member member;
    Source source;
    const char* path;
    int key;  // 0xRRGGBB, or kNoKey
    AssetKind from;
};

constexpr Row Img(AssetKind kind, Member member, const char* path, int key) {
    return {kind, member, Source::Img, path, key, kind};
}
constexpr Row Bmp(AssetKind kind, Member member, const char* path, int key) {
    return {kind, member, Source::Bmp, path, key, kind};
}
constexpr Row Wav(AssetKind kind, Member member, const char* path) {
    return {kind, member, Source::Wav, path, kNoKey, kind};
}
constexpr Row Same(AssetKind kind, Member member, AssetKind from) {
    return {kind, member, Source::Same, nullptr, kNoKey, from};
}

using K = AssetKind;
using M = Member;

// Every row that names a file loads it, even when an earlier row named the same file: those
// copies are separate surfaces and chunks, each freed on its own.
const Row kLevel1[] = {
    Img(K::Boule, M::Sprite, "./Images/Ennemis/Boule/BouleS2.png", 0x000000),
    Img(K::Boule, M::Explosion, "./Images/Explosions/Explosion_Rouge_32.png", 0x000000),
    Img(K::Boule, M::ShotA, "./Images/Tirs/Tir0_RougeS_Ennemi.png", 0xFF00FF),
    Img(K::Boule, M::ShotB, "./Images/Tirs/Tir0a_RougeS_Ennemi.png", 0xFF00FF),
    Wav(K::Boule, M::ExplosionSound, "Sound/Explosion_Boss.wav"),
    Wav(K::Boule, M::FireSound, "Sound/Shot1.wav"),

    Img(K::Piaf, M::Sprite, "./Images/Ennemis/Piaf//PiafS.png", 0x000000),
    Img(K::Piaf, M::Explosion, "./Images/Explosions/Ennemi_Explosion1.png", 0x000000),
    Same(K::Piaf, M::ShotA, K::Boule),
    Same(K::Piaf, M::ShotB, K::Boule),
    Same(K::Piaf, M::ExplosionSound, K::Boule),
    Same(K::Piaf, M::FireSound, K::Boule),

    Img(K::Delta, M::Sprite, "./Images/Ennemis/Delta/DeltaS3.png", 0x3BABCD),
    Img(K::Delta, M::Explosion, "./Images/Explosions/Explosion_160_Rouge.png", 0x1D0E16),
    Bmp(K::Delta, M::ShotA, "./Images/Tirs/Tir1_Glace_Orange_Ennemi.bmp", 0x1D0E0E),
    Bmp(K::Delta, M::ShotB, "./Images/Tirs/Tir1a_Glace_Orange_Ennemi.bmp", 0x1D0E0E),
    Wav(K::Delta, M::ExplosionSound, "Sound/explosion1_UP.wav"),
    Wav(K::Delta, M::FireSound, "Sound/Shot1.wav"),

    Img(K::Yeux, M::Sprite, "./Images/Ennemis/Yeux/Yeux.png", 0x000000),
    Img(K::Yeux, M::Explosion, "./Images/Explosions/Explosion_160_Rouge.png", 0x1D0E16),
    Bmp(K::Yeux, M::ShotA, "./Images/Tirs/Tir1_Rouge_Ennemi.bmp", 0x000000),
    Bmp(K::Yeux, M::ShotB, "./Images/Tirs/Tir1a_Rouge_Ennemi.bmp", 0x000000),
    Bmp(K::Yeux, M::ShotC, "./Images/Tirs/Tir1_Bleu_Ennemi.bmp", 0x000000),
    Bmp(K::Yeux, M::ShotD, "./Images/Tirs/Tir1a_Bleu_Ennemi.bmp", 0x000000),
    Wav(K::Yeux, M::ExplosionSound, "Sound/explosion1_UP.wav"),
    Wav(K::Yeux, M::FireSound, "Sound/Shot1.wav"),

    Img(K::Modular, M::Sprite, "./Images/Ennemis/Modular//ModularS.png", 0x000000),
    Img(K::Modular, M::Explosion, "./Images/Explosions/Ennemi_Explosion1.png", 0x000000),
    Img(K::Modular, M::ShotA, "./Images/Tirs/Tir0_VioletS_Ennemi.png", 0xFF0000),
    Img(K::Modular, M::ShotB, "./Images/Tirs/Tir0a_VioletS_Ennemi.png", 0xFF0000),
    Same(K::Modular, M::ExplosionSound, K::Boule),
    Same(K::Modular, M::FireSound, K::Boule),

    Img(K::Soucoupe, M::Sprite, "./Images/Ennemis/Soucoupe/SoucoupeS.png", 0xFF00FF),
    Img(K::Soucoupe, M::Explosion, "./Images/Explosions/Explosion_160_Rouge.png", 0x1D0E16),
    Img(K::Soucoupe, M::ShotA, "./Images/Tirs/Bonus1.png", 0xFF00FF),
    Img(K::Soucoupe, M::ShotB, "./Images/Tirs/Bonus2.png", 0xFF00FF),
    Same(K::Soucoupe, M::ExplosionSound, K::Boule),
    Wav(K::Soucoupe, M::FireSound, "Sound/Shot1.wav"),
};

const Row kLevel2[] = {
    Img(K::Cube, M::Sprite, "./Images/Ennemis/Cube/CubeS.png", kNoKey),
    Img(K::Cube, M::Explosion, "./Images/Explosions/Explosion_Rouge_32.png", 0x000000),
    Img(K::Cube, M::ShotA, "./Images/Tirs/Tir0_RougeS_Ennemi.png", 0xFF00FF),
    Img(K::Cube, M::ShotB, "./Images/Tirs/Tir0a_RougeS_Ennemi.png", 0xFF00FF),
    Wav(K::Cube, M::ExplosionSound, "Sound/Explosion_Boss.wav"),
    Wav(K::Cube, M::FireSound, "Sound/Shot1.wav"),

    Img(K::CubeDevil, M::Sprite, "./Images/Ennemis/CubeDevil/CubeDevilS.png", kNoKey),
    // Deliberately not black like the rest of this bank: the big explosion sheet is keyed
    // (0, 1, 1) as the bosses key it, so that no dark square shows around the blast.
    Img(K::CubeDevil, M::Explosion, "./Images/Explosions/Explosion_192.png", 0x000101),
    Bmp(K::CubeDevil, M::ShotA, "./Images/Tirs/Tir_lumiere1.bmp", 0x000000),
    Img(K::CubeDevil, M::ShotB, "./Images/Tirs/Tir_lumiere2.bmp", 0x000000),
    Same(K::CubeDevil, M::ExplosionSound, K::Cube),
    Same(K::CubeDevil, M::FireSound, K::Cube),

    Img(K::CubeInviderOne, M::Sprite, "./Images/Ennemis/CubeInviderOne/CubeInviderOneS.png", 0xFFFF00),
    Same(K::CubeInviderOne, M::Explosion, K::CubeDevil),
    Bmp(K::CubeInviderOne, M::ShotA, "./Images/Tirs/Tir1_Bleu_Ennemi.bmp", 0x000000),
    Img(K::CubeInviderOne, M::ShotB, "./Images/Tirs/Tir1a_Bleu_Ennemi.bmp", 0x000000),
    Same(K::CubeInviderOne, M::ExplosionSound, K::Cube),
    Same(K::CubeInviderOne, M::FireSound, K::Cube),

    Img(K::Triangle, M::Sprite, "./Images/Ennemis/Triangle/TriangleS.png", 0x000000),
    Img(K::Triangle, M::Explosion, "./Images/Explosions/Explosion_Rouge_32.png", 0x000000),
    Same(K::Triangle, M::ShotA, K::Cube),
    Same(K::Triangle, M::ShotB, K::Cube),
    Same(K::Triangle, M::ExplosionSound, K::Cube),
    Same(K::Triangle, M::FireSound, K::Cube),

    Img(K::Roue, M::Sprite, "./Images/Ennemis/Roue/RoueS.png", 0xFF00FF),
    Img(K::Roue, M::Explosion, "./Images/Explosions/Explosion_Rouge_32.png", 0x000000),
    Same(K::Roue, M::ShotA, K::Cube),
    Same(K::Roue, M::ShotB, K::Cube),
    Same(K::Roue, M::ExplosionSound, K::Cube),
    Same(K::Roue, M::FireSound, K::Cube),

    Img(K::Soucoupe, M::Sprite, "./Images/Ennemis/Soucoupe/SoucoupeS.png", 0xFF00FF),
    Img(K::Soucoupe, M::Explosion, "./Images/Explosions/Explosion_160_Rouge.png", 0x1D0E16),
    Img(K::Soucoupe, M::ShotA, "./Images/Tirs/Bonus1.png", 0xFF00FF),
    Img(K::Soucoupe, M::ShotB, "./Images/Tirs/Bonus2.png", 0xFF00FF),
    Same(K::Soucoupe, M::ExplosionSound, K::Cube),
    Wav(K::Soucoupe, M::FireSound, "Sound/Shot1.wav"),
};

const Row kLevel3[] = {
    Img(K::Blob, M::Sprite, "./Images/Ennemis/Blob/BlobS.png", 0xFF00FF),
    Img(K::Blob, M::Explosion, "./Images/Explosions/Explosion_Rouge_32.png", 0x000000),
    Img(K::Blob, M::ShotA, "./Images/Tirs/Tir0_RougeS_Ennemi.png", 0xFF00FF),
    Img(K::Blob, M::ShotB, "./Images/Tirs/Tir0a_RougeS_Ennemi.png", 0xFF00FF),
    Wav(K::Blob, M::ExplosionSound, "Sound/Explosion_Boss.wav"),
    Wav(K::Blob, M::FireSound, "Sound/Shot1.wav"),

    Img(K::Virus, M::Sprite, "./Images/Ennemis/Virus/Virus.png", 0xFF00FF),
    Same(K::Virus, M::Explosion, K::Blob),
    Same(K::Virus, M::ShotA, K::Blob),
    Same(K::Virus, M::ShotB, K::Blob),
    Same(K::Virus, M::ExplosionSound, K::Blob),
    Same(K::Virus, M::FireSound, K::Blob),

    Img(K::Crabe, M::Sprite, "./Images/Ennemis/Crabe/CrabeS.png", 0xFF00FF),
    Img(K::Crabe, M::Explosion, "./Images/Explosions/Explosion_160.png", 0x000000),
    Bmp(K::Crabe, M::ShotA, "./Images/Tirs/Tir1_Glace_Ennemi.bmp", 0x000000),
    Bmp(K::Crabe, M::ShotB, "./Images/Tirs/Tir1a_Glace_Ennemi.bmp", 0x000000),
    Same(K::Crabe, M::ExplosionSound, K::Blob),
    Wav(K::Crabe, M::FireSound, "Sound/Shot3.wav"),

    Img(K::Soucoupe, M::Sprite, "./Images/Ennemis/Soucoupe/SoucoupeS.png", 0xFF00FF),
    Img(K::Soucoupe, M::Explosion, "./Images/Explosions/Explosion_160_Rouge.png", 0x1D0E16),
    Img(K::Soucoupe, M::ShotA, "./Images/Tirs/Bonus1.png", 0xFF00FF),
    Img(K::Soucoupe, M::ShotB, "./Images/Tirs/Bonus2.png", 0xFF00FF),
    Same(K::Soucoupe, M::ExplosionSound, K::Blob),
    Wav(K::Soucoupe, M::FireSound, "Sound/Shot1.wav"),
};

const Row kLevel4[] = {
    Img(K::Fleche, M::Sprite, "./Images/Ennemis/Fleche/FlecheS.png", 0x00FF00),
    Img(K::Fleche, M::Explosion, "./Images/Explosions/Explosion_BleuC_32.png", 0x000000),
    Img(K::Fleche, M::ShotA, "./Images/Tirs/Tir0_Rouge_Ennemi.png", 0xFF00FF),
    Img(K::Fleche, M::ShotB, "./Images/Tirs/Tir0a_Rouge_Ennemi.png", 0xFF00FF),
    Wav(K::Fleche, M::ExplosionSound, "Sound/Explosion_Boss.wav"),
    Wav(K::Fleche, M::FireSound, "Sound/Shot1.wav"),

    Img(K::Amybe, M::Sprite, "./Images/Ennemis/Amybe/AmybeS.png", 0xFF00FF),
    Img(K::Amybe, M::Explosion, "./Images/Explosions/Explosion_Bleu_32.png", 0x000000),
    Img(K::Amybe, M::ShotA, "./Images/Tirs/Tir0_BleuS_Ennemi.png", 0xFF00FF),
    Img(K::Amybe, M::ShotB, "./Images/Tirs/Tir0a_BleuS_Ennemi.png", 0xFF00FF),
    Same(K::Amybe, M::ExplosionSound, K::Fleche),
    Same(K::Amybe, M::FireSound, K::Fleche),

    Img(K::Soucoupe, M::Sprite, "./Images/Ennemis/Soucoupe/SoucoupeS.png", 0xFF00FF),
    Img(K::Soucoupe, M::Explosion, "./Images/Explosions/Explosion_160_Rouge.png", 0x1D0E16),
    Img(K::Soucoupe, M::ShotA, "./Images/Tirs/Bonus1.png", 0xFF00FF),
    Img(K::Soucoupe, M::ShotB, "./Images/Tirs/Bonus2.png", 0xFF00FF),
    Same(K::Soucoupe, M::ExplosionSound, K::Fleche),
    Wav(K::Soucoupe, M::FireSound, "Sound/Shot1.wav"),
};

const Row kLevel5[] = {
    Img(K::Papillon, M::Sprite, "./Images/Ennemis/Papillon/PapillonS.png", 0x000000),
    Img(K::Papillon, M::Explosion, "./Images/Explosions/Explosion_Jaune_32.png", 0x000000),
    Img(K::Papillon, M::ShotA, "./Images/Tirs/Tir0_Rouge_Ennemi.png", 0xFF00FF),
    Img(K::Papillon, M::ShotB, "./Images/Tirs/Tir0a_Rouge_Ennemi.png", 0xFF00FF),
    Wav(K::Papillon, M::ExplosionSound, "Sound/Explosion_Boss.wav"),
    Wav(K::Papillon, M::FireSound, "Sound/Shot1.wav"),

    Img(K::Fee, M::Sprite, "./Images/Ennemis/Fee/FeeS.png", 0x2266DD),
    Img(K::Fee, M::Explosion, "./Images/Explosions/Explosion48_48J.png", 0xFFFFFF),
    Bmp(K::Fee, M::ShotA, "./Images/Tirs/Tir1_Jaune_Ennemi.bmp", 0xFF00FF),
    Bmp(K::Fee, M::ShotB, "./Images/Tirs/Tir1a_Jaune_Ennemi.bmp", 0xFF00FF),
    Same(K::Fee, M::ExplosionSound, K::Papillon),
    Same(K::Fee, M::FireSound, K::Papillon),

    Img(K::OeilRB, M::Sprite, "./Images/Ennemis/OeilRB/OeilRB.png", 0x000000),
    Img(K::OeilRB, M::Explosion, "./Images/Explosions/Explosion_160_Rouge.png", 0x1D0E16),
    Bmp(K::OeilRB, M::ShotA, "./Images/Tirs/Tir1_Rouge_Ennemi.bmp", 0x000000),
    Bmp(K::OeilRB, M::ShotB, "./Images/Tirs/Tir1a_Rouge_Ennemi.bmp", 0x000000),
    Bmp(K::OeilRB, M::ShotC, "./Images/Tirs/Tir1_Bleu_Ennemi.bmp", 0x000000),
    Bmp(K::OeilRB, M::ShotD, "./Images/Tirs/Tir1a_Bleu_Ennemi.bmp", 0x000000),
    Same(K::OeilRB, M::ExplosionSound, K::Papillon),
    Same(K::OeilRB, M::FireSound, K::Papillon),

    Img(K::Vax, M::Sprite, "./Images/Ennemis/Vax/Vax.png", 0xFF00FF),
    Img(K::Vax, M::Explosion, "./Images/Explosions/Explosion_Rouge_32.png", 0x000000),
    Img(K::Vax, M::ShotA, "./Images/Tirs/Tir_Vertical1_Jaune.png", 0xFF00FF),
    Img(K::Vax, M::ShotB, "./Images/Tirs/Tir_Vertical2_Jaune.png", 0xFF00FF),
    Same(K::Vax, M::ExplosionSound, K::Papillon),
    Same(K::Vax, M::FireSound, K::Papillon),

    Img(K::Soucoupe, M::Sprite, "./Images/Ennemis/Soucoupe/SoucoupeS.png", 0xFF00FF),
    Img(K::Soucoupe, M::Explosion, "./Images/Explosions/Explosion_160_Rouge.png", 0x1D0E16),
    Img(K::Soucoupe, M::ShotA, "./Images/Tirs/Bonus1.png", 0xFF00FF),
    Img(K::Soucoupe, M::ShotB, "./Images/Tirs/Bonus2.png", 0xFF00FF),
    Same(K::Soucoupe, M::ExplosionSound, K::Papillon),
    Same(K::Soucoupe, M::FireSound, K::Papillon),
};

struct Bank {
    const Row* rows;
    int count;
};

Bank BankOf(int levelNumber) {
    switch (levelNumber) {
        case 1: return {kLevel1, static_cast<int>(std::size(kLevel1))};
        case 2: return {kLevel2, static_cast<int>(std::size(kLevel2))};
        case 3: return {kLevel3, static_cast<int>(std::size(kLevel3))};
        case 4: return {kLevel4, static_cast<int>(std::size(kLevel4))};
        case 5: return {kLevel5, static_cast<int>(std::size(kLevel5))};
        default: return {nullptr, 0};
    }
}

SDL_Surface** PictureSlot(AssetSet& set, Member member) {
    switch (member) {
        case Member::Sprite: return &set.sprite;
        case Member::Explosion: return &set.explosionSheet;
        case Member::ShotA: return &set.shotA;
        case Member::ShotB: return &set.shotB;
        case Member::ShotC: return &set.shotC;
        case Member::ShotD: return &set.shotD;
        default: return nullptr;
    }
}

Mix_Chunk** SoundSlot(AssetSet& set, Member member) {
    switch (member) {
        case Member::ExplosionSound: return &set.explosionSound;
        case Member::FireSound: return &set.fireSound;
        default: return nullptr;
    }
}

platform::ColorKey KeyOf(int key) {
    if (key == kNoKey) return platform::ColorKey::None();
    return platform::ColorKey::Rgb(static_cast<Uint8>(key >> 16), static_cast<Uint8>(key >> 8),
                                   static_cast<Uint8>(key));
}

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

LevelAssets::Entry& LevelAssets::EntryFor(AssetKind kind) {
    for (Entry& entry : sets)
        if (entry.kind == kind) return entry;
    sets.push_back(Entry{kind, AssetSet()});
    return sets.back();
}

void LevelAssets::Load(int number) {
    Free();
    Bank bank = BankOf(number);
    if (!bank.rows) {
        std::fprintf(stderr, "No enemy asset bank for level %d\n", number);
        return;
    }
    levelNumber = number;
    for (int i = 0; i < bank.count; ++i) {
        const Row& row = bank.rows[i];
        AssetSet& set = EntryFor(row.kind).set;
        SDL_Surface** picture = PictureSlot(set, row.member);
        Mix_Chunk** sound = SoundSlot(set, row.member);
        switch (row.source) {
            case Source::Img:
                *picture = loader->LoadPicture(row.path, KeyOf(row.key));
                ownedPictures.push_back(*picture);
                break;
            case Source::Bmp:
                *picture = loader->LoadBmpPicture(row.path, KeyOf(row.key));
                ownedPictures.push_back(*picture);
                break;
            case Source::Wav:
                *sound = loader->LoadSound(row.path);
                ownedSounds.push_back(*sound);
                break;
            case Source::Same: {
                // The source set comes earlier in the table, so it is already in the bank.
                AssetSet& from = EntryFor(row.from).set;
                if (picture)
                    *picture = *PictureSlot(from, row.member);
                else
                    *sound = *SoundSlot(from, row.member);
                break;
            }
        }
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

bool LevelAssets::Has(AssetKind kind) const {
    for (const Entry& entry : sets)
        if (entry.kind == kind) return true;
    return false;
}

const AssetSet& LevelAssets::Get(AssetKind kind) const {
    for (const Entry& entry : sets)
        if (entry.kind == kind) return entry.set;
    static const AssetSet empty;
    static bool reported = false;
    if (!reported) {
        std::fprintf(stderr, "Level %d's asset bank has no set for enemy kind %d\n", levelNumber,
                     static_cast<int>(kind));
        reported = true;
    }
    return empty;
}
