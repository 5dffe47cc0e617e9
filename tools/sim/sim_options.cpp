#include "sim_options.h"

#include <cerrno>
#include <cstdlib>

namespace {

bool ParseNumber(const char* text, long low, long* value) {
    if (!text || !*text) return false;
    errno = 0;
    char* end = nullptr;
    const long parsed = std::strtol(text, &end, 10);
    if (errno != 0 || *end != '\0' || parsed < low) return false;
    *value = parsed;
    return true;
}

}  // namespace

std::string SimUsage() {
    return "usage: skyrift-sim [mode] [options]\n"
           "Plays Skyrift headless on a virtual clock (SDL dummy drivers) and reports each level.\n"
           "\n"
           "modes (one):\n"
           "  --level N             play level N, 1 to 6 (the default: --level 1)\n"
           "  --game                the whole game: title, six levels, final score; the title and\n"
           "                        final screens are answered with Enter\n"
           "  --boss NAME           play one boss alone in its level's setting, built as its level\n"
           "                        builds it, with an empty timetable (Moine, CubeBoss, Death,\n"
           "                        Monstro, RadioZonde, Insecte, Xorg). Insecte, Level 6's\n"
           "                        mid-boss: Level 6 from its start by its own rules, ended\n"
           "                        (result=1) once the Insecte is finished\n"
           "  --final-score N       show the final score screen alone, for score N\n"
           "  --soak N              in one process: N whole games (--autopilot --god, seeds 1..N),\n"
           "                        then game overs on Level 1 answered with replay (an idle\n"
           "                        ship); prints the resident memory after each\n"
           "  --soak-replays N      how many game overs --soak plays (default 20)\n"
           "  --timetable N         print level N's table without playing: one line per enemy,\n"
           "                        slot,Class,x,y,w,h,hitHalfWidth,hitHalfHeight,spawnMs\n"
           "                        (spawnMs counted from T0), then midboss/boss lines: the\n"
           "                        table a run with the same --seed plays\n"
           "\n"
           "options:\n"
           "  --weapon N            the hero starts at weapon level N (1..7)\n"
           "  --seed S              seeds the random generator with S before play (default 1)\n"
           "  --autopilot           hold fire, steer under the nearest target, dodge shots;\n"
           "                        a game over is answered with Escape\n"
           "  --input FILE          recorded keys, one line per paced frame (see below)\n"
           "  --god                 the hero never loses a life: it is kept invulnerable (shots\n"
           "                        and bodies pass through it; it still grazes and picks up bonuses)\n"
           "  --max-frames N        stop after N paced frames by pressing Escape (default 200000)\n"
           "  --screenshot-every N  save the screen every N paced frames as BMP ...\n"
           "  --out DIR             ... into DIR (default .), named frame_NNNNNN.bmp\n"
           "  --audio               open the (dummy) audio device; off by default, since the\n"
           "                        mixer then runs in real time\n"
           "  --list-loads          after the run, print \"load PATH\" for every picture, sound and\n"
           "                        music the run asked for, in the order first asked\n"
           "  --bench               after every frame of play, draw the same blits again with\n"
           "                        nothing else around them (the floor), and print a bench line\n"
           "                        per level: frame work and floor median/p99/max, the slowest\n"
           "                        frame and what it held, peak live shots and enemies, peak RSS\n"
           "  --trace FILE          write a line per paced frame into FILE: the frame, a 64-bit\n"
           "                        digest of the screen as last flipped, the random draws of the\n"
           "                        frame, then its sound and music calls: sound:CHANNEL:PATH,\n"
           "                        music:PATH:LOOPS, fade:MS, halt, free:PATH (implies --audio);\n"
           "                        \"end\" holds what came after the last frame\n"
           "  --help                this text\n"
           "\n"
           "A paced frame is one FrameTimer wait of any screen: title, loading animation, play,\n"
           "end screens. The report's frames count only the level's frame loop.\n"
           "\n"
           "Key log (--input): line n holds what happens at the n-th paced frame. Tokens,\n"
           "separated by blanks: up down left right fire (or g) are held during that frame;\n"
           "+return +escape +fire ... push one key-down event. A line may instead be a decimal\n"
           "bitmask of held keys: 1 up, 2 down, 4 left, 8 right, 16 fire. An empty line holds\n"
           "nothing; text after # is a comment. After the last line nothing is held, and a\n"
           "game over is answered with Escape.\n";
}

