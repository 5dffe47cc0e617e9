#include "art.h"

#include <cmath>

namespace forge {

void ShadedBall(Canvas& c, double x, double y, double r, const Colour& base) {
    cairo_t* cr = c.cr();
    cairo_pattern_t* p = cairo_pattern_create_radial(x - r * 0.35, y - r * 0.4, r * 0.1, x, y, r);
    Colour hi = base.Mix(Colour{1, 1, 1, 1}, 0.7);
    Colour lo = base.Scaled(0.45);
    cairo_pattern_add_color_stop_rgba(p, 0, hi.r, hi.g, hi.b, base.a);
    cairo_pattern_add_color_stop_rgba(p, 0.45, base.r, base.g, base.b, base.a);
    cairo_pattern_add_color_stop_rgba(p, 1, lo.r, lo.g, lo.b, base.a);
    cairo_set_source(cr, p);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void ShadedPolygon(Canvas& c, const double* xy, int n, const Colour& base, const Colour& outline, double line) {
    double top = xy[1], bottom = xy[1];
    for (int i = 1; i < n; ++i) {
        top = std::min(top, xy[2 * i + 1]);
        bottom = std::max(bottom, xy[2 * i + 1]);
    }
    cairo_t* cr = c.cr();
    cairo_new_path(cr);
    cairo_move_to(cr, xy[0], xy[1]);
    for (int i = 1; i < n; ++i) cairo_line_to(cr, xy[2 * i], xy[2 * i + 1]);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, top, 0, bottom + 0.01);
    Colour hi = base.Mix(Colour{1, 1, 1, 1}, 0.35);
    Colour lo = base.Scaled(0.6);
    cairo_pattern_add_color_stop_rgba(p, 0, hi.r, hi.g, hi.b, base.a);
    cairo_pattern_add_color_stop_rgba(p, 1, lo.r, lo.g, lo.b, base.a);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    if (line > 0) {
        c.Source(outline);
        cairo_set_line_width(cr, line);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(cr);
    } else {
        cairo_new_path(cr);
    }
}

void Eye(Canvas& c, double x, double y, double r, const Colour& iris, double lookX, double lookY) {
    c.Circle(x, y, r, Colour::Rgb8(245, 240, 230));
    c.Circle(x + lookX * r * 0.35, y + lookY * r * 0.35, r * 0.6, iris);
    c.Circle(x + lookX * r * 0.45, y + lookY * r * 0.45, r * 0.28, Colour::Rgb8(20, 12, 24));
    c.Circle(x - r * 0.3, y - r * 0.35, r * 0.18, Colour::Rgb8(255, 255, 250));
}

void FlashRect(Canvas& c, double x, double y, double w, double h, double strength) {
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
    cairo_set_source_rgba(cr, 1, 1, 0.92, strength);
    cairo_paint(cr);
    cairo_restore(cr);
}

void EachCell(Canvas& c, int cells, int cellW, const std::function<void(int)>& draw) {
    for (int i = 0; i < cells; ++i) {
        cairo_save(c.cr());
        cairo_rectangle(c.cr(), i * cellW, 0, cellW, c.height());
        cairo_clip(c.cr());
        cairo_translate(c.cr(), i * cellW, 0);
        draw(i);
        cairo_restore(c.cr());
    }
}

TileNoise::TileNoise(uint64_t seed, int periodX, int periodY) : px_(periodX), py_(periodY) {
    Rng rng(seed);
    grid_.resize(size_t(px_) * py_);
    for (double& v : grid_) v = rng.Unit();
}

double TileNoise::At(double x, double y) const {
    double fx = std::floor(x), fy = std::floor(y);
    int ix = int(fx), iy = int(fy);
    double tx = x - fx, ty = y - fy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    auto g = [&](int i, int j) {
        i = ((i % px_) + px_) % px_;
        j = ((j % py_) + py_) % py_;
        return grid_[size_t(j) * px_ + i];
    };
    double a = g(ix, iy) + (g(ix + 1, iy) - g(ix, iy)) * tx;
    double b = g(ix, iy + 1) + (g(ix + 1, iy + 1) - g(ix, iy + 1)) * tx;
    return a + (b - a) * ty;
}

// Octave k samples at 2^k times the frequency; its period doubles too, so the sum still tiles.
double TileNoise::Fractal(double x, double y, int octaves) const {
    double sum = 0, amp = 1, norm = 0, f = 1;
    for (int k = 0; k < octaves; ++k) {
        sum += amp * At(x * f + k * 7.31, y * f + k * 3.77);
        norm += amp;
        amp *= 0.5;
        f *= 2;
    }
    return sum / norm;
}

}  // namespace forge
