// Full-screen pictures: credits, controls, curtains, the final score, level previews, the end
// captions and Moine's entrance. The text names only Skyrift and its team.
#include <cmath>

#include "art.h"
#include "families.h"
#include "manifest.h"

namespace forge {

void DrawLifeIcon(Canvas& c, double w, double h);

namespace {

const Colour kWhite = Colour::Rgb8(245, 248, 255);
const Colour kSky = Colour::Rgb8(110, 200, 255);
const Colour kGold = Colour::Rgb8(255, 210, 80);
const Colour kNight = Colour::Rgb8(10, 12, 40);

const char* const kLevelNames[6] = {"ABOVE THE CLOUDS", "THE DALES", "INFERNO", "THE STARSHIP", "PSYCHE", "THE RIFT"};
const char* const kLevelLayers[6] = {"Ciel", "Dales", "Enfer", "Enterprise", "Psyche2", "LastLevel"};

void Logo(Canvas& c, double cx, double baseline, double size, double glow) {
    c.Glow(cx, baseline - size * 0.35, size * 3.2, kSky.WithAlpha(0.25 * glow));
    c.Text("SKYRIFT", Font::SansBold, size, cx + 3, baseline + 3, Colour::Rgb8(20, 20, 60, 0.8));
    c.Text("SKYRIFT", Font::SansBold, size, cx, baseline, kWhite, size / 18, Colour::Rgb8(40, 90, 200));
}

// The title backdrop: night sky over a rift of light; frame moves the stars and the ship.
void TitleBackdrop(Canvas& c, int frame) {
    c.VerticalGradient(0, 0, 640, 480, Colour::Rgb8(6, 8, 30), Colour::Rgb8(40, 20, 70));
    Rng rng(HashName("titlestars"));
    for (int i = 0; i < 260; ++i) {
        double x = rng.Range(0, 640), y = rng.Range(0, 480), speed = rng.Range(2, 10);
        double r = rng.Range(0.5, 1.6);
        y = std::fmod(y + frame * speed, 480.0);
        c.Circle(x, y, r, Colour::Rgb8(220, 230, 255, rng.Range(0.5, 1)));
    }
    c.Glow(320, 470, 320, Colour::Rgb8(120, 80, 255, 0.45));
    c.Glow(320, 480, 160, Colour::Rgb8(160, 230, 255, 0.5));
}

Picture Credits(int index) {
    Canvas c(640, 480);
    TitleBackdrop(c, index);
    double pulse = 0.6 + 0.4 * std::sin(index * 1.2566);
    Logo(c, 320, 150, 84, pulse);
    c.Text("A vertical shoot-'em-up", Font::Sans, 20, 320, 190, kSky);
    c.Text("Programming, pictures, sound and music", Font::Sans, 17, 320, 300, kWhite);
    c.Text("THE SKYRIFT TEAM", Font::SansBold, 24, 320, 334, kGold, 1, Colour::Rgb8(80, 40, 0));
    if (index % 2 == 0) c.Text("PRESS ENTER", Font::SansBold, 18, 320, 430, kWhite, 1, Colour::Rgb8(30, 60, 140));
    // A ship crossing the sky, a little further each frame.
    cairo_save(c.cr());
    cairo_translate(c.cr(), 540 - index * 10, 400 - index * 55);
    cairo_rotate(c.cr(), -0.15);
    c.Glow(36, 96, 30, Colour::Rgb8(90, 200, 255, 0.6));
    DrawLifeIcon(c, 72, 96);
    cairo_restore(c.cr());
    return c.Opaque();
}

// The second credits panel rises over the first credits picture; green lets it show through.
Picture Resources(int step) {
    Canvas c(640, 480);
    const double rise = (step + 1) / 4.0;
    const double top = 480 - 250 * rise;
    c.RoundedRect(70, top, 500, 240, 14, Colour::Rgb8(14, 18, 48, 0.95));
    c.RoundedFrame(70, top, 500, 240, 14, 3, kSky);
    c.Text("PICTURES, SOUND AND MUSIC", Font::SansBold, 22, 320, top + 40, kGold);
    c.Text("Every picture, sound and tune of the game", Font::Sans, 17, 320, top + 84, kWhite);
    c.Text("is drawn and composed by skyrift-forge,", Font::Sans, 17, 320, top + 110, kWhite);
    c.Text("the game's own workshop", Font::Sans, 17, 320, top + 136, kWhite);
    c.Text("THE SKYRIFT TEAM", Font::SansBold, 20, 320, top + 190, kSky);
    return c.Flatten({0, 128, 0});
}

void Key(Canvas& c, double x, double y, double w, const std::string& label, Font font = Font::SansBold) {
    c.RoundedRect(x + 2, y + 3, w, 40, 6, Colour::Rgb8(10, 10, 30, 0.9));
    c.RoundedRect(x, y, w, 40, 6, Colour::Rgb8(210, 215, 235));
    c.RoundedRect(x + 3, y + 3, w - 6, 32, 5, Colour::Rgb8(245, 247, 255));
    c.Text(label, font, label.size() > 2 ? 14 : 20, x + w / 2, y + 27, Colour::Rgb8(30, 30, 60));
}

// Controls, revealed one row per picture; step 5 is the complete still.
void Controls(Canvas& c, int step) {
    c.RoundedRect(60, 30, 520, 432, 16, Colour::Rgb8(10, 14, 40));
    c.RoundedFrame(60, 30, 520, 432, 16, 3, kGold);
    c.Text("CONTROLS", Font::SansBold, 30, 320, 86, kGold, 1, Colour::Rgb8(90, 50, 0));
    if (step >= 1) {
        Key(c, 150, 112, 40, "\xE2\x86\x91");
        Key(c, 106, 156, 40, "\xE2\x86\x90");
        Key(c, 150, 156, 40, "\xE2\x86\x93");
        Key(c, 194, 156, 40, "\xE2\x86\x92");
        c.TextLeft("Arrows: move the ship", Font::Sans, 19, 260, 172, kWhite);
    }
    if (step >= 2) {
        Key(c, 150, 218, 40, "G");
        c.TextLeft("G: fire (hold it)", Font::Sans, 19, 260, 244, kWhite);
    }
    if (step >= 3) {
        Key(c, 120, 278, 100, "ENTER");
        c.TextLeft("Enter: start, skip, retry", Font::Sans, 19, 260, 304, kWhite);
    }
    if (step >= 4) {
        Key(c, 120, 338, 100, "ESC");
        c.TextLeft("Escape: leave the level", Font::Sans, 19, 260, 364, kWhite);
    }
    if (step >= 5) c.Text("Graze enemy shots to power up your fire!", Font::Sans, 15, 320, 418, kSky);
}

// Blast doors: closed at step 1, opening wider up to step 5; yellow is the gap.
Picture Curtain(int step) {
    Canvas c(640, 480);
    const double open = (step - 1) / 4.0;  // 0 closed .. 1 nearly open
    const double half = 320 * (1 - open * 0.92);
    for (int side = 0; side < 2; ++side) {
        double x0 = side == 0 ? 0 : 640 - half;
        c.VerticalGradient(x0, 0, half, 480, Colour::Rgb8(70, 78, 104), Colour::Rgb8(34, 38, 58));
        for (int y = 20; y < 480; y += 60) c.Rectangle(x0, y, half, 3, Colour::Rgb8(24, 26, 40));
        double edge = side == 0 ? half - 14 : 640 - half;
        c.Rectangle(edge, 0, 14, 480, Colour::Rgb8(230, 180, 40));
        for (int y = -20; y < 480; y += 28) {
            double stripe[] = {edge, double(y), edge + 14, y + 14.0, edge + 14, y + 24.0, edge, y + 10.0};
            c.Polygon(stripe, 4, Colour::Rgb8(30, 30, 36));
        }
    }
    if (step == 1) {
        c.Circle(320, 240, 70, Colour::Rgb8(24, 26, 40));
        c.Circle(320, 240, 62, Colour::Rgb8(80, 90, 120));
        Logo(c, 320, 256, 30, 0.6);
    }
    cairo_save(c.cr());  // the gap
    cairo_set_operator(c.cr(), CAIRO_OPERATOR_CLEAR);
    if (step > 1) {
        cairo_rectangle(c.cr(), half, 0, 640 - 2 * half, 480);
        cairo_fill(c.cr());
    }
    cairo_restore(c.cr());
    Picture p = c.Flatten({255, 255, 0});
    if (step == 1)  // the closed door must hide everything, even where a pixel was left clear
        for (uint32_t& px : p.pixels)
            if (px == 0xFFFF00) px = 0x222638;
    return p;
}

Picture Wave(int index) {
    Canvas c(640, 480);
    c.VerticalGradient(0, 0, 640, 480, Colour::Rgb8(8, 10, 40), Colour::Rgb8(30, 10, 60));
    for (int band = 0; band < 7; ++band) {
        cairo_t* cr = c.cr();
        cairo_new_path(cr);
        double base = 300 + band * 26;
        for (int x = 0; x <= 640; x += 8) {
            double y = base + 14 * std::sin(x / 60.0 + index * 1.2566 + band * 0.7);
            if (x == 0)
                cairo_move_to(cr, x, y);
            else
                cairo_line_to(cr, x, y);
        }
        cairo_line_to(cr, 640, 480);
        cairo_line_to(cr, 0, 480);
        cairo_close_path(cr);
        c.Source(Colour::Rgb8(40 + band * 20, 60 + band * 12, 160 + band * 12, 0.55));
        cairo_fill(cr);
    }
    Logo(c, 320, 100, 60, 0.8);
    c.Text("THE RIFT IS SEALED", Font::SansBold, 22, 320, 138, kGold);
    c.Text("Thank you for playing", Font::Sans, 18, 320, 380, kWhite);
    c.Text("ENTER", Font::SansBold, 15, 320, 440, kSky);
    return c.Opaque();
}

Picture ScoreFrame() {
    Canvas c(336, 172);
    // Drawn without a colour key, so the frame fills its rectangle to the corners.
    c.Fill(Colour::Rgb8(20, 24, 60));
    c.Rectangle(0, 0, 336, 172, kGold);
    c.Rectangle(4, 4, 328, 164, Colour::Rgb8(120, 80, 20));
    c.VerticalGradient(6, 6, 324, 160, Colour::Rgb8(28, 34, 84), Colour::Rgb8(14, 16, 44));
    c.Text("FINAL SCORE", Font::SansBold, 24, 168, 40, kWhite, 1, Colour::Rgb8(40, 60, 140));
    c.RoundedRect(84, 46, 177, 46, 6, Colour::Rgb8(10, 8, 30));  // digits land on x 90..254, y 52..85
    c.RoundedFrame(84, 46, 177, 46, 6, 2, kSky);
    c.Text("Well flown, pilot.", Font::Sans, 15, 168, 130, kSky);
    return c.Opaque();
}

Picture Caption(int w, int h, const std::string& text, const std::string& sub, Colour fill, Colour edge, Rgb key) {
    Canvas c(w, h);
    c.Text(text, Font::SansBold, 42, w / 2.0, 46, fill, 3, edge);
    if (!sub.empty()) c.Text(sub, Font::SansBold, 14, w / 2.0, 65, Colour::Rgb8(255, 255, 255), 1.5, edge);
    return c.Flatten(key);
}

// The first cell of a boss sheet, painted scaled into a box with its key colour left out.
void PaintBoss(Canvas& c, const std::string& path, double cx, double top, double maxW, double maxH) {
    const Asset* a = FindAsset(path);
    if (!a) return;
    Picture sheet = DrawBoss(*a);
    const int cw = a->CellWidth(), ch = a->CellHeight();
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, cw, ch);
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < ch; ++y)
        for (int x = 0; x < cw; ++x) {
            uint32_t px = sheet.At(x, y);
            reinterpret_cast<uint32_t*>(data + size_t(y) * stride)[x] = px == a->key.Packed() ? 0 : 0xFF000000u | px;
        }
    cairo_surface_mark_dirty(s);
    double k = std::min(maxW / cw, maxH / ch);
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_translate(cr, cx - cw * k / 2, top + (maxH - ch * k) / 2);
    cairo_scale(cr, k, k);
    cairo_set_source_surface(cr, s, 0, 0);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_destroy(s);
}

