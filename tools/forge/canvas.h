// A cairo drawing surface with the few shapes and texts the families need, and the two ways
// of turning it into a finished picture: flattened onto a colour key, or opaque.
#pragma once

#include <cairo/cairo.h>

#include <string>

#include "asset.h"
#include "picture.h"

namespace forge {

struct Colour {
    double r = 0, g = 0, b = 0, a = 1;
    static Colour Rgb8(int r, int g, int b, double a = 1) { return {r / 255.0, g / 255.0, b / 255.0, a}; }
    Colour Mix(const Colour& o, double t) const {
        return {r + (o.r - r) * t, g + (o.g - g) * t, b + (o.b - b) * t, a + (o.a - a) * t};
    }
    Colour Scaled(double k) const { return {r * k, g * k, b * k, a}; }
    Colour WithAlpha(double alpha) const { return {r, g, b, alpha}; }
};

enum class Font { Sans, SansBold, Mono, MonoBold, SerifBold, Condensed };

class Canvas {
public:
    Canvas(int width, int height);  // fully transparent
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* cr() { return cr_; }
    cairo_surface_t* surface() { return surface_; }
    int width() const { return width_; }
    int height() const { return height_; }

    void Source(const Colour& c);
    void Fill(const Colour& c);  // whole canvas
    void Rectangle(double x, double y, double w, double h, const Colour& c);
    void Circle(double x, double y, double r, const Colour& c);
    void Ellipse(double x, double y, double rx, double ry, const Colour& c);
    void RoundedRect(double x, double y, double w, double h, double radius, const Colour& c);
    void RoundedFrame(double x, double y, double w, double h, double radius, double line, const Colour& c);
    void Line(double x0, double y0, double x1, double y1, double width, const Colour& c);
    // Closed polygon from n points (x0, y0, x1, y1, ...).
    void Polygon(const double* xy, int n, const Colour& c);
    void PolygonOutline(const double* xy, int n, double line, const Colour& c);
    // Radial glow: inner colour at the centre fading to transparent at radius.
    void Glow(double x, double y, double radius, const Colour& inner);
    void VerticalGradient(double x, double y, double w, double h, const Colour& top, const Colour& bottom);

    // Text whose baseline-centre is (cx, baseline); returns the width drawn.
    double Text(const std::string& text, Font font, double size, double cx, double baseline, const Colour& fill,
                double outline = 0, const Colour& outlineColour = Colour());
    double TextLeft(const std::string& text, Font font, double size, double x, double baseline, const Colour& fill,
                    double outline = 0, const Colour& outlineColour = Colour());
    double TextWidth(const std::string& text, Font font, double size);

    // Pixels with alpha >= 128 keep their colour (made opaque), all others become the key;
    // a kept pixel that happens to equal the key is nudged off it.
    Picture Flatten(Rgb key) const;
    // Every pixel composited over black.
    Picture Opaque() const;

private:
    int width_, height_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

// Loads the DejaVu faces by path once, before any thread draws; false if a face is missing.
bool LoadFonts();

}  // namespace forge

namespace forge {
// A canvas holding an opaque copy of the picture, to draw over it.
void LoadPicture(Canvas& canvas, const Picture& picture);
}  // namespace forge
