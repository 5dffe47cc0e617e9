// Regular enemy sheets: one silhouette and palette per kind, frames that move, flashes that flash.
#include <cmath>
#include <functional>
#include <map>
#include <stdexcept>

#include "art.h"
#include "core/catalogue.h"
#include "families.h"
// Rows laid out by hand.
// clang-format off

namespace forge {

namespace {

using DrawCell = std::function<void(Canvas&, double w, double h, int frame)>;

const Colour kInk = Colour::Rgb8(40, 26, 48);

void Boule(Canvas& c, double w, double h, int f) {
    Colour body = f == 1 ? Colour::Rgb8(250, 196, 40) : Colour::Rgb8(220, 50, 60);
    c.Circle(w / 2, h / 2, w / 2 - 0.5, kInk);
    ShadedBall(c, w / 2, h / 2, w / 2 - 2, body);
    c.Rectangle(3, h / 2 - 1.5, w - 6, 3, Colour::Rgb8(70, 40, 90));
    c.Circle(w / 2, h / 2, 4, Colour::Rgb8(120, 255, 240));
}

void Piaf(Canvas& c, double w, double h, int f) {
    Colour wing = Colour::Rgb8(150, 220, 255);
    double tip = f == 0 ? 0.5 : h - 0.5;
    double l[] = {w / 2, h / 2, 1, tip, 6, h / 2 + 1};
    double r[] = {w / 2, h / 2, w - 1, tip, w - 6, h / 2 + 1};
    c.Polygon(l, 3, wing);
    c.Polygon(r, 3, wing);
    c.Ellipse(w / 2, h / 2, 5, 3.5, Colour::Rgb8(255, 150, 60));
    c.Circle(w / 2, h / 2 + 2, 1.3, Colour::Rgb8(255, 250, 200));
}

void Delta(Canvas& c, double w, double h, int f) {
    double hull[] = {w / 2, h - 4, 4, 18, 22, 6, w / 2 - 14, 16, w / 2, 4, w / 2 + 14, 16, w - 22, 6, w - 4, 18};
    ShadedPolygon(c, hull, 8, Colour::Rgb8(150, 60, 170), Colour::Rgb8(240, 200, 255), 1.5);
    double spine[] = {w / 2, h - 12, w / 2 - 18, 24, w / 2, 10, w / 2 + 18, 24};
    ShadedPolygon(c, spine, 4, Colour::Rgb8(90, 40, 130), Colour::Rgb8(200, 150, 255), 1);
    Mottle(c, 0, 0, w, h, Colour::Rgb8(60, 20, 90), 0.3, 6, 21);
    c.Ellipse(w / 2, 30, 9, 12, Colour::Rgb8(255, 80, 90));
    c.Ellipse(w / 2 - 2, 26, 3, 4, Colour::Rgb8(255, 210, 220));
    for (int s = -1; s <= 1; s += 2) {
        double x = w / 2 + s * 50;
        double flame = f == 0 ? 16 : 24;
        c.Glow(x, 14, flame, Colour::Rgb8(255, 170, 60, 0.9));
        c.Circle(x, 14, 5, Colour::Rgb8(255, 240, 180));
        c.Rectangle(x - 8, 40, 16, 22, Colour::Rgb8(100, 50, 140));
        c.Circle(x, 62, 5, f == 0 ? Colour::Rgb8(120, 255, 200) : Colour::Rgb8(255, 255, 140));
    }
}

void Yeux(Canvas& c, double w, double h, int f) {
    double dir = f == 1 ? -1 : 1;  // frame 1 faces left (it enters from the right)
    double body[] = {w / 2 - dir * 50, 8, w / 2 + dir * 30, 4, w / 2 + dir * 52, h / 2, w / 2 + dir * 30, h - 4,
                     w / 2 - dir * 50, h - 8, w / 2 - dir * 40, h / 2};
    ShadedPolygon(c, body, 6, Colour::Rgb8(60, 150, 120), Colour::Rgb8(190, 255, 220), 1.5);
    Mottle(c, 0, 0, w, h, Colour::Rgb8(30, 80, 60), 0.3, 5, 22);
    Eye(c, w / 2 + dir * 12, h / 2, 12, Colour::Rgb8(230, 60, 60), dir, 0.2);
    c.Glow(w / 2 - dir * 48, h / 2, 10, Colour::Rgb8(120, 220, 255, 0.9));
}

void Modular(Canvas& c, double w, double h, int f) {
    c.RoundedRect(4, 4, w - 8, h - 8, 5, Colour::Rgb8(200, 200, 215));
    c.RoundedFrame(4, 4, w - 8, h - 8, 5, 1.5, Colour::Rgb8(90, 90, 120));
    Colour pod = f == 0 ? Colour::Rgb8(70, 160, 255) : Colour::Rgb8(255, 90, 200);
    c.Rectangle(1, h / 2 - 4, 5, 8, pod);
    c.Rectangle(w - 6, h / 2 - 4, 5, 8, pod);
    c.Rectangle(w / 2 - 4, 1, 8, 5, pod);
    c.Rectangle(w / 2 - 4, h - 6, 8, 5, pod);
    ShadedBall(c, w / 2, h / 2, 6, f == 0 ? Colour::Rgb8(255, 120, 40) : Colour::Rgb8(255, 220, 60));
}

void Soucoupe(Canvas& c, double w, double, int f) {
    c.Ellipse(w / 2, 28, 16, 16, Colour::Rgb8(140, 230, 255, 0.95));
    c.Ellipse(w / 2 - 4, 22, 5, 5, Colour::Rgb8(240, 255, 255));
    c.Ellipse(w / 2, 38, w / 2 - 2, 11, Colour::Rgb8(90, 90, 110));
    c.Ellipse(w / 2, 36, w / 2 - 4, 8, Colour::Rgb8(190, 195, 210));
    for (int i = 0; i < 4; ++i) {
        double x = 12 + i * (w - 24) / 3;
        bool lit = i == f;
        c.Circle(x, 37, 3.2, lit ? Colour::Rgb8(255, 255, 120) : Colour::Rgb8(255, 90, 60));
    }
    c.Ellipse(w / 2, 50, 12, 5, Colour::Rgb8(110, 255, 140));
    // The bonus it carries hangs underneath.
    c.RoundedRect(w / 2 - 6, 53, 12, 10, 3, Colour::Rgb8(60, 200, 90));
    c.Text("P", Font::SansBold, 9, w / 2, 62, Colour::Rgb8(255, 255, 255));
}

void Cube(Canvas& c, double w, double h, int f) {
    c.Fill(Colour::Rgb8(60, 56, 70));
    c.Rectangle(1, 1, w - 2, h - 2, Colour::Rgb8(130, 120, 140));
    c.Rectangle(3, 3, w - 6, h - 6, Colour::Rgb8(175, 165, 185));
    c.Line(2, 2, 8, 8, 1.5, Colour::Rgb8(225, 220, 235));
    c.Rectangle(9, 9, w - 18, h - 18, f == 0 ? Colour::Rgb8(230, 90, 40) : Colour::Rgb8(255, 200, 60));
    c.Rectangle(12, 12, w - 24, h - 24, Colour::Rgb8(255, 245, 200));
}

void CubeDevil(Canvas& c, double w, double h, int f) {
    c.Fill(Colour::Rgb8(40, 10, 18));
    c.Rectangle(3, 3, w - 6, h - 6, Colour::Rgb8(150, 20, 40));
    c.VerticalGradient(6, 6, w - 12, h - 12, Colour::Rgb8(210, 50, 60), Colour::Rgb8(110, 10, 30));
    double hornL[] = {10, 10, 24, 4, 20, 22};
    double hornR[] = {w - 10, 10, w - 24, 4, w - 20, 22};
    c.Polygon(hornL, 3, Colour::Rgb8(250, 230, 200));
    c.Polygon(hornR, 3, Colour::Rgb8(250, 230, 200));
    Colour glow = f == 0 ? Colour::Rgb8(255, 240, 80) : Colour::Rgb8(255, 150, 40);
    double el[] = {22, 34, 40, 40, 24, 44};
    double er[] = {w - 22, 34, w - 40, 40, w - 24, 44};
    c.Polygon(el, 3, glow);
    c.Polygon(er, 3, glow);
    c.Rectangle(24, 60, w - 48, 10, Colour::Rgb8(40, 5, 10));
    for (int i = 0; i < 6; ++i) {
        double x = 26 + i * (w - 52) / 5.0;
        double t[] = {x - 3, 60, x + 3, 60, x, f == 0 ? 66.0 : 68.0};
        c.Polygon(t, 3, Colour::Rgb8(250, 245, 235));
    }
}

void CubeInviderOne(Canvas& c, double w, double h, int f) {
    // A giant pixel invader made of bevelled blocks.
    static const char* rows[] = {"..X.....X..", "...X...X...", "..XXXXXXX..", ".XX.XXX.XX.",
                                 "XXXXXXXXXXX", "X.XXXXXXX.X", "X.X.....X.X", "...XX.XX..."};
    static const char* alt[] = {"..X.....X..", "X..X...X..X", "X.XXXXXXX.X", "XXX.XXX.XXX",
                                "XXXXXXXXXXX", ".XXXXXXXXX.", "..X.....X..", ".X.......X."};
    const char** art = f == 1 ? alt : rows;
    double cell = std::min((w - 8) / 11.0, (h - 8) / 8.0);
    double ox = (w - cell * 11) / 2, oy = (h - cell * 8) / 2;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 11; ++x)
            if (art[y][x] == 'X') {
                double px = ox + x * cell, py = oy + y * cell;
                c.Rectangle(px, py, cell, cell, Colour::Rgb8(40, 90, 60));
                c.Rectangle(px + 1.5, py + 1.5, cell - 3, cell - 3, Colour::Rgb8(80, 220, 120));
                c.Rectangle(px + 4, py + 4, cell - 8, cell / 3, Colour::Rgb8(190, 255, 200));
            }
    c.Circle(ox + 4.5 * cell, oy + 3.5 * cell, cell * 0.45, Colour::Rgb8(255, 60, 60));
    c.Circle(ox + 6.5 * cell, oy + 3.5 * cell, cell * 0.45, Colour::Rgb8(255, 60, 60));
}

void Triangle(Canvas& c, double w, double h, int) {
    double t[] = {w / 2, h - 1.5, 1.5, 2, w - 1.5, 2};
    ShadedPolygon(c, t, 3, Colour::Rgb8(60, 200, 230), Colour::Rgb8(210, 255, 255), 1.5);
    double in[] = {w / 2, h - 11, 12, 7, w - 12, 7};
    c.Polygon(in, 3, Colour::Rgb8(20, 90, 140));
    c.Circle(w / 2, 11, 3.5, Colour::Rgb8(255, 240, 120));
}

void Roue(Canvas& c, double w, double h, int f) {
    double cx = w / 2, cy = h / 2, r = w / 2 - 1;
    c.Circle(cx, cy, r, Colour::Rgb8(70, 60, 40));
    c.Circle(cx, cy, r - 2, Colour::Rgb8(220, 170, 60));
    c.Circle(cx, cy, r - 6, Colour::Rgb8(120, 80, 30));
    for (int i = 0; i < 4; ++i) {
        double a = (i * 45 + f * 22.5) * M_PI / 180;
        c.Line(cx - cos(a) * (r - 3), cy - sin(a) * (r - 3), cx + cos(a) * (r - 3), cy + sin(a) * (r - 3), 2.5,
               Colour::Rgb8(250, 220, 120));
    }
    ShadedBall(c, cx, cy, 4.5, Colour::Rgb8(255, 90, 50));
}

void Blob(Canvas& c, double w, double h, int f) {
    double squash = f == 0 ? 0 : 2;
    c.Ellipse(w / 2, h / 2 + 2, w / 2 - 1 + squash / 2, h / 2 - 3 - squash, Colour::Rgb8(60, 120, 20));
    c.Ellipse(w / 2, h / 2 + 2, w / 2 - 2.5 + squash / 2, h / 2 - 4.5 - squash, Colour::Rgb8(140, 220, 40));
    for (int i = 0; i < 3; ++i)
        c.Circle(6 + i * 9, h - 4 - (i == 1 ? squash : 0), 3, Colour::Rgb8(110, 190, 30));
    Mottle(c, 0, 0, w, h, Colour::Rgb8(40, 100, 10), 0.5, 5, 4);
    Eye(c, w / 2 - 5, h / 2, 4.5, Colour::Rgb8(200, 30, 30), -0.5, 0.3);
    Eye(c, w / 2 + 5, h / 2, 4.5, Colour::Rgb8(200, 30, 30), -0.5, 0.3);
}

void Virus(Canvas& c, double w, double h, int f) {
    double cx = w / 2, cy = h / 2;
    for (int i = 0; i < 10; ++i) {
        double a = (i * 36 + f * 18) * M_PI / 180;
        double x = cx + cos(a) * (w / 2 - 4), y = cy + sin(a) * (h / 2 - 4);
        c.Line(cx, cy, x, y, 2, Colour::Rgb8(200, 90, 255));
        c.Circle(x, y, 3, Colour::Rgb8(255, 140, 255));
    }
    ShadedBall(c, cx, cy, 12, Colour::Rgb8(170, 40, 220));
    c.Circle(cx - 3, cy - 2, 3, Colour::Rgb8(255, 255, 120));
    c.Circle(cx + 4, cy + 3, 2, Colour::Rgb8(255, 255, 120));
}

void Crabe(Canvas& c, double w, double h, int f) {
    int pose = f % 3;
    double open = pose * 6;
    for (int s = -1; s <= 1; s += 2) {
        for (int leg = 0; leg < 3; ++leg) {
            double x0 = w / 2 + s * (20 + leg * 12);
            double x1 = w / 2 + s * (46 + leg * 12);
            double y1 = h - 8 - ((leg + pose) % 2) * 8;
            c.Line(x0, h / 2 + 6, x1, y1, 4, Colour::Rgb8(150, 40, 30));
        }
        // Arm and pincer; the jaws open wider from pose to pose.
        const double px = w / 2 + s * 60, py = 24;
        c.Line(w / 2 + s * 34, h / 2 - 2, px - s * 4, py + 10, 7, Colour::Rgb8(150, 40, 30));
        c.Line(w / 2 + s * 34, h / 2 - 2, px - s * 4, py + 10, 4, Colour::Rgb8(240, 100, 60));
        c.Ellipse(px, py + 6, 12, 10, Colour::Rgb8(150, 40, 30));
        c.Ellipse(px, py + 6, 10, 8, Colour::Rgb8(240, 100, 60));
        double jaw = 0.25 + open * 0.05;
        for (int k = -1; k <= 1; k += 2) {
            double a = -M_PI / 2 + k * jaw;
            double tip[] = {px - 5, py + 2, px + std::cos(a) * 20, py + std::sin(a) * 20 + 2, px + 5, py + 2};
            ShadedPolygon(c, tip, 3, Colour::Rgb8(250, 130, 80), Colour::Rgb8(120, 30, 20), 1.2);
        }
    }
    c.Ellipse(w / 2, h / 2, 46, 30, Colour::Rgb8(120, 30, 20));
    c.Ellipse(w / 2, h / 2 - 2, 43, 27, Colour::Rgb8(230, 80, 50));
    c.Ellipse(w / 2, h / 2 - 10, 30, 12, Colour::Rgb8(255, 150, 110));
    Mottle(c, 0, 0, w, h, Colour::Rgb8(140, 30, 20), 0.45, 9, 3);
    Eye(c, w / 2 - 12, h / 2 - 20, 6, Colour::Rgb8(40, 40, 200), 0, 1);
    Eye(c, w / 2 + 12, h / 2 - 20, 6, Colour::Rgb8(40, 40, 200), 0, 1);
    c.Rectangle(w / 2 - 10, h / 2 + 14, 20, 4, Colour::Rgb8(90, 10, 10));
}

void Fleche(Canvas& c, double w, double h, int f) {
    // Frames 2 and 3 point the other way (moving left).
    bool left = f >= 2;
    cairo_save(c.cr());
    if (left) {
        cairo_translate(c.cr(), w, 0);
        cairo_scale(c.cr(), -1, 1);
    }
    double a[] = {w - 2, h - 2, 2, 9, 9, 9, 9, 2};
    ShadedPolygon(c, a, 4, Colour::Rgb8(255, 200, 40), Colour::Rgb8(130, 60, 10), 1.3);
    c.Glow(6, 6, f % 2 == 0 ? 7 : 10, Colour::Rgb8(255, 100, 40, 0.9));
    c.Line(9, 9, w - 5, h - 5, 2, Colour::Rgb8(255, 255, 200));
    cairo_restore(c.cr());
}

void Amybe(Canvas& c, double w, double h, int f) {
    double wob = f == 0 ? 0 : 3;
    c.Ellipse(w / 2, h / 2, w / 2 - 1 - wob, h / 2 - 1 + wob / 2, Colour::Rgb8(40, 100, 160, 1));
    c.Ellipse(w / 2, h / 2, w / 2 - 3 - wob, h / 2 - 3 + wob / 2, Colour::Rgb8(90, 200, 255, 1));
    c.Circle(w / 2 - 12, h / 2 + 6, 5 + wob, Colour::Rgb8(160, 230, 255));
    c.Circle(w / 2 + 14, h / 2 - 4, 4, Colour::Rgb8(160, 230, 255));
    Mottle(c, 0, 0, w, h, Colour::Rgb8(30, 90, 170), 0.4, 6, 5);
    ShadedBall(c, w / 2, h / 2, 7, Colour::Rgb8(255, 80, 160));
}

void Papillon(Canvas& c, double w, double h, int f) {
    double spread = f == 0 ? 6.5 : 3.5;
    c.Ellipse(w / 2 - spread / 2 - 1, h / 2 - 2, spread / 1.4 + 0.5, 4.5, Colour::Rgb8(255, 120, 200));
    c.Ellipse(w / 2 + spread / 2 + 1, h / 2 - 2, spread / 1.4 + 0.5, 4.5, Colour::Rgb8(255, 120, 200));
    c.Ellipse(w / 2 - spread / 2, h / 2 + 3, spread / 2, 3, Colour::Rgb8(255, 230, 90));
    c.Ellipse(w / 2 + spread / 2, h / 2 + 3, spread / 2, 3, Colour::Rgb8(255, 230, 90));
    c.Rectangle(w / 2 - 1, 2, 2, h - 4, Colour::Rgb8(90, 60, 120));
}

void Fee(Canvas& c, double w, double, int f) {
    double flap = f == 0 ? 1.0 : 0.55;
    for (int s = -1; s <= 1; s += 2) {
        c.Ellipse(w / 2 + s * 12 * flap, 26, 11 * flap + 2, 17, Colour::Rgb8(200, 255, 230, 0.85));
        c.Ellipse(w / 2 + s * 9 * flap, 44, 8 * flap + 2, 10, Colour::Rgb8(160, 240, 200, 0.85));
    }
    double dress[] = {w / 2, 30, w / 2 - 11, 62, w / 2 + 11, 62};
    ShadedPolygon(c, dress, 3, Colour::Rgb8(255, 120, 180), Colour::Rgb8(255, 220, 240), 1);
    c.Circle(w / 2, 24, 7, Colour::Rgb8(255, 220, 190));
    c.Ellipse(w / 2, 19, 8, 5, Colour::Rgb8(255, 200, 60));
    c.Circle(w / 2 - 2.5, 24, 1.2, Colour::Rgb8(60, 30, 60));
    c.Circle(w / 2 + 2.5, 24, 1.2, Colour::Rgb8(60, 30, 60));
    c.Line(w / 2 + 8, 40, w / 2 + 16, 56, 1.5, Colour::Rgb8(255, 255, 200));
    c.Glow(w / 2 + 16, 56, 6, Colour::Rgb8(255, 255, 160, 1));
    c.Line(w / 2 - 4, 62, w / 2 - 5, 72, 2, Colour::Rgb8(255, 210, 180));
    c.Line(w / 2 + 4, 62, w / 2 + 5, 72, 2, Colour::Rgb8(255, 210, 180));
}

void OeilRB(Canvas& c, double w, double h, int) {
    double body[] = {6, h / 2, 30, 4, w - 26, 6, w - 4, h / 2, w - 26, h - 6, 30, h - 4};
    ShadedPolygon(c, body, 6, Colour::Rgb8(200, 60, 70), Colour::Rgb8(255, 210, 120), 1.5);
    Mottle(c, 0, 0, w, h, Colour::Rgb8(110, 30, 40), 0.3, 5, 23);
    c.Rectangle(24, h / 2 - 2, w - 48, 4, Colour::Rgb8(90, 40, 160));
    Eye(c, w / 2 - 18, h / 2, 11, Colour::Rgb8(220, 40, 40), 0.3, 0.3);
    Eye(c, w / 2 + 18, h / 2, 11, Colour::Rgb8(40, 90, 240), 0.3, 0.3);
}

void Vax(Canvas& c, double w, double h, int f) {
    double hull[] = {w / 2, h - 2, 4, 10, 10, 2, w - 10, 2, w - 4, 10};
    ShadedPolygon(c, hull, 5, Colour::Rgb8(250, 220, 70), Colour::Rgb8(120, 70, 10), 1.5);
    c.Rectangle(1, 6, 6, 14, Colour::Rgb8(200, 100, 30));
    c.Rectangle(w - 7, 6, 6, 14, Colour::Rgb8(200, 100, 30));
    c.Glow(w / 2, 4, f == 0 ? 6 : 9, Colour::Rgb8(120, 220, 255, 1));
    c.Circle(w / 2, 15, 5, Colour::Rgb8(60, 30, 120));
    c.Circle(w / 2, 15, 3, f == 0 ? Colour::Rgb8(255, 80, 80) : Colour::Rgb8(255, 200, 200));
}

const std::map<std::string, DrawCell>& Drawings() {
    static const std::map<std::string, DrawCell> drawings = {
        {"Boule", Boule},       {"Piaf", Piaf},       {"Delta", Delta},
        {"Yeux", Yeux},         {"Modular", Modular}, {"Soucoupe", Soucoupe},
        {"Cube", Cube},         {"CubeDevil", CubeDevil}, {"CubeInviderOne", CubeInviderOne},
        {"Triangle", Triangle}, {"Roue", Roue},       {"Blob", Blob},
        {"Virus", Virus},       {"Crabe", Crabe},     {"Fleche", Fleche},
        {"Amybe", Amybe},       {"Papillon", Papillon}, {"Fee", Fee},
        {"OeilRB", OeilRB},     {"Vax", Vax},
    };
    return drawings;
}

const catalogue::EnemyKind& KindNamed(const std::string& name) {
    for (const catalogue::EnemyKind* kind : catalogue::kEnemyKinds)
        if (name == kind->name) return *kind;
    throw std::out_of_range("no enemy kind " + name);
}

}  // namespace

