// The file writers produce what SDL and the Vorbis decoder read back, pixel for pixel and
// sample for sample, including the awkward cases (BMP row padding, bottom-up rows, clipping).
#include <SDL/SDL.h>
#include <SDL/SDL_image.h>
#include <SDL/SDL_mixer.h>
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "asset.h"
#include "checks.h"
#include "encoders.h"
#include "support/sdl_env.h"

namespace {

using forge::Bytes;
using forge::Picture;
using testsupport::PixelAt;

// Three pixels wide: nine bytes a row, so every row needs three bytes of padding.
Picture Odd() {
    Picture p(3, 2);
    p.Set(0, 0, 0xFF0000);
    p.Set(1, 0, 0x00FF00);
    p.Set(2, 0, 0x0000FF);
    p.Set(0, 1, 0x123456);
    p.Set(1, 1, 0xFFFFFF);
    p.Set(2, 1, 0x1D0E16);
    return p;
}

TEST(Encoders, BmpIs24BitUncompressedWithPaddedBottomUpRows) {
    Bytes b = forge::EncodeBmp(Odd());
    ASSERT_EQ(b.size(), 54u + 2 * 12);  // two rows of 9 bytes padded to 12
    EXPECT_EQ(b[28], 24);               // bits per pixel
    EXPECT_EQ(b[30], 0);                // BI_RGB
    // The last row of the picture comes first, stored blue, green, red.
    EXPECT_EQ(b[54], 0x56);
    EXPECT_EQ(b[55], 0x34);
    EXPECT_EQ(b[56], 0x12);
    SDL_Surface* s = SDL_LoadBMP_RW(SDL_RWFromConstMem(b.data(), int(b.size())), 1);
    ASSERT_NE(s, nullptr) << SDL_GetError();
    ASSERT_EQ(s->w, 3);
    ASSERT_EQ(s->h, 2);
    Picture expected = Odd();
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(PixelAt(s, x, y), expected.At(x, y)) << x << "," << y;
    SDL_FreeSurface(s);
}

TEST(Encoders, PngIsOpaqueRgbWithExactPixels) {
    Bytes b = forge::EncodePng(Odd());
    int w = 0, h = 0;
    ASSERT_TRUE(forge::PictureHeaderSize(b, &w, &h));
    EXPECT_EQ(w, 3);
    EXPECT_EQ(h, 2);
    SDL_Surface* s = IMG_Load_RW(SDL_RWFromConstMem(b.data(), int(b.size())), 1);
    ASSERT_NE(s, nullptr) << IMG_GetError();
    EXPECT_EQ(s->format->Amask, 0u);
    Picture expected = Odd();
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(PixelAt(s, x, y), expected.At(x, y)) << x << "," << y;
    SDL_FreeSurface(s);
}

TEST(Encoders, HeaderReaderRejectsWhatIsNotAPicture) {
    int w = 0, h = 0;
    EXPECT_FALSE(forge::PictureHeaderSize(Bytes{'R', 'I', 'F', 'F'}, &w, &h));
    EXPECT_FALSE(forge::PictureHeaderSize(Bytes(60, 0), &w, &h));
}

int16_t SampleAt(const Bytes& wav, size_t frame, int channel) {
    size_t at = 44 + frame * 4 + size_t(channel) * 2;
    return int16_t(uint16_t(wav[at]) | (uint16_t(wav[at + 1]) << 8));
}

TEST(Encoders, WavIs16BitStereoAt44100AndClipsInsteadOfWrapping) {
    forge::Sound s(4);
    s.left = {0.0f, 1.0f, -1.0f, 1.5f};
    s.right = {0.5f, -0.5f, -1.5f, 0.0f};
    Bytes w = forge::EncodeWav(s);
    ASSERT_EQ(w.size(), 44u + 16);
    EXPECT_EQ(std::string(w.begin(), w.begin() + 4), "RIFF");
    EXPECT_EQ(w[22], 2);                                          // channels
    EXPECT_EQ(uint32_t(w[24]) | (uint32_t(w[25]) << 8), 44100u);  // rate
    EXPECT_EQ(w[34], 16);                                         // bits
    EXPECT_EQ(SampleAt(w, 0, 0), 0);
    EXPECT_EQ(SampleAt(w, 0, 1), 16384);  // 0.5 * 32767 rounded
    EXPECT_EQ(SampleAt(w, 1, 0), 32767);
    EXPECT_EQ(SampleAt(w, 2, 0), -32767);
    EXPECT_EQ(SampleAt(w, 2, 1), -32767);  // -1.5 clips, it does not wrap to a positive value
    EXPECT_EQ(SampleAt(w, 3, 0), 32767);
    Mix_Chunk* c = Mix_LoadWAV_RW(SDL_RWFromConstMem(w.data(), int(w.size())), 1);
    ASSERT_NE(c, nullptr) << Mix_GetError();
    Mix_FreeChunk(c);
}

// A sine with short noise ticks every eighth of a second (ticks 0 leaves a pure tone): like
// music, it has sharp moments of its own, against which a click at the loop join is judged.
forge::Sound Tone(double seconds, double hz, double ticks) {
    forge::Sound s = forge::Sound::OfSeconds(seconds);
    uint32_t noise = 1;
    for (size_t i = 0; i < s.Frames(); ++i) {
        double v = 0.3 * std::sin(2 * M_PI * hz * i / 44100);
        if (i % 5512 < 200) {
            noise = noise * 1664525u + 1013904223u;
            v += ticks * ((noise >> 8) / 8388608.0 - 1) * (1 - (i % 5512) / 200.0);
        }
        s.left[i] = s.right[i] = float(v);
    }
    return s;
}

TEST(Encoders, OggDecodesToExactlyTheFramesEncodedAndItsSerialIsFixed) {
    forge::Sound s = Tone(1.5, 441, 0.1);  // 66150 frames, a whole number of 441 Hz cycles
    Bytes a = forge::EncodeOgg(s, 0.1, 1234), b = forge::EncodeOgg(s, 0.1, 1234), c = forge::EncodeOgg(s, 0.1, 99);
    EXPECT_TRUE(a == b);
    EXPECT_FALSE(a == c);
    forge::Asset track;
    track.path = "Sound/Test.ogg";
    track.format = forge::Format::Ogg;
    track.minSeconds = 1.5;
    track.maxSeconds = 1.5;
    track.loops = true;
    forge::Faults faults = forge::CheckOgg(track, a);
    EXPECT_TRUE(faults.empty()) << (faults.empty() ? "" : faults[0]);  // exact length, and the loop joins
    track.minSeconds = 1.6;
    track.maxSeconds = 2.0;
    EXPECT_FALSE(forge::CheckOgg(track, a).empty());
    EXPECT_FALSE(forge::CheckOgg(track, Bytes{'O', 'g', 'g', 'S'}).empty());
    // A pure tone a quarter of a cycle over: at its crest when the loop returns to zero.
    track.minSeconds = 1.5;
    track.maxSeconds = 1.5;
    EXPECT_FALSE(forge::CheckOgg(track, forge::EncodeOgg(Tone(1.5, 441.5, 0), 0.1, 1234)).empty());
}

}  // namespace
