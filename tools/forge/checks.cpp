#include "checks.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <sstream>

namespace forge {

namespace {

std::string Describe(const char* what, double a, double b) {
    std::ostringstream s;
    s << what << " (" << a << ", expected " << b << ")";
    return s.str();
}

bool SpriteLike(const Asset& a) {
    return a.family == Family::Enemy || a.family == Family::Boss || a.family == Family::Hero ||
           a.family == Family::Shot || a.family == Family::Explosion || a.variant == "life";
}

double RowStep(const Picture& p, int y0, int y1) {
    double sum = 0;
    for (int x = 0; x < p.width; ++x) sum += ColourDistance(p.At(x, y0), p.At(x, y1));
    return sum / p.width;
}

}  // namespace

int KeyFringePixels(const Picture& p, Rgb key, int tolerance) {
    const uint32_t k = key.Packed();
    int count = 0;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
            uint32_t c = p.At(x, y);
            if (c == k || ColourDistance(c, k) > tolerance) continue;
            bool edge = (x > 0 && p.At(x - 1, y) == k) || (x + 1 < p.width && p.At(x + 1, y) == k) ||
                        (y > 0 && p.At(x, y - 1) == k) || (y + 1 < p.height && p.At(x, y + 1) == k);
            if (edge) ++count;
        }
    return count;
}

double WrapSeamRatio(const Picture& p) {
    // Against the sharpest ordinary steps (99th percentile), so drawn edges such as panel seams
    // do not count, while a break in a smooth field stands far above them.
    std::vector<double> steps;
    for (int y = 0; y + 1 < p.height; ++y) steps.push_back(RowStep(p, y, y + 1));
    std::sort(steps.begin(), steps.end());
    double sharp = steps[std::min(steps.size() - 1, size_t(steps.size() * 0.99))];
    return RowStep(p, p.height - 1, 0) / (sharp + 2.0);
}

double CellDifference(const Picture& p, Rect a, Rect b) {
    int differ = 0;
    for (int y = 0; y < a.h; ++y)
        for (int x = 0; x < a.w; ++x)
            if (ColourDistance(p.At(a.x + x, a.y + y), p.At(b.x + x, b.y + y)) > 8) ++differ;
    return double(differ) / (double(a.w) * a.h);
}

double LoopJoinRatio(const std::vector<float>& s) {
    const size_t n = s.size();
    if (n < 8) return 0;
    auto curvature = [&](size_t i) {  // second difference round the loop
        float prev = s[(i + n - 1) % n], next = s[(i + 1) % n];
        return std::fabs(2 * s[i] - prev - next);
    };
    std::vector<float> near;
    const size_t window = std::min<size_t>(n / 4, 22050);
    for (size_t i = 1; i < window; ++i) {
        near.push_back(curvature(i));
        near.push_back(curvature(n - 1 - i));
    }
    std::sort(near.begin(), near.end());
    float sharp = near[size_t(near.size() * 0.995)];
    float join = std::max(curvature(0), curvature(n - 1));
    return join / (sharp + 1e-3f);
}

Faults CheckPicture(const Asset& a, const Picture& p) {
    Faults f;
    if (p.width != a.width || p.height != a.height)
        f.push_back(Describe("size", p.width * 10000.0 + p.height, a.width * 10000.0 + a.height));
    if (a.width % a.cols != 0 || a.height % a.rows != 0) f.push_back("size is not a whole number of cells");
    if (!f.empty()) return f;
    const uint32_t key = a.key.Packed();
    const int cw = a.CellWidth(), ch = a.CellHeight();
    if (a.keyed) {
        int fringe = KeyFringePixels(p, a.key, 16);
        if (fringe > 0) f.push_back(Describe("key-coloured fringe pixels", fringe, 0));
        for (const Rect& r : a.keyWindows)
            for (int y = r.y; y < r.y + r.h; ++y)
                for (int x = r.x; x < r.x + r.w; ++x)
                    if (p.At(x, y) != key) {
                        f.push_back("pixel inside a window that must be key colour: " + std::to_string(x) + "," +
                                    std::to_string(y));
                        y = r.y + r.h;
                        break;
                    }
        size_t keyPixels = std::count(p.pixels.begin(), p.pixels.end(), key);
        if (a.variant == "curtain1") {
            if (keyPixels != 0) f.push_back("the closed curtain has transparent pixels");
        } else if (keyPixels == 0) {
            f.push_back("no key-coloured pixel: nothing is transparent");
        } else if (keyPixels == p.pixels.size()) {
            f.push_back("picture is all key colour");
        }
        if (SpriteLike(a))
            for (int row = 0; row < a.rows; ++row)
                for (int col = 0; col < a.cols; ++col) {
                    int x0 = col * cw, y0 = row * ch;
                    bool cornersKey = p.At(x0, y0) == key && p.At(x0 + cw - 1, y0) == key &&
                                      p.At(x0, y0 + ch - 1) == key && p.At(x0 + cw - 1, y0 + ch - 1) == key;
                    if (!cornersKey)
                        f.push_back("cell " + std::to_string(row * a.cols + col) +
                                    " has a corner that is not key colour");
                    int ink = 0;
                    for (int y = y0; y < y0 + ch; ++y)
                        for (int x = x0; x < x0 + cw; ++x) ink += p.At(x, y) != key;
                    if (ink == 0) f.push_back("cell " + std::to_string(row * a.cols + col) + " is empty");
                }
    }
    if (a.cellsDiffer) {
        const int cells = a.cols * a.rows;
        for (int i = 0; i < cells; ++i)
            for (int j = i + 1; j < cells; ++j) {
                Rect ri{(i % a.cols) * cw, (i / a.cols) * ch, cw, ch}, rj{(j % a.cols) * cw, (j / a.cols) * ch, cw, ch};
                double d = CellDifference(p, ri, rj);
                if (d * cw * ch < 3 && d < 0.005)
                    f.push_back("cells " + std::to_string(i) + " and " + std::to_string(j) + " look the same");
            }
    }
    if (a.wraps) {
        double seam = WrapSeamRatio(p);
        if (seam > 1.5) f.push_back(Describe("visible seam where the bottom row wraps to the top", seam, 1));
    }
    return f;
}

