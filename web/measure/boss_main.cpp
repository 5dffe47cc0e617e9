// A measurement build, not the game: one boss alone in its level's setting (the simulator's
// --boss, tools/sim/level_catalog), in real time in the browser, with the hero kept invulnerable
// so that the fight goes on as long as it is measured. scripts/build-web --boss NAME builds it
// into its own folder; the game has no way to start at a boss.
#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>

#include <cstdio>
#include <memory>

#include "core/input.h"
#include "hero/hero.h"
#include "level_catalog.h"
#include "levels/level_runner.h"
#include "platform/data_dir.h"
#include "platform/platform.h"

#ifndef SKYRIFT_WEB_BOSS
#error "SKYRIFT_WEB_BOSS names the boss"
#endif

namespace {

constexpr int32_t kFramePeriod = 13;

// Keeps the hero invulnerable in every frame of the fight; the browser's frame wait still runs.
class Invulnerable : public platform::Observer, public LevelWatcher {
public:
    explicit Invulnerable(platform::Observer* next) : next(next) {}
    void BeforeWait() override {
        if (next) next->BeforeWait();
    }
    void AfterWait() override {
        if (next) next->AfterWait();
        if (running) running->GetHero()->MakeInvulnerable();
    }
    void LoopStarted(LevelRunner& run) override { running = &run; }
    void LoopEnded(LevelRunner&) override { running = nullptr; }

private:
    platform::Observer* next;
    LevelRunner* running = nullptr;
};

}  // namespace

int main(int, char**) {
    if (!platform::EnterDataFolder(nullptr)) return 1;
    SDL_Surface* screen = SDL_SetVideoMode(640, 480, 32, SDL_HWSURFACE | SDL_DOUBLEBUF);
    if (!screen) return 1;
    Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 2048);
    SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO | SDL_INIT_JOYSTICK);
    JoystickInput joystick;
    std::unique_ptr<LevelScript> script = MakeBossScript(SKYRIFT_WEB_BOSS);
    if (!script) {
        std::fprintf(stderr, "No boss called %s\n", SKYRIFT_WEB_BOSS);
        return 1;
    }
    Invulnerable invulnerable(platform::GetObserver());
    platform::SetObserver(&invulnerable);
    SetLevelWatcher(&invulnerable);
    LevelState state = LevelState::Running;
    int32_t score = 0;
    LevelRunner runner(screen, kFramePeriod, *script, &state);
    runner.Run(&score);
    return 0;
}
