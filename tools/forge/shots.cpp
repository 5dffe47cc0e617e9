// Enemy shots and bonuses: bright cores inside dark rims, so they read on light and dark ground.
#include <cmath>

#include "art.h"
#include "families.h"

namespace forge {

namespace {

struct ShotLook {
    Colour core, body, rim;
};

ShotLook LookFor(const std::string& v) {
    auto c = [](int r, int g, int b) { return Colour::Rgb8(r, g, b); };
    if (v.rfind("pellet_red", 0) == 0) return {c(255, 250, 220), c(255, 60, 50), c(110, 20, 40)};
    if (v.rfind("pellet_crimson", 0) == 0) return {c(255, 240, 240), c(230, 30, 90), c(90, 20, 60)};
    if (v.rfind("pellet_violet", 0) == 0) return {c(255, 230, 255), c(190, 80, 255), c(70, 30, 120)};
    if (v.rfind("pellet_blue", 0) == 0) return {c(235, 250, 255), c(60, 150, 255), c(30, 40, 130)};
    if (v.rfind("orb_orange", 0) == 0) return {c(255, 255, 220), c(255, 150, 30), c(110, 40, 10)};
    if (v.rfind("orb_red", 0) == 0) return {c(255, 240, 230), c(255, 50, 40), c(120, 20, 30)};
    if (v.rfind("orb_blue", 0) == 0) return {c(230, 245, 255), c(70, 120, 255), c(40, 40, 140)};
    if (v.rfind("orb_yellow", 0) == 0) return {c(255, 255, 235), c(255, 220, 40), c(110, 60, 10)};
    if (v.rfind("orb_ice", 0) == 0) return {c(245, 255, 255), c(120, 230, 255), c(20, 60, 110)};
    if (v.rfind("orb_ruby", 0) == 0) return {c(255, 230, 240), c(240, 40, 110), c(120, 30, 70)};
    if (v.rfind("orb_amber", 0) == 0) return {c(255, 250, 220), c(255, 170, 40), c(100, 55, 15)};
    if (v.rfind("orb_light", 0) == 0) return {c(255, 255, 255), c(200, 255, 220), c(20, 70, 60)};
    if (v.rfind("invader", 0) == 0) return {c(255, 255, 255), c(255, 90, 210), c(70, 10, 80)};
    if (v.rfind("needle", 0) == 0) return {c(255, 255, 230), c(255, 220, 50), c(110, 50, 10)};
    return {c(255, 255, 255), c(60, 210, 90), c(30, 90, 50)};
}

void Orb(Canvas& c, double w, double h, const ShotLook& look, bool second) {
    double cx = w / 2, cy = h / 2, r = std::min(w, h) / 2 - 0.3;
    c.Circle(cx, cy, r, look.rim);
    c.Circle(cx, cy, r - (r > 5 ? 1.6 : 1.2), look.body);
    double core = second ? r * 0.55 : r * 0.38;
    c.Circle(cx, cy, core, look.core);
    if (r > 6) {
        // Four glints that turn between the two frames.
        for (int k = 0; k < 4; ++k) {
            double ang = (k * 90 + (second ? 45 : 0)) * M_PI / 180;
            c.Line(cx + std::cos(ang) * core, cy + std::sin(ang) * core, cx + std::cos(ang) * (r - 2.2),
                   cy + std::sin(ang) * (r - 2.2), 1.2, look.core.Mix(look.body, 0.3));
        }
    }
}

void Invader(Canvas& c, double w, double h, const ShotLook& look, bool second) {
    static const char* a[] = {"..X...X..", "...XXX...", "..XXXXX..", ".XX.X.XX.",
                              "XXXXXXXXX", "X.X...X.X", "..XX.XX.."};
    static const char* b[] = {"..X...X..", "X..XXX..X", "X.XXXXX.X", "XXX.X.XXX",
                              "XXXXXXXXX", "..X...X..", ".X.....X."};
    const char** art = second ? b : a;
    // Whole pixels, no smoothing: the art pixel x spans [edge(x), edge(x + 1)).
    auto ex = [&](int x) { return 1 + int(x * (w - 2) / 9.0); };
    auto ey = [&](int y) { return 1 + int(y * (h - 2) / 7.0); };
    cairo_save(c.cr());
    cairo_set_antialias(c.cr(), CAIRO_ANTIALIAS_NONE);
    for (int pass = 0; pass < 2; ++pass)
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 9; ++x) {
                if (art[y][x] != 'X') continue;
                int grow = pass == 0 ? 1 : 0;  // the rim: every cell grown by a pixel, drawn first
                c.Rectangle(ex(x) - grow, ey(y) - grow, ex(x + 1) - ex(x) + 2 * grow, ey(y + 1) - ey(y) + 2 * grow,
                            pass == 0 ? look.rim : look.body);
            }
    c.Rectangle(ex(3), ey(2), ex(6) - ex(3), ey(3) - ey(2), look.core);
    c.Rectangle(ex(4), ey(1), ex(5) - ex(4), ey(4) - ey(1), look.core);
    cairo_restore(c.cr());
}

void Needle(Canvas& c, double w, double h, const ShotLook& look, bool second) {
    c.RoundedRect(0.5, 0.5, w - 1, h - 1, w / 2, look.rim);
    c.RoundedRect(1.5, 1.5, w - 3, h - 3, w / 2 - 1, look.body);
    c.RoundedRect(w / 2 - 1, second ? 3 : 6, 2, h - 9, 1, look.core);
}

void BonusCapsule(Canvas& c, double w, double h, bool second) {
    Colour shell = second ? Colour::Rgb8(255, 210, 40) : Colour::Rgb8(60, 220, 100);
    Colour edge = second ? Colour::Rgb8(140, 80, 10) : Colour::Rgb8(20, 90, 50);
    c.RoundedRect(1, 2, w - 2, h - 4, 9, edge);
    c.RoundedRect(2.5, 3.5, w - 5, h - 7, 8, shell);
    c.RoundedRect(5, 5, w - 10, 6, 3, shell.Mix(Colour{1, 1, 1, 1}, 0.6));
    c.Text("P", Font::SansBold, 17, w / 2, h / 2 + 6.5, Colour::Rgb8(255, 255, 255), 1.6, edge);
}

}  // namespace

Picture DrawShot(const Asset& a) {
    Canvas c(a.width, a.height);
    const bool second = a.variant.size() > 2 && a.variant.compare(a.variant.size() - 2, 2, "_b") == 0;
    const ShotLook look = LookFor(a.variant);
    if (a.variant.rfind("invader", 0) == 0)
        Invader(c, a.width, a.height, look, second);
    else if (a.variant.rfind("needle", 0) == 0)
        Needle(c, a.width, a.height, look, second);
    else if (a.variant.rfind("bonus", 0) == 0)
        BonusCapsule(c, a.width, a.height, second);
    else
        Orb(c, a.width, a.height, look, second);
    return c.Flatten(a.key);
}

}  // namespace forge
