// A sound being made: two channels of float samples at 44.1 kHz, nominally within -1 .. 1.
#pragma once

#include <vector>

namespace forge {

constexpr int kSampleRate = 44100;

struct Sound {
    std::vector<float> left, right;

    Sound() = default;
    explicit Sound(size_t frames) : left(frames, 0.0f), right(frames, 0.0f) {}
    static Sound OfSeconds(double seconds) { return Sound(size_t(seconds * kSampleRate + 0.5)); }
    size_t Frames() const { return left.size(); }
    double Seconds() const { return double(left.size()) / kSampleRate; }
    float Peak() const;
    // Scales so that the loudest sample is `peak`.
    void Normalise(float peak);
    // Linear fades over the first and last `seconds`, so the sound starts and stops without a click.
    void FadeEdges(double inSeconds, double outSeconds);
};

}  // namespace forge
