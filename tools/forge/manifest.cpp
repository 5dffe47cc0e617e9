// Every picture, sound and music file of the game. Sizes follow the code that draws each one:
// sprite sheets are cells of the enemy's box laid side by side, explosion strips are cells of the
// explosion frame size, full-screen pictures are 640x480, pictures laid over the playfield are as
// wide as the playfield (364). Where the code leaves a size open the note says what was chosen.
#include "manifest.h"

#include "rng.h"

namespace forge {

namespace {

const Rgb kBlack{0, 0, 0};
const Rgb kMagenta{255, 0, 255};
const Rgb kYellow{255, 255, 0};
const Rgb kGreen{0, 255, 0};
const Rgb kDarkGreen{0, 128, 0};
const Rgb kBlue{0, 0, 255};
const Rgb kWhite{255, 255, 255};
const Rgb kRed{255, 0, 0};
const Rgb kDeltaCyan{59, 171, 205};
const Rgb kFairyBlue{34, 102, 221};
const Rgb kPlum{29, 14, 22};
const Rgb kOrangeShotKey{29, 14, 14};
const Rgb kAmberShotKey{51, 43, 36};
// Explosion_192 is keyed black by the level 2 devil cubes and (0, 1, 1) by every boss; the
// bosses' key wins (seven bosses against two regular enemies).
const Rgb kBossBlast{0, 1, 1};

class Builder {
public:
    std::vector<Asset> list;

