// The hero: a white and blue arrowhead with a red canopy, unlike any enemy; banked rows lean the
// wings, invulnerable columns wear a shield, the boosted sheet burns gold.
#include <cmath>

#include "art.h"
#include "families.h"

namespace forge {

namespace {

// roll: 0 straight, 1 banking right, -1 banking left; frame 0..2 flickers the engines.
void Ship(Canvas& c, double w, double h, int roll, int frame, bool shield, bool boosted) {
    const double cx = w / 2;
    const double lw = roll == 1 ? 1.0 : roll == -1 ? 0.6 : 0.85;  // left wing reach
    const double rw = roll == -1 ? 1.0 : roll == 1 ? 0.6 : 0.85;
    double flame = 5 + frame * 2.5;
    Colour fire = boosted ? Colour::Rgb8(255, 200, 40) : Colour::Rgb8(90, 200, 255);
    c.Glow(cx, h - 7, flame + 2, fire.WithAlpha(1));
    c.Ellipse(cx, h - 8 + flame / 4, 3, flame / 2 + 1, Colour::Rgb8(255, 255, 230));
    Colour hull = boosted ? Colour::Rgb8(255, 225, 140) : Colour::Rgb8(225, 232, 245);
    Colour wing = boosted ? Colour::Rgb8(255, 140, 40) : Colour::Rgb8(50, 110, 230);
    Colour edge = Colour::Rgb8(40, 40, 90);
    double wings[] = {cx, 12,     cx + 15 * rw, h - 12, cx + 13 * rw, h - 6,
                      cx, h - 11, cx - 13 * lw, h - 6,  cx - 15 * lw, h - 12};
    ShadedPolygon(c, wings, 6, wing, edge, 1.1);
    double body[] = {cx, 1.5, cx + 5, 14, cx + 4.5, h - 8, cx, h - 6, cx - 4.5, h - 8, cx - 5, 14};
    ShadedPolygon(c, body, 6, hull, edge, 1.1);
    c.Ellipse(cx, 15, 2.6, 5, Colour::Rgb8(230, 40, 60));
    c.Ellipse(cx - 0.8, 13.5, 1, 2, Colour::Rgb8(255, 210, 210));
    c.Rectangle(cx - 12 * lw - 1, h - 14, 2, 5, Colour::Rgb8(255, 80, 80));
    c.Rectangle(cx + 12 * rw - 1, h - 14, 2, 5, Colour::Rgb8(255, 80, 80));
    if (shield) {
        cairo_t* cr = c.cr();
        cairo_set_line_width(cr, 1.6);
        c.Source(Colour::Rgb8(120, 255, 230, 0.95));
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx, h / 2, std::min(w, h) / 2 - 1.2, M_PI * (1.1 + frame * 0.1), M_PI * (1.9 + frame * 0.1));
        cairo_stroke(cr);
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx, h / 2, std::min(w, h) / 2 - 1.2, M_PI * (0.15 + frame * 0.1), M_PI * (0.85 + frame * 0.1));
        cairo_stroke(cr);
    }
}

void Bolt(Canvas& c, double w, double h, bool boosted, int index) {
    Colour outer = boosted ? Colour::Rgb8(255, 90, 160) : Colour::Rgb8(60, 200, 255);
    Colour inner = boosted ? Colour::Rgb8(255, 240, 120) : Colour::Rgb8(235, 255, 255);
    double lean = index == 2 ? -1.5 : index == 3 ? 1.5 : index == 4 ? -2.5 : index == 5 ? 2.5 : 0;
    double shape[] = {w / 2 + lean, 1, w - 2.5, h * 0.45, w / 2, h - 1, 2.5, h * 0.45};
    c.Polygon(shape, 4, outer);
    // A dark rim keeps the bolt readable over white clouds.
    c.PolygonOutline(shape, 4, 1.3, boosted ? Colour::Rgb8(120, 20, 70) : Colour::Rgb8(20, 50, 130));
    c.Ellipse(w / 2 + lean / 2, h * 0.42, w / 4, h * 0.34, inner);
}

// The second weapon's lances: longer and heavier than the bolts, tilted along their flight
// (shots 2 and 3 drift two pixels sideways for every eight up).
void WaveShot(Canvas& c, double w, double h, bool boosted, int index) {
    Colour outer = boosted ? Colour::Rgb8(255, 120, 60) : Colour::Rgb8(90, 255, 140);
    Colour inner = boosted ? Colour::Rgb8(255, 250, 180) : Colour::Rgb8(235, 255, 235);
    Colour rim = boosted ? Colour::Rgb8(120, 30, 10) : Colour::Rgb8(20, 90, 50);
    double tilt = index == 2 ? 0.245 : index == 3 ? -0.245 : 0;
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_translate(cr, w / 2, h / 2);
    cairo_rotate(cr, tilt);
    const double hw = w * 0.32, hh = h / 2 - 1.5;
    double lance[] = {0, -hh, hw, -hh + 6, hw * 0.7, hh - 3, 0, hh, -hw * 0.7, hh - 3, -hw, -hh + 6};
    c.Polygon(lance, 6, outer);
    c.PolygonOutline(lance, 6, 1.2, rim);
    c.Ellipse(0, -hh * 0.25, hw * 0.4, hh * 0.6, inner);
    c.Circle(0, -hh + 5, hw * 0.45, Colour::Rgb8(255, 255, 255));
    cairo_restore(cr);
}

}  // namespace

void DrawHeroShip(Canvas& c, double w, double h) { Ship(c, w, h, 0, 1, false, false); }

Picture DrawHero(const Asset& a) {
    Canvas c(a.width, a.height);
    const std::string& v = a.variant;
    if (v == "ship" || v == "ship_boosted") {
        const bool boosted = v == "ship_boosted";
        const int cw = a.CellWidth(), ch = a.CellHeight();
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 6; ++col) {
                cairo_save(c.cr());
                cairo_rectangle(c.cr(), col * cw, row * ch, cw, ch);
                cairo_clip(c.cr());
                cairo_translate(c.cr(), col * cw, row * ch);
                int roll = row == 1 ? 1 : row == 2 ? -1 : 0;
                Ship(c, cw, ch, roll, col % 3, col >= 3, boosted);
                cairo_restore(c.cr());
            }
    } else if (v.rfind("bolt", 0) == 0) {
        Bolt(c, a.width, a.height, v[4] == 'S', v.back() - '0');
    } else if (v.rfind("wave", 0) == 0) {
        WaveShot(c, a.width, a.height, v[4] == 'S', v.back() - '0');
    }
    return c.Flatten(a.key);
}

// The life icon: the ship in miniature.
void DrawLifeIcon(Canvas& c, double w, double h) {
    cairo_save(c.cr());
    cairo_scale(c.cr(), w / 24.0, h / 24.0);
    double wings[] = {12, 3, 23, 20, 12, 16, 1, 20};
    ShadedPolygon(c, wings, 4, Colour::Rgb8(50, 110, 230), Colour::Rgb8(30, 30, 70), 1.5);
    double body[] = {12, 0.5, 15, 9, 14, 22, 10, 22, 9, 9};
    ShadedPolygon(c, body, 5, Colour::Rgb8(230, 235, 250), Colour::Rgb8(30, 30, 70), 1.2);
    c.Ellipse(12, 9, 1.8, 3, Colour::Rgb8(230, 40, 60));
    cairo_restore(c.cr());
}

}  // namespace forge
