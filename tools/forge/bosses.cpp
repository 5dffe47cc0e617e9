// Boss sheets: big, detailed silhouettes with their guns where the attacks start.
#include <cmath>
#include <functional>
#include <map>

#include "art.h"
#include "families.h"

namespace forge {

Picture DrawSheet(const Asset& a, const std::function<void(Canvas&, double, double, int)>& draw, int normal,
                  const std::vector<int>& flashOf);

namespace {

void Turret(Canvas& c, double x, double y, double r, const Colour& body, bool lit) {
    c.Circle(x, y, r + 2, Colour::Rgb8(50, 40, 60));
    ShadedBall(c, x, y, r, body);
    c.Circle(x, y, r * 0.45, lit ? Colour::Rgb8(255, 250, 170) : Colour::Rgb8(255, 110, 60));
}

void Moine(Canvas& c, double w, double h, int f) {
    double sway = (f == 1 || f == 3) ? 1.5 : 0;
    double robe[] = {w / 2, 6, w / 2 + 20, 18, w / 2 + 30 + sway, h - 2, w / 2 - 30 - sway, h - 2, w / 2 - 20, 18};
    ShadedPolygon(c, robe, 5, Colour::Rgb8(120, 60, 150), Colour::Rgb8(230, 200, 255), 1.5);
    c.Ellipse(w / 2, 22, 13, 14, Colour::Rgb8(60, 20, 80));
    c.Ellipse(w / 2, 24, 9, 10, Colour::Rgb8(25, 10, 35));
    Colour eye = f % 2 == 0 ? Colour::Rgb8(255, 230, 60) : Colour::Rgb8(255, 140, 40);
    c.Circle(w / 2 - 4, 24, 2, eye);
    c.Circle(w / 2 + 4, 24, 2, eye);
    c.Rectangle(w / 2 - 3, 34, 6, h - 36, Colour::Rgb8(240, 200, 90));
    double orb = 5 + (f % 4) * 1.2;
    c.Glow(w / 2, 46, orb * 2.4, Colour::Rgb8(255, 240, 120, 0.9));
    ShadedBall(c, w / 2, 46, orb, Colour::Rgb8(255, 220, 80));
    c.Circle(w / 2 - 18, 44, 4, Colour::Rgb8(255, 215, 185));
    c.Circle(w / 2 + 18, 44, 4, Colour::Rgb8(255, 215, 185));
}

void CubeBoss(Canvas& c, double w, double h, int f) {
    // A fortress cube with two upper guns and a bottom gun at the points its attacks use.
    // A cube seen from the front and a little above: top and right faces, then the front.
    double top[] = {20, 50, 50, 18, 282, 18, 252, 50};
    ShadedPolygon(c, top, 4, Colour::Rgb8(170, 185, 225), Colour::Rgb8(40, 50, 70), 2);
    double side[] = {252, 50, 282, 18, 282, 188, 252, 220};
    ShadedPolygon(c, side, 4, Colour::Rgb8(70, 80, 120), Colour::Rgb8(40, 50, 70), 2);
    c.Rectangle(20, 50, 232, 170, Colour::Rgb8(40, 50, 70));
    c.VerticalGradient(24, 54, 224, 162, Colour::Rgb8(130, 150, 190), Colour::Rgb8(60, 70, 110));
    Mottle(c, 0, 0, w, h, Colour::Rgb8(30, 40, 70), 0.35, 7, 51);
    for (int k = 0; k < 8; ++k) {  // rivets along the edges
        c.Circle(30 + k * 30, 58, 2, Colour::Rgb8(200, 210, 240));
        c.Circle(30 + k * 30, 210, 2, Colour::Rgb8(200, 210, 240));
    }
    for (int i = 0; i < 6; ++i) {  // armour bands; a scan of light runs down them frame by frame
        double y = 70 + i * 22;
        bool lit = i == f;
        c.Rectangle(40, y, 192, lit ? 5 : 3, lit ? Colour::Rgb8(160, 255, 220) : Colour::Rgb8(90, 105, 150));
    }
    double core = 22 + 5 * std::cos(f * M_PI / 3);
    const double cx = 136, cy = 128;
    c.Glow(cx, cy, core * 2.2, Colour::Rgb8(90, 255, 200, 0.8));
    c.Rectangle(cx - core, cy - core, core * 2, core * 2, Colour::Rgb8(40, 200, 160));
    c.Rectangle(cx - core / 2, cy - core / 2, core, core, Colour::Rgb8(210, 255, 240));
    for (int i = 0; i < 6; ++i) {
        bool lit = i == f;
        c.Circle(46 + i * 36, 196, 6, lit ? Colour::Rgb8(255, 255, 160) : Colour::Rgb8(120, 60, 60));
    }
    Turret(c, 46, 45, 18, Colour::Rgb8(200, 80, 80), f % 2 == 0);
    Turret(c, 255, 45, 18, Colour::Rgb8(200, 80, 80), f % 2 == 1);
    double neck[] = {110, 218, 190, 218, 165, 232, 135, 232};
    ShadedPolygon(c, neck, 4, Colour::Rgb8(90, 100, 140), Colour::Rgb8(200, 210, 240), 1.5);
    Turret(c, 149, 225, 16, Colour::Rgb8(90, 200, 120), f % 3 == 0);
}

void Death(Canvas& c, double w, double h, int f) {
    bool fighting = f == 3;
    double flutter = fighting ? 0 : f * 4;
    double cloak[] = {w / 2, 30,    w / 2 + 70, 70,     w / 2 + 90 + flutter, h - 4, w / 2 + 40, h - 24,
                      w / 2, h - 8, w / 2 - 40, h - 24, w / 2 - 90 - flutter, h - 4, w / 2 - 70, 70};
    ShadedPolygon(c, cloak, 8, Colour::Rgb8(70, 60, 90), Colour::Rgb8(170, 160, 200), 2);
    for (int k = -3; k <= 3; ++k)
        c.Line(w / 2 + k * 8, 90, w / 2 + k * 24 + (k < 0 ? -flutter : flutter), h - 20, 2, Colour::Rgb8(40, 32, 56));
    Mottle(c, 0, 0, w, h, Colour::Rgb8(30, 20, 40), 0.4, 10, 41);
    // Scythe.
    double sx = fighting ? w - 40 : w - 30;
    c.Line(sx, 20, sx - 30, h - 10, 5, Colour::Rgb8(140, 100, 60));
    double blade[] = {sx, 20, sx - 90, 10, sx - 120, 34, sx - 70, 26};
    ShadedPolygon(c, blade, 4, Colour::Rgb8(210, 220, 235), Colour::Rgb8(90, 100, 130), 1.5);
    // Skull over the two muzzles (x 113 and 138, y 111).
    ShadedBall(c, w / 2, 75, 34, Colour::Rgb8(235, 230, 215));
    c.Ellipse(w / 2 - 13, 72, 9, 11, Colour::Rgb8(40, 10, 20));
    c.Ellipse(w / 2 + 13, 72, 9, 11, Colour::Rgb8(40, 10, 20));
    Colour eye = fighting ? Colour::Rgb8(255, 60, 40) : Colour::Rgb8(255, 160, 60);
    c.Circle(w / 2 - 13, 73, 3.5, eye);
    c.Circle(w / 2 + 13, 73, 3.5, eye);
    c.Rectangle(w / 2 - 16, 98, 32, 10, Colour::Rgb8(225, 220, 205));
    for (int i = 0; i < 5; ++i) c.Rectangle(w / 2 - 15 + i * 6.5, 99, 1.5, 9, Colour::Rgb8(80, 60, 60));
    c.Glow(113, 111, fighting ? 14 : 8, Colour::Rgb8(255, 60, 80, 0.9));
    c.Glow(138, 111, fighting ? 14 : 8, Colour::Rgb8(255, 60, 80, 0.9));
    c.Circle(80, 140, 9, Colour::Rgb8(235, 230, 215));
    c.Circle(w - 80, 140, 9, Colour::Rgb8(235, 230, 215));
}

void Monstro(Canvas& c, double w, double h, int f) {
    double breathe = f == 1 ? 4 : 0;
    SpikeRing(c, w / 2, h / 2, w / 2 - 22, h / 2 - 24, 14, 20 + breathe, Colour::Rgb8(200, 190, 150),
              Colour::Rgb8(70, 60, 40), f * 0.05);
    c.Ellipse(w / 2, h / 2, w / 2 - 14 + breathe / 2, h / 2 - 16, Colour::Rgb8(60, 90, 30));
    c.Ellipse(w / 2, h / 2 - 4, w / 2 - 19 + breathe / 2, h / 2 - 23, Colour::Rgb8(110, 170, 50));
    Mottle(c, 0, 0, w, h, Colour::Rgb8(40, 70, 20), 0.55, 14, 11);
    Rng veins(5);
    for (int i = 0; i < 10; ++i) {
        double a = veins.Range(0, 2 * M_PI), r0 = veins.Range(30, 60), r1 = r0 + veins.Range(25, 45);
        c.Line(w / 2 + cos(a) * r0, h / 2 + sin(a) * r0 * 0.9, w / 2 + cos(a + 0.3) * r1,
               h / 2 + sin(a + 0.3) * r1 * 0.9, 2, Colour::Rgb8(150, 40, 60, 0.8));
    }
    Eye(c, w / 2 - 36, h / 2 - 8, 16, Colour::Rgb8(255, 200, 40), 0, 0.6);
    Eye(c, w / 2 + 36, h / 2 - 8, 16, Colour::Rgb8(255, 200, 40), 0, 0.6);
    const double mouths[8][2] = {{44, 48},   {122, 48}, {200, 48},  {53, 120},
                                 {191, 120}, {44, 185}, {122, 185}, {200, 185}};
    for (const auto& m : mouths) {
        double x = m[0] + 8, y = m[1] + 8;
        c.Ellipse(x, y, 13, 9 + breathe / 2, Colour::Rgb8(80, 10, 30));
        c.Ellipse(x, y + 1, 9, 5 + breathe / 2, Colour::Rgb8(200, 40, 70));
        for (int t = -1; t <= 1; ++t) {
            double tooth[] = {x + t * 6 - 2, y - 6, x + t * 6 + 2, y - 6, x + t * 6, y - 2};
            c.Polygon(tooth, 3, Colour::Rgb8(250, 245, 220));
        }
    }
}

void RadioZonde(Canvas& c, double w, double h, int f) {
    // A tall radio probe: a balloon, a cage of antennas and the emitter dish at (156, 172).
    double tilt = f == 1 ? 6 : 0;
    c.Ellipse(w / 2, 70, 70, 62, Colour::Rgb8(70, 40, 50));
    c.Ellipse(w / 2, 68, 66, 58, Colour::Rgb8(230, 120, 90));
    Mottle(c, w / 2 - 70, 6, 140, 126, Colour::Rgb8(170, 70, 50), 0.4, 12, 31);
    for (int k = -2; k <= 2; ++k)  // the balloon's gores
        c.Line(w / 2 + k * 22, 10 + std::abs(k) * 6, w / 2 + k * 30, 128 - std::abs(k) * 6, 1.5,
               Colour::Rgb8(150, 60, 50));
    c.Ellipse(w / 2 - 20, 46, 20, 16, Colour::Rgb8(255, 200, 170));
    c.Rectangle(w / 2 - 20, 128, 40, 10, Colour::Rgb8(120, 90, 60));
    c.Line(w / 2 - 40, 118, 110, 150, 3, Colour::Rgb8(200, 200, 210));
    c.Line(w / 2 + 40, 118, 200, 150, 3, Colour::Rgb8(200, 200, 210));
    c.RoundedRect(100, 145, 112, 60, 8, Colour::Rgb8(60, 70, 90));
    c.VerticalGradient(104, 149, 104, 52, Colour::Rgb8(170, 190, 220), Colour::Rgb8(90, 100, 140));
    for (int k = 0; k < 4; ++k)
        c.Rectangle(112 + k * 24, 190, 18, 6, (k + f) % 2 ? Colour::Rgb8(255, 80, 80) : Colour::Rgb8(80, 255, 140));
    c.Glow(156, 172, 26, Colour::Rgb8(120, 255, 255, 0.9));
    ShadedBall(c, 156, 172, 11, Colour::Rgb8(80, 230, 255));
    for (int i = 0; i < 5; ++i) {
        double x = 70 + i * 44;
        c.Line(x, 210, x + (i - 2) * 14 + tilt, h - 8, 6, Colour::Rgb8(50, 55, 80));
        c.Line(x, 210, x + (i - 2) * 14 + tilt, h - 8, 3, Colour::Rgb8(200, 210, 230));
        c.Circle(x + (i - 2) * 14 + tilt, h - 8, 5,
                 (i + f) % 2 ? Colour::Rgb8(255, 80, 80) : Colour::Rgb8(255, 240, 120));
    }
    c.RoundedRect(90, 236, 134, 14, 6, Colour::Rgb8(60, 70, 100));  // a ring bracing the legs
    c.RoundedRect(94, 239, 126, 8, 4, Colour::Rgb8(150, 160, 200));
    c.Line(w / 2, 210, w / 2 + tilt, 300, 7, Colour::Rgb8(50, 55, 80));
    c.Line(w / 2, 210, w / 2 + tilt, 300, 4, Colour::Rgb8(230, 230, 240));
    double dish[] = {w / 2 - 40 + tilt, 300, w / 2 + 40 + tilt, 300, w / 2 + tilt, 270};
    ShadedPolygon(c, dish, 3, Colour::Rgb8(210, 210, 230), Colour::Rgb8(90, 90, 120), 1.5);
}

void Insecte(Canvas& c, double w, double, int f) {
    bool dropping = f >= 2;
    double wing = (f % 2 == 0) ? 1.0 : 0.6;
    for (int s = -1; s <= 1; s += 2) {
        c.Ellipse(w / 2 + s * 52, 30, 40, 22 * wing + 4, Colour::Rgb8(190, 240, 255, 0.85));
        c.Line(w / 2 + s * 14, 30, w / 2 + s * 86, 26 - 8 * wing, 1.5, Colour::Rgb8(120, 170, 200));
        c.Ellipse(w / 2 + s * 50, 55, 34, 14 * wing + 3, Colour::Rgb8(150, 210, 250, 0.85));
        for (int leg = 0; leg < 3; ++leg)
            c.Line(w / 2 + s * 12, 60 + leg * 10, w / 2 + s * (40 + leg * 8), 80 + leg * 12, 3,
                   Colour::Rgb8(90, 60, 30));
    }
    c.Ellipse(w / 2, 58, 22, 40, Colour::Rgb8(80, 50, 20));
    c.Ellipse(w / 2, 56, 19, 37, Colour::Rgb8(230, 170, 40));
    for (int i = 0; i < 4; ++i) c.Rectangle(w / 2 - 18, 60 + i * 9, 36, 3, Colour::Rgb8(60, 40, 20));
    if (dropping) {
        c.Ellipse(w / 2, 92, 12, 8, Colour::Rgb8(60, 200, 90));
        c.Glow(w / 2, 92, 18, Colour::Rgb8(120, 255, 140, 0.8));
    }
    ShadedBall(c, w / 2, 22, 16, Colour::Rgb8(200, 120, 40));
    Eye(c, w / 2 - 8, 20, 6, Colour::Rgb8(200, 20, 20), 0, 0.5);
    Eye(c, w / 2 + 8, 20, 6, Colour::Rgb8(200, 20, 20), 0, 0.5);
    c.Glow(96, 55, 10, Colour::Rgb8(255, 80, 60, 0.8));
}

void Xorg(Canvas& c, double w, double h, int f, bool damaged) {
    double pulse = f == 1 ? 6 : 0;
    Colour hull = damaged ? Colour::Rgb8(150, 50, 60) : Colour::Rgb8(70, 90, 170);
    double body[] = {w / 2, 4, w - 10, 60, w - 30, h - 40, w / 2, h - 4, 30, h - 40, 10, 60};
    ShadedPolygon(c, body, 6, hull, Colour::Rgb8(220, 230, 255), 2);
    double inner[] = {w / 2, 30, w - 45, 75, w - 55, h - 60, w / 2, h - 30, 55, h - 60, 45, 75};
    ShadedPolygon(c, inner, 6, hull.Scaled(0.7), hull.Mix(Colour{1, 1, 1, 1}, 0.5), 1.5);
    Mottle(c, 0, 0, w, h, hull.Scaled(0.4), 0.35, 6, damaged ? 21 : 20);
    for (int k = 0; k < 6; ++k) {  // plate seams and rivets
        double y = 60 + k * 26;
        c.Line(40 + k * 3, y, w - 40 - k * 3, y, 1.2, hull.Scaled(0.5));
        c.Circle(48 + k * 3, y + 5, 2, hull.Mix(Colour{1, 1, 1, 1}, 0.6));
        c.Circle(w - 48 - k * 3, y + 5, 2, hull.Mix(Colour{1, 1, 1, 1}, 0.6));
    }
    for (int s = -1; s <= 1; s += 2) {  // horns
        double horn[] = {w / 2 + s * 30, 40, w / 2 + s * 70, 2, w / 2 + s * 50, 52};
        ShadedPolygon(c, horn, 3, Colour::Rgb8(230, 220, 200), Colour::Rgb8(80, 60, 60), 1.2);
    }
    for (int k = 0; k < 5; ++k) {  // a row of lights that chase between the two frames
        bool lit = (k + f) % 2 == 0;
        c.Circle(w / 2 - 40 + k * 20, h - 58, 4, lit ? Colour::Rgb8(255, 240, 120) : Colour::Rgb8(120, 40, 40));
    }
    c.Glow(112, 126, 40 + pulse, damaged ? Colour::Rgb8(255, 90, 40, 0.9) : Colour::Rgb8(160, 120, 255, 0.9));
    ShadedBall(c, 112, 126, 18, damaged ? Colour::Rgb8(255, 120, 60) : Colour::Rgb8(190, 150, 255));
    Eye(c, w / 2 - 30, 80, 10, Colour::Rgb8(60, 255, 120), 0, 0.5);
    Eye(c, w / 2 + 30, 80, 10, Colour::Rgb8(60, 255, 120), 0, 0.5);
    for (int s = -1; s <= 1; s += 2) {
        double fin[] = {w / 2 + s * 60, 120, w / 2 + s * 108, 150 + pulse, w / 2 + s * 70, 200};
        ShadedPolygon(c, fin, 3, hull.Mix(Colour{1, 1, 1, 1}, 0.2), Colour::Rgb8(220, 230, 255), 1.5);
    }
    if (damaged) {
        Rng rng(77);
        for (int i = 0; i < 9; ++i) {
            double x = 40 + rng.Unit() * (w - 80), y = 40 + rng.Unit() * (h - 100);
            // Drawn one by one: the order of a call's arguments is the compiler's choice, and gcc
            // and clang choose differently. (This order is the one gcc took.)
            const double dy = rng.Range(-20, 20);
            const double dx = rng.Range(-20, 20);
            c.Line(x, y, x + dx, y + dy, 2.5, Colour::Rgb8(60, 20, 20));
            c.Glow(x, y, 8, Colour::Rgb8(255, 160, 40, 0.8));
        }
    }
}

}  // namespace

Picture DrawBoss(const Asset& a) {
    using Draw = std::function<void(Canvas&, double, double, int)>;
    const std::string& v = a.variant;
    if (v == "Moine") return DrawSheet(a, Moine, 4, {0, 1, 2, 3});
    if (v == "CubeBoss") return DrawSheet(a, CubeBoss, 6, {});
    if (v == "CubeBossFlash") return DrawSheet(a, CubeBoss, 0, {0, 1, 2, 3, 4, 5});
    if (v == "Death") return DrawSheet(a, Death, 4, {1, 3});
    if (v == "Monstro") return DrawSheet(a, Monstro, 2, {0, 1});
    if (v == "RadioZonde") return DrawSheet(a, RadioZonde, 2, {0, 1});
    if (v == "Insecte") return DrawSheet(a, Insecte, 4, {0, 1});
    bool damaged = v == "XorgDamaged";
    Draw xorg = [damaged](Canvas& c, double w, double h, int f) { Xorg(c, w, h, f, damaged); };
    return DrawSheet(a, xorg, 2, {0});
}

}  // namespace forge
