// Every picture, sound and music file of the game. What each file is (path, size, cells, colour
// key) is the game's catalogue (src/core/catalogue.h); this adds how the forge makes it: the
// drawing or synthesis family and variant, the checks it needs and notes on choices the game's
// code leaves open.
#include "manifest.h"

#include "core/catalogue.h"
#include "rng.h"
// Rows laid out by hand.
// clang-format off

namespace forge {

namespace {

namespace cat = catalogue;

Rgb RgbOf(int key) {
    return {static_cast<uint8_t>(key >> 16), static_cast<uint8_t>(key >> 8), static_cast<uint8_t>(key)};
}

bool EndsWith(const std::string& s, const char* tail) {
    const std::string t(tail);
    return s.size() > t.size() && s.compare(s.size() - t.size(), t.size(), t) == 0;
}

class Builder {
public:
    std::vector<Asset> list;

    Asset& Picture(const cat::Picture& file, Family family, const std::string& variant) {
        Asset a;
        a.path = NormalisePath(file.path);
        a.format = EndsWith(a.path, ".bmp") ? Format::Bmp : Format::Png;
        a.family = family;
        a.variant = variant;
        a.seed = HashName(variant);
        a.width = file.Width();
        a.height = file.Height();
        a.cols = file.cols;
        a.rows = file.rows;
        a.keyed = file.Keyed();
        if (a.keyed) a.key = RgbOf(file.key);
        list.push_back(a);
        return list.back();
    }
    // Sprite sheets and explosion strips: each cell a frame of its own.
    Asset& Animated(const cat::Picture& file, Family family, const std::string& variant) {
        Asset& a = Picture(file, family, variant);
        a.cellsDiffer = true;
        return a;
    }
    Asset& Effect(const cat::Sound& sound, const std::string& variant, double lo, double hi) {
        return Audio(sound.path, Format::Wav, Family::Effect, variant, lo, hi);
    }
    Asset& Music(const cat::Music& music, const std::string& variant, double lo, double hi, bool loops) {
        Asset& a = Audio(music.path, Format::Ogg, Family::Music, variant, lo, hi);
        a.loops = loops;
        return a;
    }

private:
    Asset& Audio(const char* path, Format format, Family family, const std::string& variant, double lo, double hi) {
        Asset a;
        a.path = path;
        a.format = format;
        a.family = family;
        a.variant = variant;
        a.seed = HashName(variant);
        a.minSeconds = lo;
        a.maxSeconds = hi;
        list.push_back(a);
        return list.back();
    }
};

std::string Numbered(const char* name, int i) { return name + std::to_string(i); }

void AddScreens(Builder& b) {
    for (int i = 0; i < 5; ++i)
        b.Picture(cat::kCredits[i], Family::Screen, Numbered("credits", i + 1)).note =
            "title credits loop, frame " + std::to_string(i + 1);
    for (int i = 0; i < 4; ++i)
        b.Picture(cat::kResources[i], Family::Screen, Numbered("resources", i)).note =
            "drawn over Programmer5; green shows it through";
    for (int i = 0; i < 5; ++i)
        b.Picture(cat::kControls[i], Family::Screen, Numbered("controls", i)).note = "controls build-up over Resources_R";
    b.Picture(cat::kControls[5], Family::Screen, "controls5").note = "controls, final still";
    for (int i = 0; i < 5; ++i)
        b.Picture(cat::kCurtain[i], Family::Screen, Numbered("curtain", i + 1)).note =
            i == 0 ? "closed curtain; also the opaque loading picture (no yellow in it)"
                   : "curtain, yellow gap shows what is behind";
    for (int i = 0; i < 5; ++i)
        b.Picture(cat::kWaves[i], Family::Screen, Numbered("wave", i + 1)).note = "final score background loop";
    b.Picture(cat::kScoreFrame, Family::Screen, "scoreframe").note =
        "drawn at (152,154); 336x172 centres it, digits land at (90,52) inside";
    b.Animated(cat::kBigDigits, Family::Hud, "digits_big");
    b.Picture(cat::kDimLayer, Family::Screen, "dim").note =
        "game-over dimming layer, alpha 80, at (139,0) as the code's 362x480 rectangle";
    b.Picture(cat::kGameOverText, Family::Screen, "gameover");
    b.Picture(cat::kWinner, Family::Screen, "winner");
    b.Picture(cat::kWinnerOtherFolder, Family::Screen, "winner").note =
        "same picture under the other spelling of the folder";
    for (int i = 0; i < 6; ++i)
        b.Picture(cat::kCaptures[i], Family::Screen, Numbered("capture", i + 1)).note =
            "level preview revealed over the closed curtain, playfield-wide";
    b.Animated(cat::kGetReady, Family::Screen, "getready");
    b.Picture(cat::kBossPanel, Family::Screen, "bosspanel").note =
        "slides from x 502 to 72: 430 wide so it rests exactly over the playfield";
    for (int i = 0; i < 5; ++i)
        b.Picture(cat::kMoineBackdrops[i], Family::Screen, Numbered("backdrop", i + 1)).note =
            "Moine's fight backdrop, drawn at (138,0)";
}

void AddBackgrounds(Builder& b) {
    for (const cat::Picture* layer : cat::kBackgrounds) {
        // The layer's own name ("Ciel") picks its look.
        std::string name = NormalisePath(layer->path);
        name = name.substr(name.rfind('/') + 1);
        name = name.substr(0, name.size() - 4);
        b.Picture(*layer, Family::Background, name).wraps = true;
    }
}

void AddHud(Builder& b) {
    Asset& frame = b.Picture(cat::kHudFrame, Family::Hud, "frame");
    frame.keyWindows.push_back({138, 0, 364, 480});
    frame.note = "side panels; the playfield x 138..501 is all key colour";
    b.Picture(cat::kLifeIcon, Family::Hud, "life");
    b.Picture(cat::kBossBar, Family::Hud, "bossbar").note = "frame x 0..82, upper bar x 88..160, lower bar x 171..243";
    b.Animated(cat::kDigits, Family::Hud, "digits");
    b.Animated(cat::kYellowDigits, Family::Hud, "digits_yellow");
    b.Animated(cat::kLevelBanners, Family::Hud, "banners");
    b.Picture(cat::kWeaponIcon, Family::Hud, "weaponicon");
}

void AddHero(Builder& b) {
    b.Animated(cat::kHeroSheet, Family::Hero, "ship");
    b.Animated(cat::kBoostedHeroSheet, Family::Hero, "ship_boosted");
    b.Animated(cat::kHeroExplosion, Family::Explosion, "hero");
    for (int boosted = 0; boosted < 2; ++boosted) {
        const cat::Picture* shots = boosted ? cat::kBoostedHeroShots : cat::kHeroShots;
        for (int i = 0; i < 5; ++i) b.Picture(shots[i], Family::Hero, Numbered(boosted ? "boltS" : "bolt", i + 1));
        for (int i = 0; i < 3; ++i)
            b.Picture(shots[5 + i], Family::Hero, Numbered(boosted ? "waveS" : "wave", i + 1)).note =
                "second weapon lance; 15 wide like the bolts, longer (the code leaves the size open)";
    }
}

void AddShots(Builder& b) {
    const struct {
        const cat::ShotPair* pair;
        const char* variant;
    } pairs[] = {
        {&cat::kRedPellet, "pellet_red"},   {&cat::kCrimsonPellet, "pellet_crimson"},
        {&cat::kVioletPellet, "pellet_violet"}, {&cat::kBluePellet, "pellet_blue"},
        {&cat::kOrangeOrb, "orb_orange"},   {&cat::kRedOrb, "orb_red"},
        {&cat::kBlueOrb, "orb_blue"},       {&cat::kYellowOrb, "orb_yellow"},
        {&cat::kIceOrb, "orb_ice"},         {&cat::kRubyOrb, "orb_ruby"},
        {&cat::kAmberOrb, "orb_amber"},     {&cat::kLightOrb, "orb_light"},
        {&cat::kInvaderShot, "invader"},    {&cat::kNeedle, "needle"},
        {&cat::kBonus, "bonus"},
    };
    for (const auto& p : pairs) {
        b.Picture(p.pair->a, Family::Shot, std::string(p.variant) + "_a");
        b.Picture(p.pair->b, Family::Shot, std::string(p.variant) + "_b");
    }
}

void AddEnemies(Builder& b) {
    // A kind's drawing is named after it (enemies.cpp).
    for (const cat::EnemyKind* kind : cat::kEnemyKinds) {
        Asset& a = b.Animated(*kind->sheet, Family::Enemy, kind->name);
        if (!a.keyed) a.note = "no colour key: each cell is drawn as an opaque block, so the art fills it";
    }
    const struct {
        const cat::Picture* sheet;
        const char* variant;
    } bosses[] = {
        {&cat::kMoineSheet, "Moine"},         {&cat::kCubeBossSheet, "CubeBoss"},
        {&cat::kCubeBossFlashSheet, "CubeBossFlash"}, {&cat::kDeathSheet, "Death"},
        {&cat::kMonstroSheet, "Monstro"},     {&cat::kRadioZondeSheet, "RadioZonde"},
        {&cat::kInsecteSheet, "Insecte"},     {&cat::kXorgSheet, "Xorg"},
        {&cat::kXorgDamagedSheet, "XorgDamaged"},
    };
    for (const auto& boss : bosses) b.Animated(*boss.sheet, Family::Boss, boss.variant);
}

void AddExplosions(Builder& b) {
    b.Animated(cat::kRedBlast32, Family::Explosion, "red32");
    b.Animated(cat::kSparkBlast32, Family::Explosion, "spark32").note = "read as 32x30 cells";
    b.Animated(cat::kCyanBlast32, Family::Explosion, "cyan32");
    b.Animated(cat::kBlueBlast32, Family::Explosion, "blue32");
    b.Animated(cat::kYellowBlast32, Family::Explosion, "yellow32");
    b.Animated(cat::kRedBlast160, Family::Explosion, "red160");
    b.Animated(cat::kFireBlast160, Family::Explosion, "fire160");
    b.Animated(cat::kBigBlast, Family::Explosion, "boss192").note =
        "keyed (0,1,1) wherever it is loaded, so that no dark square shows around the blast";
    b.Animated(cat::kYellowBlast48, Family::Explosion, "yellow48");
}

void AddSounds(Builder& b) {
    b.Effect(cat::kEnemyShotSound, "enemy_shot", 0.1, 0.4);
    b.Effect(cat::kCrabShotSound, "crab_shot", 0.15, 0.5);
    b.Effect(cat::kHeroVolleySound, "hero_volley", 0.04, 0.12).note = "replayed every 65 ms while fire is held";
    b.Effect(cat::kSmallBlastSound, "blast_small", 0.4, 1.2);
    b.Effect(cat::kBigBlastSound, "blast_big", 0.8, 2.0);
    b.Effect(cat::kHeroDeathSound, "hero_death", 0.8, 2.0);
    b.Effect(cat::kPickupSound, "pickup", 0.2, 0.8);
    b.Effect(cat::kBonusTickSound, "bonus_tick", 0.15, 0.6);
    b.Effect(cat::kCurtainSound, "curtain", 0.5, 1.6);
    b.Effect(cat::kGameOverSound, "gameover", 1.0, 3.0);
    b.Effect(cat::kWinnerSound, "fanfare", 1.5, 4.0);
    b.Effect(cat::kBossJingle, "boss_jingle", 0.8, 2.5);
    b.Effect(cat::kMonstroRoar, "roar", 0.5, 1.6);
    b.Effect(cat::kInsecteArrival, "insect_arrival", 0.8, 2.5);
    b.Effect(cat::kXorgArrival, "xorg_arrival", 1.0, 3.0);
    b.Effect(cat::kXorgChange, "xorg_change", 0.8, 2.5);

    // Level tracks play once and must outlast the level up to its boss (about 150 s; the last
    // level's mid-boss fight runs longer). Boss tracks loop.
    for (int i = 0; i < 5; ++i) b.Music(cat::kLevelMusic[i], Numbered("level", i + 1), 155, 200, false);
    b.Music(cat::kLevelMusic[5], "level6", 185, 260, false);
    b.Music(cat::kMoineMusic, "boss1", 20, 90, true);
    b.Music(cat::kSecondBossMusic, "boss2", 20, 90, true);
    b.Music(cat::kMonstroMusic, "boss4", 20, 90, true);
    b.Music(cat::kRadioZondeMusic, "boss5", 20, 90, true);
    b.Music(cat::kLastBossMusic, "boss6", 20, 90, true);
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
// clang-format on
