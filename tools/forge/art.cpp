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
    // Quintic fade: smooth to the second derivative, so no lattice lines show in steep gradients.
    tx = tx * tx * tx * (tx * (tx * 6 - 15) + 10);
    ty = ty * ty * ty * (ty * (ty * 6 - 15) + 10);
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

namespace forge {

void Mottle(Canvas& c, double x, double y, double w, double h, const Colour& tint, double strength, double scale,
            uint64_t seed) {
    const int iw = std::max(1, int(w)), ih = std::max(1, int(h));
    const int px = std::max(2, int(w / scale)), py = std::max(2, int(h / scale));
    TileNoise n(seed, px, py);
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, iw, ih);
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int j = 0; j < ih; ++j)
        for (int i = 0; i < iw; ++i) {
            double v = n.Fractal(double(i) / iw * px, double(j) / ih * py, 3);
            double a = std::max(0.0, std::min(1.0, (v - 0.35) * 2.2)) * strength * tint.a;
            uint32_t A = uint32_t(a * 255 + 0.5);
            uint32_t R = uint32_t(tint.r * A + 0.5), G = uint32_t(tint.g * A + 0.5), B = uint32_t(tint.b * A + 0.5);
            reinterpret_cast<uint32_t*>(data + size_t(j) * stride)[i] = (A << 24) | (R << 16) | (G << 8) | B;
        }
    cairo_surface_mark_dirty(s);
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
    cairo_set_source_surface(cr, s, x, y);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_surface_destroy(s);
}

void SpikeRing(Canvas& c, double cx, double cy, double rx, double ry, int count, double length, const Colour& fill,
               const Colour& edge, double phase) {
    for (int k = 0; k < count; ++k) {
        double a = phase + k * 2 * M_PI / count, da = M_PI / count * 0.6;
        double p[] = {cx + std::cos(a - da) * rx * 0.92, cy + std::sin(a - da) * ry * 0.92,
                      cx + std::cos(a) * (rx + length),  cy + std::sin(a) * (ry + length),
                      cx + std::cos(a + da) * rx * 0.92, cy + std::sin(a + da) * ry * 0.92};
        ShadedPolygon(c, p, 3, fill, edge, 1.2);
    }
}

}  // namespace forge