Picture Capture(int level) {
    static const char* const bosses[6] = {
        "Images/Ennemis/Moine/MoineS.png",           "Images/Ennemis/CubeBoss/CubeBossS.png",
        "Images/Ennemis/Death/DeathS1.png",          "Images/Ennemis/Monstro/MonstroS.png",
        "Images/Ennemis/RadioZonde/RadioZondeS.png", "Images/Ennemis/Xorg/XorgS.png"};
    Picture bg = BackgroundPicture(kLevelLayers[level - 1], 640, 480);
    Canvas c(364, 480);
    Picture crop(364, 480);
    crop.Paste(bg, -138, 0);
    LoadPicture(c, crop);
    c.Rectangle(0, 0, 364, 480, Colour{0, 0, 0, 0.35});
    c.Text("LEVEL " + std::to_string(level), Font::SansBold, 52, 182, 130, kWhite, 3, Colour::Rgb8(20, 30, 90));
    c.Text(kLevelNames[level - 1], Font::SansBold, 24, 182, 168, kGold, 2, Colour::Rgb8(60, 30, 0));
    // Below the GET READY strip: who waits at the end of the level.
    c.RoundedRect(92, 318, 180, 150, 12, Colour::Rgb8(10, 10, 30, 0.6));
    c.Text("AT THE END", Font::SansBold, 13, 182, 338, kSky);
    PaintBoss(c, bosses[level - 1], 182, 346, 150, 116);
    return c.Opaque();
}

