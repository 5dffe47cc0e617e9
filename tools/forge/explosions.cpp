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
    return {c(255, 255, 220), c(255, 200, 60), c(235, 70, 20), c(110, 60, 50)};
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
        // Puffs: hot to cold as time passes, shrinking once the fire is spent.
        for (const Puff& p : puffs) {
            double local = std::max(0.0, t - p.delay);
            double fade = t < 0.6 ? 1.0 : std::max(0.0, 1 - (t - 0.6) / 0.45);
            double r = R * p.size * grow * (0.6 + 0.6 * fade) * (t < 0.1 ? 0.8 : 1);
            double d = R * p.distance * grow;
            double x = cx + std::cos(p.angle) * d, y = cy + std::sin(p.angle) * d;
            Colour col = local < 0.25 ? heat.core.Mix(heat.mid, local / 0.25)
                         : local < 0.55 ? heat.mid.Mix(heat.outer, (local - 0.25) / 0.3)
                                        : heat.outer.Mix(heat.smoke, std::min(1.0, (local - 0.55) / 0.35));
            if (r > 0.8) {
                c.Circle(x, y, r, col);
                c.Circle(x - r * 0.2, y - r * 0.2, r * 0.55, col.Mix(heat.core, 0.35 * (1 - t)));
            }
        }
        // The white-hot centre of the first frames.
        if (t < 0.45) {
            double r = R * (0.35 + 0.3 * t) * (1 - t / 0.45);
            c.Circle(cx, cy, r, heat.core);
        }
        // Sparks flying out.
        if (t > 0.05 && t < 0.9)
            for (const Puff& s : sparks) {
                double d = R * s.distance * std::min(1.0, t * 1.3);
                double x = cx + std::cos(s.angle) * d, y = cy + std::sin(s.angle) * d;
                c.Circle(x, y, std::max(1.0, R * s.size * (1 - t)), heat.core.Mix(heat.mid, t));
            }
    });
    return c.Flatten(a.key);
}

}  // namespace forge
