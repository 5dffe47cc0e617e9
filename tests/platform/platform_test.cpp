#include <gtest/gtest.h>

#include <algorithm>

#include "platform/data_dir.h"
#include "platform/loaders.h"
#include "platform/platform.h"
#include "support/sdl_env.h"

using testsupport::PixelAt;
using testsupport::Screen;

TEST(VirtualClock, SleepAdvancesAtOnceAndKeysAreOurs) {
    platform::UseVirtualClock(500);
    platform::Sleep(13);
    EXPECT_EQ(platform::Ticks(), 513u);
    platform::SetVirtualSleepOvershoot(2);
    platform::Sleep(10);
    platform::SetVirtualSleepOvershoot(0);
    EXPECT_EQ(platform::Ticks(), 525u);

    Uint8* keys = platform::UseVirtualKeys();
    keys[SDLK_g] = 1;
    EXPECT_EQ(platform::KeyState()[SDLK_g], 1);
    EXPECT_EQ(platform::KeyState(), keys);
}

TEST(Loaders, MissingPictureIsATransparentPixelAndDrawsNothing) {
    testing::internal::CaptureStderr();
    SDL_Surface* picture = platform::LoadPicture("./Images/NoSuchPicture.png", 255, 0, 255);
    SDL_Surface* bmp = platform::LoadBmpPicture("./Images/NoSuchPicture.bmp");
    std::string warnings = testing::internal::GetCapturedStderr();
    ASSERT_NE(picture, nullptr);
    ASSERT_NE(bmp, nullptr);
    EXPECT_EQ(picture->w, 1);
    EXPECT_EQ(picture->h, 1);
    EXPECT_NE(warnings.find("NoSuchPicture.png"), std::string::npos);
    EXPECT_NE(warnings.find("NoSuchPicture.bmp"), std::string::npos);

    SDL_FillRect(Screen(), nullptr, SDL_MapRGB(Screen()->format, 1, 2, 3));
    SDL_Rect place = {10, 10, 1, 1};
    SDL_BlitSurface(picture, nullptr, Screen(), &place);
    place = {10, 10, 1, 1};
    SDL_BlitSurface(bmp, nullptr, Screen(), &place);
    EXPECT_EQ(PixelAt(Screen(), 10, 10), testsupport::Rgb(1, 2, 3));
    SDL_FreeSurface(picture);
    SDL_FreeSurface(bmp);
}

TEST(Loaders, MissingSoundAndMusicAreNullAndHarmless) {
    testing::internal::CaptureStderr();
    Mix_Chunk* chunk = platform::LoadSound("Sound/NoSuchSound.wav");
    Mix_Music* music = platform::LoadMusic("Sound/NoSuchMusic.ogg");
    std::string warnings = testing::internal::GetCapturedStderr();
    EXPECT_EQ(chunk, nullptr);
    EXPECT_EQ(music, nullptr);
    if (platform::AudioOpen()) {
        EXPECT_NE(warnings.find("NoSuchSound.wav"), std::string::npos);
    }
    platform::FreeSound(chunk);
    platform::FreeMusic(music);
}

TEST(Loaders, ColourKeyMakesTheKeyTransparent) {
    // A 2x1 BMP: one key-coloured pixel, one red pixel.
    SDL_Surface* raw = SDL_CreateRGBSurface(SDL_SWSURFACE, 2, 1, 24, 0xFF0000, 0xFF00, 0xFF, 0);
    SDL_Rect left = {0, 0, 1, 1}, right = {1, 0, 1, 1};
    SDL_FillRect(raw, &left, SDL_MapRGB(raw->format, 255, 0, 255));
    SDL_FillRect(raw, &right, SDL_MapRGB(raw->format, 255, 0, 0));
    const char* path = "/tmp/skyrift_loader_test.bmp";
    SDL_SaveBMP(raw, path);
    SDL_FreeSurface(raw);

    for (SDL_Surface* picture :
         {platform::LoadPicture(path, 255, 0, 255), platform::LoadBmpPicture(path, 255, 0, 255)}) {
        SDL_FillRect(Screen(), nullptr, 0);
        SDL_Rect place = {20, 20, 2, 1};
        SDL_BlitSurface(picture, nullptr, Screen(), &place);
        EXPECT_EQ(PixelAt(Screen(), 20, 20), 0u);
        EXPECT_EQ(PixelAt(Screen(), 21, 20), testsupport::Rgb(255, 0, 0));
        SDL_FreeSurface(picture);
    }
    std::remove(path);
}

TEST(DataFolder, CandidatesStartWithTheWorkingDirectory) {
    std::vector<std::string> folders = platform::DataFolderCandidates();
    ASSERT_GE(folders.size(), 3u);
    char cwd[4096];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    EXPECT_EQ(folders.front(), cwd);
    EXPECT_EQ(folders.back().substr(folders.back().size() - 14), "/share/skyrift");
    // Beside the executable: share/skyrift under a prefix, share/games/skyrift for /usr/games.
    const std::string exeDir = folders[1];
    EXPECT_NE(std::find(folders.begin(), folders.end(), exeDir + "/../share/skyrift"), folders.end());
    EXPECT_NE(std::find(folders.begin(), folders.end(), exeDir + "/../share/games/skyrift"), folders.end());
    EXPECT_FALSE(platform::HasGameData("/nonexistent-folder"));
}