Picture GetReady(const Asset& a) {
    Canvas c(a.width, a.height);
    EachCell(c, 7, 255, [&](int i) {
        c.RoundedRect(6, 14, 243, 62, 12, Colour::Rgb8(20, 30, 80, 0.9));
        c.RoundedFrame(6, 14, 243, 62, 12, 3, kSky);
        c.Text("GET READY", Font::SansBold, 34, 127.5, 58, kWhite, 2, Colour::Rgb8(30, 60, 160));
        double x = 10 + i * 38;  // a shine sweeps across
        cairo_save(c.cr());
        cairo_rectangle(c.cr(), 8, 16, 239, 58);
        cairo_clip(c.cr());
        double shine[] = {x, 16, x + 18, 16, x - 6, 74, x - 24, 74};
        c.Polygon(shine, 4, Colour::Rgb8(255, 255, 255, 0.55));
        cairo_restore(c.cr());
        for (int k = 0; k < 7; ++k) c.Circle(40 + k * 29, 84, 3, k == i ? kGold : Colour::Rgb8(60, 80, 140));
    });
    return c.Flatten(a.key);
}

Picture BossPanel() {
    Canvas c(430, 480);
    const double x0 = 66, w = 364;  // the part that shows at rest over the playfield
    for (int band = 0; band < 2; ++band) {
        double y = band == 0 ? 60 : 380;
        c.Rectangle(x0, y, w, 40, Colour::Rgb8(230, 40, 40));
        for (double x = x0 - 40; x < x0 + w; x += 30) {
            double stripe[] = {x, y, x + 15, y, x + 35, y + 40, x + 20, y + 40};
            c.Polygon(stripe, 4, Colour::Rgb8(250, 210, 40));
        }
    }
    c.RoundedRect(x0 + 20, 130, w - 40, 220, 16, Colour::Rgb8(20, 10, 30, 0.88));
    c.Text("WARNING", Font::SansBold, 54, x0 + w / 2, 196, Colour::Rgb8(255, 60, 60), 3, Colour::Rgb8(60, 0, 0));
    c.Text("THE MONK AWAKENS", Font::SansBold, 22, x0 + w / 2, 240, kGold);
    c.Glow(x0 + w / 2, 295, 40, Colour::Rgb8(255, 220, 80, 0.8));
    c.Circle(x0 + w / 2, 295, 18, Colour::Rgb8(120, 60, 150));
    c.Circle(x0 + w / 2 - 6, 292, 3, Colour::Rgb8(255, 230, 60));
    c.Circle(x0 + w / 2 + 6, 292, 3, Colour::Rgb8(255, 230, 60));
    return c.Flatten({255, 0, 255});
}

