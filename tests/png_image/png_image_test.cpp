// Our IMG_Load (the Windows and browser builds) against Debian's SDL_image, which this test
// program links: the same surface, format, key, palette and pixels, for every picture the game
// loads and for each kind of PNG a future picture might be.
#include <gtest/gtest.h>
#include <png.h>

#include <SDL/SDL_image.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/png_image/png_image.h"

namespace {

// What differs between two loaded pictures, or "" when nothing does.
std::string Difference(const SDL_Surface* want, const SDL_Surface* got) {
    if (!want || !got) return want ? "ours is null" : got ? "SDL_image's is null" : "";
    const SDL_PixelFormat& a = *want->format;
    const SDL_PixelFormat& b = *got->format;
    auto field = [](const char* name, long x, long y) {
        return x == y ? std::string() : std::string(name) + " " + std::to_string(x) + " vs " + std::to_string(y);
    };
    const Uint32 flags = SDL_SRCCOLORKEY | SDL_SRCALPHA | SDL_RLEACCELOK | SDL_PREALLOC;
    for (const std::string& d :
         {field("w", want->w, got->w), field("h", want->h, got->h), field("pitch", want->pitch, got->pitch),
          field("flags", want->flags & flags, got->flags & flags), field("bits", a.BitsPerPixel, b.BitsPerPixel),
          field("Rmask", a.Rmask, b.Rmask), field("Gmask", a.Gmask, b.Gmask), field("Bmask", a.Bmask, b.Bmask),
          field("Amask", a.Amask, b.Amask), field("Rloss", a.Rloss, b.Rloss), field("colorkey", a.colorkey, b.colorkey),
          field("alpha", a.alpha, b.alpha), field("palette", a.palette != nullptr, b.palette != nullptr)}) {
        if (!d.empty()) return d;
    }
    if (a.palette) {
        if (a.palette->ncolors != b.palette->ncolors) return field("colours", a.palette->ncolors, b.palette->ncolors);
        for (int i = 0; i < a.palette->ncolors; ++i) {
            const SDL_Color& x = a.palette->colors[i];
            const SDL_Color& y = b.palette->colors[i];
            if (x.r != y.r || x.g != y.g || x.b != y.b) return "palette entry " + std::to_string(i);
        }
    }
    const size_t rowBytes = size_t(want->w) * a.BytesPerPixel;
    for (int y = 0; y < want->h; ++y) {
        const Uint8* p = static_cast<const Uint8*>(want->pixels) + y * want->pitch;
        const Uint8* q = static_cast<const Uint8*>(got->pixels) + y * got->pitch;
        for (size_t i = 0; i < rowBytes; ++i)
            if (p[i] != q[i]) return "pixels of row " + std::to_string(y) + " from byte " + std::to_string(i);
    }
    return "";
}

std::string CompareLoads(const std::string& path) {
    SDL_Surface* want = IMG_Load(path.c_str());
    SDL_Surface* got = platform::ImageLoad(path.c_str());
    std::string d = want ? Difference(want, got) : "SDL_image cannot load it: " + std::string(IMG_GetError());
    SDL_FreeSurface(want);
    SDL_FreeSurface(got);
    return d;
}

TEST(PngImage, EveryPictureOfTheGameAsSdlImageLoadsIt) {
    int pictures = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator("Images")) {
        if (!entry.is_regular_file()) continue;
        ++pictures;
        EXPECT_EQ(CompareLoads(entry.path().string()), "") << entry.path();
    }
    EXPECT_GT(pictures, 100) << "the forge's pictures are not in the working directory";
}

struct PngKind {
    const char* name;
    int colourType, depth;
    int transparent;  // palette: how many entries are fully transparent; others: a tRNS colour
    bool translucent, interlaced;
};

