#include <gtest/gtest.h>

#include <dirent.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/loaders.h"
#include "platform/ogg_pages.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes ReadTrack(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool Whole(const Bytes& bytes) { return platform::OggEndsWhole(bytes.data(), bytes.size()); }

// Where the last page of a track the forge made begins.
size_t LastPage(const Bytes& bytes) {
    for (size_t at = bytes.size() - 27;; --at)
        if (std::memcmp(&bytes[at], "OggS", 4) == 0 || at == 0) return at;
}

void StoreChecksum(Bytes& bytes, size_t page) {
    const uint32_t crc = platform::OggPageChecksum(&bytes[page], bytes.size() - page);
    for (int i = 0; i < 4; ++i) bytes[page + 22 + i] = static_cast<unsigned char>(crc >> (8 * i));
}

TEST(OggPages, EveryGeneratedTrackEndsWhole) {
    DIR* folder = opendir("Sound");
    ASSERT_NE(folder, nullptr);
    int tracks = 0;
    while (dirent* entry = readdir(folder)) {
        const std::string name = entry->d_name;
        if (name.size() < 4 || name.substr(name.size() - 4) != ".ogg") continue;
        EXPECT_TRUE(Whole(ReadTrack("Sound/" + name))) << name;
        ++tracks;
    }
    closedir(folder);
    EXPECT_GE(tracks, 10);
}

TEST(OggPages, AStreamThatDoesNotEndOnAWholeFlaggedPageIsCaught) {
    const Bytes track = ReadTrack("Sound/MetroidS.ogg");
    ASSERT_GT(track.size(), 1000u);
    const size_t last = LastPage(track);
    Bytes cut(track.begin(), track.end() - 1);
    Bytes trailing = track;
    trailing.push_back(0);
    Bytes damaged = track;
    damaged[last + 30] ^= 1;
    Bytes unflagged = track;
    unflagged[last + 5] &= ~0x04;
    StoreChecksum(unflagged, last);
    Bytes lastPageGone(track.begin(), track.begin() + last);
    for (const Bytes* broken : {&cut, &trailing, &damaged, &unflagged, &lastPageGone})
        EXPECT_FALSE(Whole(*broken)) << broken - &cut;
    // Flag and checksum put back, it is whole again: the flag alone made the difference.
    Bytes reflagged = unflagged;
    reflagged[last + 5] |= 0x04;
    StoreChecksum(reflagged, last);
    EXPECT_TRUE(Whole(reflagged));
}

TEST(OggPages, OnlyOggIsJudged) {
    EXPECT_TRUE(Whole(Bytes()));
    EXPECT_TRUE(Whole(Bytes{'O', 'g', 'g'}));
    EXPECT_TRUE(Whole(ReadTrack("Sound/Shot4.wav")));
    EXPECT_FALSE(Whole(Bytes{'O', 'g', 'g', 'S', 0, 4}));
}

TEST(OggPages, TheMusicLoaderNamesATrackCutShort) {
    if (!platform::AudioOpen()) GTEST_SKIP() << "no audio device";
    const Bytes track = ReadTrack("Sound/MetroidS.ogg");
    const std::string path = testing::TempDir() + "/skyrift_cut.ogg";
    for (size_t keep : {track.size(), track.size() - 100}) {
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(track.data()), keep);
        testing::internal::CaptureStderr();
        Mix_Music* music = platform::LoadMusic(path.c_str());
        const std::string warnings = testing::internal::GetCapturedStderr();
        EXPECT_NE(music, nullptr);
        EXPECT_EQ(warnings.find("cut short") != std::string::npos, keep < track.size()) << warnings;
        platform::FreeMusic(music);
    }
    std::remove(path.c_str());
}

// Found by the fuzz target in the check as it was: the last page's body holds capture patterns,
// and searching back from the end for the last page took one of them for it and called this
// whole file cut short.
TEST(OggPages, CapturePatternsInsideTheLastPageDoNotMislead) {
    Bytes file = {
        0x4f, 0x67, 0x67, 0x53, 0x4f, 0x67, 0x67, 0x53, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
        0xfe, 0x00, 0x00, 0x00, 0x00, 0x1d, 0x00, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0x67, 0x53, 0x00,
        0x00, 0x00, 0x04, 0x4f, 0x67, 0x67, 0x53, 0x00, 0x04, 0x01, 0x02, 0x03, 0x04, 0x00, 0x00, 0x00, 0x00,
        0x09, 0x08, 0x07, 0x06, 0x05, 0x00, 0x00, 0x00, 0xc2, 0x27, 0x40, 0xae, 0x01, 0x22, 0x4f, 0x67, 0x67,
        0x53, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xfe, 0x00, 0x00, 0x00, 0x00, 0x1d, 0x00,
        0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0x67, 0x53, 0x00, 0x00, 0x00, 0x04, 0x00,
    };
    EXPECT_TRUE(Whole(file));
    file.pop_back();
    EXPECT_FALSE(Whole(file));
}

}  // namespace