Picture Backdrop(int index) {
    Canvas c(364, 480);
    c.Fill(Colour::Rgb8(16, 6, 30));
    const double cx = 182, cy = 241;  // Moine's centre on the playfield
    for (int ring = 12; ring >= 0; --ring) {
        double r = ring * 34 + index * 7;
        Colour col = (ring % 2 == 0) ? Colour::Rgb8(60, 20, 90) : Colour::Rgb8(30, 10, 55);
        c.Circle(cx, cy, r, col);
    }
    for (int k = 0; k < 12; ++k) {
        double a = (k * 30 + index * 6) * M_PI / 180;
        c.Line(cx, cy, cx + std::cos(a) * 400, cy + std::sin(a) * 400, 5, Colour::Rgb8(120, 60, 160, 0.35));
    }
    c.Glow(cx, cy, 80 + index * 10, Colour::Rgb8(200, 120, 255, 0.35));
    return c.Opaque();
}

int Index(const std::string& v, const std::string& prefix) { return std::stoi(v.substr(prefix.size())); }

}  // namespace

Picture DrawScreen(const Asset& a) {
    const std::string& v = a.variant;
    if (v.rfind("credits", 0) == 0) return Credits(Index(v, "credits") - 1);
    if (v.rfind("resources", 0) == 0) return Resources(Index(v, "resources"));
    if (v.rfind("controls", 0) == 0) {
        int step = Index(v, "controls");
        if (step < 5) {
            Canvas c(640, 480);
            Controls(c, step);
            return c.Flatten(a.key);
        }
        // The final still is the whole stack: credits, resources panel and controls.
        Picture p = Credits(4);
        Picture over = Resources(3);
        for (size_t i = 0; i < p.pixels.size(); ++i)
            if (over.pixels[i] != 0x008000) p.pixels[i] = over.pixels[i];
        Canvas c(640, 480);
        LoadPicture(c, p);
        Controls(c, 5);
        return c.Opaque();
    }
    if (v.rfind("curtain", 0) == 0) return Curtain(Index(v, "curtain"));
    if (v.rfind("wave", 0) == 0) return Wave(Index(v, "wave") - 1);
    if (v.rfind("capture", 0) == 0) return Capture(Index(v, "capture"));
    if (v.rfind("backdrop", 0) == 0) return Backdrop(Index(v, "backdrop"));
    if (v == "scoreframe") return ScoreFrame();
    if (v == "dim") {
        Canvas c(a.width, a.height);
        c.Fill(Colour::Rgb8(10, 0, 20));
        for (int y = 0; y < a.height; y += 4) c.Rectangle(0, y, a.width, 1, Colour::Rgb8(40, 0, 30));
        return c.Opaque();
    }
    if (v == "gameover")
        return Caption(a.width, a.height, "GAME OVER", "ENTER: TRY AGAIN    ESC: QUIT", Colour::Rgb8(255, 70, 60),
                       Colour::Rgb8(70, 0, 10), a.key);
    if (v == "winner") return Caption(a.width, a.height, "STAGE CLEAR", "", kGold, Colour::Rgb8(120, 50, 0), a.key);
    if (v == "getready") return GetReady(a);
    return BossPanel();
}

}  // namespace forge