// Writes a 13x7 PNG of that kind whose samples run through the whole range of its depth.
void WritePng(const std::string& path, const PngKind& kind) {
    FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, file);
    const int w = 13, h = 7;
    png_set_IHDR(png, info, w, h, kind.depth, kind.colourType,
                 kind.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    const int maxSample = (1 << kind.depth) - 1;
    if (kind.colourType == PNG_COLOR_TYPE_PALETTE) {
        std::vector<png_color> colours(maxSample + 1);
        for (int i = 0; i <= maxSample; ++i) colours[i] = {png_byte(i * 41), png_byte(255 - i * 13), png_byte(i * 97)};
        png_set_PLTE(png, info, colours.data(), int(colours.size()));
        std::vector<png_byte> alphas(colours.size(), 255);
        for (int i = 0; i < kind.transparent; ++i) alphas[i * 3] = 0;
        if (kind.translucent) alphas[1] = 128;
        if (kind.transparent || kind.translucent) png_set_tRNS(png, info, alphas.data(), int(alphas.size()), nullptr);
    } else if (kind.transparent) {
        png_color_16 key = {0, png_uint_16(3 & maxSample), png_uint_16(5 & maxSample), png_uint_16(7 & maxSample),
                            png_uint_16(3 & maxSample)};
        png_set_tRNS(png, info, nullptr, 0, &key);
    }
    png_write_info(png, info);
    const int channels = png_get_channels(png, info);
    const int bytesPerSample = kind.depth == 16 ? 2 : 1;
    std::vector<png_byte> row(size_t(w) * channels * 2 + 1);
    for (int pass = 0; pass < png_set_interlace_handling(png); ++pass) {
        for (int y = 0; y < h; ++y) {
            std::fill(row.begin(), row.end(), 0);
            for (int x = 0; x < w; ++x) {
                for (int c = 0; c < channels; ++c) {
                    const unsigned mixed = unsigned(x * 37 + y * 11 + c * 59) * 2654435761u;
                    const int sample = int(mixed >> (32 - kind.depth));
                    const int index = x * channels + c;
                    if (kind.depth < 8) {
                        row[index * kind.depth / 8] |= png_byte(sample << (8 - kind.depth - index * kind.depth % 8));
                    } else if (bytesPerSample == 2) {
                        row[index * 2] = png_byte(sample >> 8);
                        row[index * 2 + 1] = png_byte(sample);
                    } else {
                        row[index] = png_byte(sample);
                    }
                }
            }
            png_write_row(png, row.data());
        }
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
}

TEST(PngImage, EveryKindOfPngAsSdlImageLoadsIt) {
    const PngKind kinds[] = {
        {"gray1", PNG_COLOR_TYPE_GRAY, 1, 0, false, false},
        {"gray4", PNG_COLOR_TYPE_GRAY, 4, 0, false, false},
        {"gray8", PNG_COLOR_TYPE_GRAY, 8, 0, false, false},
        {"gray8-key", PNG_COLOR_TYPE_GRAY, 8, 1, false, false},
        {"gray16", PNG_COLOR_TYPE_GRAY, 16, 0, false, false},
        {"grayalpha8", PNG_COLOR_TYPE_GRAY_ALPHA, 8, 0, false, false},
        {"grayalpha16", PNG_COLOR_TYPE_GRAY_ALPHA, 16, 0, false, false},
        {"rgb8", PNG_COLOR_TYPE_RGB, 8, 0, false, false},
        {"rgb8-interlaced", PNG_COLOR_TYPE_RGB, 8, 0, false, true},
        {"rgb8-key", PNG_COLOR_TYPE_RGB, 8, 1, false, false},
        {"rgb16", PNG_COLOR_TYPE_RGB, 16, 0, false, false},
        {"rgba8", PNG_COLOR_TYPE_RGB_ALPHA, 8, 0, false, false},
        {"rgba16", PNG_COLOR_TYPE_RGB_ALPHA, 16, 0, false, false},
        {"palette2", PNG_COLOR_TYPE_PALETTE, 2, 0, false, false},
        {"palette8", PNG_COLOR_TYPE_PALETTE, 8, 0, false, false},
        {"palette8-one-clear", PNG_COLOR_TYPE_PALETTE, 8, 1, false, false},
        {"palette4-two-clear", PNG_COLOR_TYPE_PALETTE, 4, 2, false, false},
        {"palette8-translucent", PNG_COLOR_TYPE_PALETTE, 8, 0, true, false},
    };
    for (const PngKind& kind : kinds) {
        const std::string path = testing::TempDir() + "/skyrift_png_" + kind.name + ".png";
        WritePng(path, kind);
        EXPECT_EQ(CompareLoads(path), "") << kind.name;
        std::remove(path.c_str());
    }
}

TEST(PngImage, BrokenFilesGiveNullAndAReason) {
    EXPECT_EQ(platform::ImageLoad("Images/NoSuchPicture.png"), nullptr);
    EXPECT_NE(std::string(SDL_GetError()).find("NoSuchPicture.png"), std::string::npos) << SDL_GetError();

    const std::string cut = testing::TempDir() + "/skyrift_cut.png";
    const std::string noise = testing::TempDir() + "/skyrift_noise.png";
    WritePng(cut, {"rgb8", PNG_COLOR_TYPE_RGB, 8, 0, false, false});
    std::filesystem::resize_file(cut, std::filesystem::file_size(cut) / 2);
    testing::internal::CaptureStderr();  // libpng says what it found
    EXPECT_EQ(platform::ImageLoad(cut.c_str()), nullptr);
    testing::internal::GetCapturedStderr();
    EXPECT_STREQ(SDL_GetError(), "Error reading the PNG file.");

    FILE* file = std::fopen(noise.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fputs("not a picture at all", file);
    std::fclose(file);
    EXPECT_EQ(platform::ImageLoad(noise.c_str()), nullptr);
    EXPECT_STREQ(SDL_GetError(), "Unsupported image format");
    std::remove(cut.c_str());
    std::remove(noise.c_str());
}

}  // namespace
