#include "levels/level_transition.h"

#include "core/catalogue_loaders.h"
#include "core/playfield.h"
#include "levels/hud.h"
#include "platform/loaders.h"
#include "platform/mixer.h"
#include "platform/platform.h"
#include "platform/screen.h"

namespace {

// The mixer channel of the end-of-level screens; a sound started there cuts the one before.
constexpr int kScreenChannel = 6;

constexpr int kSummaryFrames = 851;
constexpr int kWinnerFrame = 55;
constexpr int kEndLevelFrame = 504;
constexpr int kCurtainFrames = 81;
constexpr int kCurtainSoundStep = 4;
constexpr int kKoFrame = 35;
constexpr int kBonusPoints = 150;
constexpr int kOverlayAlpha = 80;

void Play(Mix_Chunk* chunk) {
    if (chunk) platform::PlaySound(kScreenChannel, chunk, 0, -1);
}

void DrawWhole(SDL_Surface* picture, SDL_Surface* screen) {
    if (picture) platform::Blit(picture, nullptr, screen, nullptr);
}

bool IsBonusFrame(int i) { return i == 300 || i == 350 || i == 400; }

// Reads the queue until an event answers the game-over screen.
bool ReadAnswer(LevelResult* result) {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (event.type == SDL_KEYDOWN) {
            if (event.key.keysym.sym == SDLK_RETURN) {
                *result = LevelResult::PlayAgain;
                return true;
            }
            if (event.key.keysym.sym == SDLK_ESCAPE) {
                *result = LevelResult::Quit;
                return true;
            }
        } else if (event.type == SDL_JOYBUTTONDOWN) {
            *result = LevelResult::PlayAgain;
            return true;
        }
    }
    return false;
}

}  // namespace

TransitionPictures TransitionPictures::Load() {
    TransitionPictures pictures;
    pictures.closedCurtain = catalogue::LoadUnkeyed(catalogue::kCurtain[0]);
    for (int i = 0; i < 4; ++i) pictures.curtainFrames[i] = catalogue::Load(catalogue::kCurtain[i + 1]);
    // The converted surface keeps the per-surface alpha, as if it had been set before.
    pictures.overlay = catalogue::Load(catalogue::kDimLayer);
    if (pictures.overlay) SDL_SetAlpha(pictures.overlay, SDL_SRCALPHA, kOverlayAlpha);
    pictures.gameOverText = catalogue::Load(catalogue::kGameOverText);
    pictures.winnerBanner = catalogue::Load(catalogue::kWinner);
    return pictures;
}

TransitionSounds TransitionSounds::Load() {
    TransitionSounds sounds;
    sounds.endLevelSound = catalogue::Load(catalogue::kCurtainSound);
    sounds.koSound = catalogue::Load(catalogue::kGameOverSound);
    sounds.winnerSound = catalogue::Load(catalogue::kWinnerSound);
    return sounds;
}

LevelTransition::LevelTransition(SDL_Surface* screen, int framePeriod)
    : LevelTransition(screen, framePeriod, TransitionPictures::Load(), TransitionSounds::Load()) {}

LevelTransition::LevelTransition(SDL_Surface* screen, int framePeriod, const TransitionPictures& pictures,
                                 const TransitionSounds& sounds)
    : screen(screen),
      timer(platform::Ticks(), static_cast<Uint32>(framePeriod)),
      overlay(pictures.overlay),
      curtainFrames{pictures.curtainFrames[0], pictures.curtainFrames[1], pictures.curtainFrames[2],
                    pictures.curtainFrames[3]},
      closedCurtain(pictures.closedCurtain),
      gameOverText(pictures.gameOverText),
      winnerBanner(pictures.winnerBanner),
      endLevelSound(sounds.endLevelSound),
      koSound(sounds.koSound),
      winnerSound(sounds.winnerSound) {}

LevelTransition::~LevelTransition() {
    SDL_FreeSurface(overlay);
    for (SDL_Surface* frame : curtainFrames) SDL_FreeSurface(frame);
    SDL_FreeSurface(closedCurtain);
    SDL_FreeSurface(gameOverText);
    SDL_FreeSurface(winnerBanner);
    platform::FreeSound(endLevelSound);
    platform::FreeSound(koSound);
    platform::FreeSound(winnerSound);
}

void LevelTransition::DrawCurtain(int step) {
    if (step <= 4) return;
    if (step <= 8)
        DrawWhole(curtainFrames[3], screen);
    else if (step <= 12)
        DrawWhole(curtainFrames[2], screen);
    else if (step <= 16)
        DrawWhole(curtainFrames[1], screen);
    else if (step <= 20)
        DrawWhole(curtainFrames[0], screen);
    else
        DrawWhole(closedCurtain, screen);
}

void LevelTransition::ShowLevelClear(Mix_Chunk* bonusSound, Hud& hud, int lives, int weaponLevel, int* score,
                                     int levelNumber) {
    int unused = 0;
    if (!score) score = &unused;
    SDL_Surface* snapshot = CopySurface(screen);
    const SDL_Rect bannerRect = MakeRect(154, 193, catalogue::kWinner.cellWidth, catalogue::kWinner.cellHeight);
    // The curtain starts closing right after the last frame of the banner.
    const int curtainStart = kEndLevelFrame - kCurtainSoundStep;

    for (int i = 0; i < kSummaryFrames; ++i) {
        if (i == kWinnerFrame) Play(winnerSound);
        if (i == kEndLevelFrame) Play(endLevelSound);
        if (weaponLevel > 1 && IsBonusFrame(i)) {
            Play(bonusSound);
            *score += kBonusPoints;
            weaponLevel -= 2;  // one weapon icon fewer in the HUD
        }
        DrawWhole(snapshot, screen);
        hud.Draw(false, lives, weaponLevel, 0, 2500, *score, levelNumber);
        DrawCurtain(i - curtainStart);
        if (i >= kWinnerFrame && i <= kEndLevelFrame) BlitAt(winnerBanner, screen, bannerRect);
        platform::Flip(screen);
        timer.Wait(platform::Ticks());
    }
    SDL_FreeSurface(snapshot);
}

LevelResult LevelTransition::ShowGameOver() {
    LevelResult result = LevelResult::Quit;
    BlitAt(overlay, screen,
           MakeRect(playfield::kInnerLeft, 0, catalogue::kDimLayer.cellWidth, playfield::kWindowHeight));
    BlitAt(gameOverText, screen,
           MakeRect(154, 193, catalogue::kGameOverText.cellWidth, catalogue::kGameOverText.cellHeight));
    SDL_Surface* snapshot = CopySurface(screen);
    platform::Flip(screen);

    // Nothing is drawn while the screen waits; the count only matters up to the KO sound.
    int c = 0;
    for (;;) {
        if (c == kKoFrame) Play(koSound);
        timer.Wait(platform::Ticks());
        if (ReadAnswer(&result)) break;
        if (c <= kKoFrame) ++c;
    }

    for (c = 0; c < kCurtainFrames; ++c) {
        if (c == kCurtainSoundStep) Play(endLevelSound);
        DrawWhole(snapshot, screen);
        DrawCurtain(c);
        timer.Wait(platform::Ticks());
        platform::Flip(screen);
    }
    SDL_FreeSurface(snapshot);
    return result;
}
