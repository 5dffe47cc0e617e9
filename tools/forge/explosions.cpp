// Explosion strips: a white-hot flash that swells into fire, breaks into puffs and sparks, and
// cools into smoke. Each strip has its own palette; the key colour never appears at an edge.
#include <cmath>

#include "art.h"
#include "families.h"

namespace forge {

namespace {

struct Heat {
    Colour core, mid, outer, smoke;
};

Heat PaletteFor(const std::string& v) {
    auto c = [](int r, int g, int b) { return Colour::Rgb8(r, g, b); };
    if (v == "cyan32") return {c(240, 255, 255), c(90, 240, 255), c(40, 140, 220), c(70, 90, 130)};
    if (v == "blue32") return {c(230, 240, 255), c(110, 150, 255), c(70, 60, 220), c(80, 70, 130)};
    if (v == "yellow32") return {c(255, 255, 210), c(255, 230, 60), c(240, 150, 20), c(120, 90, 60)};
    if (v == "yellow48") return {c(255, 250, 150), c(255, 210, 40), c(240, 120, 20), c(140, 90, 60)};
    if (v == "spark32") return {c(255, 255, 230), c(255, 220, 120), c(255, 120, 40), c(110, 80, 70)};
    if (v == "hero") return {c(235, 250, 255), c(120, 220, 255), c(255, 140, 40), c(100, 90, 110)};
    return {c(255, 250, 190), c(255, 190, 50), c(235, 70, 20), c(110, 60, 50)};
}

struct Puff {
    double angle, distance, size, delay;
};

}  // namespace

Picture DrawExplosion(const Asset& a) {
    Canvas c(a.width, a.height);
    Rng rng(a.seed);
    const Heat heat = PaletteFor(a.variant);
    const int cw = a.CellWidth(), ch = a.CellHeight();
    const double R = std::min(cw, ch) / 2.0 - 1.5;
    const int puffCount = 7 + int(R / 8);
    std::vector<Puff> puffs;
    for (int i = 0; i < puffCount; ++i)
        puffs.push_back({rng.Range(0, 2 * M_PI), rng.Range(0.1, 0.65), rng.Range(0.28, 0.5), rng.Range(0, 0.25)});
    std::vector<Puff> sparks;
    for (int i = 0; i < 10 + int(R / 4); ++i)
        sparks.push_back({rng.Range(0, 2 * M_PI), rng.Range(0.6, 1.0), rng.Range(0.03, 0.07), 0});

    EachCell(c, a.cols, cw, [&](int i) {
        const double t = a.cols > 1 ? double(i) / (a.cols - 1) : 0;  // 0 = flash, 1 = last wisp
        const double cx = cw / 2.0, cy = ch / 2.0;
        const double grow = 0.3 + 0.7 * (1 - std::pow(1 - std::min(1.0, t * 1.6), 2));
        cairo_t* cr = c.cr();
        // Flame tongues licking outwards in the hot first half.
        if (t > 0.04 && t < 0.55) {
            for (size_t k = 0; k < sparks.size(); k += 2) {
                double ang = sparks[k].angle, reach = R * (0.45 + 0.5 * sparks[k].distance) * grow * (1.2 - t);
                double side = 0.22;
                double tongue[] = {cx + std::cos(ang - side) * R * 0.2, cy + std::sin(ang - side) * R * 0.2,
                                   cx + std::cos(ang) * reach,          cy + std::sin(ang) * reach,
                                   cx + std::cos(ang + side) * R * 0.2, cy + std::sin(ang + side) * R * 0.2};
                c.Polygon(tongue, 3, heat.mid.Mix(heat.outer, t * 1.5));
            }
        }
        // Puffs: each a lit ball of fire, hot to cold as time passes, shrinking once spent.
        for (const Puff& p : puffs) {
            double local = std::max(0.0, t - p.delay);
            double fade = t < 0.6 ? 1.0 : std::max(0.0, 1 - (t - 0.6) / 0.45);
            double r = R * p.size * grow * (0.6 + 0.6 * fade) * (t < 0.1 ? 0.8 : 1);
            double d = R * p.distance * grow;
            double x = cx + std::cos(p.angle) * d, y = cy + std::sin(p.angle) * d;
            Colour col = local < 0.25   ? heat.core.Mix(heat.mid, local / 0.25)
                         : local < 0.55 ? heat.mid.Mix(heat.outer, (local - 0.25) / 0.3)
                                        : heat.outer.Mix(heat.smoke, std::min(1.0, (local - 0.55) / 0.35));
            if (r < 0.8) continue;
            Colour inner = col.Mix(heat.core, 0.5 * (1 - t));
            Colour rim = col.Mix(heat.smoke, 0.35 + 0.3 * t);
            cairo_pattern_t* g = cairo_pattern_create_radial(x - r * 0.25, y - r * 0.25, r * 0.1, x, y, r);
            cairo_pattern_add_color_stop_rgb(g, 0, inner.r, inner.g, inner.b);
            cairo_pattern_add_color_stop_rgb(g, 0.6, col.r, col.g, col.b);
            cairo_pattern_add_color_stop_rgb(g, 1, rim.r, rim.g, rim.b);
            cairo_set_source(cr, g);
            cairo_new_sub_path(cr);
            cairo_arc(cr, x, y, r, 0, 2 * M_PI);
            cairo_fill(cr);
            cairo_pattern_destroy(g);
        }
        // The white-hot centre of the first frames.
        if (t < 0.45) {
            double r = R * (0.35 + 0.3 * t) * (1 - t / 0.45);
            c.Glow(cx, cy, r * 1.6, heat.core);
            c.Circle(cx, cy, r, heat.core);
        }
        // A shock ring racing out at the start.
        if (t > 0.03 && t < 0.3) {
            double r = R * (0.4 + 2.0 * t);
            if (r < R - 1.5) {
                c.Source(heat.core.Mix(heat.mid, t * 2));
                cairo_set_line_width(cr, std::max(1.2, R * 0.05 * (1 - t * 3)));
                cairo_new_sub_path(cr);
                cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
                cairo_stroke(cr);
            }
        }
        // Sparks flying out as short streaks.
        if (t > 0.05 && t < 0.9)
            for (const Puff& s : sparks) {
                double d = R * s.distance * std::min(1.0, t * 1.3);
                double tail = R * 0.12 * (1 - t);
                double x = cx + std::cos(s.angle) * d, y = cy + std::sin(s.angle) * d;
                double x0 = cx + std::cos(s.angle) * std::max(0.0, d - tail),
                       y0 = cy + std::sin(s.angle) * std::max(0.0, d - tail);
                c.Line(x0, y0, x, y, std::max(1.2, R * s.size * (1 - t)), heat.core.Mix(heat.mid, t));
            }
    });
    return c.Flatten(a.key);
}

}  // namespace forge
