// Every file the game names is in the manifest and on disk, with the shape its code reads:
// the game's own string literals are scanned (whatever code exists today), and the paths of
// the forge's own tables are listed here with sizes worked out from their boxes and cells.
#include <gtest/gtest.h>

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
