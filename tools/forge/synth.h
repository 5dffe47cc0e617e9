// Small synthesis kit shared by the sound effects and the music: oscillators, envelopes,
// filtered noise, and notes mixed into a Sound (optionally wrapping round its end, for loops).
#pragma once

#include <cstdint>

#include "rng.h"
#include "sound.h"

namespace forge {

enum class Wave { Sine, Square, Saw, Triangle, Pulse25, Noise };

double MidiToHz(double note);

// One sound event. Frequency slides exponentially from `hz` to `hzEnd` over the length.
struct Note {
    double start = 0, length = 0.2;  // seconds
    double hz = 440, hzEnd = 0;      // hzEnd 0: no slide
    Wave wave = Wave::Square;
    double amp = 0.3;
    double attack = 0.005, release = 0.05;
    double decay = 0;                        // > 0: exponential decay rate per second after the attack
    double sustain = 1;                      // level the decay falls to
    double pan = 0;                          // -1 left .. 1 right
    double cutoff = 0;                       // one-pole low-pass in Hz at the start (0: none)
    double cutoffEnd = 0;                    // ... and at the end (0: same)
    double vibratoHz = 0, vibratoDepth = 0;  // depth in semitones
    double detune = 0;                       // a second oscillator this many semitones away (0: none)
    double fm = 0, fmRatio = 2;              // sine FM index and ratio
    uint64_t seed = 1;                       // for noise
};

// Mixes the note into `out`; with `wrap`, samples past the end continue at the start.
void Render(Sound& out, const Note& note, bool wrap = false);

// A mono feedback delay (echo) mixed back into both channels; with `wrap` the echoes of the end
// land at the start, so a loop keeps its tail.
void Echo(Sound& sound, double seconds, double feedback, double mix, bool wrap);

}  // namespace forge
