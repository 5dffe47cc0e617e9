#include "synth.h"

#include <algorithm>
#include <cmath>

namespace forge {

namespace {
constexpr double kTau = 6.283185307179586;

// `p` must lie in [0, 1).
double Osc(Wave w, double p, Rng& rng) {
    switch (w) {
        case Wave::Sine: return std::sin(kTau * p);
        case Wave::Square: return p < 0.5 ? 0.8 : -0.8;
        case Wave::Pulse25: return p < 0.25 ? 0.8 : -0.8;
        case Wave::Saw: return 2 * p - 1;
        case Wave::Triangle: return p < 0.5 ? 4 * p - 1 : 3 - 4 * p;
        case Wave::Noise: return rng.Unit() * 2 - 1;
    }
    return 0;
}
}  // namespace

double MidiToHz(double note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); }

void Render(Sound& out, const Note& n, bool wrap) {
    const size_t total = out.Frames();
    if (total == 0) return;
    const size_t start = size_t(std::max(0.0, n.start) * kSampleRate + 0.5);
    const size_t held = size_t(n.length * kSampleRate);
    const size_t frames = held + size_t(n.release * kSampleRate);
    const size_t attack = std::max<size_t>(1, size_t(n.attack * kSampleRate));
    const double dt = 1.0 / kSampleRate;
    // Per-sample factors instead of exp/pow per sample: music renders thousands of notes.
    const double slideStep = n.hzEnd > 0 ? std::pow(n.hzEnd / n.hz, 1.0 / std::max<size_t>(1, held)) : 1;
    const double decayStep = n.decay > 0 ? std::exp(-n.decay * dt) : 1;
    const double cutoffEnd = n.cutoffEnd > 0 ? n.cutoffEnd : n.cutoff;
    const double cutoffStep = n.cutoff > 0 ? std::pow(cutoffEnd / n.cutoff, 64.0 / std::max<size_t>(64, held)) : 1;
    const double detuneRatio = std::pow(2.0, n.detune / 12);
    const double vibratoSpan = std::pow(2.0, n.vibratoDepth / 12) - 1;
    const double releaseScale = 1.0 / double(std::max<size_t>(1, frames - held));
    const double panL = std::cos((n.pan + 1) * M_PI / 4), panR = std::sin((n.pan + 1) * M_PI / 4);
    Rng rng(n.seed);
    double hz = n.hz, decayLevel = 1, cutoff = n.cutoff, k = 0;
    double phase = 0, phase2 = 0, fmPhase = 0, lp = 0, noiseHold = 0, releaseFrom = 1, env = 0;
    for (size_t i = 0; i < frames; ++i) {
        size_t at = start + i;
        if (at >= total) {
            if (!wrap) break;
            at %= total;
        }
        if (i < attack) {
            env = double(i) / attack;
        } else if (i < held) {
            env = n.sustain + (1 - n.sustain) * decayLevel;
            decayLevel *= decayStep;
            releaseFrom = env;
        } else {
            env = releaseFrom * (1 - double(i - held) * releaseScale);
        }
        if (i < held) hz *= slideStep;
        double f = hz;
        if (n.vibratoHz > 0) f *= 1 + vibratoSpan * std::sin(kTau * n.vibratoHz * i * dt);
        double v;
        if (n.wave == Wave::Noise) {
            // Sample-and-hold at the note frequency: lower notes give coarser noise.
            phase += f * dt;
            if (phase >= 1 || f >= kSampleRate / 2) {
                phase -= std::floor(phase);
                noiseHold = rng.Unit() * 2 - 1;
            }
            v = noiseHold;
        } else {
            double mod = 0;
            if (n.fm > 0) {
                fmPhase += f * n.fmRatio * dt;
                mod = n.fm * std::sin(kTau * fmPhase) / kTau;
            }
            phase += f * dt;
            if (phase >= 1) phase -= 1;
            double p = phase + mod;
            if (p < 0 || p >= 1) p -= std::floor(p);
            v = Osc(n.wave, p, rng);
            if (n.detune != 0) {
                phase2 += f * detuneRatio * dt;
                if (phase2 >= 1) phase2 -= 1;
                v = 0.5 * (v + Osc(n.wave, phase2, rng));
            }
        }
        if (n.cutoff > 0) {
            if ((i & 63) == 0) {
                k = 1 - std::exp(-kTau * std::min(cutoff, 20000.0) * dt);
                if (i < held) cutoff *= cutoffStep;
            }
            lp += k * (v - lp);
            v = lp;
        }
        const double s = v * env * n.amp;
        out.left[at] += float(s * panL);
        out.right[at] += float(s * panR);
    }
}

void Echo(Sound& sound, double seconds, double feedback, double mix, bool wrap) {
    const size_t n = sound.Frames();
    const size_t d = size_t(seconds * kSampleRate);
    if (d == 0 || d >= n) return;
    std::vector<float> line(n, 0.0f);
    // Two passes round a loop let the echoes of its end settle into its start.
    const int passes = wrap ? 2 : 1;
    for (int pass = 0; pass < passes; ++pass)
        for (size_t i = 0; i < n; ++i) {
            float dry = 0.5f * (sound.left[i] + sound.right[i]);
            size_t from = i >= d ? i - d : (wrap ? i + n - d : n);
            float delayed = from < n ? line[from] : 0.0f;
            line[i] = dry + float(feedback) * delayed;
        }
    for (size_t i = 0; i < n; ++i) {
        size_t from = i >= d ? i - d : (wrap ? i + n - d : n);
        float wet = from < n ? line[from] : 0.0f;
        sound.left[i] += float(mix) * wet;
        sound.right[i] += float(mix) * wet;
    }
}

}  // namespace forge
