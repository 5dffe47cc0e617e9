// skyrift-sim: see SimUsage() or --help.
#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/data_dir.h"
#include "sim_options.h"
#include "simulator.h"

namespace {

constexpr double kFrameMs = 13.0;

// Sets name=value unless the environment has name already.
void DefaultEnv(const char* name, const char* value) {
#ifdef _WIN32
    if (!std::getenv(name)) _putenv_s(name, value);
#else
    setenv(name, value, 0);
#endif
}

SDL_Surface* StartSdl(bool audio) {
    // Headless unless the caller chose drivers of their own.
    DefaultEnv("SDL_VIDEODRIVER", "dummy");
    DefaultEnv("SDL_AUDIODRIVER", "dummy");
    if (SDL_Init(SDL_INIT_VIDEO | (audio ? SDL_INIT_AUDIO : 0)) < 0) {
        std::fprintf(stderr, "skyrift-sim: cannot start SDL: %s\n", SDL_GetError());
        return nullptr;
    }
    SDL_Surface* screen = SDL_SetVideoMode(640, 480, 32, SDL_SWSURFACE);
    if (!screen) {
        std::fprintf(stderr, "skyrift-sim: cannot open the screen: %s\n", SDL_GetError());
        return nullptr;
    }
    if (audio && Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 2048) < 0)
        std::fprintf(stderr, "skyrift-sim: no audio (%s); running silent\n", SDL_GetError());
    return screen;
}

}  // namespace

int main(int argc, char** argv) {
    SimOptions options;
    std::string error;
    if (!ParseSimOptions(argc, argv, &options, &error)) {
        std::fprintf(stderr, "skyrift-sim: %s\n%s", error.c_str(), SimUsage().c_str());
        return 2;
    }
    if (options.help) {
        std::fputs(SimUsage().c_str(), stdout);
        return 0;
    }
    std::vector<std::string> tried;
    if (!platform::EnterDataFolder(&tried)) {
        std::fprintf(stderr, "skyrift-sim: no game data (an Images folder) in:\n");
        for (const std::string& folder : tried) std::fprintf(stderr, "  %s\n", folder.c_str());
        return 1;
    }
    SDL_Surface* screen = StartSdl(options.audio);
    if (!screen) return 1;

    int status = 0;
    if (options.mode == SimMode::Timetable) {
        std::string table;
        if (Simulator::PrintTimetable(screen, options.level, options.seed, &table)) {
            std::fputs(table.c_str(), stdout);
        } else {
            std::fprintf(stderr, "skyrift-sim: there is no level %d\n", options.level);
            status = 1;
        }
    } else {
        Simulator simulator(screen, options);
        const SimReport report = simulator.Run();
        for (const LevelReport& level : report.levels) std::printf("%s\n", FormatLevelReport(level).c_str());
        for (const std::string& path : report.loads) std::printf("load %s\n", path.c_str());
        if (options.bench) {
            for (const LevelReport& level : report.levels) std::printf("%s\n", FormatBenchLine(level).c_str());
            std::printf("bench outside_levels work_us median=%lld max=%lld\n",
                        static_cast<long long>(report.outsideMedianUs), static_cast<long long>(report.outsideMaxUs));
        }
        if (report.ok && options.mode == SimMode::Game)
            std::printf("game finished=%d final_score=%d\n", report.gameFinished ? 1 : 0, report.finalScore);
        if (report.ok) {
            const double gameSeconds = report.pacedFrames * kFrameMs / 1000.0;
            std::printf("run paced_frames=%ld game_s=%.1f wall_s=%.2f speed=%.0fx%s\n", report.pacedFrames, gameSeconds,
                        report.wallSeconds, report.wallSeconds > 0 ? gameSeconds / report.wallSeconds : 0.0,
                        report.stopped ? " stopped_at_max_frames" : "");
        } else {
            std::fprintf(stderr, "skyrift-sim: %s\n", report.error.c_str());
            status = 1;
        }
    }
    if (options.audio) Mix_CloseAudio();
    SDL_Quit();
    return status;
}
