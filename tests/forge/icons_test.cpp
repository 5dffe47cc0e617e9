// The desktop icons: one per installed size, drawn at that size with a transparent surround, the
// same bytes on every run, written where an icon theme expects them.
#include <SDL/SDL.h>
#include <SDL/SDL_image.h>
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "families.h"
#include "manifest.h"

namespace {

namespace fs = std::filesystem;

Uint8 AlphaAt(SDL_Surface* s, int x, int y) {
    Uint8 r, g, b, a;
    SDL_LockSurface(s);
    const Uint32 pixel = *reinterpret_cast<Uint32*>(static_cast<Uint8*>(s->pixels) + y * s->pitch + x * 4);
    SDL_GetRGBA(pixel, s->format, &r, &g, &b, &a);
    SDL_UnlockSurface(s);
    return a;
}

TEST(DesktopIcons, EachSizeIsDrawnAtItsSizeOnATransparentSurround) {
    ASSERT_EQ(forge::DesktopIcons().size(), 3u);
    int expectedSize[] = {48, 128, 256};
    for (size_t i = 0; i < 3; ++i) {
        const forge::Asset& icon = forge::DesktopIcons()[i];
        const int size = expectedSize[i];
        EXPECT_EQ(icon.path, std::to_string(size) + "x" + std::to_string(size) + "/apps/skyrift.png");
        const forge::Bytes bytes = forge::DrawIcon(icon);
        EXPECT_TRUE(bytes == forge::DrawIcon(icon)) << icon.path << " differs between two runs";

        SDL_Surface* s = IMG_Load_RW(SDL_RWFromConstMem(bytes.data(), int(bytes.size())), 1);
        ASSERT_NE(s, nullptr) << icon.path << ": " << IMG_GetError();
        ASSERT_EQ(s->format->BytesPerPixel, 4) << icon.path;
        EXPECT_NE(s->format->Amask, 0u) << icon.path;
        EXPECT_EQ(s->w, size);
        EXPECT_EQ(s->h, size);
        // The tile's rounded corners let the desktop show through; its middle is solid.
        for (int corner : {0, size - 1}) {
            EXPECT_EQ(AlphaAt(s, corner, 0), 0) << icon.path;
            EXPECT_EQ(AlphaAt(s, corner, size - 1), 0) << icon.path;
        }
        EXPECT_EQ(AlphaAt(s, size / 2, size / 2), 255) << icon.path;
        EXPECT_EQ(AlphaAt(s, size / 5, size / 2), 255) << icon.path;
        SDL_FreeSurface(s);
    }
}

TEST(DesktopIcons, AreWrittenIntoTheThemeFolder) {
    const fs::path theme = fs::temp_directory_path() / ("skyrift-icons-" + std::to_string(::getpid())) / "hicolor";
    ASSERT_EQ(forge::WriteIcons(theme.string()), 0);
    for (const forge::Asset& icon : forge::DesktopIcons()) {
        std::ifstream in(theme / icon.path, std::ios::binary);
        const forge::Bytes written{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        EXPECT_TRUE(written == forge::DrawIcon(icon)) << icon.path;
    }
    fs::remove_all(theme.parent_path());
    // No picture of the game's data is an icon: the game never loads them.
    for (const forge::Asset& a : forge::Manifest()) EXPECT_NE(a.family, forge::Family::Icon) << a.path;
}

}  // namespace
