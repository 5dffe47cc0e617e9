// Every file the game names is in the manifest and on disk: the game's own string literals are
// scanned (the catalogue's and whatever other code names a file). Sizes and keys need no check
// here: the manifest takes them from the game's catalogue.
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

TEST(GamePaths, MusicLastsAsLongAsItsLevelAndBossTracksLoop) {
    const char* levelTracks[] = {"Sound/Vintage.ogg",       "Sound/Slipstream.ogg", "Sound/Nightmarish.ogg",
                                 "Sound/electric_mind.ogg", "Sound/sepia.ogg",      "Sound/Einhander-Badlands.ogg"};
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
