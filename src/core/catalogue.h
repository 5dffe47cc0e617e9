// Every picture, sound and music track the game loads, declared once: its path as the game names
// it, its colour key and its cell layout; and for each kind of regular enemy its box, hit size,
// explosion and files, and each level's bank of them. The game's loaders read it, and so do the
// forge (which adds only how to draw or synthesise each file) and the tests.
//
// Plain data with no SDL in it, so that the forge can read it too.
#pragma once

#include <cstddef>
#include <span>
// Rows laid out by hand.
// clang-format off

namespace catalogue {

// Colour keys, 0xRRGGBB.
constexpr int kNoKey = -1;
constexpr int kBlack = 0x000000;
constexpr int kMagenta = 0xFF00FF;
constexpr int kYellow = 0xFFFF00;
constexpr int kGreen = 0x00FF00;
constexpr int kDarkGreen = 0x008000;
constexpr int kBlue = 0x0000FF;
constexpr int kWhite = 0xFFFFFF;
constexpr int kRed = 0xFF0000;
constexpr int kDeltaCyan = 0x3BABCD;
constexpr int kFairyBlue = 0x2266DD;
constexpr int kPlum = 0x1D0E16;
constexpr int kOrangeShotKey = 0x1D0E0E;
constexpr int kAmberShotKey = 0x332B24;
// Near black rather than black, so that no dark square shows around the big blast.
constexpr int kBlastKey = 0x000101;

constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;
// Pictures laid over the playfield are as wide as it.
constexpr int kPlayfieldWidth = 364;

struct Picture {
    const char* path;  // as the game names it; the file system resolves "./" and "//"
    int key;           // 0xRRGGBB, or kNoKey
    int cellWidth;
    int cellHeight;
    int cols = 1;  // cells of equal size, left to right
    int rows = 1;  // and top to bottom

