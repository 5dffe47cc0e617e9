#include "visibility.h"

#include <cstdlib>

#include "manifest.h"

namespace forge {

namespace {

int Luma(uint32_t c) { return (ChannelR(c) * 299 + ChannelG(c) * 587 + ChannelB(c) * 114) / 1000; }

const std::string kTirs = "Images/Tirs/";
const std::string kPano = "Images/Panorama/";

}  // namespace

const std::vector<LevelLook>& LevelLooks() {
    static const std::vector<LevelLook> looks = {
        {1,
         {kPano + "Ciel.png", kPano + "Transition.png", kPano + "Etoiles.png", kPano + "Extra31.png",
          kPano + "Extra35.png"},
         {kTirs + "Tir0_RougeS_Ennemi.png", kTirs + "Tir1_Glace_Orange_Ennemi.bmp", kTirs + "Tir1_Rouge_Ennemi.bmp",
          kTirs + "Tir1_Bleu_Ennemi.bmp", kTirs + "Tir0_VioletS_Ennemi.png", kTirs + "Tir1_Jaune_Ennemi.bmp",
          kTirs + "Bonus1.png"}},
        {2,
         {kPano + "Dales.png", kPano + "Transition1.png", kPano + "Dales1.png"},
         {kTirs + "Tir0_RougeS_Ennemi.png", kTirs + "Tir_lumiere1.bmp", kTirs + "Tir1_Bleu_Ennemi.bmp",
          kTirs + "TirInvider1S.png", kTirs + "Tir1_Glace_Rouge_Ennemi.bmp", kTirs + "Bonus1.png"}},
        {3,
         {kPano + "Enfer.png", kPano + "Enfer1.png"},
         {kTirs + "Tir0_RougeS_Ennemi.png", kTirs + "Tir1_Glace_Ennemi.bmp", kTirs + "Tir1_Glace_Rouge_Ennemi.bmp",
          kTirs + "Bonus1.png"}},
        {4,
         {kPano + "Enterprise.png", kPano + "Enterprise1.png"},
         {kTirs + "Tir0_BleuS_Ennemi.png", kTirs + "Tir1_Glace_Rouge_Ennemi.bmp", kTirs + "Bonus1.png"}},
        {5,
         {kPano + "Psyche2.png", kPano + "Transition2.png", kPano + "Psyche3.png"},
         {kTirs + "Tir1_Jaune_Ennemi.bmp", kTirs + "Tir1_Rouge_Ennemi.bmp", kTirs + "Tir1_Bleu_Ennemi.bmp",
          kTirs + "Tir_Vertical1_Jaune.png", kTirs + "Tir1_Glace_Rouge_Ennemi.bmp",
          kTirs + "Tir1_Glace_Jaune_Ennemi.bmp", kTirs + "Bonus1.png"}},
        {6,
         {kPano + "LastLevel.png", kPano + "Extra1.png"},
         {kTirs + "Tir1_Rouge_Ennemi.bmp", kTirs + "Tir1_Bleu_Ennemi.bmp", kTirs + "Tir1_Glace_Ennemi.bmp",
          kTirs + "Tir1_Glace_Rouge_Ennemi.bmp", kTirs + "Bonus1.png"}},
    };
    return looks;
}

double ShotVisibility(const Picture& shot, Rgb key, const Picture& background, int contrast) {
    const uint32_t k = key.Packed();
    int places = 0, readable = 0;
    // The playfield only: the side panels cover the rest of a full-screen layer.
    const int x0 = background.width >= 640 ? 138 : 0, x1 = background.width >= 640 ? 502 : background.width;
    for (int y = 0; y + shot.height <= background.height; y += 7)
        for (int x = x0; x + shot.width <= x1; x += 7) {
            ++places;
            bool seen = false;
            for (int j = 0; j < shot.height && !seen; ++j)
                for (int i = 0; i < shot.width; ++i) {
                    uint32_t s = shot.At(i, j);
                    if (s == k) continue;
                    if (std::abs(Luma(s) - Luma(background.At(x + i, y + j))) >= contrast) {
                        seen = true;
                        break;
                    }
                }
            readable += seen;
        }
    return places ? double(readable) / places : 1.0;
}

Faults CheckShotVisibility(const std::function<const Picture*(const std::string&)>& find) {
    Faults f;
    for (const LevelLook& look : LevelLooks())
        for (const std::string& b : look.backgrounds) {
            const Picture* ground = find(b);
            if (!ground) continue;
            for (const std::string& s : look.shots) {
                const Picture* shot = find(s);
                const Asset* a = FindAsset(s);
                if (!shot || !a) continue;
                double v = ShotVisibility(*shot, a->key, *ground, 90);
                if (v < 0.999)
                    f.push_back(s + " is hard to see on " + b + " (readable at " +
                                std::to_string(int(v * 1000) / 10.0) + "% of places)");
            }
        }
    return f;
}

}  // namespace forge
