// The forge makes the same bytes every time, so a rebuild never changes the game's data.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "forge.h"
#include "manifest.h"

namespace {

namespace fs = std::filesystem;

std::vector<char> ReadAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(Determinism, OneEntryOfEachKindComesOutByteForByteTheSame) {
    // A sprite sheet, an explosion, a BMP shot, a scrolling layer, text, an effect and a loop.
    for (const char* path : {"Images/Ennemis/Crabe/CrabeS.png", "Images/Explosions/Explosion48_48J.png",
                             "Images/Tirs/Tir1_Glace_Jaune_Ennemi.bmp", "Images/Panorama/Psyche3.png",
                             "Images/Panorama/KeyboardE.png", "Sound/Xorg_Arrive.wav", "Sound/aka_bme.ogg"}) {
        const forge::Asset* a = forge::FindAsset(path);
        ASSERT_NE(a, nullptr) << path;
        forge::Product first = forge::Make(*a), second = forge::Make(*a);
        EXPECT_TRUE(first.faults.empty()) << path << ": " << (first.faults.empty() ? "" : first.faults[0]);
        EXPECT_FALSE(first.bytes.empty()) << path;
        EXPECT_TRUE(first.bytes == second.bytes) << path;
    }
}

TEST(Determinism, RunsIntoSeparateFoldersWriteIdenticalFiles) {
    const fs::path base = fs::temp_directory_path() / ("skyrift-forge-test-" + std::to_string(::getpid()));
    forge::Options options;
    options.only = "Images/Tirs/";  // a quick slice of the manifest, on two threads
    options.threads = 2;
    options.outDir = (base / "a").string();
    ASSERT_EQ(forge::RunForge(options), 0);
    options.outDir = (base / "b").string();
    ASSERT_EQ(forge::RunForge(options), 0);
    options.outDir = (base / "c").string();  // one thread: the same files, whatever the order of work
    options.threads = 1;
    ASSERT_EQ(forge::RunForge(options), 0);
    int compared = 0;
    for (const forge::Asset& a : forge::Manifest()) {
        if (a.path.find("Images/Tirs/") == std::string::npos) continue;
        std::vector<char> x = ReadAll(base / "a" / a.path), y = ReadAll(base / "b" / a.path),
                          z = ReadAll(base / "c" / a.path);
        EXPECT_FALSE(x.empty()) << a.path;
        EXPECT_TRUE(x == y) << a.path;
        EXPECT_TRUE(x == z) << a.path;
        ++compared;
    }
    EXPECT_GT(compared, 25);
    fs::remove_all(base);
}

}  // namespace
