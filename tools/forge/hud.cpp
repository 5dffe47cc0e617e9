// The HUD pieces: side panels with a key-coloured playfield window, digits, banners, boss bar.
#include <cmath>

#include "art.h"
#include "families.h"

namespace forge {

void DrawLifeIcon(Canvas& c, double w, double h);

namespace {

const Colour kPanelDark = Colour::Rgb8(22, 26, 44);
const Colour kPanelMid = Colour::Rgb8(52, 60, 92);
const Colour kPanelLight = Colour::Rgb8(120, 135, 185);
const Colour kAccent = Colour::Rgb8(80, 200, 255);
const Colour kSlot = Colour::Rgb8(8, 12, 24);
const Colour kLabel = Colour::Rgb8(170, 210, 255);

void Panel(Canvas& c, double x, double w) {
    c.VerticalGradient(x, 0, w, 480, kPanelMid, kPanelDark);
    Rng rng(HashName("panel") + int(x));
    for (int i = 0; i < 16; ++i) {  // rivets and seams
        double y = 190 + i * 18;
        c.Rectangle(x + 6, y, w - 12, 1, kPanelDark.Scaled(0.7));
        c.Circle(x + 10, y + 9, 1.5, kPanelLight);
        c.Circle(x + w - 10, y + 9, 1.5, kPanelLight);
    }
    c.RoundedFrame(x + 3, 3, w - 6, 474, 8, 2, kPanelLight);
}

void Slot(Canvas& c, double x, double y, double w, double h) {
    c.RoundedRect(x - 3, y - 3, w + 6, h + 6, 4, kPanelDark.Scaled(0.6));
    c.RoundedRect(x - 2, y - 2, w + 4, h + 4, 3, kSlot);
    c.RoundedFrame(x - 3, y - 3, w + 6, h + 6, 4, 1, kAccent.WithAlpha(0.7));
}

Picture Frame(const Asset& a) {
    Canvas c(a.width, a.height);
    Panel(c, 0, 138);
    Panel(c, 502, 138);
    // The window edges: a bright rim on each panel's inner side.
    c.Rectangle(134, 0, 4, 480, kPanelLight);
    c.Rectangle(502, 0, 4, 480, kPanelLight);
    c.Rectangle(136, 0, 2, 480, kAccent);
    c.Rectangle(502, 0, 2, 480, kAccent);
    // Left panel: lives, weapon, level banner.
    c.Text("LIVES", Font::SansBold, 12, 64, 33, kLabel);
    Slot(c, 9, 40, 110, 18);
    c.Text("WEAPON", Font::SansBold, 12, 64, 95, kLabel);
    Slot(c, 4, 102, 112, 27);
    c.Rectangle(0, 138, 136, 37, kSlot);
    c.Rectangle(0, 137, 136, 1, kAccent);
    c.Rectangle(0, 175, 136, 1, kAccent);
    // Right panel: score and boss energy.
    c.Text("SCORE", Font::SansBold, 12, 570, 33, kLabel);
    Slot(c, 515, 40, 110, 22);
    c.Text("BOSS", Font::SansBold, 12, 571, 125, kLabel);
    Slot(c, 530, 132, 83, 19);
    // The name, down the lower panels.
    for (int side = 0; side < 2; ++side) {
        double cx = side == 0 ? 69 : 571;
        c.Text("SKYRIFT", Font::SansBold, 17, cx, 450, Colour::Rgb8(90, 110, 170), 1, kPanelDark);
        c.Glow(cx, 300, 40, kAccent.WithAlpha(0.25));
        c.Circle(cx, 300, 22, kPanelDark);
        c.Circle(cx, 300, 18, kPanelMid);
        double arrow[] = {cx, 286, cx + 10, 310, cx, 304, cx - 10, 310};
        c.Polygon(arrow, 4, kAccent);
    }
    // The playfield is the key colour: the game shows through it.
    cairo_save(c.cr());
    cairo_set_operator(c.cr(), CAIRO_OPERATOR_CLEAR);
    cairo_rectangle(c.cr(), 138, 0, 364, 480);
    cairo_fill(c.cr());
    cairo_restore(c.cr());
    return c.Flatten(a.key);
}

Picture Digits(const Asset& a, const Colour& ink, const Colour& glow, const Colour& ground) {
    Canvas c(a.width, a.height);
    c.Fill(ground);
    const int cw = a.CellWidth();
    const double size = a.height * 0.95;
    EachCell(c, 10, cw, [&](int d) {
        std::string s(1, char('0' + d));
        c.Text(s, Font::MonoBold, size, cw / 2.0, a.height * 0.84, ink, 1.2, glow);
    });
    return c.Opaque();
}

Picture Banners(const Asset& a) {
    Canvas c(a.width, a.height);
    const Colour tints[6] = {Colour::Rgb8(90, 170, 255),  Colour::Rgb8(110, 220, 90),  Colour::Rgb8(255, 90, 50),
                             Colour::Rgb8(170, 180, 200), Colour::Rgb8(240, 100, 230), Colour::Rgb8(255, 210, 60)};
    EachCell(c, 6, 138, [&](int i) {
        c.Fill(kSlot);
        c.VerticalGradient(0, 2, 138, 29, tints[i].Scaled(0.35), tints[i].Scaled(0.12));
        c.Rectangle(0, 1, 138, 1, tints[i]);
        c.Rectangle(0, 31, 138, 1, tints[i]);
        // Visible part starts 5 pixels in: centre the text on x 5..137.
        c.Text("LEVEL " + std::to_string(i + 1), Font::SansBold, 19, 71, 24, Colour::Rgb8(250, 250, 255), 1.5,
               tints[i].Scaled(0.6));
    });
    return c.Opaque();
}

Picture BossBar(const Asset& a) {
    Canvas c(a.width, a.height);
    // Frame 0..82: border rows stay visible above and below the fills drawn over it.
    c.Rectangle(0, 0, 83, 19, Colour::Rgb8(200, 210, 230));
    c.Rectangle(1, 1, 81, 17, Colour::Rgb8(70, 75, 100));
    c.Rectangle(3, 3, 77, 13, Colour::Rgb8(12, 14, 28));
    // A neutral end cap: a red one read as energy left in an empty bar.
    c.Rectangle(78, 5, 3, 9, Colour::Rgb8(110, 120, 150));
    // Fills keep rows 0..2 and 16..18 transparent.
    c.VerticalGradient(88, 3, 73, 13, Colour::Rgb8(255, 150, 170), Colour::Rgb8(200, 20, 60));
    c.VerticalGradient(171, 3, 73, 13, Colour::Rgb8(255, 240, 140), Colour::Rgb8(230, 140, 20));
    for (int x = 92; x < 161; x += 8) c.Rectangle(x, 3, 1, 13, Colour::Rgb8(140, 10, 40));
    for (int x = 175; x < 244; x += 8) c.Rectangle(x, 3, 1, 13, Colour::Rgb8(170, 90, 10));
    return c.Flatten(a.key);
}

Picture WeaponIcon(const Asset& a) {
    Canvas c(a.width, a.height);
    c.Fill(kSlot);
    c.RoundedRect(1.5, 1.5, a.width - 3, a.height - 3, 7, Colour::Rgb8(20, 90, 50));
    c.RoundedRect(3, 3, a.width - 6, a.height - 6, 6, Colour::Rgb8(60, 220, 100));
    c.Text("P", Font::SansBold, 15, a.width / 2.0, a.height / 2.0 + 5.5, Colour::Rgb8(255, 255, 255), 1.3,
           Colour::Rgb8(20, 90, 50));
    return c.Opaque();
}

}  // namespace

Picture DrawHud(const Asset& a) {
    const std::string& v = a.variant;
    if (v == "frame") return Frame(a);
    if (v == "digits") return Digits(a, Colour::Rgb8(210, 240, 255), Colour::Rgb8(30, 90, 160), kSlot);
    if (v == "digits_yellow") return Digits(a, Colour::Rgb8(255, 240, 60), Colour::Rgb8(160, 90, 0), kSlot);
    if (v == "digits_big")
        return Digits(a, Colour::Rgb8(255, 230, 120), Colour::Rgb8(150, 60, 20), Colour::Rgb8(10, 8, 30));
    if (v == "banners") return Banners(a);
    if (v == "bossbar") return BossBar(a);
    if (v == "weaponicon") return WeaponIcon(a);
    Canvas c(a.width, a.height);  // life
    DrawLifeIcon(c, a.width, a.height);
    return c.Flatten(a.key);
}

}  // namespace forge