    Asset& Picture(const std::string& path, Family family, const std::string& variant, int w, int h,
                   int cols = 1, int rows = 1) {
        Asset a;
        a.path = path;
        a.format = path.size() > 4 && path.compare(path.size() - 4, 4, ".bmp") == 0 ? Format::Bmp : Format::Png;
        a.family = family;
        a.variant = variant;
        a.seed = HashName(variant);
        a.width = w;
        a.height = h;
        a.cols = cols;
        a.rows = rows;
        list.push_back(a);
        return list.back();
    }
    Asset& Keyed(const std::string& path, Family family, const std::string& variant, int w, int h, Rgb key,
                 int cols = 1, int rows = 1) {
        Asset& a = Picture(path, family, variant, w, h, cols, rows);
        a.keyed = true;
        a.key = key;
        return a;
    }
    // A regular enemy or boss sheet: `cells` cells of the enemy's box, side by side.
    Asset& Sheet(const std::string& path, Family family, const std::string& variant, int cellW, int cellH,
                 int cells, const Rgb* key) {
        Asset& a = key ? Keyed(path, family, variant, cellW * cells, cellH, *key, cells)
                       : Picture(path, family, variant, cellW * cells, cellH, cells);
        a.cellsDiffer = true;
        return a;
    }
    Asset& Blast(const std::string& path, const std::string& variant, int cellW, int cellH, int cells, Rgb key) {
        Asset& a = Keyed("Images/Explosions/" + path, Family::Explosion, variant, cellW * cells, cellH, key, cells);
        a.cellsDiffer = true;
        return a;
    }
    Asset& Effect(const std::string& name, const std::string& variant, double lo, double hi) {
        Asset a;
        a.path = "Sound/" + name;
        a.format = Format::Wav;
        a.family = Family::Effect;
        a.variant = variant;
        a.seed = HashName(variant);
        a.minSeconds = lo;
        a.maxSeconds = hi;
        list.push_back(a);
        return list.back();
    }
    Asset& Music(const std::string& name, const std::string& variant, double lo, double hi, bool loops) {
        Asset a;
        a.path = "Sound/" + name;
        a.format = Format::Ogg;
        a.family = Family::Music;
        a.variant = variant;
        a.seed = HashName(variant);
        a.minSeconds = lo;
        a.maxSeconds = hi;
        a.loops = loops;
        list.push_back(a);
        return list.back();
    }
};

void AddScreens(Builder& b) {
    const std::string p = "Images/Panorama/";
    for (int i = 1; i <= 5; ++i)
        b.Picture(p + "Programmer" + std::to_string(i) + ".png", Family::Screen, "credits" + std::to_string(i), 640, 480)
            .note = "title credits loop, frame " + std::to_string(i);
    const char* resources[] = {"Resources_RA.png", "Resources_RB.png", "Resources_RC.png", "Resources_R.png"};
    for (int i = 0; i < 4; ++i)
        b.Keyed(p + resources[i], Family::Screen, "resources" + std::to_string(i), 640, 480, kDarkGreen)
            .note = "drawn over Programmer5; green shows it through";
    const char* keys[] = {"KeyboardA.png", "KeyboardB.png", "KeyboardC.png", "KeyboardD.png", "KeyboardE.png"};
    for (int i = 0; i < 5; ++i)
        b.Keyed(p + keys[i], Family::Screen, "controls" + std::to_string(i), 640, 480, kMagenta)
            .note = "controls build-up over Resources_R";
    b.Picture(p + "Keyboard.png", Family::Screen, "controls5", 640, 480).note = "controls, final still";
    for (int i = 1; i <= 5; ++i) {
        Asset& a = b.Keyed(p + "Loading_" + std::to_string(i) + "a.png", Family::Screen,
                           "curtain" + std::to_string(i), 640, 480, kYellow);
        a.note = i == 1 ? "closed curtain; also the opaque loading picture (no yellow in it)"
                        : "curtain, yellow gap shows what is behind";
    }
    for (int i = 1; i <= 5; ++i)
        b.Picture(p + "Vague" + std::to_string(i) + ".png", Family::Screen, "wave" + std::to_string(i), 640, 480)
            .note = "final score background loop";
    b.Picture(p + "Cadre_Score.png", Family::Screen, "scoreframe", 336, 172).note =
        "drawn at (152,154); 336x172 centres it, digits land at (90,52) inside";
    b.Picture(p + "PlancheScore_Big.png", Family::Hud, "digits_big", 330, 34, 10).cellsDiffer = true;
    b.Picture(p + "Calque.png", Family::Screen, "dim", 362, 480).note =
        "game-over dimming layer, alpha 80, at (139,0) as the code's 362x480 rectangle";
    b.Keyed(p + "GameOverTexte.png", Family::Screen, "gameover", 328, 70, kBlue);
    b.Keyed(p + "New/Winner.png", Family::Screen, "winner", 328, 70, kBlack);
    b.Keyed(p + "NEW/Winner.png", Family::Screen, "winner", 328, 70, kBlack).note =
        "same picture under the other spelling of the folder";
    const char* captures[] = {"CaptureLevelOne.png", "CaptureLevelTwo.png", "CaptureLevelThree.png",
                              "CaptureLevelFoor.png", "CaptureLevelFive.png", "CaptureFinal.png"};
    for (int i = 0; i < 6; ++i)
        b.Picture(p + "NEW/" + captures[i], Family::Screen, "capture" + std::to_string(i + 1), 364, 480).note =
            "level preview revealed over the closed curtain, playfield-wide";
    Asset& strip = b.Keyed(p + "NEW/LoadingS.png", Family::Screen, "getready", 7 * 255, 90, kBlack, 7);
    strip.cellsDiffer = true;
    b.Keyed(p + "AnimPanoMoine.png", Family::Screen, "bosspanel", 430, 480, kMagenta).note =
        "slides from x 502 to 72: 430 wide so it rests exactly over the playfield";
    for (int i = 1; i <= 5; ++i)
        b.Picture(p + "Extra3" + std::to_string(i) + ".png", Family::Screen, "backdrop" + std::to_string(i), 364, 480)
            .note = "Moine's fight backdrop, drawn at (138,0)";
}

void AddBackgrounds(Builder& b) {
    const char* layers[] = {"Ciel",  "Transition", "Etoiles",     "Dales",       "Transition1",
                            "Dales1", "Enfer",      "Enfer1",      "Enterprise",  "Enterprise1",
                            "Psyche2", "Transition2", "Psyche3",   "LastLevel",   "Extra1"};
    for (const char* name : layers) {
        Asset& a = b.Picture(std::string("Images/Panorama/") + name + ".png", Family::Background, name, 640, 480);
        a.wraps = true;
    }
}

void AddHud(Builder& b) {
    const std::string p = "Images/Panorama/";
    Asset& frame = b.Keyed(p + "Contour_Score1.png", Family::Hud, "frame", 640, 480, kYellow);
    frame.keyWindows.push_back({138, 0, 364, 480});
    frame.note = "side panels; the playfield x 138..501 is all key colour";
    b.Keyed("Images/Heros/MyLife.png", Family::Hud, "life", 18, 16, kMagenta);
    b.Keyed(p + "Barres_Boss_Extra.png", Family::Hud, "bossbar", 244, 19, kMagenta).note =
        "frame x 0..82, upper bar x 88..160, lower bar x 171..243";
    b.Picture(p + "PlancheScore.png", Family::Hud, "digits", 220, 22, 10).cellsDiffer = true;
    b.Picture(p + "PlancheScore_Jaune.png", Family::Hud, "digits_yellow", 220, 22, 10).cellsDiffer = true;
    b.Picture(p + "LevelS1.png", Family::Hud, "banners", 6 * 138, 33, 6).cellsDiffer = true;
    b.Picture("Images/Tirs/Bonus0.png", Family::Hud, "weaponicon", 23, 25);
}

void AddHero(Builder& b) {
    const std::string p = "Images/Heros/";
    b.Keyed(p + "Planche_MyHeros_1.png", Family::Hero, "ship", 6 * 31, 3 * 40, kMagenta, 6, 3).cellsDiffer = true;
    b.Keyed(p + "Planche_MyHeros_2.png", Family::Hero, "ship_boosted", 6 * 31, 3 * 40, kMagenta, 6, 3).cellsDiffer = true;
    b.Blast("", "hero", 64, 64, 16, kBlack).path = p + "Heros_Explosion.png";
    // Widths centre each shot on the ship at the offsets its volley uses (x + 8, x + 3 / x + 14,
    // x + 1 / x + 17 on a 31-wide ship).
    const int widths[5] = {15, 14, 14, 13, 13};
    const int heights[5] = {20, 18, 18, 16, 16};
    for (int boosted = 0; boosted < 2; ++boosted) {
        for (int i = 1; i <= 5; ++i) {
            std::string name = std::string(boosted ? "MyHeros1S_Tir_" : "MyHeros1_Tir_") + std::to_string(i) + ".png";
            b.Keyed(p + name, Family::Hero, std::string(boosted ? "boltS" : "bolt") + std::to_string(i),
                    widths[i - 1], heights[i - 1], kMagenta);
        }
        for (int i = 1; i <= 3; ++i) {
            std::string name = std::string(boosted ? "Heros2S_Tir_" : "Heros2_Tir_") + std::to_string(i) + ".png";
            b.Keyed(p + name, Family::Hero, std::string(boosted ? "waveS" : "wave") + std::to_string(i), 15,
                    i == 1 ? 24 : 20, kMagenta)
                .note = "second weapon lance; 15 wide like the bolts, longer (the code leaves the size open)";
        }
    }
}

void AddShots(Builder& b) {
    const std::string p = "Images/Tirs/";
    struct Pair {
        const char* a;
        const char* b;
        const char* variant;
        int w, h;
        Rgb key;
    };
    const Pair pairs[] = {
        {"Tir0_RougeS_Ennemi.png", "Tir0a_RougeS_Ennemi.png", "pellet_red", 9, 9, kMagenta},
        {"Tir0_Rouge_Ennemi.png", "Tir0a_Rouge_Ennemi.png", "pellet_crimson", 9, 9, kMagenta},
        {"Tir0_VioletS_Ennemi.png", "Tir0a_VioletS_Ennemi.png", "pellet_violet", 9, 9, kRed},
        {"Tir0_BleuS_Ennemi.png", "Tir0a_BleuS_Ennemi.png", "pellet_blue", 9, 9, kMagenta},
        {"Tir1_Glace_Orange_Ennemi.bmp", "Tir1a_Glace_Orange_Ennemi.bmp", "orb_orange", 16, 16, kOrangeShotKey},
        {"Tir1_Rouge_Ennemi.bmp", "Tir1a_Rouge_Ennemi.bmp", "orb_red", 16, 16, kBlack},
        {"Tir1_Bleu_Ennemi.bmp", "Tir1a_Bleu_Ennemi.bmp", "orb_blue", 16, 16, kBlack},
        {"Tir1_Jaune_Ennemi.bmp", "Tir1a_Jaune_Ennemi.bmp", "orb_yellow", 16, 16, kMagenta},
        {"Tir1_Glace_Ennemi.bmp", "Tir1a_Glace_Ennemi.bmp", "orb_ice", 16, 16, kBlack},
        {"Tir1_Glace_Rouge_Ennemi.bmp", "Tir1a_Glace_Rouge_Ennemi.bmp", "orb_ruby", 16, 16, kPlum},
        {"Tir1_Glace_Jaune_Ennemi.bmp", "Tir1a_Glace_Jaune_Ennemi.bmp", "orb_amber", 16, 16, kAmberShotKey},
        {"Tir_lumiere1.bmp", "Tir_lumiere2.bmp", "orb_light", 16, 16, kBlack},
        {"TirInvider1S.png", "TirInvider2S.png", "invader", 15, 15, kMagenta},
        {"Tir_Vertical1_Jaune.png", "Tir_Vertical2_Jaune.png", "needle", 8, 20, kMagenta},
        {"Bonus1.png", "Bonus2.png", "bonus", 29, 31, kMagenta},
    };
    for (const Pair& pair : pairs) {
        b.Keyed(p + pair.a, Family::Shot, std::string(pair.variant) + "_a", pair.w, pair.h, pair.key);
        b.Keyed(p + pair.b, Family::Shot, std::string(pair.variant) + "_b", pair.w, pair.h, pair.key);
    }
}

void AddEnemies(Builder& b) {
    struct Kind {
        const char* path;
        const char* variant;
        int w, h, cells;
        const Rgb* key;
    };
    const Kind kinds[] = {
        {"Boule/BouleS2.png", "Boule", 30, 30, 3, &kBlack},
        {"Piaf/PiafS.png", "Piaf", 32, 9, 2, &kBlack},
        {"Delta/DeltaS3.png", "Delta", 158, 94, 4, &kDeltaCyan},
        {"Yeux/Yeux.png", "Yeux", 110, 47, 3, &kBlack},
        {"Modular/ModularS.png", "Modular", 34, 33, 3, &kBlack},
        {"Soucoupe/SoucoupeS.png", "Soucoupe", 68, 65, 4, &kMagenta},
        {"Cube/CubeS.png", "Cube", 30, 30, 2, nullptr},
        {"CubeDevil/CubeDevilS.png", "CubeDevil", 90, 90, 3, nullptr},
        {"CubeInviderOne/CubeInviderOneS.png", "CubeInviderOne", 240, 180, 3, &kYellow},
        {"Triangle/TriangleS.png", "Triangle", 42, 32, 2, &kBlack},
        {"Roue/RoueS.png", "Roue", 30, 30, 3, &kMagenta},
        {"Blob/BlobS.png", "Blob", 30, 35, 4, &kMagenta},
        {"Virus/Virus.png", "Virus", 43, 45, 2, &kMagenta},
        {"Crabe/CrabeS.png", "Crabe", 158, 105, 6, &kMagenta},
        {"Fleche/FlecheS.png", "Fleche", 29, 29, 4, &kGreen},
        {"Amybe/AmybeS.png", "Amybe", 56, 37, 2, &kMagenta},
        {"Papillon/PapillonS.png", "Papillon", 14, 14, 2, &kBlack},
        {"Fee/FeeS.png", "Fee", 45, 74, 4, &kFairyBlue},
        {"OeilRB/OeilRB.png", "OeilRB", 110, 47, 2, &kBlack},
        {"Vax/Vax.png", "Vax", 46, 34, 3, &kMagenta},
    };
    for (const Kind& k : kinds) {
        Asset& a = b.Sheet(std::string("Images/Ennemis/") + k.path, Family::Enemy, k.variant, k.w, k.h, k.cells, k.key);
        if (!k.key) a.note = "no colour key: each cell is drawn as an opaque block, so the art fills it";
    }

    const Kind bosses[] = {
        {"Moine/MoineS.png", "Moine", 70, 62, 8, &kMagenta},
        {"CubeBoss/CubeBossS.png", "CubeBoss", 300, 270, 6, &kYellow},
        {"CubeBoss/CubeBossS_Flash.png", "CubeBossFlash", 300, 270, 6, &kYellow},
        {"Death/DeathS1.png", "Death", 251, 205, 6, &kYellow},
        {"Monstro/MonstroS.png", "Monstro", 261, 254, 4, &kMagenta},
        {"RadioZonde/RadioZondeS.png", "RadioZonde", 314, 344, 4, &kYellow},
        {"Insecte/InsecteS1.png", "Insecte", 190, 117, 6, &kYellow},
        {"Xorg/XorgS.png", "Xorg", 225, 239, 3, &kGreen},
        {"Xorg/XorgS1.png", "XorgDamaged", 225, 239, 3, &kGreen},
    };
    for (const Kind& k : bosses)
        b.Sheet(std::string("Images/Ennemis/") + k.path, Family::Boss, k.variant, k.w, k.h, k.cells, k.key);
}

void AddExplosions(Builder& b) {
    b.Blast("Explosion_Rouge_32.png", "red32", 32, 32, 12, kBlack);
    b.Blast("Ennemi_Explosion1.png", "spark32", 32, 30, 12, kBlack).note = "read as 32x30 cells";
    b.Blast("Explosion_BleuC_32.png", "cyan32", 32, 32, 12, kBlack);
    b.Blast("Explosion_Bleu_32.png", "blue32", 32, 32, 12, kBlack);
    b.Blast("Explosion_Jaune_32.png", "yellow32", 32, 32, 12, kBlack);
    b.Blast("Explosion_160_Rouge.png", "red160", 160, 120, 16, kPlum);
    b.Blast("Explosion_160.png", "fire160", 160, 120, 16, kBlack);
    b.Blast("Explosion_192.png", "boss192", 192, 192, 16, kBossBlast).note =
        "keyed (0,1,1) as the bosses load it; the devil cubes' black key leaves its dark field visible";
    b.Blast("Explosion48_48J.png", "yellow48", 48, 48, 14, kWhite);
}

void AddSounds(Builder& b) {
    b.Effect("Shot1.wav", "enemy_shot", 0.1, 0.4);
    b.Effect("Shot3.wav", "crab_shot", 0.15, 0.5);
    b.Effect("Shot4.wav", "hero_volley", 0.04, 0.12).note = "replayed every 65 ms while fire is held";
    b.Effect("Explosion_Boss.wav", "blast_small", 0.4, 1.2);
    b.Effect("explosion1_UP.wav", "blast_big", 0.8, 2.0);
    b.Effect("Explosion1_UP.wav", "hero_death", 0.8, 2.0);
    b.Effect("Bonus.wav", "pickup", 0.2, 0.8);
    b.Effect("BonusBilan.wav", "bonus_tick", 0.15, 0.6);
    b.Effect("EndLevel.wav", "curtain", 0.5, 1.6);
    b.Effect("KO.wav", "gameover", 1.0, 3.0);
    b.Effect("WINNER.wav", "fanfare", 1.5, 4.0);
    b.Effect("mPUPPUPU.wav", "boss_jingle", 0.8, 2.5);
    b.Effect("Metroid1.wav", "roar", 0.5, 1.6);
    b.Effect("Insecte.wav", "insect_arrival", 0.8, 2.5);
    b.Effect("Xorg_Arrive.wav", "xorg_arrival", 1.0, 3.0);
    b.Effect("Change.wav", "xorg_change", 0.8, 2.5);

    // Level tracks play once and must outlast the level up to its boss (about 150 s; the last
    // level's mid-boss fight runs longer). Boss tracks loop.
    b.Music("Vintage.ogg", "level1", 155, 200, false);
    b.Music("Slipstream.ogg", "level2", 155, 200, false);
    b.Music("Nightmarish.ogg", "level3", 155, 200, false);
    b.Music("electric_mind.ogg", "level4", 155, 200, false);
    b.Music("sepia.ogg", "level5", 155, 200, false);
    b.Music("Einhander-Badlands.ogg", "level6", 185, 260, false);
    b.Music("aka_bme.ogg", "boss1", 20, 90, true);
    b.Music("Super_R-Type.ogg", "boss2", 20, 90, true);
    b.Music("MetroidS.ogg", "boss4", 20, 90, true);
    b.Music("RadioZonde.ogg", "boss5", 20, 90, true);
    b.Music("rough_edge.ogg", "boss6", 20, 90, true);
}

std::vector<Asset> Build() {
    Builder b;
    AddScreens(b);
    AddBackgrounds(b);
    AddHud(b);
    AddHero(b);
    AddShots(b);
    AddEnemies(b);
    AddExplosions(b);
    AddSounds(b);
    return b.list;
}

}  // namespace

const std::vector<Asset>& Manifest() {
    static const std::vector<Asset> manifest = Build();
    return manifest;
}

const std::vector<Asset>& DesktopIcons() {
    static const std::vector<Asset> icons = [] {
        std::vector<Asset> list;
        for (int size : {48, 128, 256}) {
            Asset a;
            const std::string side = std::to_string(size);
            a.path = side + "x" + side + "/apps/skyrift.png";
            a.family = Family::Icon;
            a.variant = "desktop_icon";
            a.seed = HashName(a.variant);
            a.width = a.height = size;
            list.push_back(a);
        }
        return list;
    }();
    return icons;
}

std::string NormalisePath(const std::string& gamePath) {
    std::string out;
    size_t i = 0;
    while (gamePath.compare(i, 2, "./") == 0) i += 2;
    for (; i < gamePath.size(); ++i) {
        if (gamePath[i] == '/' && !out.empty() && out.back() == '/') continue;
        if (gamePath.compare(i, 2, "./") == 0 && (out.empty() || out.back() == '/')) {
            ++i;
            continue;
        }
        out += gamePath[i];
    }
    return out;
}

const Asset* FindAsset(const std::string& gamePath) {
    std::string path = NormalisePath(gamePath);
    for (const Asset& a : Manifest())
        if (a.path == path) return &a;
    return nullptr;
}

const char* FamilyName(Family family) {
    switch (family) {
        case Family::Enemy: return "enemy";
        case Family::Boss: return "boss";
        case Family::Hero: return "hero";
        case Family::Explosion: return "explosion";
        case Family::Shot: return "shot";
        case Family::Hud: return "hud";
        case Family::Screen: return "screen";
        case Family::Background: return "background";
        case Family::Effect: return "effect";
        case Family::Music: return "music";
        case Family::Icon: return "icon";
    }
    return "?";
}

}  // namespace forge