    constexpr int Width() const { return cellWidth * cols; }
    constexpr int Height() const { return cellHeight * rows; }
    constexpr int Cells() const { return cols * rows; }
    constexpr bool Keyed() const { return key != kNoKey; }
    // Read with SDL's BMP reader rather than SDL_image.
    constexpr bool IsBmp() const {
        std::size_t n = 0;
        while (path[n]) ++n;
        return n > 4 && path[n - 4] == '.' && path[n - 3] == 'b' && path[n - 2] == 'm' && path[n - 1] == 'p';
    }
};

struct Sound {
    const char* path;
};

struct Music {
    const char* path;
};

// Two pictures an enemy shot alternates between.
struct ShotPair {
    Picture a;
    Picture b;
};

constexpr Picture FullScreen(const char* path, int key = kNoKey) {
    return {.path = path, .key = key, .cellWidth = kScreenWidth, .cellHeight = kScreenHeight};
}
constexpr Picture OverPlayfield(const char* path) {
    return {.path = path, .key = kNoKey, .cellWidth = kPlayfieldWidth, .cellHeight = kScreenHeight};
}
constexpr ShotPair Shots(const char* a, const char* b, int side, int key) {
    return {{.path = a, .key = key, .cellWidth = side, .cellHeight = side},
            {.path = b, .key = key, .cellWidth = side, .cellHeight = side}};
}

// --- Title, controls, curtains, final score, level start and end -------------------------------

inline constexpr Picture kCredits[5] = {
    FullScreen("./Images/Panorama/Programmer1.png"), FullScreen("./Images/Panorama/Programmer2.png"),
    FullScreen("./Images/Panorama/Programmer3.png"), FullScreen("./Images/Panorama/Programmer4.png"),
    FullScreen("./Images/Panorama/Programmer5.png"),
};
// Drawn over the last credits picture; the green shows it through.
inline constexpr Picture kResources[4] = {
    FullScreen("./Images/Panorama/Resources_RA.png", kDarkGreen),
    FullScreen("./Images/Panorama/Resources_RB.png", kDarkGreen),
    FullScreen("./Images/Panorama/Resources_RC.png", kDarkGreen),
    FullScreen("./Images/Panorama/Resources_R.png", kDarkGreen),
};
// The controls build up over the last resources picture, then the final still.
inline constexpr Picture kControls[6] = {
    FullScreen("./Images/Panorama/KeyboardA.png", kMagenta), FullScreen("./Images/Panorama/KeyboardB.png", kMagenta),
    FullScreen("./Images/Panorama/KeyboardC.png", kMagenta), FullScreen("./Images/Panorama/KeyboardD.png", kMagenta),
    FullScreen("./Images/Panorama/KeyboardE.png", kMagenta), FullScreen("./Images/Panorama/Keyboard.png"),
};
// The curtain from closed (0) to open; the yellow gap shows what is behind. Where the closed
// curtain covers the whole screen as a level starts or ends it is loaded without its key.
inline constexpr Picture kCurtain[5] = {
    FullScreen("./Images/Panorama/Loading_1a.png", kYellow), FullScreen("./Images/Panorama/Loading_2a.png", kYellow),
    FullScreen("./Images/Panorama/Loading_3a.png", kYellow), FullScreen("./Images/Panorama/Loading_4a.png", kYellow),
    FullScreen("./Images/Panorama/Loading_5a.png", kYellow),
};
inline constexpr Picture kWaves[5] = {
    FullScreen("./Images/Panorama/Vague1.png"), FullScreen("./Images/Panorama/Vague2.png"),
    FullScreen("./Images/Panorama/Vague3.png"), FullScreen("./Images/Panorama/Vague4.png"),
    FullScreen("./Images/Panorama/Vague5.png"),
};
inline constexpr Picture kScoreFrame = {
    .path = "./Images/Panorama/Cadre_Score.png", .key = kNoKey, .cellWidth = 336, .cellHeight = 172};
inline constexpr Picture kBigDigits = {
    .path = "./Images/Panorama/PlancheScore_Big.png", .key = kNoKey, .cellWidth = 33, .cellHeight = 34, .cols = 10};
// The game-over dimming layer.
inline constexpr Picture kDimLayer = {
    .path = "./Images/Panorama/Calque.png", .key = kNoKey, .cellWidth = 362, .cellHeight = kScreenHeight};
inline constexpr Picture kGameOverText = {
    .path = "./Images/Panorama/GameOverTexte.png", .key = kBlue, .cellWidth = 328, .cellHeight = 70};
inline constexpr Picture kWinner = {
    .path = "./Images/Panorama/New/Winner.png", .key = kBlack, .cellWidth = 328, .cellHeight = 70};
// The same picture under the other spelling of its folder, which the data carries too.
inline constexpr Picture kWinnerOtherFolder = {
    .path = "./Images/Panorama/NEW/Winner.png", .key = kBlack, .cellWidth = 328, .cellHeight = 70};
// Each level's preview, revealed over the closed curtain; the last one is Level 6's.
inline constexpr Picture kCaptures[6] = {
    OverPlayfield("./Images/Panorama/NEW/CaptureLevelOne.png"),
    OverPlayfield("./Images/Panorama/NEW/CaptureLevelTwo.png"),
    OverPlayfield("./Images/Panorama/NEW/CaptureLevelThree.png"),
    OverPlayfield("./Images/Panorama/NEW/CaptureLevelFoor.png"),
    OverPlayfield("./Images/Panorama/NEW/CaptureLevelFive.png"),
    OverPlayfield("./Images/Panorama/NEW/CaptureFinal.png"),
};
inline constexpr Picture kGetReady = {
    .path = "./Images/Panorama/NEW/LoadingS.png", .key = kBlack, .cellWidth = 255, .cellHeight = 90, .cols = 7};
// Level 1's panel that slides over the playfield as Moine approaches, and his fight's backdrop.
inline constexpr Picture kBossPanel = {
    .path = "./Images/Panorama/AnimPanoMoine.png", .key = kMagenta, .cellWidth = 430, .cellHeight = kScreenHeight};
inline constexpr Picture kMoineBackdrops[5] = {
    OverPlayfield("./Images/Panorama/Extra31.png"), OverPlayfield("./Images/Panorama/Extra32.png"),
    OverPlayfield("./Images/Panorama/Extra33.png"), OverPlayfield("./Images/Panorama/Extra34.png"),
    OverPlayfield("./Images/Panorama/Extra35.png"),
};

// --- Scrolling background layers -----------------------------------------------------------------

inline constexpr Picture kCiel = FullScreen("./Images/Panorama/Ciel.png");
inline constexpr Picture kTransition = FullScreen("./Images/Panorama/Transition.png");
inline constexpr Picture kEtoiles = FullScreen("./Images/Panorama/Etoiles.png");
inline constexpr Picture kDales = FullScreen("./Images/Panorama/Dales.png");
inline constexpr Picture kTransition1 = FullScreen("./Images/Panorama/Transition1.png");
inline constexpr Picture kDales1 = FullScreen("./Images/Panorama/Dales1.png");
inline constexpr Picture kEnfer = FullScreen("./Images/Panorama/Enfer.png");
inline constexpr Picture kEnfer1 = FullScreen("./Images/Panorama/Enfer1.png");
inline constexpr Picture kEnterprise = FullScreen("./Images/Panorama/Enterprise.png");
inline constexpr Picture kEnterprise1 = FullScreen("./Images/Panorama/Enterprise1.png");
inline constexpr Picture kPsyche2 = FullScreen("./Images/Panorama/Psyche2.png");
inline constexpr Picture kTransition2 = FullScreen("./Images/Panorama/Transition2.png");
inline constexpr Picture kPsyche3 = FullScreen("./Images/Panorama/Psyche3.png");
inline constexpr Picture kLastLevel = FullScreen("./Images/Panorama/LastLevel.png");
inline constexpr Picture kExtra1 = FullScreen("./Images/Panorama/Extra1.png");
inline constexpr const Picture* kBackgrounds[] = {
    &kCiel,   &kTransition, &kEtoiles,     &kDales,   &kTransition1, &kDales1,     &kEnfer, &kEnfer1,
    &kEnterprise, &kEnterprise1, &kPsyche2, &kTransition2, &kPsyche3, &kLastLevel, &kExtra1,
};

// --- The HUD ----------------------------------------------------------------------------------------

// The side panels; the playfield between them is all key colour.
inline constexpr Picture kHudFrame = FullScreen("./Images/Panorama/Contour_Score1.png", kYellow);
inline constexpr Picture kLifeIcon = {
    .path = "./Images/Heros/MyLife.png", .key = kMagenta, .cellWidth = 18, .cellHeight = 16};
inline constexpr Picture kBossBar = {
    .path = "./Images/Panorama/Barres_Boss_Extra.png", .key = kMagenta, .cellWidth = 244, .cellHeight = 19};
inline constexpr Picture kDigits = {
    .path = "./Images/Panorama/PlancheScore.png", .key = kNoKey, .cellWidth = 22, .cellHeight = 22, .cols = 10};
inline constexpr Picture kYellowDigits = {
    .path = "./Images/Panorama/PlancheScore_Jaune.png", .key = kNoKey, .cellWidth = 22, .cellHeight = 22, .cols = 10};
inline constexpr Picture kLevelBanners = {
    .path = "./Images/Panorama/LevelS1.png", .key = kNoKey, .cellWidth = 138, .cellHeight = 33, .cols = 6};
inline constexpr Picture kWeaponIcon = {
    .path = "./Images/Tirs/Bonus0.png", .key = kNoKey, .cellWidth = 23, .cellHeight = 25};

// --- The hero -----------------------------------------------------------------------------------

inline constexpr Picture kHeroSheet = {.path = "./Images/Heros/Planche_MyHeros_1.png",
                                       .key = kMagenta, .cellWidth = 31, .cellHeight = 40, .cols = 6, .rows = 3};
inline constexpr Picture kBoostedHeroSheet = {.path = "./Images/Heros/Planche_MyHeros_2.png",
                                              .key = kMagenta, .cellWidth = 31, .cellHeight = 40, .cols = 6, .rows = 3};
inline constexpr Picture kHeroExplosion = {
    .path = "./Images/Heros/Heros_Explosion.png", .key = kBlack, .cellWidth = 64, .cellHeight = 64, .cols = 16};
// The five bolts, then the three lances of the second weapon. A bolt's width centres it on the ship
// at the offsets its volley uses (x + 8, x + 3 / x + 14, x + 1 / x + 17 on a 31-wide ship).
inline constexpr Picture kHeroShots[8] = {
    {.path = "./Images/Heros/MyHeros1_Tir_1.png", .key = kMagenta, .cellWidth = 15, .cellHeight = 20},
    {.path = "./Images/Heros/MyHeros1_Tir_2.png", .key = kMagenta, .cellWidth = 14, .cellHeight = 18},
    {.path = "./Images/Heros/MyHeros1_Tir_3.png", .key = kMagenta, .cellWidth = 14, .cellHeight = 18},
    {.path = "./Images/Heros/MyHeros1_Tir_4.png", .key = kMagenta, .cellWidth = 13, .cellHeight = 16},
    {.path = "./Images/Heros/MyHeros1_Tir_5.png", .key = kMagenta, .cellWidth = 13, .cellHeight = 16},
    {.path = "./Images/Heros/Heros2_Tir_1.png", .key = kMagenta, .cellWidth = 15, .cellHeight = 24},
    {.path = "./Images/Heros/Heros2_Tir_2.png", .key = kMagenta, .cellWidth = 15, .cellHeight = 20},
    {.path = "./Images/Heros/Heros2_Tir_3.png", .key = kMagenta, .cellWidth = 15, .cellHeight = 20},
};
// The same under the graze boost.
inline constexpr Picture kBoostedHeroShots[8] = {
    {.path = "./Images/Heros/MyHeros1S_Tir_1.png", .key = kMagenta, .cellWidth = 15, .cellHeight = 20},
    {.path = "./Images/Heros/MyHeros1S_Tir_2.png", .key = kMagenta, .cellWidth = 14, .cellHeight = 18},
    {.path = "./Images/Heros/MyHeros1S_Tir_3.png", .key = kMagenta, .cellWidth = 14, .cellHeight = 18},
    {.path = "./Images/Heros/MyHeros1S_Tir_4.png", .key = kMagenta, .cellWidth = 13, .cellHeight = 16},
    {.path = "./Images/Heros/MyHeros1S_Tir_5.png", .key = kMagenta, .cellWidth = 13, .cellHeight = 16},
    {.path = "./Images/Heros/Heros2S_Tir_1.png", .key = kMagenta, .cellWidth = 15, .cellHeight = 24},
    {.path = "./Images/Heros/Heros2S_Tir_2.png", .key = kMagenta, .cellWidth = 15, .cellHeight = 20},
    {.path = "./Images/Heros/Heros2S_Tir_3.png", .key = kMagenta, .cellWidth = 15, .cellHeight = 20},
};

// --- Enemy shots and bonuses ------------------------------------------------------------------------

inline constexpr ShotPair kRedPellet =
    Shots("./Images/Tirs/Tir0_RougeS_Ennemi.png", "./Images/Tirs/Tir0a_RougeS_Ennemi.png", 9, kMagenta);
inline constexpr ShotPair kCrimsonPellet =
    Shots("./Images/Tirs/Tir0_Rouge_Ennemi.png", "./Images/Tirs/Tir0a_Rouge_Ennemi.png", 9, kMagenta);
inline constexpr ShotPair kVioletPellet =
    Shots("./Images/Tirs/Tir0_VioletS_Ennemi.png", "./Images/Tirs/Tir0a_VioletS_Ennemi.png", 9, kRed);
inline constexpr ShotPair kBluePellet =
    Shots("./Images/Tirs/Tir0_BleuS_Ennemi.png", "./Images/Tirs/Tir0a_BleuS_Ennemi.png", 9, kMagenta);
inline constexpr ShotPair kOrangeOrb = Shots("./Images/Tirs/Tir1_Glace_Orange_Ennemi.bmp",
                                             "./Images/Tirs/Tir1a_Glace_Orange_Ennemi.bmp", 16, kOrangeShotKey);
inline constexpr ShotPair kRedOrb =
    Shots("./Images/Tirs/Tir1_Rouge_Ennemi.bmp", "./Images/Tirs/Tir1a_Rouge_Ennemi.bmp", 16, kBlack);
inline constexpr ShotPair kBlueOrb =
    Shots("./Images/Tirs/Tir1_Bleu_Ennemi.bmp", "./Images/Tirs/Tir1a_Bleu_Ennemi.bmp", 16, kBlack);
inline constexpr ShotPair kYellowOrb =
    Shots("./Images/Tirs/Tir1_Jaune_Ennemi.bmp", "./Images/Tirs/Tir1a_Jaune_Ennemi.bmp", 16, kMagenta);
inline constexpr ShotPair kIceOrb =
    Shots("./Images/Tirs/Tir1_Glace_Ennemi.bmp", "./Images/Tirs/Tir1a_Glace_Ennemi.bmp", 16, kBlack);
inline constexpr ShotPair kRubyOrb =
    Shots("./Images/Tirs/Tir1_Glace_Rouge_Ennemi.bmp", "./Images/Tirs/Tir1a_Glace_Rouge_Ennemi.bmp", 16, kPlum);
inline constexpr ShotPair kAmberOrb = Shots("./Images/Tirs/Tir1_Glace_Jaune_Ennemi.bmp",
                                            "./Images/Tirs/Tir1a_Glace_Jaune_Ennemi.bmp", 16, kAmberShotKey);
inline constexpr ShotPair kLightOrb =
    Shots("./Images/Tirs/Tir_lumiere1.bmp", "./Images/Tirs/Tir_lumiere2.bmp", 16, kBlack);
inline constexpr ShotPair kInvaderShot =
    Shots("./Images/Tirs/TirInvider1S.png", "./Images/Tirs/TirInvider2S.png", 15, kMagenta);
inline constexpr ShotPair kNeedle = {
    {.path = "./Images/Tirs/Tir_Vertical1_Jaune.png", .key = kMagenta, .cellWidth = 8, .cellHeight = 20},
    {.path = "./Images/Tirs/Tir_Vertical2_Jaune.png", .key = kMagenta, .cellWidth = 8, .cellHeight = 20},
};
// What the saucer and Insecte drop.
inline constexpr ShotPair kBonus = {
    {.path = "./Images/Tirs/Bonus1.png", .key = kMagenta, .cellWidth = 29, .cellHeight = 31},
    {.path = "./Images/Tirs/Bonus2.png", .key = kMagenta, .cellWidth = 29, .cellHeight = 31},
};

// --- Explosion strips -------------------------------------------------------------------------------

constexpr Picture Blast(const char* path, int cellWidth, int cellHeight, int cells, int key) {
    return {.path = path, .key = key, .cellWidth = cellWidth, .cellHeight = cellHeight, .cols = cells};
}
inline constexpr Picture kRedBlast32 = Blast("./Images/Explosions/Explosion_Rouge_32.png", 32, 32, 12, kBlack);
inline constexpr Picture kSparkBlast32 = Blast("./Images/Explosions/Ennemi_Explosion1.png", 32, 30, 12, kBlack);
inline constexpr Picture kCyanBlast32 = Blast("./Images/Explosions/Explosion_BleuC_32.png", 32, 32, 12, kBlack);
inline constexpr Picture kBlueBlast32 = Blast("./Images/Explosions/Explosion_Bleu_32.png", 32, 32, 12, kBlack);
inline constexpr Picture kYellowBlast32 = Blast("./Images/Explosions/Explosion_Jaune_32.png", 32, 32, 12, kBlack);
inline constexpr Picture kRedBlast160 = Blast("./Images/Explosions/Explosion_160_Rouge.png", 160, 120, 16, kPlum);
inline constexpr Picture kFireBlast160 = Blast("./Images/Explosions/Explosion_160.png", 160, 120, 16, kBlack);
// Every boss's, and the devil cubes'.
inline constexpr Picture kBigBlast = Blast("./Images/Explosions/Explosion_192.png", 192, 192, 16, kBlastKey);
inline constexpr Picture kYellowBlast48 = Blast("./Images/Explosions/Explosion48_48J.png", 48, 48, 14, kWhite);

// --- Sounds and music ----------------------------------------------------------------------------

inline constexpr Sound kEnemyShotSound = {"Sound/Shot1.wav"};
inline constexpr Sound kCrabShotSound = {"Sound/Shot3.wav"};
inline constexpr Sound kHeroVolleySound = {"Sound/Shot4.wav"};
inline constexpr Sound kSmallBlastSound = {"Sound/Explosion_Boss.wav"};
// Two files whose names differ only in case: the big enemies' blast and the hero's death.
inline constexpr Sound kBigBlastSound = {"Sound/explosion1_UP.wav"};
inline constexpr Sound kHeroDeathSound = {"Sound/Explosion1_UP.wav"};
inline constexpr Sound kPickupSound = {"Sound/Bonus.wav"};
inline constexpr Sound kBonusTickSound = {"Sound/BonusBilan.wav"};
inline constexpr Sound kCurtainSound = {"Sound/EndLevel.wav"};
inline constexpr Sound kGameOverSound = {"Sound/KO.wav"};
inline constexpr Sound kWinnerSound = {"Sound/WINNER.wav"};
inline constexpr Sound kBossJingle = {"Sound/mPUPPUPU.wav"};
inline constexpr Sound kMonstroRoar = {"Sound/Metroid1.wav"};
inline constexpr Sound kInsecteArrival = {"Sound/Insecte.wav"};
inline constexpr Sound kXorgArrival = {"Sound/Xorg_Arrive.wav"};
inline constexpr Sound kXorgChange = {"Sound/Change.wav"};

// Level tracks play once; boss tracks loop.
inline constexpr Music kLevelMusic[6] = {{"Sound/Vintage.ogg"},       {"Sound/Slipstream.ogg"},
                                         {"Sound/Nightmarish.ogg"},   {"Sound/electric_mind.ogg"},
                                         {"Sound/sepia.ogg"},         {"Sound/Einhander-Badlands.ogg"}};
inline constexpr Music kMoineMusic = {"Sound/aka_bme.ogg"};
// Levels 2 and 3.
inline constexpr Music kSecondBossMusic = {"Sound/Super_R-Type.ogg"};
inline constexpr Music kMonstroMusic = {"Sound/MetroidS.ogg"};
inline constexpr Music kRadioZondeMusic = {"Sound/RadioZonde.ogg"};
inline constexpr Music kLastBossMusic = {"Sound/rough_edge.ogg"};

// --- Regular enemies ----------------------------------------------------------------------------

constexpr int kNoCell = -1;

// One kind of regular enemy: its sprite sheet (cells of its box, side by side), the half-extents
// of its hit rectangle around its centre, the explosion it reads (frames of a size that may be
// smaller than the strip's cells), its hit flash and the files of its set in a level's bank.
struct EnemyKind {
    const char* name;  // the forge's drawing of it, and messages
    const Picture* sheet;
    int hitHalfWidth;
    int hitHalfHeight;
    const Picture* explosion;
    int explosionFrameWidth;
    int explosionFrameHeight;
    int explosionFrames;
    int hitCell = kNoCell;  // the cell of the hit flash, or kNoCell: the normal cell plus hitOffset
    int hitOffset = 0;
    const Picture* shotA = nullptr;
    const Picture* shotB = nullptr;
    // The second pair of shot pictures; only Yeux and OeilRB have one.
    const Picture* shotC = nullptr;
    const Picture* shotD = nullptr;
    const Sound* explosionSound = &kSmallBlastSound;
    const Sound* fireSound = &kEnemyShotSound;