// Shared with the boss sheets: draws `normal` cells, then flash twins.
Picture DrawSheet(const Asset& a, const std::function<void(Canvas&, double, double, int)>& draw, int normal,
                  const std::vector<int>& flashOf) {
    Canvas c(a.width, a.height);
    const int cw = a.CellWidth();
    EachCell(c, a.cols, cw, [&](int i) {
        if (i < normal) {
            draw(c, cw, a.height, i);
        } else if (i - normal < int(flashOf.size())) {
            draw(c, cw, a.height, flashOf[i - normal]);
            FlashRect(c, 0, 0, cw, a.height);
        }
    });
    return a.keyed ? c.Flatten(a.key) : c.Opaque();
}

// The game's hit flash says which cells are flashes: from a fixed hit cell on (the flash of the
// first cell), or the hitOffset cells after the normal ones (each the flash of its normal twin).
Picture DrawEnemy(const Asset& a) {
    const catalogue::EnemyKind& kind = KindNamed(a.variant);
    int normal = kind.SheetCells();
    std::vector<int> flashOf;
    if (kind.hitCell != catalogue::kNoCell) {
        normal = kind.hitCell;
        flashOf = {0};
    } else if (kind.hitOffset > 0) {
        normal = kind.hitOffset;
        for (int i = 0; i < kind.hitOffset; ++i) flashOf.push_back(i);
    }
    return DrawSheet(a, Drawings().at(a.variant), normal, flashOf);
}

}  // namespace forge
// clang-format on
