// The desktop icon: the hero ship climbing through a glowing rift in a night sky, past two enemy
// shots, on a rounded tile. Drawn as vectors in a 256-unit square and rendered natively at every
// size, so the small icons stay sharp instead of being scaled down from the large one.
#include <cairo/cairo.h>

#include <cstdio>
#include <vector>

#include "art.h"
#include "families.h"
#include "manifest.h"

namespace forge {

namespace {

constexpr double kUnits = 256;
constexpr double kTileInset = 10, kTileRadius = 46;

// The rift: a jagged tear of light from the upper right to the lower left.
void Rift(Canvas& c) {
    const double tear[] = {214, 18,  170, 92,  186, 100, 118, 160, 134, 170, 40,  240,
                           30,  236, 118, 174, 102, 164, 166, 104, 150, 96,  204, 14};
    c.Glow(140, 128, 120, Colour::Rgb8(120, 70, 220, 0.55));
    // A wide faint stroke under a narrow bright one: the light bleeds out of the tear.
    c.PolygonOutline(tear, 12, 14, Colour::Rgb8(150, 110, 255, 0.35));
    c.PolygonOutline(tear, 12, 7, Colour::Rgb8(170, 140, 255, 0.6));
    c.Polygon(tear, 12, Colour::Rgb8(200, 230, 255));
}

void Stars(Canvas& c, int size) {
    Rng rng(HashName("desktop_icon_stars"));
    for (int i = 0; i < 40; ++i) {
        const double x = rng.Range(20, 236), y = rng.Range(20, 236), r = rng.Range(0.8, 2.6);
        // Below about half a pixel a star is only grey dust.
        if (r * size / kUnits < 0.45) continue;
        c.Circle(x, y, r, Colour::Rgb8(220, 230, 255, rng.Range(0.5, 1)));
    }
}

// An enemy shot as the levels draw them: a hot core in a red halo.
void EnemyShot(Canvas& c, double x, double y, double r) {
    c.Glow(x, y, r * 2.4, Colour::Rgb8(255, 60, 40, 0.8));
    c.Circle(x, y, r, Colour::Rgb8(255, 120, 60));
    c.Circle(x - r * 0.2, y - r * 0.2, r * 0.5, Colour::Rgb8(255, 245, 200));
}

}  // namespace

Bytes DrawIcon(const Asset& a) {
    const int size = a.width;
    Canvas c(size, size);
    cairo_t* cr = c.cr();
    cairo_scale(cr, size / kUnits, size / kUnits);

    c.VerticalGradient(0, 0, kUnits, kUnits, Colour::Rgb8(10, 14, 44), Colour::Rgb8(52, 20, 84));
    Stars(c, size);
    Rift(c);
    EnemyShot(c, 70, 96, 11);
    EnemyShot(c, 190, 178, 9);
    // The ship, its sprite box scaled up: the same drawing as the hero in the game.
    cairo_save(cr);
    cairo_translate(cr, 128 - 31 * 2.6, 22);
    cairo_scale(cr, 5.2, 5.2);
    DrawHeroShip(c, 31, 40);
    cairo_restore(cr);

    // Cut the rounded tile out of the square (cairo clears everything outside the shape drawn
    // with DEST_IN), then rim it.
    const double side = kUnits - 2 * kTileInset;
    cairo_set_operator(cr, CAIRO_OPERATOR_DEST_IN);
    c.RoundedRect(kTileInset, kTileInset, side, side, kTileRadius, Colour::Rgb8(0, 0, 0));
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    c.RoundedFrame(kTileInset, kTileInset, side, side, kTileRadius, size <= 64 ? 6 : 4,
                   Colour::Rgb8(150, 170, 255, 0.9));

    cairo_surface_flush(c.surface());
    Bytes bytes;
    cairo_surface_write_to_png_stream(
        c.surface(),
        [](void* closure, const unsigned char* data, unsigned int length) {
            Bytes* out = static_cast<Bytes*>(closure);
            out->insert(out->end(), data, data + length);
            return CAIRO_STATUS_SUCCESS;
        },
        &bytes);
    return bytes;
}

int WriteIcons(const std::string& themeDir) {
    int faults = 0;
    for (const Asset& a : DesktopIcons()) {
        const Bytes bytes = DrawIcon(a);
        int w = 0, h = 0;
        if (!PictureHeaderSize(bytes, &w, &h) || w != a.width || h != a.height) {
            std::fprintf(stderr, "skyrift-forge: %s: drawn %dx%d, wanted %dx%d\n", a.path.c_str(), w, h, a.width,
                         a.height);
            ++faults;
        } else if (!WriteFile(themeDir + "/" + a.path, bytes)) {
            std::fprintf(stderr, "skyrift-forge: cannot write %s/%s\n", themeDir.c_str(), a.path.c_str());
            ++faults;
        }
    }
    return faults == 0 ? 0 : 1;
}

int WriteWindowsIcon(const std::string& path) {
    const int sizes[] = {16, 24, 32, 48, 64, 256};
    const int count = int(sizeof sizes / sizeof sizes[0]);
    std::vector<Bytes> images;
    for (int size : sizes) {
        Asset a = DesktopIcons().front();
        a.width = a.height = size;
        images.push_back(DrawIcon(a));
    }
    Bytes file;
    auto put16 = [&](unsigned v) {
        file.push_back(uint8_t(v));
        file.push_back(uint8_t(v >> 8));
    };
    auto put32 = [&](uint32_t v) {
        put16(v & 0xFFFF);
        put16(v >> 16);
    };
    put16(0);  // reserved
    put16(1);  // an icon, not a cursor
    put16(unsigned(count));
    uint32_t offset = 6 + 16 * uint32_t(count);
    for (int i = 0; i < count; ++i) {
        file.push_back(uint8_t(sizes[i] & 0xFF));  // 256 is written as 0
        file.push_back(uint8_t(sizes[i] & 0xFF));
        file.push_back(0);  // no palette
        file.push_back(0);
        put16(1);   // planes
        put16(32);  // bits per pixel
        put32(uint32_t(images[i].size()));
        put32(offset);
        offset += uint32_t(images[i].size());
    }
    for (const Bytes& image : images) file.insert(file.end(), image.begin(), image.end());
    if (!WriteFile(path, file)) {
        std::fprintf(stderr, "skyrift-forge: cannot write %s\n", path.c_str());
        return 1;
    }
    return 0;
}

}  // namespace forge
