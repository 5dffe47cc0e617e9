#include "forge.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

#include "canvas.h"
#include "families.h"
#include "manifest.h"
#include "visibility.h"

namespace forge {

namespace {

Picture DrawPicture(const Asset& a) {
    switch (a.family) {
        case Family::Enemy: return DrawEnemy(a);
        case Family::Boss: return DrawBoss(a);
        case Family::Hero: return DrawHero(a);
        case Family::Explosion: return DrawExplosion(a);
        case Family::Shot: return DrawShot(a);
        case Family::Hud: return DrawHud(a);
        case Family::Screen: return DrawScreen(a);
        case Family::Background: return DrawBackground(a);
        default: return Picture();
    }
}

// Rough cost, so the long music tracks start first and the pictures fill in round them.
double Cost(const Asset& a) {
    if (a.format == Format::Ogg) return 1000 + a.minSeconds;
    if (a.family == Family::Background) return 50;
    return double(a.width) * a.height / 1e5;
}

}  // namespace

Product Make(const Asset& a) {
    auto t0 = std::chrono::steady_clock::now();
    Product p;
    p.asset = &a;
    if (a.IsPicture()) {
        p.picture = DrawPicture(a);
        p.faults = CheckPicture(a, p.picture);
        p.bytes = a.format == Format::Bmp ? EncodeBmp(p.picture) : EncodePng(p.picture);
        Faults more = CheckEncodedPicture(a, p.bytes);
        p.faults.insert(p.faults.end(), more.begin(), more.end());
    } else {
        Sound s = a.format == Format::Ogg ? MakeMusic(a) : MakeEffect(a);
        p.faults = CheckSound(a, s);
        if (a.format == Format::Ogg) {
            p.bytes = EncodeOgg(s, 0.1, int(a.seed & 0x7FFFFFFF));
            Faults more = CheckOgg(a, p.bytes);
            p.faults.insert(p.faults.end(), more.begin(), more.end());
        } else {
            p.bytes = EncodeWav(s);
        }
    }
    p.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    return p;
}

int RunForge(const Options& o) {
    if (!LoadFonts()) {
        std::fprintf(stderr, "skyrift-forge: cannot load the DejaVu fonts from /usr/share/fonts/truetype/dejavu/\n");
        return 1;
    }
    auto t0 = std::chrono::steady_clock::now();
    std::vector<const Asset*> todo;
    for (const Asset& a : Manifest())
        if (o.only.empty() || a.path.find(o.only) != std::string::npos) todo.push_back(&a);
    std::stable_sort(todo.begin(), todo.end(), [](const Asset* x, const Asset* y) { return Cost(*x) > Cost(*y); });

    std::vector<Product> products(todo.size());
    std::atomic<size_t> next{0};
    int threads = o.threads > 0 ? o.threads : int(std::max(1u, std::thread::hardware_concurrency()));
    const bool keepPictures = !o.contactSheet.empty();
    auto worker = [&] {
        for (size_t i; (i = next++) < todo.size();) {
            products[i] = Make(*todo[i]);
            // Shots and layers stay for the visibility check; the rest only for a contact sheet.
            const Family family = todo[i]->family;
            const bool needed =
                family == Family::Shot || family == Family::Background || todo[i]->variant.rfind("backdrop", 0) == 0;
            if (!keepPictures && !needed) products[i].picture = Picture();
        }
    };
    std::vector<std::thread> pool;
    for (int t = 1; t < threads; ++t) pool.emplace_back(worker);
    worker();
    for (std::thread& t : pool) t.join();

    Faults visibility = CheckShotVisibility([&](const std::string& path) -> const Picture* {
        for (const Product& p : products)
            if (p.asset->path == path && p.picture.width > 0) return &p.picture;
        return nullptr;
    });
    int faults = 0;
    for (const std::string& f : visibility) {
        std::fprintf(stderr, "skyrift-forge: %s\n", f.c_str());
        ++faults;
    }
    size_t totalBytes = 0;
    for (const Product& p : products) {
        for (const std::string& f : p.faults) {
            std::fprintf(stderr, "skyrift-forge: %s: %s\n", p.asset->path.c_str(), f.c_str());
            ++faults;
        }
        if (!o.outDir.empty() && !WriteFile(o.outDir + "/" + p.asset->path, p.bytes)) {
            std::fprintf(stderr, "skyrift-forge: cannot write %s/%s\n", o.outDir.c_str(), p.asset->path.c_str());
            ++faults;
        }
        totalBytes += p.bytes.size();
        if (o.verbose)
            std::printf("%-60s %-10s %8zu bytes %6.2f s\n", p.asset->path.c_str(), FamilyName(p.asset->family),
                        p.bytes.size(), p.seconds);
    }
    if (keepPictures) {
        std::vector<const Product*> pictures;
        for (const Asset& a : Manifest())  // manifest order reads better than cost order
            for (const Product& p : products)
                if (p.asset == &a && a.IsPicture()) pictures.push_back(&p);
        if (!WriteFile(o.contactSheet, EncodePng(ContactSheet(pictures)))) {
            std::fprintf(stderr, "skyrift-forge: cannot write %s\n", o.contactSheet.c_str());
            ++faults;
        }
    }
    double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::printf("skyrift-forge: %zu files, %.1f MB, %.1f s on %d threads, %d faults\n", products.size(),
                totalBytes / 1e6, secs, threads, faults);
    return faults == 0 ? 0 : 1;
}

std::string ManifestTable() {
    static const char* formats[] = {"PNG", "BMP", "WAV", "OGG"};
    std::string out;
    char line[512];
    for (const Asset& a : Manifest()) {
        std::string shape, key = "-";
        if (a.IsPicture()) {
            shape = std::to_string(a.width) + "x" + std::to_string(a.height) + " cells " + std::to_string(a.cols) +
                    "x" + std::to_string(a.rows);
            std::snprintf(line, sizeof line, "%d,%d,%d", a.key.r, a.key.g, a.key.b);
            key = a.keyed ? line : "none";
        } else {
            std::snprintf(line, sizeof line, "%.0f-%.0f s%s", a.minSeconds, a.maxSeconds, a.loops ? " loop" : "");
            shape = line;
        }
        std::snprintf(line, sizeof line, "%-56s %s  %-22s key %-11s %-10s seed %08x  %s\n", a.path.c_str(),
                      formats[int(a.format)], shape.c_str(), key.c_str(), FamilyName(a.family), a.seed, a.note.c_str());
        out += line;
    }
    return out;
}

Picture ContactSheet(const std::vector<const Product*>& pictures) {
    const int cols = 6, cellW = 250, cellH = 200, thumbW = 238, thumbH = 170;
    const int rows = int((pictures.size() + cols - 1) / cols);
    Canvas c(cols * cellW, std::max(1, rows) * cellH);
    c.Fill(Colour::Rgb8(40, 40, 48));
    for (size_t i = 0; i < pictures.size(); ++i) {
        const Product& p = *pictures[i];
        const int x = int(i % cols) * cellW + 6, y = int(i / cols) * cellH + 4;
        cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, p.picture.width, p.picture.height);
        cairo_surface_flush(s);
        unsigned char* data = cairo_image_surface_get_data(s);
        int stride = cairo_image_surface_get_stride(s);
        for (int yy = 0; yy < p.picture.height; ++yy)
            for (int xx = 0; xx < p.picture.width; ++xx)
                reinterpret_cast<uint32_t*>(data + size_t(yy) * stride)[xx] = 0xFF000000u | p.picture.At(xx, yy);
        cairo_surface_mark_dirty(s);
        double scale = std::min(double(thumbW) / p.picture.width, double(thumbH) / p.picture.height);
        scale = std::min(scale, 4.0);
        cairo_t* cr = c.cr();
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_scale(cr, scale, scale);
        cairo_set_source_surface(cr, s, 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr), scale >= 1 ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_GOOD);
        cairo_paint(cr);
        cairo_restore(cr);
        cairo_surface_destroy(s);
        std::string label = p.asset->path.substr(p.asset->path.find_last_of('/') + 1);
        c.TextLeft(label, Font::Sans, 11, x, y + thumbH + 18, Colour::Rgb8(230, 230, 240));
        c.TextLeft(std::to_string(p.picture.width) + "x" + std::to_string(p.picture.height), Font::Sans, 10, x + 180,
                   y + thumbH + 18, Colour::Rgb8(150, 160, 190));
    }
    return c.Opaque();
}

}  // namespace forge
