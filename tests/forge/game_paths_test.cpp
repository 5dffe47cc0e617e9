// Every file the game names is in the manifest and on disk, with the shape its code reads:
// the game's own string literals are scanned (whatever code exists today), and the paths of
// the game's loading tables are listed here with sizes worked out from their boxes and cells.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "manifest.h"

namespace {

namespace fs = std::filesystem;

bool Exists(const std::string& gamePath) { return fs::is_regular_file(forge::NormalisePath(gamePath)); }

TEST(GamePaths, PathsAreNormalisedTheWayTheFileSystemReadsThem) {
    EXPECT_EQ(forge::NormalisePath("./Images/Ennemis/Piaf//PiafS.png"), "Images/Ennemis/Piaf/PiafS.png");
    EXPECT_EQ(forge::NormalisePath("Sound/Shot1.wav"), "Sound/Shot1.wav");
    EXPECT_EQ(forge::NormalisePath("././Images/./Tirs/Bonus1.png"), "Images/Tirs/Bonus1.png");
    // Case matters on Linux: the two spellings are two files.
    ASSERT_NE(forge::FindAsset("Sound/Explosion1_UP.wav"), nullptr);
    ASSERT_NE(forge::FindAsset("Sound/explosion1_UP.wav"), nullptr);
    EXPECT_NE(forge::FindAsset("Sound/Explosion1_UP.wav"), forge::FindAsset("Sound/explosion1_UP.wav"));
    EXPECT_EQ(forge::FindAsset("Sound/EXPLOSION1_UP.wav"), nullptr);
}

TEST(GamePaths, EveryPathLiteralInTheGameSourcesIsForged) {
    const std::regex literal("\"((\\./)?(Images|Sound)/[^\"]*\\.(png|bmp|wav|ogg))\"");
    std::set<std::string> seen;
    const fs::path src = fs::path(SKYRIFT_SOURCE_DIR) / "src";
    ASSERT_TRUE(fs::is_directory(src));
    for (const auto& entry : fs::recursive_directory_iterator(src)) {
        const std::string ext = entry.path().extension().string();
        if (!entry.is_regular_file() || (ext != ".cpp" && ext != ".h")) continue;
        std::ifstream in(entry.path());
        std::stringstream text;
        text << in.rdbuf();
        const std::string s = text.str();
        for (std::sregex_iterator it(s.begin(), s.end(), literal), end; it != end; ++it) seen.insert((*it)[1]);
    }
    for (const std::string& path : seen) {
        EXPECT_NE(forge::FindAsset(path), nullptr) << path << " is named by the game but not in the manifest";
        EXPECT_TRUE(Exists(path)) << path << " is named by the game but was not forged";
    }
}

constexpr int kNoKey = -1;
constexpr int kUnlisted = -2;

// The design's colour key of every picture the game loads by a literal path, colour by colour
// (paths below "./Images/"). Explosion_192.png keeps the bosses' (0, 1, 1) in the Level 2 bank
// too, where the design keys it black: the one deliberate exception, so that no dark square
// shows around the blast.
const struct {
    int key;
    std::vector<std::string> paths;
} kDesignKeys[] = {
    {kNoKey, {"Ennemis/Cube/CubeS.png", "Ennemis/CubeDevil/CubeDevilS.png", "Panorama/Cadre_Score.png",
              "Panorama/Calque.png", "Panorama/Keyboard.png", "Panorama/LevelS1.png", "Panorama/PlancheScore.png",
              "Panorama/PlancheScore_Big.png", "Panorama/PlancheScore_Jaune.png", "Panorama/Programmer1.png",
              "Panorama/Programmer2.png", "Panorama/Programmer3.png", "Panorama/Programmer4.png",
              "Panorama/Programmer5.png", "Panorama/Vague1.png", "Panorama/Vague2.png", "Panorama/Vague3.png",
              "Panorama/Vague4.png", "Panorama/Vague5.png", "Tirs/Bonus0.png"}},
    {0x000000, {"Ennemis/Boule/BouleS2.png", "Ennemis/Modular//ModularS.png", "Ennemis/OeilRB/OeilRB.png",
                "Ennemis/Papillon/PapillonS.png", "Ennemis/Piaf//PiafS.png", "Ennemis/Triangle/TriangleS.png",
                "Ennemis/Yeux/Yeux.png", "Explosions/Ennemi_Explosion1.png", "Explosions/Explosion_160.png",
                "Explosions/Explosion_BleuC_32.png", "Explosions/Explosion_Bleu_32.png",
                "Explosions/Explosion_Jaune_32.png", "Explosions/Explosion_Rouge_32.png", "Heros/Heros_Explosion.png",
                "Panorama/NEW/LoadingS.png", "Panorama/New/Winner.png", "Tirs/Tir1_Bleu_Ennemi.bmp",
                "Tirs/Tir1_Glace_Ennemi.bmp", "Tirs/Tir1_Rouge_Ennemi.bmp", "Tirs/Tir1a_Bleu_Ennemi.bmp",
                "Tirs/Tir1a_Glace_Ennemi.bmp", "Tirs/Tir1a_Rouge_Ennemi.bmp", "Tirs/Tir_lumiere1.bmp",
                "Tirs/Tir_lumiere2.bmp"}},
    {0x0000FF, {"Panorama/GameOverTexte.png"}},
    {0x000101, {"Explosions/Explosion_192.png"}},
    {0x008000, {"Panorama/Resources_R.png", "Panorama/Resources_RA.png", "Panorama/Resources_RB.png",
                "Panorama/Resources_RC.png"}},
    {0x00FF00, {"Ennemis/Fleche/FlecheS.png", "Ennemis/Xorg/XorgS.png", "Ennemis/Xorg/XorgS1.png"}},
    {0x1D0E0E, {"Tirs/Tir1_Glace_Orange_Ennemi.bmp", "Tirs/Tir1a_Glace_Orange_Ennemi.bmp"}},
    {0x1D0E16, {"Explosions/Explosion_160_Rouge.png", "Tirs/Tir1_Glace_Rouge_Ennemi.bmp",
                "Tirs/Tir1a_Glace_Rouge_Ennemi.bmp"}},
    {0x2266DD, {"Ennemis/Fee/FeeS.png"}},
    {0x332B24, {"Tirs/Tir1_Glace_Jaune_Ennemi.bmp", "Tirs/Tir1a_Glace_Jaune_Ennemi.bmp"}},
    {0x3BABCD, {"Ennemis/Delta/DeltaS3.png"}},
    {0xFF0000, {"Tirs/Tir0_VioletS_Ennemi.png", "Tirs/Tir0a_VioletS_Ennemi.png"}},
    {0xFF00FF, {"Ennemis/Amybe/AmybeS.png", "Ennemis/Blob/BlobS.png", "Ennemis/Crabe/CrabeS.png",
                "Ennemis/Moine/MoineS.png", "Ennemis/Monstro/MonstroS.png", "Ennemis/Roue/RoueS.png",
                "Ennemis/Soucoupe/SoucoupeS.png", "Ennemis/Vax/Vax.png", "Ennemis/Virus/Virus.png", "Heros/MyLife.png",
                "Heros/Planche_MyHeros_1.png", "Heros/Planche_MyHeros_2.png", "Panorama/AnimPanoMoine.png",
                "Panorama/Barres_Boss_Extra.png", "Panorama/KeyboardA.png", "Panorama/KeyboardB.png",
                "Panorama/KeyboardC.png", "Panorama/KeyboardD.png", "Panorama/KeyboardE.png", "Tirs/Bonus1.png",
                "Tirs/Bonus2.png", "Tirs/Tir0_BleuS_Ennemi.png", "Tirs/Tir0_RougeS_Ennemi.png",
                "Tirs/Tir0_Rouge_Ennemi.png", "Tirs/Tir0a_BleuS_Ennemi.png", "Tirs/Tir0a_RougeS_Ennemi.png",
                "Tirs/Tir0a_Rouge_Ennemi.png", "Tirs/Tir1_Jaune_Ennemi.bmp", "Tirs/Tir1a_Jaune_Ennemi.bmp",
                "Tirs/TirInvider1S.png", "Tirs/TirInvider2S.png", "Tirs/Tir_Vertical1_Jaune.png",
                "Tirs/Tir_Vertical2_Jaune.png"}},
    {0xFFFF00, {"Ennemis/CubeBoss/CubeBossS.png", "Ennemis/CubeBoss/CubeBossS_Flash.png",
                "Ennemis/CubeInviderOne/CubeInviderOneS.png", "Ennemis/Death/DeathS1.png",
                "Ennemis/Insecte/InsecteS1.png", "Ennemis/RadioZonde/RadioZondeS.png", "Panorama/Contour_Score1.png",
                "Panorama/Loading_1a.png", "Panorama/Loading_2a.png", "Panorama/Loading_3a.png",
                "Panorama/Loading_4a.png", "Panorama/Loading_5a.png"}},
    {0xFFFFFF, {"Explosions/Explosion48_48J.png"}},
};

// Where a picture is keyed differently by place: the first loading picture has no key where it
// covers the whole screen as a level starts or ends.
const struct {
    const char* file;
    const char* path;
    int key;
} kByPlace[] = {
    {"level_start.cpp", "Panorama/Loading_1a.png", kNoKey},
    {"level_transition.cpp", "Panorama/Loading_1a.png", kNoKey},
};

// Every picture the game names in a load call, a bank row or a boss's traits is keyed as the
// design keys it, and every picture of the design's list is found where the game loads it.
TEST(GamePaths, TheGameKeysEveryPictureAsTheDesignKeysIt) {
    const std::string rgb = "(\\d+),\\s*(\\d+),\\s*(\\d+)";
    const std::regex call("Picture\\(\"\\./Images/([^\"]+)\"(?:,\\s*" + rgb + ")?\\)");
    const std::regex bankRow("\"\\./Images/([^\"]+)\",\\s*(?:0x([0-9A-Fa-f]{6})|kNoKey)\\)");
    const std::regex traitsRow("\"\\./Images/([^\"]+)\",\\s*(?:\\.\\w+\\s*=\\s*)?(?:platform::)?ColorKey::Rgb\\(" +
                               rgb + "\\)");
    auto named = [](int key) {
        char text[16];
        std::snprintf(text, sizeof text, key == kNoKey ? "no key" : "0x%06X", key);
        return std::string(text);
    };
    auto packed = [](const std::smatch& m, int first) {
        return (std::stoi(m[first]) << 16) | (std::stoi(m[first + 1]) << 8) | std::stoi(m[first + 2]);
    };
    std::set<std::string> seen;
    const fs::path src = fs::path(SKYRIFT_SOURCE_DIR) / "src";
    for (const auto& entry : fs::recursive_directory_iterator(src)) {
        if (!entry.is_regular_file() || entry.path().extension() != ".cpp") continue;
        const std::string file = entry.path().filename().string();
        std::ifstream in(entry.path());
        std::stringstream text;
        text << in.rdbuf();
        const std::string s = text.str();
        auto compare = [&](const std::string& path, int key) {
            int design = kUnlisted;
            for (const auto& colour : kDesignKeys)
                for (const std::string& p : colour.paths)
                    if (p == path) design = colour.key;
            for (const auto& place : kByPlace)
                if (file == place.file && path == place.path) design = place.key;
            EXPECT_NE(design, kUnlisted) << path << " (" << file << ") is not in the design's list";
            EXPECT_EQ(named(design), named(key)) << path << " is keyed differently in " << file;
            seen.insert(file + " " + path);
            seen.insert(path);
        };
        for (std::sregex_iterator it(s.begin(), s.end(), call), end; it != end; ++it)
            compare((*it)[1], (*it)[2].matched ? packed(*it, 2) : kNoKey);
        for (std::sregex_iterator it(s.begin(), s.end(), bankRow), end; it != end; ++it)
            compare((*it)[1], (*it)[2].matched ? std::stoi((*it)[2], nullptr, 16) : kNoKey);
        for (std::sregex_iterator it(s.begin(), s.end(), traitsRow), end; it != end; ++it) compare((*it)[1], packed(*it, 2));
    }
    for (const auto& colour : kDesignKeys)
        for (const std::string& p : colour.paths) EXPECT_TRUE(seen.count(p)) << p << " is never found loaded";
    for (const auto& place : kByPlace)
        EXPECT_TRUE(seen.count(std::string(place.file) + " " + place.path)) << place.path << " in " << place.file;
}

struct Expected {
    const char* path;
    int width, height;
    int key;  // 0xRRGGBB, or -1 for none
};

// Sprite sheets: cells x box; explosions: frames x frame size; the rest as their code lays them out.
// (That each is in the manifest and on disk, the scan of the game's literals already says.)
const Expected kExpected[] = {
    {"./Images/Ennemis/Boule/BouleS2.png", 3 * 30, 30, 0x000000},
    {"./Images/Ennemis/Piaf//PiafS.png", 2 * 32, 9, 0x000000},
    {"./Images/Ennemis/Delta/DeltaS3.png", 4 * 158, 94, 0x3BABCD},
    {"./Images/Ennemis/Yeux/Yeux.png", 3 * 110, 47, 0x000000},
    {"./Images/Ennemis/Modular//ModularS.png", 3 * 34, 33, 0x000000},
    {"./Images/Ennemis/Soucoupe/SoucoupeS.png", 4 * 68, 65, 0xFF00FF},
    {"./Images/Ennemis/Cube/CubeS.png", 2 * 30, 30, -1},
    {"./Images/Ennemis/CubeDevil/CubeDevilS.png", 3 * 90, 90, -1},
    {"./Images/Ennemis/CubeInviderOne/CubeInviderOneS.png", 3 * 240, 180, 0xFFFF00},
    {"./Images/Ennemis/Triangle/TriangleS.png", 2 * 42, 32, 0x000000},
    {"./Images/Ennemis/Roue/RoueS.png", 3 * 30, 30, 0xFF00FF},
    {"./Images/Ennemis/Blob/BlobS.png", 4 * 30, 35, 0xFF00FF},
    {"./Images/Ennemis/Virus/Virus.png", 2 * 43, 45, 0xFF00FF},
    {"./Images/Ennemis/Crabe/CrabeS.png", 6 * 158, 105, 0xFF00FF},
    {"./Images/Ennemis/Fleche/FlecheS.png", 4 * 29, 29, 0x00FF00},
    {"./Images/Ennemis/Amybe/AmybeS.png", 2 * 56, 37, 0xFF00FF},
    {"./Images/Ennemis/Papillon/PapillonS.png", 2 * 14, 14, 0x000000},
    {"./Images/Ennemis/Fee/FeeS.png", 4 * 45, 74, 0x2266DD},
    {"./Images/Ennemis/OeilRB/OeilRB.png", 2 * 110, 47, 0x000000},
    {"./Images/Ennemis/Vax/Vax.png", 3 * 46, 34, 0xFF00FF},
    {"./Images/Ennemis/Moine/MoineS.png", 8 * 70, 62, 0xFF00FF},
    {"./Images/Ennemis/CubeBoss/CubeBossS.png", 6 * 300, 270, 0xFFFF00},
    {"./Images/Ennemis/CubeBoss/CubeBossS_Flash.png", 6 * 300, 270, 0xFFFF00},
    {"./Images/Ennemis/Death/DeathS1.png", 6 * 251, 205, 0xFFFF00},
    {"./Images/Ennemis/Monstro/MonstroS.png", 4 * 261, 254, 0xFF00FF},
    {"./Images/Ennemis/RadioZonde/RadioZondeS.png", 4 * 314, 344, 0xFFFF00},
    {"./Images/Ennemis/Insecte/InsecteS1.png", 6 * 190, 117, 0xFFFF00},
    {"./Images/Ennemis/Xorg/XorgS.png", 3 * 225, 239, 0x00FF00},
    {"./Images/Ennemis/Xorg/XorgS1.png", 3 * 225, 239, 0x00FF00},
    {"./Images/Explosions/Explosion_Rouge_32.png", 12 * 32, 32, 0x000000},
    {"./Images/Explosions/Explosion_BleuC_32.png", 12 * 32, 32, 0x000000},
    {"./Images/Explosions/Explosion_Bleu_32.png", 12 * 32, 32, 0x000000},
    {"./Images/Explosions/Explosion_Jaune_32.png", 12 * 32, 32, 0x000000},
    {"./Images/Explosions/Explosion_160_Rouge.png", 16 * 160, 120, 0x1D0E16},
    {"./Images/Explosions/Explosion_160.png", 16 * 160, 120, 0x000000},
    {"./Images/Explosions/Explosion_192.png", 16 * 192, 192, 0x000101},
    {"./Images/Explosions/Explosion48_48J.png", 14 * 48, 48, 0xFFFFFF},
    {"./Images/Heros/Heros_Explosion.png", 16 * 64, 64, 0x000000},
    {"./Images/Heros/Planche_MyHeros_1.png", 6 * 31, 3 * 40, 0xFF00FF},
    {"./Images/Heros/Planche_MyHeros_2.png", 6 * 31, 3 * 40, 0xFF00FF},
    {"./Images/Heros/MyLife.png", 18, 16, 0xFF00FF},
    {"./Images/Tirs/Bonus0.png", 23, 25, -1},
    {"./Images/Tirs/Bonus1.png", 29, 31, 0xFF00FF},
    {"./Images/Tirs/Bonus2.png", 29, 31, 0xFF00FF},
    {"./Images/Tirs/Tir0_RougeS_Ennemi.png", 9, 9, 0xFF00FF},
    {"./Images/Tirs/Tir0_VioletS_Ennemi.png", 9, 9, 0xFF0000},
    {"./Images/Tirs/Tir0a_BleuS_Ennemi.png", 9, 9, 0xFF00FF},
    {"./Images/Tirs/Tir1_Glace_Orange_Ennemi.bmp", 16, 16, 0x1D0E0E},
    {"./Images/Tirs/Tir1a_Glace_Rouge_Ennemi.bmp", 16, 16, 0x1D0E16},
    {"./Images/Tirs/Tir1_Glace_Jaune_Ennemi.bmp", 16, 16, 0x332B24},
    {"./Images/Tirs/Tir1_Jaune_Ennemi.bmp", 16, 16, 0xFF00FF},
    {"./Images/Tirs/Tir_lumiere2.bmp", 16, 16, 0x000000},
    {"./Images/Tirs/TirInvider1S.png", 15, 15, 0xFF00FF},
    {"./Images/Tirs/Tir_Vertical2_Jaune.png", 8, 20, 0xFF00FF},
    {"./Images/Panorama/Contour_Score1.png", 640, 480, 0xFFFF00},
    {"./Images/Panorama/Barres_Boss_Extra.png", 244, 19, 0xFF00FF},
    {"./Images/Panorama/PlancheScore.png", 10 * 22, 22, -1},
    {"./Images/Panorama/PlancheScore_Jaune.png", 10 * 22, 22, -1},
    {"./Images/Panorama/PlancheScore_Big.png", 10 * 33, 34, -1},
    {"./Images/Panorama/LevelS1.png", 6 * 138, 33, -1},
    {"./Images/Panorama/NEW/LoadingS.png", 7 * 255, 90, 0x000000},
    {"./Images/Panorama/NEW/CaptureLevelFoor.png", 364, 480, -1},
    {"./Images/Panorama/New/Winner.png", 328, 70, 0x000000},
    {"./Images/Panorama/GameOverTexte.png", 328, 70, 0x0000FF},
    {"./Images/Panorama/Resources_RB.png", 640, 480, 0x008000},
    {"./Images/Panorama/KeyboardC.png", 640, 480, 0xFF00FF},
    {"./Images/Panorama/Keyboard.png", 640, 480, -1},
    {"./Images/Panorama/Loading_3a.png", 640, 480, 0xFFFF00},
    {"./Images/Panorama/Extra33.png", 364, 480, -1},
    {"./Images/Panorama/Enterprise1.png", 640, 480, -1},
};

TEST(GamePaths, TheLoadingTablesPathsHaveTheirShapes) {
    for (const Expected& e : kExpected) {
        const forge::Asset* a = forge::FindAsset(e.path);
        ASSERT_NE(a, nullptr) << e.path;
        EXPECT_EQ(a->width, e.width) << e.path;
        EXPECT_EQ(a->height, e.height) << e.path;
        EXPECT_EQ(a->keyed, e.key >= 0) << e.path;
        if (a->keyed && e.key >= 0) {
            EXPECT_EQ(int(a->key.Packed()), e.key) << e.path;
        }
    }
}

TEST(GamePaths, MusicLastsAsLongAsItsLevelAndBossTracksLoop) {
    const char* levelTracks[] = {"Sound/Vintage.ogg", "Sound/Slipstream.ogg", "Sound/Nightmarish.ogg",
                                 "Sound/electric_mind.ogg", "Sound/sepia.ogg", "Sound/Einhander-Badlands.ogg"};
    for (const char* t : levelTracks) {
        const forge::Asset* a = forge::FindAsset(t);
        ASSERT_NE(a, nullptr) << t;
        EXPECT_FALSE(a->loops) << t;
        EXPECT_GE(a->minSeconds, 150) << t;
    }
    EXPECT_GE(forge::FindAsset("Sound/Einhander-Badlands.ogg")->minSeconds, 180);
    for (const char* t : {"Sound/aka_bme.ogg", "Sound/Super_R-Type.ogg", "Sound/MetroidS.ogg", "Sound/RadioZonde.ogg",
                          "Sound/rough_edge.ogg"})
        EXPECT_TRUE(forge::FindAsset(t)->loops) << t;
    int tracks = 0;
    for (const forge::Asset& a : forge::Manifest()) tracks += a.format == forge::Format::Ogg;
    EXPECT_EQ(tracks, 11);
}

}  // namespace
