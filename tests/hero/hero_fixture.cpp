#include "hero_fixture.h"

#include <SDL/SDL_mixer.h>
#include <unistd.h>

#include <climits>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "core/utilities.h"
#include "platform/platform.h"
#include "support/sdl_env.h"

namespace herotest {

std::string HeroTest::dataDir;

Uint32 SheetColour(int sheet, int column, int row) {
    return testsupport::Rgb(0x20 + 0x20 * column, 0x30 + 0x30 * row, sheet == 1 ? 0x50 : 0xB0);
}

Uint32 ExplosionColour(int k) { return testsupport::Rgb(0xF0, 0x08 + 0x0C * k, 0x20); }

Uint32 ShotColour(bool boosted, int index) {
    return boosted ? testsupport::Rgb(0xA0, 0x40, 0x10 + 0x10 * index)
                   : testsupport::Rgb(0x40, 0xA0, 0x10 + 0x10 * index);
}

namespace {

void Fill(SDL_Surface* s, int x, int y, int w, int h, Uint32 rgb) {
    SDL_Rect r = MakeRect(x, y, w, h);
    SDL_FillRect(s, &r, SDL_MapRGB(s->format, rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF));
}

SDL_Surface* NewSurface(int w, int h) {
    return SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xFF0000, 0xFF00, 0xFF, 0);
}

// IMG_Load recognises a file by its content, so BMP data under the game's .png names serves.
void Save(SDL_Surface* s, const std::string& path) {
    SDL_SaveBMP(s, path.c_str());
    SDL_FreeSurface(s);
}

void WriteLe(std::FILE* f, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) std::fputc((value >> (8 * i)) & 0xFF, f);
}

// One second of a quiet tone, long enough to be still playing when a test looks.
void WriteWav(const std::string& path) {
    const uint32_t rate = 22050, samples = rate;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return;
    std::fputs("RIFF", f);
    WriteLe(f, 36 + samples * 2, 4);
    std::fputs("WAVEfmt ", f);
    WriteLe(f, 16, 4);
    WriteLe(f, 1, 2);  // PCM
    WriteLe(f, 1, 2);  // mono
    WriteLe(f, rate, 4);
    WriteLe(f, rate * 2, 4);
    WriteLe(f, 2, 2);
    WriteLe(f, 16, 2);
    std::fputs("data", f);
    WriteLe(f, samples * 2, 4);
    for (uint32_t i = 0; i < samples; ++i) WriteLe(f, (i / 50) % 2 ? 800 : 0xFFFF - 800, 2);
    std::fclose(f);
}

}  // namespace

void HeroTest::SetUpTestSuite() {
    if (!dataDir.empty()) return;
    char pattern[] = "/tmp/skyrift-hero-test-XXXXXX";
    dataDir = mkdtemp(pattern);
    std::filesystem::create_directories(dataDir + "/Images/Heros");
    std::filesystem::create_directories(dataDir + "/Sound");
    const std::string heros = dataDir + "/Images/Heros/";

    for (int sheet = 1; sheet <= 2; ++sheet) {
        SDL_Surface* s = NewSurface(6 * 31, 3 * 40);
        for (int c = 0; c < 6; ++c) {
            for (int r = 0; r < 3; ++r) Fill(s, c * 31, r * 40, 31, 40, SheetColour(sheet, c, r));
        }
        Save(s, heros + "Planche_MyHeros_" + std::to_string(sheet) + ".png");
    }
    SDL_Surface* explosion = NewSurface(16 * 64, 64);
    for (int k = 0; k < 16; ++k) Fill(explosion, k * 64, 0, 64, 64, ExplosionColour(k));
    Save(explosion, heros + "Heros_Explosion.png");

    const char* names[] = {"MyHeros1%s_Tir_1", "MyHeros1%s_Tir_2", "MyHeros1%s_Tir_3", "MyHeros1%s_Tir_4",
                           "MyHeros1%s_Tir_5", "Heros2%s_Tir_1",   "Heros2%s_Tir_2",   "Heros2%s_Tir_3"};
    for (int boosted = 0; boosted <= 1; ++boosted) {
        for (int i = 0; i < 8; ++i) {
            char name[64];
            std::snprintf(name, sizeof name, names[i], boosted ? "S" : "");
            SDL_Surface* s = NewSurface(ShotWidth(i), ShotHeight(boosted));
            Fill(s, 0, 0, s->w, s->h, ShotColour(boosted, i));
            Save(s, heros + name + ".png");
        }
    }
    for (const char* sound : {"Explosion1_UP.wav", "Shot4.wav", "Bonus.wav"}) {
        WriteWav(dataDir + "/Sound/" + sound);
    }
}

void HeroTest::TearDownTestSuite() {
    std::error_code ignored;
    std::filesystem::remove_all(dataDir, ignored);
    dataDir.clear();
}

void HeroTest::SetUp() {
    keys = platform::UseVirtualKeys();
    for (Uint8& f : flags) f = 0;
    Mix_HaltChannel(-1);
    ClearScreen();
}

void HeroTest::TearDown() { Mix_HaltChannel(-1); }

SDL_Rect HeroTest::MakeDefaultBox() { return MakeRect(302, 420, 31, 40); }

std::unique_ptr<Hero> HeroTest::MakeHero(SDL_Rect box, int lives) {
    char previous[PATH_MAX];
    if (getcwd(previous, sizeof previous) == nullptr) previous[0] = '\0';
    EXPECT_EQ(chdir(dataDir.c_str()), 0);
    auto hero = std::make_unique<Hero>(testsupport::Screen(), HeroSetup{.box = box,
                                                                        .lives = lives,
                                                                        .shotSlots = 200,
                                                                        .explosionStepMs = 20,
                                                                        .explosionSteps = 16,
                                                                        .explosionCellWidth = 64,
                                                                        .explosionCellHeight = 64});
    if (previous[0] != '\0') {
        EXPECT_EQ(chdir(previous), 0);
    }
    return hero;
}

void HeroTest::RunFrame(Hero& hero) {
    platform::AdvanceVirtualClock(13);
    hero.Fire(keys, flags);
    hero.Move(keys, flags);
    ClearScreen();
    hero.Draw(true);
}

void HeroTest::DrawFrame(Hero& hero) {
    platform::AdvanceVirtualClock(13);
    ClearScreen();
    hero.Draw(true);
}

void HeroTest::ClearScreen() {
    SDL_Surface* screen = testsupport::Screen();
    SDL_FillRect(screen, nullptr,
                 SDL_MapRGB(screen->format, kBackground >> 16, (kBackground >> 8) & 0xFF, kBackground & 0xFF));
}

Uint32 HeroTest::Pixel(int x, int y) { return testsupport::PixelAt(testsupport::Screen(), x, y); }

EnemyShot* ShotCentredAt(int cx, int cy, int w, int h) {
    return new EnemyShot(testsupport::Screen(), nullptr, nullptr, MakeRect(cx - w / 2, cy - h / 2, w, h), {0, 0, 9},
                         {0, 0, 9}, {0, 0, 9}, {0, 0, 9});
}

}  // namespace herotest
