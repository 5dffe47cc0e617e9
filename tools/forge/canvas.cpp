#include "canvas.h"

#include <cairo/cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <cstdlib>
#include <mutex>

namespace forge {

namespace {

const char* const kFontDir = "/usr/share/fonts/truetype/dejavu/";
const char* const kFontFiles[] = {"DejaVuSans.ttf",          "DejaVuSans-Bold.ttf",  "DejaVuSansMono.ttf",
                                  "DejaVuSansMono-Bold.ttf", "DejaVuSerif-Bold.ttf", "DejaVuSansCondensed-Bold.ttf"};
constexpr int kFontCount = 6;

// Faces are created once, single-threaded, and live for the whole run; cairo locks a face
// while it renders with it, so the drawing threads share them.
struct FontTable {
    FT_Library library = nullptr;
    FT_Face faces[kFontCount] = {};
    cairo_font_face_t* cairoFaces[kFontCount] = {};
    bool ok = false;
};

FontTable& Fonts() {
    static FontTable table;
    return table;
}

std::once_flag fontsOnce;

}  // namespace

bool LoadFonts() {
    std::call_once(fontsOnce, [] {
        FontTable& t = Fonts();
        if (FT_Init_FreeType(&t.library) != 0) return;
        t.ok = true;
        for (int i = 0; i < kFontCount; ++i) {
            std::string path = std::string(kFontDir) + kFontFiles[i];
            if (FT_New_Face(t.library, path.c_str(), 0, &t.faces[i]) != 0) {
                t.ok = false;
                continue;
            }
            t.cairoFaces[i] = cairo_ft_font_face_create_for_ft_face(t.faces[i], 0);
        }
    });
    return Fonts().ok;
}

int ColourDistance(uint32_t a, uint32_t b) {
    int d = std::abs(ChannelR(a) - ChannelR(b));
    d = std::max(d, std::abs(ChannelG(a) - ChannelG(b)));
    return std::max(d, std::abs(ChannelB(a) - ChannelB(b)));
}

void Picture::Paste(const Picture& from, int x, int y) {
    for (int j = 0; j < from.height; ++j) {
        int ty = y + j;
        if (ty < 0 || ty >= height) continue;
        for (int i = 0; i < from.width; ++i) {
            int tx = x + i;
            if (tx < 0 || tx >= width) continue;
            Set(tx, ty, from.At(i, j));
        }
    }
}

Canvas::Canvas(int width, int height) : width_(width), height_(height) {
    surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cr_ = cairo_create(surface_);
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_GOOD);
}

Canvas::~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

void Canvas::Source(const Colour& c) { cairo_set_source_rgba(cr_, c.r, c.g, c.b, c.a); }

void Canvas::Fill(const Colour& c) {
    cairo_save(cr_);
    cairo_set_operator(cr_, CAIRO_OPERATOR_SOURCE);
    Source(c);
    cairo_paint(cr_);
    cairo_restore(cr_);
}

void Canvas::Rectangle(double x, double y, double w, double h, const Colour& c) {
    Source(c);
    cairo_rectangle(cr_, x, y, w, h);
    cairo_fill(cr_);
}

void Canvas::Circle(double x, double y, double r, const Colour& c) {
    Source(c);
    cairo_new_sub_path(cr_);
    cairo_arc(cr_, x, y, r, 0, 2 * M_PI);
    cairo_fill(cr_);
}

void Canvas::Ellipse(double x, double y, double rx, double ry, const Colour& c) {
    if (rx <= 0 || ry <= 0) return;
    cairo_save(cr_);
    cairo_translate(cr_, x, y);
    cairo_scale(cr_, rx, ry);
    cairo_new_sub_path(cr_);
    cairo_arc(cr_, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr_);
    Source(c);
    cairo_fill(cr_);
}

static void RoundedPath(cairo_t* cr, double x, double y, double w, double h, double r) {
    r = std::min(r, std::min(w, h) / 2);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void Canvas::RoundedRect(double x, double y, double w, double h, double radius, const Colour& c) {
    RoundedPath(cr_, x, y, w, h, radius);
    Source(c);
    cairo_fill(cr_);
}

void Canvas::RoundedFrame(double x, double y, double w, double h, double radius, double line, const Colour& c) {
    RoundedPath(cr_, x, y, w, h, radius);
    Source(c);
    cairo_set_line_width(cr_, line);
    cairo_stroke(cr_);
}

void Canvas::Line(double x0, double y0, double x1, double y1, double width, const Colour& c) {
    Source(c);
    cairo_set_line_width(cr_, width);
    cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr_, x0, y0);
    cairo_line_to(cr_, x1, y1);
    cairo_stroke(cr_);
}

static void PolygonPath(cairo_t* cr, const double* xy, int n) {
    cairo_new_path(cr);
    for (int i = 0; i < n; ++i) {
        if (i == 0)
            cairo_move_to(cr, xy[0], xy[1]);
        else
            cairo_line_to(cr, xy[2 * i], xy[2 * i + 1]);
    }
    cairo_close_path(cr);
}

