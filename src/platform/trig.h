// Cosine and sine of a whole number of degrees, the same to the last bit on every platform.
// C libraries round their cos and sin differently in the last place (glibc, mingw's and musl's
// do), and a truncated position can move by a pixel on that; these are computed by our own code
// in plain IEEE double arithmetic, correctly rounded but in vanishingly rare cases, and agree
// with glibc's for every degree the game can reach in play (the tests sweep them).
#pragma once

#include <cstdint>

namespace platform {

// The game's own pi, as it converts degrees: degrees * kPi / 180.
constexpr double kPi = 3.141592654;

double Radians(int32_t degrees);

// cos and sin of Radians(degrees).
void CosSinDegrees(int32_t degrees, double* cosine, double* sine);

}  // namespace platform
