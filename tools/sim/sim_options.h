// The simulator's command line.
#pragma once

#include <string>

enum class SimMode { Level, Game, Timetable, Boss, FinalScore, Soak };

struct SimOptions {
    SimMode mode = SimMode::Level;
    int level = 1;     // --level N / --timetable N
    std::string boss;  // --boss NAME
    int weapon = 0;    // --weapon N: the hero's weapon level from the start; 0 = as dealt
    unsigned seed = 1;
    bool autopilot = false;
    std::string inputPath;  // recorded key log, empty = none
    bool god = false;
    long maxFrames = 200000;      // paced frames before the run is stopped with Escape
    bool maxFramesGiven = false;  // --max-frames was on the command line
    int screenshotEvery = 0;      // 0 = no screenshots
    std::string outDir = ".";
    bool audio = false;      // open SDL's (dummy) audio device
    int finalScore = 0;      // --final-score N
    int soakGames = 0;       // --soak N
    int soakReplays = 20;    // --soak-replays N
    bool listLoads = false;  // --list-loads: print every file the run asked for
    bool bench = false;      // --bench: also measure each level's floor and print bench lines
    std::string tracePath;   // --trace FILE: a line per paced frame (opens the audio too)
    bool help = false;
};

// Parses argv; false with a message in *error for a bad command line.
bool ParseSimOptions(int argc, char** argv, SimOptions* options, std::string* error);

// The --help text, including the key-log format.
std::string SimUsage();