void Canvas::Polygon(const double* xy, int n, const Colour& c) {
    PolygonPath(cr_, xy, n);
    Source(c);
    cairo_fill(cr_);
}

void Canvas::PolygonOutline(const double* xy, int n, double line, const Colour& c) {
    PolygonPath(cr_, xy, n);
    Source(c);
    cairo_set_line_width(cr_, line);
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr_);
}

void Canvas::Glow(double x, double y, double radius, const Colour& inner) {
    if (radius <= 0) return;
    cairo_pattern_t* p = cairo_pattern_create_radial(x, y, 0, x, y, radius);
    cairo_pattern_add_color_stop_rgba(p, 0, inner.r, inner.g, inner.b, inner.a);
    cairo_pattern_add_color_stop_rgba(p, 1, inner.r, inner.g, inner.b, 0);
    cairo_set_source(cr_, p);
    cairo_arc(cr_, x, y, radius, 0, 2 * M_PI);
    cairo_fill(cr_);
    cairo_pattern_destroy(p);
}

void Canvas::VerticalGradient(double x, double y, double w, double h, const Colour& top, const Colour& bottom) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgba(p, 0, top.r, top.g, top.b, top.a);
    cairo_pattern_add_color_stop_rgba(p, 1, bottom.r, bottom.g, bottom.b, bottom.a);
    cairo_set_source(cr_, p);
    cairo_rectangle(cr_, x, y, w, h);
    cairo_fill(cr_);
    cairo_pattern_destroy(p);
}

static void SelectFont(cairo_t* cr, Font font, double size) {
    LoadFonts();
    cairo_set_font_face(cr, Fonts().cairoFaces[int(font)]);
    cairo_set_font_size(cr, size);
}

double Canvas::TextWidth(const std::string& text, Font font, double size) {
    SelectFont(cr_, font, size);
    cairo_text_extents_t ext;
    cairo_text_extents(cr_, text.c_str(), &ext);
    return ext.x_advance;
}

double Canvas::TextLeft(const std::string& text, Font font, double size, double x, double baseline, const Colour& fill,
                        double outline, const Colour& outlineColour) {
    SelectFont(cr_, font, size);
    cairo_text_extents_t ext;
    cairo_text_extents(cr_, text.c_str(), &ext);
    cairo_new_path(cr_);
    cairo_move_to(cr_, x, baseline);
    cairo_text_path(cr_, text.c_str());
    if (outline > 0) {
        Source(outlineColour);
        cairo_set_line_width(cr_, outline * 2);
        cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr_);
    }
    Source(fill);
    cairo_fill(cr_);
    return ext.x_advance;
}

double Canvas::Text(const std::string& text, Font font, double size, double cx, double baseline, const Colour& fill,
                    double outline, const Colour& outlineColour) {
    double w = TextWidth(text, font, size);
    return TextLeft(text, font, size, cx - w / 2, baseline, fill, outline, outlineColour);
}

Picture Canvas::Flatten(Rgb key) const {
    cairo_surface_flush(surface_);
    Picture out(width_, height_, key.Packed());
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    int stride = cairo_image_surface_get_stride(surface_);
    uint32_t keyPacked = key.Packed();
    for (int y = 0; y < height_; ++y) {
        const uint32_t* row = reinterpret_cast<const uint32_t*>(data + size_t(y) * stride);
        for (int x = 0; x < width_; ++x) {
            uint32_t p = row[x];
            int a = int(p >> 24);
            if (a < 128) continue;
            int r = std::min(255, int(((p >> 16) & 255) * 255 + a / 2) / a);
            int g = std::min(255, int(((p >> 8) & 255) * 255 + a / 2) / a);
            int b = std::min(255, int((p & 255) * 255 + a / 2) / a);
            uint32_t c = PackRgb(r, g, b);
            if (c == keyPacked) c = PackRgb(r, g, b < 255 ? b + 1 : b - 1);
            out.Set(x, y, c);
        }
    }
    return out;
}

Picture Canvas::Opaque() const {
    cairo_surface_flush(surface_);
    Picture out(width_, height_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    int stride = cairo_image_surface_get_stride(surface_);
    for (int y = 0; y < height_; ++y) {
        const uint32_t* row = reinterpret_cast<const uint32_t*>(data + size_t(y) * stride);
        for (int x = 0; x < width_; ++x) out.Set(x, y, row[x] & 0xFFFFFF);  // premultiplied over black
    }
    return out;
}

}  // namespace forge

namespace forge {
void LoadPicture(Canvas& canvas, const Picture& picture) {
    cairo_surface_flush(canvas.surface());
    unsigned char* data = cairo_image_surface_get_data(canvas.surface());
    int stride = cairo_image_surface_get_stride(canvas.surface());
    for (int y = 0; y < picture.height && y < canvas.height(); ++y) {
        uint32_t* row = reinterpret_cast<uint32_t*>(data + size_t(y) * stride);
        for (int x = 0; x < picture.width && x < canvas.width(); ++x) row[x] = 0xFF000000u | picture.At(x, y);
    }
    cairo_surface_mark_dirty(canvas.surface());
}
}  // namespace forge
