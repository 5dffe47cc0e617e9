// A finished picture: opaque RGB pixels, and the colour key it is drawn with (if any).
#pragma once

#include <cstdint>
#include <vector>

#include "asset.h"

namespace forge {

struct Picture {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;  // 0xRRGGBB, row by row

    Picture() = default;
    Picture(int w, int h, uint32_t fill = 0) : width(w), height(h), pixels(size_t(w) * h, fill) {}
    uint32_t At(int x, int y) const { return pixels[size_t(y) * width + x]; }
    void Set(int x, int y, uint32_t rgb) { pixels[size_t(y) * width + x] = rgb; }
    // Copies `from` with its top-left corner at (x, y), clipped.
    void Paste(const Picture& from, int x, int y);
};

inline int ChannelR(uint32_t c) { return int((c >> 16) & 255); }
inline int ChannelG(uint32_t c) { return int((c >> 8) & 255); }
inline int ChannelB(uint32_t c) { return int(c & 255); }
inline uint32_t PackRgb(int r, int g, int b) { return (uint32_t(r) << 16) | (uint32_t(g) << 8) | uint32_t(b); }

// Largest per-channel difference between two colours.
int ColourDistance(uint32_t a, uint32_t b);

}  // namespace forge