bool ParseSimOptions(int argc, char** argv, SimOptions* options, std::string* error) {
    int modes = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const char* next = i + 1 < argc ? argv[i + 1] : nullptr;
        long value = 0;
        auto needNumber = [&](long low) {
            if (!ParseNumber(next, low, &value)) {
                *error = arg + " needs a number" + (low > 0 ? " above 0" : "");
                return false;
            }
            ++i;
            return true;
        };
        if (arg == "--help" || arg == "-h") {
            options->help = true;
        } else if (arg == "--level" || arg == "--timetable") {
            if (!needNumber(0)) return false;
            options->mode = arg == "--level" ? SimMode::Level : SimMode::Timetable;
            options->level = static_cast<int>(value);
            ++modes;
        } else if (arg == "--boss") {
            if (!next) {
                *error = "--boss needs a boss name";
                return false;
            }
            options->mode = SimMode::Boss;
            options->boss = next;
            ++i;
            ++modes;
        } else if (arg == "--weapon") {
            if (!needNumber(1)) return false;
            if (value > 7) {
                *error = "--weapon takes a level from 1 to 7";
                return false;
            }
            options->weapon = static_cast<int>(value);
        } else if (arg == "--game") {
            options->mode = SimMode::Game;
            ++modes;
        } else if (arg == "--seed") {
            if (!needNumber(0)) return false;
            options->seed = static_cast<unsigned>(value);
        } else if (arg == "--autopilot") {
            options->autopilot = true;
        } else if (arg == "--input") {
            if (!next) {
                *error = "--input needs a file";
                return false;
            }
            options->inputPath = next;
            ++i;
        } else if (arg == "--god") {
            options->god = true;
        } else if (arg == "--max-frames") {
            if (!needNumber(1)) return false;
            options->maxFrames = value;
            options->maxFramesGiven = true;
        } else if (arg == "--screenshot-every") {
            if (!needNumber(1)) return false;
            options->screenshotEvery = static_cast<int>(value);
        } else if (arg == "--out") {
            if (!next) {
                *error = "--out needs a folder";
                return false;
            }
            options->outDir = next;
            ++i;
        } else if (arg == "--final-score") {
            if (!needNumber(0)) return false;
            options->mode = SimMode::FinalScore;
            options->finalScore = static_cast<int>(value);
            ++modes;
        } else if (arg == "--soak") {
            if (!needNumber(1)) return false;
            options->mode = SimMode::Soak;
            options->soakGames = static_cast<int>(value);
            ++modes;
        } else if (arg == "--soak-replays") {
            if (!needNumber(0)) return false;
            options->soakReplays = static_cast<int>(value);
        } else if (arg == "--list-loads") {
            options->listLoads = true;
        } else if (arg == "--bench") {
            options->bench = true;
        } else if (arg == "--trace") {
            if (!next) {
                *error = "--trace needs a file";
                return false;
            }
            options->tracePath = next;
            options->audio = true;
            ++i;
        } else if (arg == "--audio") {
            options->audio = true;
        } else {
            *error = "unknown option " + arg;
            return false;
        }
    }
    if (modes > 1) {
        *error = "choose one of --level, --boss, --game, --final-score, --soak, --timetable";
        return false;
    }
    if (options->autopilot && !options->inputPath.empty()) {
        *error = "--autopilot and --input both drive the keys; choose one";
        return false;
    }
    return true;
}