Faults CheckEncodedPicture(const Asset& a, const Bytes& bytes) {
    Faults f;
    int w = 0, h = 0;
    if (!PictureHeaderSize(bytes, &w, &h))
        f.push_back("encoded file has no picture header");
    else if (w != a.width || h != a.height)
        f.push_back("encoded header size differs from the manifest");
    bool isBmp = bytes.size() > 2 && bytes[0] == 'B' && bytes[1] == 'M';
    if (isBmp != (a.format == Format::Bmp)) f.push_back("encoded format differs from the file's extension");
    if (isBmp && bytes.size() > 30 && (bytes[28] != 24 || bytes[30] != 0))
        f.push_back("BMP is not 24-bit uncompressed");
    return f;
}

Faults CheckSound(const Asset& a, const Sound& s) {
    Faults f;
    double secs = s.Seconds();
    if (secs < a.minSeconds || secs > a.maxSeconds) f.push_back(Describe("length in seconds", secs, a.minSeconds));
    float peak = s.Peak();
    if (peak > 1.0f) f.push_back(Describe("clips", peak, 1));
    if (peak < 0.05f) f.push_back(Describe("nearly silent", peak, 0.5));
    if (!a.loops && s.Frames() > 0) {
        float edge = std::max({std::fabs(s.left.front()), std::fabs(s.right.front()), std::fabs(s.left.back()),
                               std::fabs(s.right.back())});
        if (edge > 0.02f) f.push_back(Describe("starts or stops with a click", edge, 0));
    }
    if (a.loops) {
        double j = std::max(LoopJoinRatio(s.left), LoopJoinRatio(s.right));
        if (j > 2.0) f.push_back(Describe("loop join clicks", j, 1));
    }
    return f;
}

namespace {
struct Memory {
    const Bytes* bytes;
    size_t pos;
};
size_t MemRead(void* ptr, size_t size, size_t n, void* src) {
    Memory* m = static_cast<Memory*>(src);
    size_t want = size * n, left = m->bytes->size() - m->pos;
    size_t got = std::min(want, left);
    std::memcpy(ptr, m->bytes->data() + m->pos, got);
    m->pos += got;
    return size ? got / size : 0;
}
int MemSeek(void* src, ogg_int64_t offset, int whence) {
    Memory* m = static_cast<Memory*>(src);
    long long base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? (long long)m->pos : (long long)m->bytes->size();
    long long to = base + offset;
    if (to < 0 || to > (long long)m->bytes->size()) return -1;
    m->pos = size_t(to);
    return 0;
}
long MemTell(void* src) { return long(static_cast<Memory*>(src)->pos); }
}  // namespace

Faults CheckOgg(const Asset& a, const Bytes& bytes) {
    Faults f;
    Memory mem{&bytes, 0};
    OggVorbis_File vf;
    ov_callbacks cb{MemRead, MemSeek, nullptr, MemTell};
    if (ov_open_callbacks(&mem, &vf, nullptr, 0, cb) != 0) {
        f.push_back("not a readable Ogg Vorbis file");
        return f;
    }
    vorbis_info* vi = ov_info(&vf, -1);
    double secs = double(ov_pcm_total(&vf, -1)) / vi->rate;
    if (secs < a.minSeconds || secs > a.maxSeconds)
        f.push_back(Describe("decoded length in seconds", secs, a.minSeconds));
    if (vi->channels != 2) f.push_back("not stereo");
    if (a.loops) {
        std::vector<float> left;
        float** pcm;
        int section = 0;
        long got;
        while ((got = ov_read_float(&vf, &pcm, 4096, &section)) > 0) left.insert(left.end(), pcm[0], pcm[0] + got);
        double j = LoopJoinRatio(left);
        if (j > 2.0) f.push_back(Describe("decoded loop join clicks", j, 1));
    }
    ov_clear(&vf);
    return f;
}

}  // namespace forge
