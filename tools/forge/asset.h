// What the forge knows about one file of the game: where it goes, its shape, and who makes it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace forge {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    uint32_t Packed() const { return (uint32_t(r) << 16) | (uint32_t(g) << 8) | b; }
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

enum class Format { Png, Bmp, Wav, Ogg };

// The drawing or synthesis family that makes a file; `variant` picks the member.
enum class Family {
    Enemy,       // regular enemy sprite sheets
    Boss,        // boss sprite sheets
    Hero,        // ship sheets, life icon, hero shots
    Explosion,   // explosion strips
    Shot,        // enemy shots and bonuses
    Hud,         // side panels, digits, banners, boss bar
    Screen,      // title, credits, controls, curtains, end screens, captures, boss intro
    Background,  // scrolling layers
    Effect,      // sound effects
    Music,       // music tracks
    Icon,        // the desktop icon at each size (with alpha; not loaded by the game)
};

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
};

struct Asset {
    std::string path;  // relative to the game folder, e.g. "Images/Heros/MyLife.png"
    Format format = Format::Png;
    Family family = Family::Screen;
    std::string variant;
    uint32_t seed = 0;
    // Pictures.
    int width = 0, height = 0;
    int cols = 1, rows = 1;  // cells of equal size
    bool keyed = false;
    Rgb key;
    bool wraps = false;            // scrolls: bottom rows continue into the top rows
    bool cellsDiffer = false;      // animation cells must differ visibly
    std::vector<Rect> keyWindows;  // regions that must be exactly the key colour
    // Sounds and music.
    double minSeconds = 0, maxSeconds = 0;
    bool loops = false;
    std::string note;

    bool IsPicture() const { return format == Format::Png || format == Format::Bmp; }
    int CellWidth() const { return width / cols; }
    int CellHeight() const { return height / rows; }
};

const char* FamilyName(Family family);

}  // namespace forge
