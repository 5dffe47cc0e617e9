#include "platform/trig.h"

#include <cmath>
#include <iterator>
// Rows laid out by hand.
// clang-format off

namespace platform {
namespace {

// Double-double numbers (hi + lo, |lo| <= ulp(hi)/2), with Dekker's exact products, so nothing
// depends on a fused multiply-add being there or not.
struct DD {
    double hi, lo;
};

DD TwoSum(double a, double b) {
    const double s = a + b;
    const double bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}

DD FastTwoSum(double a, double b) {
    const double s = a + b;
    return {s, b - (s - a)};
}

void Split(double a, double* hi, double* lo) {
    const double t = 134217729.0 * a;  // 2^27 + 1
    *hi = t - (t - a);
    *lo = a - *hi;
}

DD TwoProduct(double a, double b) {
    const double p = a * b;
    double ah, al, bh, bl;
    Split(a, &ah, &al);
    Split(b, &bh, &bl);
    return {p, ((ah * bh - p) + ah * bl + al * bh) + al * bl};
}

DD Add(DD a, DD b) {
    DD s = TwoSum(a.hi, b.hi);
    DD t = TwoSum(a.lo, b.lo);
    s.lo += t.hi;
    s = FastTwoSum(s.hi, s.lo);
    s.lo += t.lo;
    return FastTwoSum(s.hi, s.lo);
}

DD Mul(DD a, DD b) {
    DD p = TwoProduct(a.hi, b.hi);
    p.lo += a.hi * b.lo + a.lo * b.hi;
    return FastTwoSum(p.hi, p.lo);
}

DD Neg(DD a) { return {-a.hi, -a.lo}; }

DD Div(DD a, double b) {
    const double q = a.hi / b;
    const DD p = TwoProduct(q, b);
    const double rest = (((a.hi - p.hi) - p.lo) + a.lo) / b;
    return FastTwoSum(q, rest);
}

// pi/2 in four parts: the first three of 33 bits each, so k * part is exact for |k| < 2^20.
constexpr double kHalfPi1 = 1.57079632673412561417e+00;
constexpr double kHalfPi2 = 6.07710050630396597660e-11;
constexpr double kHalfPi3 = 2.02226624871116645580e-21;
constexpr double kHalfPi4 = 8.47842766036889956997e-32;
constexpr double kLargest = 1.6e6;  // under 2^20 * pi/2

// sin and cos of |r| <= pi/4 by their Taylor series in double-double.
void Kernel(DD r, DD* sine, DD* cosine) {
    const DD r2 = Mul(r, r);
    DD s = r, c = {1.0, 0.0};
    DD sTerm = r, cTerm = {1.0, 0.0};
    for (int n = 1; n <= 14; ++n) {
        // sTerm *= -r^2 / ((2n)(2n+1)); cTerm *= -r^2 / ((2n-1)(2n))
        const double sd = static_cast<double>((2 * n) * (2 * n + 1));
        const double cd = static_cast<double>((2 * n - 1) * (2 * n));
        sTerm = Div(Mul(sTerm, Neg(r2)), sd);
        cTerm = Div(Mul(cTerm, Neg(r2)), cd);
        s = Add(s, sTerm);
        c = Add(c, cTerm);
    }
    *sine = s;
    *cosine = c;
}

// The degrees up to kRowsReach where glibc's cos or sin, which made the golden files, rounds
// the other way in the last place, with glibc's values. cos is even and sin odd, to the bit, in
// both. The platform tests print a missing row.
struct Row {
    int32_t degrees;
    double cosine, sine;
};
constexpr int32_t kRowsReach = 36000;
constexpr Row kGlibcRows[] = {
    {1194, -0x1.a07f923b1651p-2, 0x1.d3bc3ae676362p-1},
    {1494, 0x1.2cf2302fac7fap-1, 0x1.9e3779cab0115p-1},
    {1506, 0x1.a07f91da8448ep-2, 0x1.d3bc3afbf5b0bp-1},
    {1985, -0x1.fe0d3b3e1e5b5p-1, -0x1.64fd6cc1d67dp-4},
    {2084, 0x1.ef74bfcca1d1ep-3, -0x1.f0ca99edbd0d9p-1},
    {3401, -0x1.e41b02d598384p-1, 0x1.4d61bc8226656p-2},
    {3486, -0x1.a07f9193b2cb8p-2, -0x1.d3bc3b0bb9932p-1},
    {4024, 0x1.c0e45d1e46584p-2, 0x1.cc2ebbd7ebb4dp-1},
    {4441, -0x1.07b3125a62cfap-1, 0x1.b6dea1baa823cp-1},
    {5962, -0x1.dab7d76dc4313p-1, -0x1.7f98dfc6c64eep-2},
    {6006, -0x1.a07f913990e62p-2, -0x1.d3bc3b1fca27ap-1},
    {6134, 0x1.f0ca99da8ef52p-1, 0x1.ef74c10057168p-3},
    {6320, -0x1.e11f63fad250bp-1, -0x1.5e3a883124ddep-2},
    {6469, 0x1.f697d6abb53a5p-1, -0x1.86c6dbe6294c4p-3},
    {8140, -0x1.8836f9c687d7cp-1, -0x1.491b759dd28e6p-1},
    {8806, -0x1.f0ca9a214fc55p-1, 0x1.ef74bc913cfa8p-3},
    {8835, -0x1.ee8dd447c881dp-1, -0x1.0907dd674ecc4p-2},
    {9141, -0x1.8de613c1f6f12p-1, 0x1.423647b97722cp-1},
    {9568, -0x1.c411b49ee3a64p-1, -0x1.e0bd288d064dep-2},
    {9775, 0x1.25abceeb05224p-1, 0x1.a367e5ff1a00bp-1},
    {10571, -0x1.4fe6f8afb22bcp-1, 0x1.82694ac24ea6dp-1},
    {10678, -0x1.0f51933989328p-1, -0x1.b2335c9b9f8a7p-1},
    {10823, 0x1.d74c692ffdb9bp-1, 0x1.901bd3af9d9c6p-2},
    {11016, -0x1.9e37793abe33bp-1, -0x1.2cf230f5cbfc8p-1},
    {11094, 0x1.a07f939d2dbc6p-2, -0x1.d3bc3a97a2cb8p-1},
    {11266, -0x1.1a40af7b27c0ep-2, 0x1.ec2a7df91da27p-1},
    {12848, -0x1.7f98dd1bf4ee6p-2, -0x1.dab7d7f7b45c9p-1},
    {12850, -0x1.5e3a856fde8bcp-2, -0x1.e11f647b2bc92p-1},
    {12972, 0x1.f4cfc2f2d418fp-1, 0x1.a9cd9ea5b36a4p-3},
    {13181, -0x1.82694aa0c9808p-1, -0x1.4fe6f8d641a76p-1},
    {13559, -0x1.07b3112c599a2p-1, -0x1.b6dea27023688p-1},
    {14009, 0x1.b6dea274ace29p-1, -0x1.07b31124cc947p-1},
    {14089, 0x1.4fe6f7435e2b2p-1, 0x1.82694bff0349ep-1},
    {14277, -0x1.16daec8ca24bbp-1, -0x1.ad663b231acap-1},
    {14483, 0x1.f32d3bf9bbc46p-4, 0x1.fc2f027cb138dp-1},
    {15040, 0x1.63a1ac688143cp-3, -0x1.f838b894f19e3p-1},
    {15547, 0x1.901bcff942498p-2, 0x1.d74c69f9b13eap-1},
    {16152, 0x1.56984a591a1e6p-1, -0x1.7c7d79afa9934p-1},
    {16244, 0x1.704d4d8d6feap-1, 0x1.63aa43f2c54d6p-1},
    {16255, 0x1.25abce831c132p-1, 0x1.a367e647dc438p-1},
    {16569, 0x1.f9b2491040e2p-1, 0x1.4060bb7bf449cp-3},
    {16636, 0x1.ef74ba3e55e84p-3, 0x1.f0ca9a4664a05p-1},
    {16678, -0x1.e0bd2982cf232p-2, 0x1.c411b45d8bd91p-1},
    {16769, -0x1.bfce26de0df59p-1, -0x1.f071f11d31d26p-2},
    {17433, -0x1.c832026ec1328p-1, 0x1.d0e2e0542a19dp-2},
    {17530, -0x1.5e3a84c3b09a2p-2, -0x1.e11f649a81509p-1},
    {18640, 0x1.63a1ad7e1d868p-3, -0x1.f838b888b4cdep-1},
    {19374, 0x1.a07f94c553e86p-2, -0x1.d3bc3a55b578bp-1},
    {19822, 0x1.dab7d70820b03p-1, 0x1.7f98e1bde75c6p-2},
    {19878, 0x1.a9cd94d1a5c34p-3, 0x1.f4cfc37887879p-1},
    {20037, -0x1.16daec2e117fep-1, -0x1.ad663b608429fp-1},
    {20770, -0x1.5e3a844c7d1eep-2, -0x1.e11f64b032ad6p-1},
    {20920, 0x1.8836f925b7fbep-1, 0x1.491b765d787f4p-1},
    {21410, -0x1.f838b910d939dp-1, 0x1.63a1a16db5e42p-3},
    {21539, 0x1.f071f1c0884a4p-2, -0x1.bfce26b0c8e39p-1},
    {21837, -0x1.16daec108427ep-1, -0x1.ad663b73b527ap-1},
    {22176, -0x1.9e3778ba54eeep-1, -0x1.2cf231a68a27ep-1},
    {22223, -0x1.f32d3746a1678p-4, -0x1.fc2f028f2856ep-1},
    {22390, 0x1.5e3a8410e37f6p-2, 0x1.e11f64bb0b565p-1},
    {22507, -0x1.fc2f022472087p-1, -0x1.f32d526f6f66ep-4},
    {23110, 0x1.5e3a83f666262p-2, 0x1.e11f64bfdd711p-1},
    {23324, 0x1.ef74c61a64814p-3, -0x1.f0ca998926495p-1},
    {23751, 0x1.f9b2498bba0a1p-1, -0x1.4060af4da2ceap-3},
    {24016, -0x1.ef74b80d9f288p-3, -0x1.f0ca9a6957ee6p-1},
    {24100, 0x1.e11f64c67e497p-1, -0x1.5e3a83d1fa0fp-2},
    {24331, -0x1.b6dea0f21eb76p-1, -0x1.07b313a822a02p-1},
    {25006, -0x1.f0ca9a6e082a2p-1, 0x1.ef74b7c267a9p-3},
    {25211, 0x1.f697d63560135p-1, 0x1.86c6e5693c43p-3},
    {25575, 0x1.ee8dd3f2f7e75p-1, 0x1.0907dfe05fd9cp-2},
    {25805, -0x1.b0c2d3dfd2b4ap-2, -0x1.d00793d85a4e1p-1},
    {25898, 0x1.dab7d857673e7p-1, -0x1.7f98db423b316p-2},
    {26980, 0x1.e11f64d9c6a95p-1, -0x1.5e3a836804e62p-2},
    {27057, 0x1.16daebbad1014p-1, 0x1.ad663bab5c9acp-1},
    {27131, -0x1.4fe6f9a45adc7p-1, 0x1.826949eda0e14p-1},
    {27657, 0x1.d0e2e67919e54p-2, -0x1.c83200de076e4p-1},
    {27885, -0x1.ee8dd501d42aep-1, 0x1.0907d7faa512p-2},
    {28053, 0x1.c83202cd23203p-1, -0x1.d0e2dee1b12dcp-2},
    {28370, 0x1.5e3a8b5c5ffdcp-2, -0x1.e11f636730876p-1},
    {28547, -0x1.2b63812510c08p-2, 0x1.e9a0c6445ac4dp-1},
    {28814, 0x1.f0ca996f265f3p-1, 0x1.ef74c7bb82234p-3},
    {28953, -0x1.c83202d522bd4p-1, 0x1.d0e2dec24bd7bp-2},
    {29021, -0x1.826949d55b04p-1, -0x1.4fe6f9c04717ep-1},
    {29043, -0x1.d0e2debf282dp-2, -0x1.c83202d5ef7bcp-1},
    {29989, -0x1.4d61c15633dp-2, 0x1.e41b0200ca858p-1},
    {30106, -0x1.63aa416615c16p-1, -0x1.704d5003ba7a2p-1},
    {30335, -0x1.64fd7e08beec4p-4, 0x1.fe0d3b0dbfd04p-1},
    {30644, 0x1.704d4cc99e56cp-1, 0x1.63aa44bd8bfdcp-1},
    {30699, -0x1.4060bfc0c31cep-3, 0x1.f9b248e4fb849p-1},
    {30970, 0x1.f838b85ecaf8ap-1, 0x1.63a1b134ed12cp-3},
    {31837, -0x1.d74c6a764ae8fp-1, 0x1.901bcdae2de2p-2},
    {31905, -0x1.6a09e4ae50f88p-1, -0x1.6a09e821967fp-1},
    {32830, 0x1.5e3a8290cb78p-2, 0x1.e11f6500f1925p-1},
    {32896, -0x1.704d5029ab058p-1, 0x1.63aa413ecc1ecp-1},
    {33079, 0x1.82694cf2e64a2p-1, -0x1.4fe6f62acee87p-1},
    {33508, 0x1.c411b3c2df994p-1, 0x1.e0bd2bc89a8b5p-2},
    {33988, -0x1.b2335d8d6eb68p-1, 0x1.0f5191b68f66ep-1},
    {34961, 0x1.82694989118d6p-1, 0x1.4fe6fa18092bp-1},
    {35028, -0x1.3c6ef88b46ffap-2, 0x1.e6f0e060608b4p-1},
    {35030, -0x1.5e3a8c516695p-2, 0x1.e11f633a99386p-1},
    {35359, 0x1.86c6d3398a4f6p-3, 0x1.f697d7179e804p-1},
    {35878, -0x1.0f5191972f382p-1, -0x1.b2335da109c6fp-1},
};

const Row* GlibcRow(int32_t degrees) {
    if (degrees < 0) degrees = -degrees;
    int lo = 0, hi = static_cast<int>(std::size(kGlibcRows));
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (kGlibcRows[mid].degrees < degrees)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo < static_cast<int>(std::size(kGlibcRows)) && kGlibcRows[lo].degrees == degrees ? &kGlibcRows[lo] : nullptr;
}

}  // namespace

double Radians(int32_t degrees) { return degrees * kPi / 180.0; }

void CosSinDegrees(int32_t degrees, double* cosine, double* sine) {
    if (degrees >= -kRowsReach && degrees <= kRowsReach) {
        if (const Row* row = GlibcRow(degrees)) {
            *cosine = row->cosine;
            *sine = degrees < 0 ? -row->sine : row->sine;
            return;
        }
    }
    const double x = Radians(degrees);
    if (std::fabs(x) > kLargest) {
        *cosine = std::cos(x);
        *sine = std::sin(x);
        return;
    }
    const double k = std::nearbyint(x / (kHalfPi1 + kHalfPi2));
    DD r = {x, 0.0};
    r = Add(r, Neg(TwoProduct(k, kHalfPi1)));
    r = Add(r, Neg(TwoProduct(k, kHalfPi2)));
    r = Add(r, Neg(TwoProduct(k, kHalfPi3)));
    r = Add(r, Neg(TwoProduct(k, kHalfPi4)));
    DD s, c;
    Kernel(r, &s, &c);
    const double sh = s.hi + s.lo, ch = c.hi + c.lo;
    switch (static_cast<int64_t>(k) & 3) {
        case 0: *sine = sh; *cosine = ch; break;
        case 1: *sine = ch; *cosine = -sh; break;
        case 2: *sine = -sh; *cosine = -ch; break;
        default: *sine = -ch; *cosine = sh; break;
    }
}

}  // namespace platform
// clang-format on
