// Scrolling layers, 640x480, seamless top to bottom: every noise field has a whole number of
// periods over the picture, and every shape crossing an edge is drawn again one height away.
#include <cmath>
#include <functional>
#include <map>
#include <mutex>

#include "art.h"
#include "families.h"

namespace forge {

namespace {

constexpr double kTau = 6.283185307179586;

struct Rgbf {
    double r, g, b;
};
Rgbf Lerp(Rgbf a, Rgbf b, double t) {
    t = std::max(0.0, std::min(1.0, t));
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
uint32_t Pack(Rgbf c) {
    auto q = [](double v) { return int(std::max(0.0, std::min(255.0, v + 0.5))); };
    return PackRgb(q(c.r), q(c.g), q(c.b));
}
double Smooth(double e0, double e1, double x) {
    double t = std::max(0.0, std::min(1.0, (x - e0) / (e1 - e0)));
    return t * t * (3 - 2 * t);
}

// Fills every pixel from a function of (u, v) in [0, 1) x [0, 1).
Picture Field(int w, int h, const std::function<Rgbf(double, double)>& f) {
    Picture p(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) p.Set(x, y, Pack(f(double(x) / w, double(y) / h)));
    return p;
}

// Draws a shape at y and again one picture height above or below when it crosses an edge.
void Wrapped(Canvas& c, double y, double reach, const std::function<void(double)>& draw) {
    draw(y);
    if (y - reach < 0) draw(y + c.height());
    if (y + reach > c.height()) draw(y - c.height());
}

void Stars(Canvas& c, Rng& rng, int count, double brightness) {
    for (int i = 0; i < count; ++i) {
        double x = rng.Range(0, c.width()), y = rng.Range(0, c.height());
        double r = rng.Chance(0.08) ? rng.Range(1.2, 2.0) : rng.Range(0.5, 1.0);
        double b = brightness * rng.Range(0.5, 1.0);
        Colour col = Colour{b, b, std::min(1.0, b * 1.1), 1}.Mix(Colour::Rgb8(255, 220, 180), rng.Range(0, 0.4));
        Wrapped(c, y, 8, [&](double yy) {
            if (r > 1.3) c.Glow(x, yy, r * 4, col.WithAlpha(0.35));
            c.Circle(x, yy, r, col);
        });
    }
}

void Clouds(Canvas& c, Rng& rng, int count, const Colour& body, const Colour& shade) {
    for (int i = 0; i < count; ++i) {
        double x = rng.Range(0, c.width()), y = rng.Range(0, c.height());
        double s = rng.Range(18, 46);
        int puffs = 5 + rng.Below(5);
        std::vector<double> px, py, pr;
        for (int k = 0; k < puffs; ++k) {
            px.push_back(rng.Range(-2.2, 2.2) * s);
            py.push_back(rng.Range(-0.5, 0.5) * s);
            pr.push_back(rng.Range(0.5, 1.0) * s);
        }
        Wrapped(c, y, 2 * s, [&](double yy) {
            for (int k = 0; k < puffs; ++k) c.Circle(x + px[k] + 3, yy + py[k] + 5, pr[k], shade);
            for (int k = 0; k < puffs; ++k) c.Circle(x + px[k], yy + py[k], pr[k], body);
        });
    }
}

Picture Sky(int w, int h, uint64_t seed, Rgbf top, Rgbf low, double clouds, double stars, Colour cloud, Colour shade) {
    TileNoise n(seed, 4, 3);
    Picture base = Field(w, h, [&](double u, double v) { return Lerp(top, low, n.Fractal(u * 4, v * 3, 3)); });
    Canvas c(w, h);
    LoadPicture(c, base);
    Rng rng(seed + 1);
    if (stars > 0) Stars(c, rng, 180, stars);
    Clouds(c, rng, int(clouds), cloud, shade);
    return c.Opaque();
}

Picture Space(int w, int h, uint64_t seed, Rgbf deep, Rgbf nebula, Rgbf nebula2, int stars) {
    TileNoise n(seed, 5, 4), m(seed + 7, 3, 3);
    Picture base = Field(w, h, [&](double u, double v) {
        double a = Smooth(0.5, 0.85, n.Fractal(u * 5, v * 4, 5));
        double b = Smooth(0.55, 0.9, m.Fractal(u * 3, v * 3, 4));
        return Lerp(Lerp(deep, nebula, a * 0.8), nebula2, b * 0.6);
    });
    Canvas c(w, h);
    LoadPicture(c, base);
    Rng rng(seed + 3);
    Stars(c, rng, stars, 0.95);
    // A ringed planet, far off, and a few bright stars with flares.
    const double px = rng.Range(440, 520), py = rng.Range(60, 420), pr = rng.Range(34, 46);
    Wrapped(c, py, pr * 2.2, [&](double y) {
        cairo_t* cr = c.cr();
        c.Glow(px, y, pr * 1.6, Colour::Rgb8(120, 150, 255, 0.25));
        ShadedBall(c, px, y, pr, Colour::Rgb8(150, 110, 170));
        cairo_save(cr);
        cairo_translate(cr, px, y);
        cairo_scale(cr, 1, 0.28);
        cairo_rotate(cr, 0.0);
        cairo_set_line_width(cr, 7);
        c.Source(Colour::Rgb8(210, 190, 160, 0.75));
        cairo_new_sub_path(cr);
        cairo_arc(cr, 0, 0, pr * 1.7, 0, 2 * M_PI);
        cairo_stroke(cr);
        cairo_restore(cr);
    });
    for (int i = 0; i < 6; ++i) {
        double x = rng.Range(0, w), y = rng.Range(0, h);
        Wrapped(c, y, 14, [&](double yy) {
            c.Glow(x, yy, 9, Colour::Rgb8(200, 220, 255, 0.6));
            c.Line(x - 12, yy, x + 12, yy, 1, Colour::Rgb8(220, 230, 255, 0.8));
            c.Line(x, yy - 12, x, yy + 12, 1, Colour::Rgb8(220, 230, 255, 0.8));
            c.Circle(x, yy, 1.8, Colour::Rgb8(255, 255, 255));
        });
    }
    return c.Opaque();
}

Picture Land(int w, int h, uint64_t seed, Rgbf grassA, Rgbf grassB, Rgbf water, Rgbf rock, double rockiness) {
    TileNoise n(seed, 6, 5), fields(seed + 1, 12, 9), river(seed + 2, 3, 3);
    Picture base = Field(w, h, [&](double u, double v) {
        double e = n.Fractal(u * 6, v * 5, 5);
        double f = fields.At(u * 12, v * 9) * 4;
        Rgbf ground = Lerp(grassA, grassB, std::floor(f) / 3.0);  // patchwork of fields
        ground = Lerp(ground, rock, Smooth(0.62 - rockiness * 0.3, 0.75 - rockiness * 0.3, e));
        // Hills lit from the upper left.
        const double d = 3.0 / 640;
        double slope = n.Fractal((u - d) * 6, (v - d) * 5, 3) - n.Fractal((u + d) * 6, (v + d) * 5, 3);
        double shade = std::max(0.8, std::min(1.2, 1.0 + slope * 12));
        ground = {ground.r * shade, ground.g * shade, ground.b * shade};
        double r = std::fabs(river.Fractal(u * 3, v * 3, 3) - 0.5);
        if (r < 0.018) return Lerp(water, Rgbf{200, 230, 255}, 0.2 * (1 - r / 0.018));
        if (r < 0.026) return Lerp(ground, Rgbf{200, 190, 120}, 0.7);
        return ground;
    });
    Canvas c(w, h);
    LoadPicture(c, base);
    Rng rng(seed + 5);
    for (int i = 0; i < 160; ++i) {  // trees and bushes
        double x = rng.Range(0, w), y = rng.Range(0, h), r = rng.Range(2, 5);
        Wrapped(c, y, 8, [&](double yy) {
            c.Circle(x + 1.5, yy + 2, r, Colour{0, 0, 0, 0.35});
            c.Circle(x, yy, r, Colour::Rgb8(int(grassA.r * 0.6), int(grassA.g * 0.75), int(grassA.b * 0.6)));
        });
    }
    return c.Opaque();
}

Picture Hell(int w, int h, uint64_t seed, Rgbf rock, Rgbf rockDark, Rgbf lava, double lavaAmount) {
    TileNoise n(seed, 5, 4), cracks(seed + 1, 8, 6);
    Picture base = Field(w, h, [&](double u, double v) {
        double e = n.Fractal(u * 5, v * 4, 5);
        Rgbf ground = Lerp(rockDark, rock, e);
        double k = std::fabs(cracks.Fractal(u * 8, v * 6, 4) - 0.5);
        double glow = 1 - Smooth(0.0, 0.03 + lavaAmount * 0.03, k);
        double pool = Smooth(0.68 - lavaAmount * 0.1, 0.74 - lavaAmount * 0.1, e);
        double heat = std::max(glow, pool);
        return Lerp(ground, Lerp(lava, Rgbf{255, 240, 150}, heat * heat * 0.6), heat);
    });
    Canvas c(w, h);
    LoadPicture(c, base);
    Rng rng(seed + 4);
    for (int i = 0; i < 70; ++i) {
        double x = rng.Range(0, w), y = rng.Range(0, h);
        Wrapped(c, y, 10, [&](double yy) { c.Glow(x, yy, rng.Range(3, 8), Colour::Rgb8(255, 160, 40, 0.6)); });
    }
    return c.Opaque();
}

Picture Interior(int w, int h, uint64_t seed, bool engine) {
    Canvas c(w, h);
    c.Fill(engine ? Colour::Rgb8(30, 30, 38) : Colour::Rgb8(46, 52, 62));
    Rng rng(seed);
    const int tile = engine ? 96 : 80;  // 480 is a whole number of tiles
    for (int ty = 0; ty < h; ty += tile / 2)
        for (int tx = 0; tx < w; tx += tile) {
            double x = tx + ((ty / (tile / 2)) % 2) * tile / 2.0;
            Colour plate = engine ? Colour::Rgb8(60, 58, 66) : Colour::Rgb8(82, 90, 104);
            for (int dx = -w; dx <= 0; dx += w) {
                c.Rectangle(x + dx + 2 + (x + dx + tile > w ? 0 : 0), ty + 2, tile - 4, tile / 2 - 4, plate);
                c.Rectangle(x + dx + 2, ty + 2, tile - 4, 2, plate.Mix(Colour{1, 1, 1, 1}, 0.25));
                c.Circle(x + dx + 7, ty + 7, 1.5, Colour::Rgb8(140, 150, 170));
                c.Circle(x + dx + tile - 7, ty + tile / 2 - 7, 1.5, Colour::Rgb8(140, 150, 170));
                c.Rectangle(x + dx + w + 2, ty + 2, tile - 4, tile / 2 - 4, plate);
            }
        }
    // Long conduits and lights run the whole height, so they join themselves across the wrap.
    const int conduits = engine ? 6 : 3;
    for (int i = 0; i < conduits; ++i) {
        double x = 60 + i * (w - 120) / std::max(1, conduits - 1) + rng.Range(-10, 10);
        double cw = engine ? rng.Range(14, 26) : rng.Range(8, 14);
        c.Rectangle(x - cw / 2 - 1, 0, cw + 2, h, Colour::Rgb8(20, 22, 30));
        c.Rectangle(x - cw / 2, 0, cw, h, engine ? Colour::Rgb8(120, 70, 40) : Colour::Rgb8(90, 110, 140));
        c.Rectangle(x - cw / 4, 0, cw / 4, h, engine ? Colour::Rgb8(200, 120, 60) : Colour::Rgb8(150, 175, 210));
        for (int y = 0; y < h; y += 60) c.Rectangle(x - cw / 2 - 2, y, cw + 4, 5, Colour::Rgb8(60, 64, 76));
    }
    for (int y = 0; y < h; y += 120) {
        Colour light = engine ? Colour::Rgb8(255, 120, 40, 0.9) : Colour::Rgb8(120, 220, 255, 0.9);
        for (int x = 30; x < w; x += 160) c.Glow(x, y + 60, 16, light);
        const double sy = y + 40;  // keep the stripes off the wrap row
        if (engine)
            for (int x = 0; x < w; x += 24) {
                double stripe[] = {double(x), sy, x + 12.0, sy, x + 4.0, sy + 10.0, x - 8.0, sy + 10.0};
                c.Polygon(stripe, 4, Colour::Rgb8(230, 190, 40, 0.8));
            }
    }
    return c.Opaque();
}

Picture Plasma(int w, int h, uint64_t seed, double darkness, int style) {
    TileNoise n(seed, 4, 3);
    return Field(w, h, [&](double u, double v) {
        double warp = n.Fractal(u * 4, v * 3, 4) * 3;
        double a, b;
        if (style == 0) {
            a = std::sin(kTau * (u * 2 + warp * 0.5)) + std::sin(kTau * (v * 3 + warp * 0.7));
            b = std::sin(kTau * (u * 3 - v * 2) + warp * 2);
        } else {
            double dx = std::sin(kTau * u) * 1.4, dy = std::sin(kTau * v) * 1.1;
            double r = std::sqrt(dx * dx + dy * dy);
            a = std::sin(r * 9 + warp * 2) * 1.5;
            b = std::cos(kTau * (u * 2 + v * 2) + warp);
        }
        double hue = (a + b) * 0.25 + 0.5 + warp * 0.2;
        Rgbf col{127.5 + 127.5 * std::sin(kTau * hue), 127.5 + 127.5 * std::sin(kTau * (hue + 0.33)),
                 127.5 + 127.5 * std::sin(kTau * (hue + 0.67))};
        // Kept dim and a little greyed, so the shots stay the brightest things on screen.
        double grey = (col.r + col.g + col.b) / 3;
        col = Lerp(col, Rgbf{grey, grey, grey}, 0.3);
        double k = 0.42 * (1 - darkness);
        return Rgbf{col.r * k + 18, col.g * k * 0.85 + 8, col.b * k + 28};
    });
}

Picture Void(int w, int h, uint64_t seed, bool rift) {
    TileNoise n(seed, 4, 3), veins(seed + 1, 7, 5);
    Picture base = Field(w, h, [&](double u, double v) {
        double e = n.Fractal(u * 4, v * 3, 5);
        double k = std::fabs(veins.Fractal(u * 7, v * 5, 4) - 0.5);
        Rgbf ground = rift ? Lerp(Rgbf{8, 4, 20}, Rgbf{60, 20, 90}, Smooth(0.45, 0.8, e))
                           : Lerp(Rgbf{25, 8, 14}, Rgbf{70, 24, 40}, Smooth(0.4, 0.8, e));
        double vein = 1 - Smooth(0.0, 0.025, k);
        return Lerp(ground, rift ? Rgbf{190, 120, 255} : Rgbf{230, 60, 70}, vein * 0.8);
    });
    Canvas c(w, h);
    LoadPicture(c, base);
    Rng rng(seed + 2);
    Stars(c, rng, rift ? 220 : 60, rift ? 0.9 : 0.6);
    if (!rift)
        for (int i = 0; i < 12; ++i) {  // alien spires seen from above
            double x = rng.Range(0, w), y = rng.Range(0, h), r = rng.Range(10, 24);
            Wrapped(c, y, r + 4, [&](double yy) {
                c.Circle(x + 4, yy + 6, r, Colour{0, 0, 0, 0.45});
                ShadedBall(c, x, yy, r, Colour::Rgb8(110, 40, 70));
                c.Circle(x, yy, r * 0.3, Colour::Rgb8(255, 90, 90));
            });
        }
    return c.Opaque();
}

}  // namespace

namespace {
Picture PaintBackground(const std::string& name, int w, int h) {
    uint64_t seed = HashName(name);
    if (name == "Ciel")
        return Sky(w, h, seed, {70, 130, 225}, {110, 170, 240}, 26, 0, Colour::Rgb8(250, 252, 255, 0.92),
                   Colour::Rgb8(150, 175, 215, 0.8));
    if (name == "Transition")
        return Sky(w, h, seed, {40, 40, 110}, {150, 80, 130}, 12, 0.6, Colour::Rgb8(255, 190, 200, 0.75),
                   Colour::Rgb8(110, 70, 130, 0.7));
    if (name == "Etoiles") return Space(w, h, seed, {4, 6, 22}, {50, 30, 90}, {20, 60, 110}, 420);
    if (name == "Dales") return Land(w, h, seed, {70, 150, 60}, {130, 170, 70}, {50, 110, 190}, {150, 140, 110}, 0.0);
    if (name == "Transition1")
        return Land(w, h, seed, {80, 120, 55}, {140, 130, 70}, {45, 95, 160}, {140, 120, 95}, 0.4);
    if (name == "Dales1") return Land(w, h, seed, {120, 110, 60}, {150, 120, 70}, {40, 90, 150}, {120, 100, 85}, 0.9);
    if (name == "Enfer") return Hell(w, h, seed, {90, 30, 25}, {35, 10, 12}, {255, 90, 20}, 0.3);
    if (name == "Enfer1") return Hell(w, h, seed, {70, 15, 30}, {25, 5, 12}, {255, 60, 30}, 0.9);
    if (name == "Enterprise") return Interior(w, h, seed, false);
    if (name == "Enterprise1") return Interior(w, h, seed, true);
    if (name == "Psyche2") return Plasma(w, h, seed, 0.0, 0);
    if (name == "Transition2") return Plasma(w, h, seed, 0.45, 0);
    if (name == "Psyche3") return Plasma(w, h, seed, 0.1, 1);
    if (name == "LastLevel") return Void(w, h, seed, false);
    return Void(w, h, seed, true);  // Extra1: the rift itself
}

}  // namespace

// The level previews reuse the layers; each is painted once per run and shared.
Picture BackgroundPicture(const std::string& name, int w, int h) {
    static std::mutex lock;
    static std::map<std::string, Picture> painted;
    const std::string key = name + "@" + std::to_string(w) + "x" + std::to_string(h);
    {
        std::lock_guard<std::mutex> hold(lock);
        auto it = painted.find(key);
        if (it != painted.end()) return it->second;
    }
    Picture p = PaintBackground(name, w, h);
    std::lock_guard<std::mutex> hold(lock);
    painted.emplace(key, p);
    return p;
}

Picture DrawBackground(const Asset& a) { return BackgroundPicture(a.variant, a.width, a.height); }

}  // namespace forge