    constexpr int BoxWidth() const { return sheet->cellWidth; }
    constexpr int BoxHeight() const { return sheet->cellHeight; }
    constexpr int SheetCells() const { return sheet->cols; }
};

constexpr Picture Sheet(const char* path, int key, int boxWidth, int boxHeight, int cells) {
    return {.path = path, .key = key, .cellWidth = boxWidth, .cellHeight = boxHeight, .cols = cells};
}

inline constexpr Picture kBouleSheet = Sheet("./Images/Ennemis/Boule/BouleS2.png", kBlack, 30, 30, 3);
inline constexpr Picture kPiafSheet = Sheet("./Images/Ennemis/Piaf//PiafS.png", kBlack, 32, 9, 2);
inline constexpr Picture kDeltaSheet = Sheet("./Images/Ennemis/Delta/DeltaS3.png", kDeltaCyan, 158, 94, 4);
inline constexpr Picture kYeuxSheet = Sheet("./Images/Ennemis/Yeux/Yeux.png", kBlack, 110, 47, 3);
inline constexpr Picture kModularSheet = Sheet("./Images/Ennemis/Modular//ModularS.png", kBlack, 34, 33, 3);
inline constexpr Picture kSoucoupeSheet = Sheet("./Images/Ennemis/Soucoupe/SoucoupeS.png", kMagenta, 68, 65, 4);
// The cubes are opaque blocks.
inline constexpr Picture kCubeSheet = Sheet("./Images/Ennemis/Cube/CubeS.png", kNoKey, 30, 30, 2);
inline constexpr Picture kCubeDevilSheet = Sheet("./Images/Ennemis/CubeDevil/CubeDevilS.png", kNoKey, 90, 90, 3);
inline constexpr Picture kCubeInviderOneSheet =
    Sheet("./Images/Ennemis/CubeInviderOne/CubeInviderOneS.png", kYellow, 240, 180, 3);
inline constexpr Picture kTriangleSheet = Sheet("./Images/Ennemis/Triangle/TriangleS.png", kBlack, 42, 32, 2);
inline constexpr Picture kRoueSheet = Sheet("./Images/Ennemis/Roue/RoueS.png", kMagenta, 30, 30, 3);
inline constexpr Picture kBlobSheet = Sheet("./Images/Ennemis/Blob/BlobS.png", kMagenta, 30, 35, 4);
inline constexpr Picture kVirusSheet = Sheet("./Images/Ennemis/Virus/Virus.png", kMagenta, 43, 45, 2);
inline constexpr Picture kCrabeSheet = Sheet("./Images/Ennemis/Crabe/CrabeS.png", kMagenta, 158, 105, 6);
inline constexpr Picture kFlecheSheet = Sheet("./Images/Ennemis/Fleche/FlecheS.png", kGreen, 29, 29, 4);
inline constexpr Picture kAmybeSheet = Sheet("./Images/Ennemis/Amybe/AmybeS.png", kMagenta, 56, 37, 2);
inline constexpr Picture kPapillonSheet = Sheet("./Images/Ennemis/Papillon/PapillonS.png", kBlack, 14, 14, 2);
inline constexpr Picture kFeeSheet = Sheet("./Images/Ennemis/Fee/FeeS.png", kFairyBlue, 45, 74, 4);
inline constexpr Picture kOeilRBSheet = Sheet("./Images/Ennemis/OeilRB/OeilRB.png", kBlack, 110, 47, 2);
inline constexpr Picture kVaxSheet = Sheet("./Images/Ennemis/Vax/Vax.png", kMagenta, 46, 34, 3);

inline constexpr EnemyKind kBoule = {
    .name = "Boule", .sheet = &kBouleSheet, .hitHalfWidth = 15, .hitHalfHeight = 15,
    .explosion = &kRedBlast32, .explosionFrameWidth = 32, .explosionFrameHeight = 32, .explosionFrames = 12,
    .hitCell = 2, .shotA = &kRedPellet.a, .shotB = &kRedPellet.b,
};
inline constexpr EnemyKind kPiaf = {
    .name = "Piaf", .sheet = &kPiafSheet, .hitHalfWidth = 8, .hitHalfHeight = 3,
    .explosion = &kSparkBlast32, .explosionFrameWidth = 32, .explosionFrameHeight = 30, .explosionFrames = 12,
    .shotA = &kRedPellet.a, .shotB = &kRedPellet.b,
};
inline constexpr EnemyKind kDelta = {
    .name = "Delta", .sheet = &kDeltaSheet, .hitHalfWidth = 60, .hitHalfHeight = 15,
    .explosion = &kRedBlast160, .explosionFrameWidth = 160, .explosionFrameHeight = 120, .explosionFrames = 16,
    .hitOffset = 2, .shotA = &kOrangeOrb.a, .shotB = &kOrangeOrb.b, .explosionSound = &kBigBlastSound,
};
inline constexpr EnemyKind kYeux = {
    .name = "Yeux", .sheet = &kYeuxSheet, .hitHalfWidth = 30, .hitHalfHeight = 15,
    .explosion = &kRedBlast160, .explosionFrameWidth = 160, .explosionFrameHeight = 120, .explosionFrames = 16,
    .hitCell = 2, .shotA = &kRedOrb.a, .shotB = &kRedOrb.b, .shotC = &kBlueOrb.a, .shotD = &kBlueOrb.b,
    .explosionSound = &kBigBlastSound,
};
inline constexpr EnemyKind kModular = {
    .name = "Modular", .sheet = &kModularSheet, .hitHalfWidth = 15, .hitHalfHeight = 15,
    .explosion = &kSparkBlast32, .explosionFrameWidth = 32, .explosionFrameHeight = 30, .explosionFrames = 12,
    .hitCell = 2, .shotA = &kVioletPellet.a, .shotB = &kVioletPellet.b,
};
// Its "shots" are the bonus it drops.
inline constexpr EnemyKind kSoucoupe = {
    .name = "Soucoupe", .sheet = &kSoucoupeSheet, .hitHalfWidth = 30, .hitHalfHeight = 20,
    .explosion = &kRedBlast160, .explosionFrameWidth = 160, .explosionFrameHeight = 120, .explosionFrames = 16,
    .shotA = &kBonus.a, .shotB = &kBonus.b,
};
inline constexpr EnemyKind kCube = {
    .name = "Cube", .sheet = &kCubeSheet, .hitHalfWidth = 15, .hitHalfHeight = 15,
    .explosion = &kRedBlast32, .explosionFrameWidth = 32, .explosionFrameHeight = 30, .explosionFrames = 12,
    .shotA = &kRedPellet.a, .shotB = &kRedPellet.b,
};
inline constexpr EnemyKind kCubeDevil = {
    .name = "CubeDevil", .sheet = &kCubeDevilSheet, .hitHalfWidth = 45, .hitHalfHeight = 45,
    .explosion = &kBigBlast, .explosionFrameWidth = 192, .explosionFrameHeight = 192, .explosionFrames = 16,
    .hitCell = 2, .shotA = &kLightOrb.a, .shotB = &kLightOrb.b,
};
inline constexpr EnemyKind kCubeInviderOne = {
    .name = "CubeInviderOne", .sheet = &kCubeInviderOneSheet, .hitHalfWidth = 120, .hitHalfHeight = 60,
    .explosion = &kBigBlast, .explosionFrameWidth = 192, .explosionFrameHeight = 192, .explosionFrames = 16,
    .hitCell = 2, .shotA = &kBlueOrb.a, .shotB = &kBlueOrb.b,
};
inline constexpr EnemyKind kTriangle = {
    .name = "Triangle", .sheet = &kTriangleSheet, .hitHalfWidth = 15, .hitHalfHeight = 15,
    .explosion = &kRedBlast32, .explosionFrameWidth = 32, .explosionFrameHeight = 30, .explosionFrames = 12,
    .hitCell = 1, .shotA = &kRedPellet.a, .shotB = &kRedPellet.b,
};
inline constexpr EnemyKind kRoue = {
    .name = "Roue", .sheet = &kRoueSheet, .hitHalfWidth = 15, .hitHalfHeight = 15,
    .explosion = &kRedBlast32, .explosionFrameWidth = 32, .explosionFrameHeight = 32, .explosionFrames = 12,
    .hitCell = 2, .shotA = &kRedPellet.a, .shotB = &kRedPellet.b,
};
inline constexpr EnemyKind kBlob = {
    .name = "Blob", .sheet = &kBlobSheet, .hitHalfWidth = 12, .hitHalfHeight = 14,
    .explosion = &kRedBlast32, .explosionFrameWidth = 32, .explosionFrameHeight = 32, .explosionFrames = 12,
    .hitOffset = 2, .shotA = &kRedPellet.a, .shotB = &kRedPellet.b,
};
inline constexpr EnemyKind kVirus = {
    .name = "Virus", .sheet = &kVirusSheet, .hitHalfWidth = 20, .hitHalfHeight = 18,
    .explosion = &kRedBlast32, .explosionFrameWidth = 32, .explosionFrameHeight = 32, .explosionFrames = 12,
    .shotA = &kRedPellet.a, .shotB = &kRedPellet.b,
};
inline constexpr EnemyKind kCrabe = {
    .name = "Crabe", .sheet = &kCrabeSheet, .hitHalfWidth = 50, .hitHalfHeight = 15,
    .explosion = &kFireBlast160, .explosionFrameWidth = 160, .explosionFrameHeight = 120, .explosionFrames = 16,
    .hitOffset = 3, .shotA = &kIceOrb.a, .shotB = &kIceOrb.b, .fireSound = &kCrabShotSound,
};
inline constexpr EnemyKind kFleche = {
    .name = "Fleche", .sheet = &kFlecheSheet, .hitHalfWidth = 10, .hitHalfHeight = 10,
    .explosion = &kCyanBlast32, .explosionFrameWidth = 32, .explosionFrameHeight = 32, .explosionFrames = 12,
    .shotA = &kCrimsonPellet.a, .shotB = &kCrimsonPellet.b,
};
inline constexpr EnemyKind kAmybe = {
    .name = "Amybe", .sheet = &kAmybeSheet, .hitHalfWidth = 12, .hitHalfHeight = 9,
    .explosion = &kBlueBlast32, .explosionFrameWidth = 32, .explosionFrameHeight = 32, .explosionFrames = 12,
    .shotA = &kBluePellet.a, .shotB = &kBluePellet.b,
};
inline constexpr EnemyKind kPapillon = {
    .name = "Papillon", .sheet = &kPapillonSheet, .hitHalfWidth = 5, .hitHalfHeight = 5,
    .explosion = &kYellowBlast32, .explosionFrameWidth = 32, .explosionFrameHeight = 32, .explosionFrames = 12,
    .shotA = &kCrimsonPellet.a, .shotB = &kCrimsonPellet.b,
};
inline constexpr EnemyKind kFee = {
    .name = "Fee", .sheet = &kFeeSheet, .hitHalfWidth = 16, .hitHalfHeight = 12,
    .explosion = &kYellowBlast48, .explosionFrameWidth = 48, .explosionFrameHeight = 48, .explosionFrames = 14,
    .hitOffset = 2, .shotA = &kYellowOrb.a, .shotB = &kYellowOrb.b,
};
inline constexpr EnemyKind kOeilRB = {
    .name = "OeilRB", .sheet = &kOeilRBSheet, .hitHalfWidth = 30, .hitHalfHeight = 15,
    .explosion = &kRedBlast160, .explosionFrameWidth = 160, .explosionFrameHeight = 120, .explosionFrames = 16,
    .hitCell = 1, .shotA = &kRedOrb.a, .shotB = &kRedOrb.b, .shotC = &kBlueOrb.a, .shotD = &kBlueOrb.b,
};
inline constexpr EnemyKind kVax = {
    .name = "Vax", .sheet = &kVaxSheet, .hitHalfWidth = 17, .hitHalfHeight = 3,
    .explosion = &kRedBlast32, .explosionFrameWidth = 32, .explosionFrameHeight = 32, .explosionFrames = 12,
    .hitCell = 2, .shotA = &kNeedle.a, .shotB = &kNeedle.b,
};

inline constexpr const EnemyKind* kEnemyKinds[] = {
    &kBoule, &kPiaf, &kDelta, &kYeux,  &kModular, &kSoucoupe, &kCube,  &kCubeDevil, &kCubeInviderOne, &kTriangle,
    &kRoue,  &kBlob, &kVirus, &kCrabe, &kFleche,  &kAmybe,    &kPapillon, &kFee,   &kOeilRB,         &kVax,
};

// --- Each level's bank of regular enemy sets ------------------------------------------------------

// What a bank row takes from the first earlier row of its bank with the same file in the same
// place, instead of loading its own copy. Everything else it loads, even a file an earlier row
// loaded too: those copies are separate pictures and sounds.
enum Shares : unsigned {
    kOwnCopies = 0,
    kSharesExplosion = 1u << 0,
    kSharesShots = 1u << 1,
    kSharesExplosionSound = 1u << 2,
    kSharesFireSound = 1u << 3,
    kSharesSounds = kSharesExplosionSound | kSharesFireSound,
};

struct BankRow {
    const EnemyKind* kind;
    unsigned shares = kOwnCopies;
};

// The saucer comes last in every bank.
inline constexpr BankRow kLevel1Bank[] = {
    {&kBoule},
    {&kPiaf, kSharesShots | kSharesSounds},
    {&kDelta},
    {&kYeux},
    {&kModular, kSharesSounds},
    {&kSoucoupe, kSharesExplosionSound},
};
inline constexpr BankRow kLevel2Bank[] = {
    {&kCube},
    {&kCubeDevil, kSharesSounds},
    {&kCubeInviderOne, kSharesExplosion | kSharesSounds},
    {&kTriangle, kSharesShots | kSharesSounds},
    {&kRoue, kSharesShots | kSharesSounds},
    {&kSoucoupe, kSharesExplosionSound},
};
inline constexpr BankRow kLevel3Bank[] = {
    {&kBlob},
    {&kVirus, kSharesExplosion | kSharesShots | kSharesSounds},
    {&kCrabe, kSharesExplosionSound},
    {&kSoucoupe, kSharesExplosionSound},
};
inline constexpr BankRow kLevel4Bank[] = {
    {&kFleche},
    {&kAmybe, kSharesSounds},
    {&kSoucoupe, kSharesExplosionSound},
};
inline constexpr BankRow kLevel5Bank[] = {
    {&kPapillon},
    {&kFee, kSharesSounds},
    {&kOeilRB, kSharesSounds},
    {&kVax, kSharesSounds},
    {&kSoucoupe, kSharesSounds},
};

// The bank of level 1 to 5; empty for any other number (Level 6 has none).
constexpr std::span<const BankRow> BankOf(int levelNumber) {
    switch (levelNumber) {
        case 1: return kLevel1Bank;
        case 2: return kLevel2Bank;
        case 3: return kLevel3Bank;
        case 4: return kLevel4Bank;
        case 5: return kLevel5Bank;
        default: return {};
    }
}

// --- Bosses -----------------------------------------------------------------------------------------

inline constexpr Picture kMoineSheet = Sheet("./Images/Ennemis/Moine/MoineS.png", kMagenta, 70, 62, 8);
inline constexpr Picture kCubeBossSheet = Sheet("./Images/Ennemis/CubeBoss/CubeBossS.png", kYellow, 300, 270, 6);
inline constexpr Picture kCubeBossFlashSheet =
    Sheet("./Images/Ennemis/CubeBoss/CubeBossS_Flash.png", kYellow, 300, 270, 6);
inline constexpr Picture kDeathSheet = Sheet("./Images/Ennemis/Death/DeathS1.png", kYellow, 251, 205, 6);
inline constexpr Picture kMonstroSheet = Sheet("./Images/Ennemis/Monstro/MonstroS.png", kMagenta, 261, 254, 4);
inline constexpr Picture kRadioZondeSheet =
    Sheet("./Images/Ennemis/RadioZonde/RadioZondeS.png", kYellow, 314, 344, 4);
inline constexpr Picture kInsecteSheet = Sheet("./Images/Ennemis/Insecte/InsecteS1.png", kYellow, 190, 117, 6);
inline constexpr Picture kXorgSheet = Sheet("./Images/Ennemis/Xorg/XorgS.png", kGreen, 225, 239, 3);
inline constexpr Picture kXorgDamagedSheet = Sheet("./Images/Ennemis/Xorg/XorgS1.png", kGreen, 225, 239, 3);

}  // namespace catalogue
// clang-format on
