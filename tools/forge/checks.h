// The forge checks what it made before it writes it; any fault fails the run (and the build).
#pragma once

#include <string>
#include <vector>

#include "asset.h"
#include "encoders.h"
#include "picture.h"
#include "sound.h"

namespace forge {

using Faults = std::vector<std::string>;

Faults CheckPicture(const Asset& asset, const Picture& picture);
Faults CheckEncodedPicture(const Asset& asset, const Bytes& bytes);
Faults CheckSound(const Asset& asset, const Sound& sound);
// Decodes the Ogg file: length, and for loops the join from the last sample to the first.
Faults CheckOgg(const Asset& asset, const Bytes& bytes);

// Opaque pixels next to a key pixel whose colour is within `tolerance` of the key: the halo
// that a soft edge blended towards the key colour leaves round a sprite.
int KeyFringePixels(const Picture& picture, Rgb key, int tolerance);
// How much the wrap from the last row to the first stands out against the sharpest ordinary
// row steps of the picture (1 or less for a seamless picture, large for a seam).
double WrapSeamRatio(const Picture& picture);
// Fraction of pixels that differ visibly between two equal-size rectangles of a picture.
double CellDifference(const Picture& picture, Rect a, Rect b);
// Jump at the join of a loop (end into start), in units of the signal's own sharpest steps
// near the join: about 1 or less for a clean join, large for a click.
double LoopJoinRatio(const std::vector<float>& samples);

}  // namespace forge
