// Start-up, the game, shut-down.
#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/input.h"
#include "levels/level_catalog.h"
#include "platform/data_dir.h"
#include "platform/end_signals.h"
#include "shell/game_sequence.h"

namespace {

constexpr int32_t kFramePeriod = 13;

SDL_Surface* OpenScreen() {
    return SDL_SetVideoMode(640, 480, 32, SDL_HWSURFACE | SDL_HWPALETTE | SDL_DOUBLEBUF | SDL_FULLSCREEN);
}

bool FindData() {
    std::vector<std::string> tried;
    if (platform::EnterDataFolder(&tried)) return true;
    std::fprintf(stderr, "Skyrift cannot find its data (an Images folder). Looked in:\n");
    for (const std::string& folder : tried) std::fprintf(stderr, "  %s\n", folder.c_str());
    return false;
}

}  // namespace

int main(int, char**) {
    if (!FindData()) return 1;
    platform::CatchEndSignals();

#ifdef _WIN32
    _putenv("SDL_VIDEODRIVER=directx");
#endif
    SDL_Surface* screen = OpenScreen();
#ifdef _WIN32
    if (!screen) {
        // DirectDraw is missing or cannot open the display (Wine's gdi renderer, for one): the
        // game still runs on SDL's GDI driver.
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        _putenv("SDL_VIDEODRIVER=windib");
        screen = OpenScreen();
    }
#endif
    if (!screen) {
        std::printf("Unable to set video mode: %s\n", SDL_GetError());
        return 1;
    }
    if (Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 2048) < 0) {
        std::printf("Warning: Couldn't set 44100 Hz 16-bit audio\n Reason: %s\n", SDL_GetError());
        std::fflush(stdout);
    }
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO | SDL_INIT_JOYSTICK) < 0) {
        std::printf("Unable to init SDL: %s\n", SDL_GetError());
        return 1;
    }
    SDL_ShowCursor(0);
    JoystickInput* joystick = new JoystickInput();

    StandardGameScreens screens(screen, kFramePeriod, MakeGameLevel);
    RunGameSequence(screens);

    delete joystick;
    SDL_ShowCursor(1);
    SDL_Quit();
    std::exit(0);
}
