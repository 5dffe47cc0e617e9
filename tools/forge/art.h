// Drawing vocabulary shared by the picture families: shaded volumes, glows, flashes, noise.
#pragma once

#include <functional>

#include "canvas.h"
#include "rng.h"

namespace forge {

// A ball lit from the upper left.
void ShadedBall(Canvas& c, double x, double y, double r, const Colour& base);
// A shape filled with a top-lit vertical gradient (light on top, dark below) and outlined.
void ShadedPolygon(Canvas& c, const double* xy, int n, const Colour& base, const Colour& outline, double line = 1.2);
// An eye: white, iris, pupil; `look` shifts the iris (-1 .. 1).
void Eye(Canvas& c, double x, double y, double r, const Colour& iris, double lookX = 0, double lookY = 0);
// Whitens everything already drawn inside the rectangle: the hit-flash look.
void FlashRect(Canvas& c, double x, double y, double w, double h, double strength = 0.7);

// Draws `cells` cells side by side, each with its origin translated to the cell's corner.
void EachCell(Canvas& c, int cells, int cellW, const std::function<void(int)>& draw);

// Smooth value noise that tiles with the given period (in lattice units) on both axes.
class TileNoise {
public:
    TileNoise(uint64_t seed, int periodX, int periodY);
    double At(double x, double y) const;  // 0 .. 1
    double Fractal(double x, double y, int octaves) const;

private:
    int px_, py_;
    std::vector<double> grid_;
};

}  // namespace forge

namespace forge {
// Mottles what is already drawn inside the rectangle with tinted noise (skin, rust, grain);
// transparent pixels stay transparent.
void Mottle(Canvas& c, double x, double y, double w, double h, const Colour& tint, double strength, double scale,
            uint64_t seed);
// Spikes round an ellipse, pointing outwards.
void SpikeRing(Canvas& c, double cx, double cy, double rx, double ry, int count, double length, const Colour& fill,
               const Colour& edge, double phase = 0);
}  // namespace forge
