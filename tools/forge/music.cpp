// Music: eleven tracks composed from a style each (tempo, mode, progression, instruments).
// A track is built from sections (intro, verses, choruses, breaks) over a chord progression;
// the lead plays motifs that repeat and vary, so it sounds written rather than random.
// Level tracks fade in and out and play once; boss tracks wrap every tail round their end.
#include <cmath>
#include <cstdlib>
#include <map>

#include "families.h"
#include "synth.h"
// Rows laid out by hand.
// clang-format off

namespace forge {

namespace {

struct Style {
    double bpm;
    int root;                      // MIDI note of the key's tonic, bass octave
    std::vector<int> scale;        // semitones of the mode
    std::vector<int> progression;  // scale degree of each bar's chord
    Wave lead, arp, bass;
    double leadCutoff, arpCutoff;
    int drums;                     // 0 straight rock, 1 four-on-the-floor, 2 half-time, 3 breakbeat
    double swing;                  // 0 .. 0.3 of an eighth
    double echo;                   // mix of the lead echo
    int bars;                      // length in bars
    int bassPattern = 0;           // row of kBassPatterns
    int arpOrder = 0;              // row of kArpOrders
};

// Bass lines over one bar of eighths: semitones above the chord root, kRest or kTie.
constexpr int kRest = -99, kTie = -98;
const int kBassPatterns[5][8] = {
    {0, 0, 0, 0, 0, 0, 12, 7},                      // driving
    {0, 12, 0, 12, 0, 12, 0, 12},                   // octave bounce
    {0, kTie, kTie, kTie, 7, kTie, 12, kTie},       // half-time
    {0, kRest, 0, 12, kRest, 0, 7, kRest},          // syncopated
    {0, kTie, 7, kTie, 12, kTie, 7, kTie},          // walking
};
// Arpeggio orders over the chord's root, third, fifth and octave.
const int kArpOrders[4][8] = {{0, 1, 2, 3, 2, 1, 0, 2}, {0, 2, 1, 3, 0, 2, 1, 3}, {3, 2, 1, 0, 3, 2, 1, 0}, {0, 1, 2, 1, 0, 1, 2, 3}};

const std::vector<int> kMajor = {0, 2, 4, 5, 7, 9, 11};
const std::vector<int> kMinor = {0, 2, 3, 5, 7, 8, 10};
const std::vector<int> kDorian = {0, 2, 3, 5, 7, 9, 10};
const std::vector<int> kPhrygian = {0, 1, 3, 5, 7, 8, 10};
const std::vector<int> kLydian = {0, 2, 4, 6, 7, 9, 11};
const std::vector<int> kMixolydian = {0, 2, 4, 5, 7, 9, 10};
const std::vector<int> kHarmonic = {0, 2, 3, 5, 7, 8, 11};

Style StyleFor(const std::string& v) {
    // Level tracks: bars chosen to last a little over 160 s; the last level's runs 240 s, as its
    // mid-boss fight against a weak ship can go on for minutes.
    if (v == "level1") return {128, 36, kMixolydian, {0, 4, 5, 3}, Wave::Square, Wave::Pulse25, Wave::Saw, 5000, 3500, 0, 0.0, 0.25, 88, 1, 0};
    if (v == "level2") return {140, 38, kDorian, {0, 3, 0, 6, 0, 3, 4, 4}, Wave::Saw, Wave::Square, Wave::Square, 3500, 4000, 1, 0.0, 0.2, 96, 0, 1};
    if (v == "level3") return {96, 40, kPhrygian, {0, 1, 0, 6, 5, 1}, Wave::Saw, Wave::Triangle, Wave::Saw, 1800, 2000, 2, 0.0, 0.35, 66, 2, 2};
    if (v == "level4") return {132, 33, kMinor, {0, 5, 2, 6}, Wave::Pulse25, Wave::Saw, Wave::Square, 4200, 2800, 1, 0.0, 0.2, 92, 3, 1};
    if (v == "level5") return {112, 41, kLydian, {0, 1, 4, 0, 5, 1}, Wave::Triangle, Wave::Pulse25, Wave::Sine, 6000, 5000, 3, 0.18, 0.4, 78, 4, 3};
    if (v == "level6") return {136, 35, kHarmonic, {0, 5, 3, 4, 0, 5, 6, 4}, Wave::Saw, Wave::Square, Wave::Saw, 4500, 3000, 0, 0.0, 0.25, 136, 0, 0};
    // Boss loops.
    if (v == "boss1") return {150, 43, kMinor, {0, 6, 5, 4}, Wave::Square, Wave::Saw, Wave::Saw, 5000, 3000, 0, 0.0, 0.15, 24, 3, 1};
    if (v == "boss2") return {162, 36, kMinor, {0, 0, 5, 6, 0, 0, 3, 4}, Wave::Saw, Wave::Square, Wave::Square, 4000, 4000, 3, 0.0, 0.15, 32, 0, 2};
    if (v == "boss4") return {120, 42, kPhrygian, {0, 1, 0, 1, 5, 4}, Wave::Saw, Wave::Triangle, Wave::Saw, 2200, 2500, 2, 0.0, 0.3, 24, 2, 3};
    if (v == "boss5") return {156, 40, kMinor, {0, 2, 6, 5}, Wave::Pulse25, Wave::Saw, Wave::Square, 5500, 3500, 1, 0.0, 0.2, 32, 1, 1};
    return {172, 38, kHarmonic, {0, 5, 1, 4, 0, 5, 6, 4}, Wave::Saw, Wave::Square, Wave::Saw, 5000, 4000, 3, 0.0, 0.15, 32, 0, 0};
}

// What plays in a section.
struct Section {
    int bars;
    bool pad, bass, arp, lead, drums;
    int motif;  // which lead motif
};

std::vector<Section> Arrange(int totalBars, bool loop, Rng& rng) {
    std::vector<Section> plan;
    if (loop) {
        // Boss loops: no intro or ending, every section busy; the last leads back to the first.
        int left = totalBars;
        int m = 0;
        while (left > 0) {
            int b = std::min(8, left);
            plan.push_back({b, true, true, m % 2 == 1, true, true, m % 2});
            left -= b;
            ++m;
        }
        return plan;
    }
    plan.push_back({4, true, false, true, false, false, 0});  // intro
    int left = totalBars - 4 - 4;
    int m = 0;
    while (left > 0) {
        int kind = m % 6;
        int b = std::min(8, left);
        switch (kind) {
            case 0: plan.push_back({b, true, true, true, false, true, 0}); break;   // groove
            case 1: plan.push_back({b, false, true, true, true, true, 0}); break;   // verse
            case 2: plan.push_back({b, true, true, false, true, true, 1}); break;   // chorus
            case 3: plan.push_back({b, true, false, true, false, rng.Chance(0.5), 1}); break;  // break
            case 4: plan.push_back({b, true, true, true, true, true, 1}); break;    // big chorus
            default: plan.push_back({b, false, true, true, true, true, 2}); break;  // bridge
        }
        left -= b;
        ++m;
    }
    plan.push_back({4, true, true, false, false, false, 0});  // ending
    return plan;
}

// A two-bar motif: 16 eighth-note slots, each a scale step above the chord root, a rest
// (kRest) or a tie (kTie). Strong beats land on chord tones and the phrase comes home to the
// root, so the tune sounds written rather than wandering.
std::vector<int> MakeMotif(Rng& rng) {
    std::vector<int> m(16, kRest);
    int step = rng.Below(3) * 2;
    for (int i = 0; i < 16; ++i) {
        bool strong = i % 4 == 0;
        if (!strong && rng.Chance(0.3)) {
            m[size_t(i)] = rng.Chance(0.5) ? kTie : kRest;
            continue;
        }
        int move = rng.Below(5) - 2;
        if (rng.Chance(0.15)) move *= 2;
        step = std::max(-2, std::min(9, step + move));
        if (strong) {  // nearest chord tone: root, third, fifth or octave
            static const int tones[] = {0, 2, 4, 7};
            int best = 0;
            for (int t : tones)
                if (std::abs(t - step) < std::abs(best - step)) best = t;
            step = best;
        }
        m[size_t(i)] = step;
    }
    m[14] = 0;
    m[15] = kTie;
    return m;
}

int ScaleNote(const Style& s, int degree) {
    int octave = int(std::floor(degree / 7.0));
    int idx = degree - octave * 7;
    return s.root + s.scale[idx] + 12 * octave;
}

}  // namespace

Sound MakeMusic(const Asset& a) {
    const Style st = StyleFor(a.variant);
    Rng rng(a.seed);
    const double beat = 60.0 / st.bpm, bar = beat * 4, eighth = beat / 2, sixteenth = beat / 4;
    const int bars = st.bars;
    Sound out(size_t(std::lround(bars * bar * kSampleRate)));
    Sound melodic(out.Frames());  // lead and arpeggio: they get the echo, the rhythm section does not
    const bool wrap = a.loops;
    std::vector<std::vector<int>> motifs = {MakeMotif(rng), MakeMotif(rng), MakeMotif(rng)};
    std::vector<Section> plan = Arrange(bars, a.loops, rng);
    // Signatures: the dark tracks hold a low drone, the dreamy one rings its arpeggio like bells.
    const bool drone = a.variant == "level3" || a.variant == "boss4" || a.variant == "level6";
    const bool bells = a.variant == "level5" || a.variant == "boss5";
    const double swing = st.swing * eighth;

    int barIndex = 0;
    for (size_t si = 0; si < plan.size(); ++si) {
        const Section& sec = plan[si];
        // A level track lifts by a whole tone for its last two sections and its ending.
        const int lift = (!a.loops && si + 3 >= plan.size()) ? 2 : 0;
        auto Hz = [lift](double note) { return MidiToHz(note + lift); };
        for (int sb = 0; sb < sec.bars; ++sb, ++barIndex) {
            const double t0 = barIndex * bar;
            const int degree = st.progression[size_t(barIndex) % st.progression.size()];
            const int chordRoot = ScaleNote(st, degree);
            const int third = ScaleNote(st, degree + 2), fifth = ScaleNote(st, degree + 4);
            const bool sectionEnd = sb == sec.bars - 1;
            if (drone)
                for (int note : {st.root - 12, st.root - 5}) {  // tonic and fifth, under everything
                    Note d;
                    d.start = t0;
                    d.length = bar;
                    d.hz = Hz(note + 12);
                    d.wave = Wave::Saw;
                    d.detune = 0.07;
                    d.amp = 0.05;
                    d.attack = 0.05;
                    d.release = 0.05;
                    d.cutoff = 260;
                    d.vibratoHz = 0.3;
                    d.vibratoDepth = 0.08;
                    Render(out, d, wrap);
                }
            if (sec.pad)
                for (int note : {chordRoot + 12, third + 12, fifth + 12}) {
                    Note p;
                    p.start = t0;
                    p.length = bar * 0.95;
                    p.hz = Hz(note);
                    p.wave = Wave::Saw;
                    p.detune = 0.1;
                    p.amp = 0.055;
                    p.attack = bar * 0.25;
                    p.release = bar * 0.3;
                    p.cutoff = 1200;
                    p.pan = (note % 3 - 1) * 0.3;
                    Render(out, p, wrap);
                }
            if (sec.bass) {
                const int* pattern = kBassPatterns[st.bassPattern];
                for (int e = 0; e < 8; ++e) {
                    if (pattern[e] <= kTie) continue;
                    int len = 1;
                    while (e + len < 8 && pattern[e + len] == kTie) ++len;
                    Note b;
                    b.start = t0 + e * eighth + (e % 2 ? swing : 0);
                    b.length = len * eighth * 0.85;
                    b.hz = Hz(chordRoot + pattern[e] - 12 * (chordRoot > st.root + 7));
                    b.wave = st.bass;
                    b.amp = 0.22;
                    b.decay = 6 / len;
                    b.sustain = 0.5;
                    b.cutoff = 900;
                    b.cutoffEnd = 400;
                    b.release = 0.03;
                    Render(out, b, wrap);
                }
                // Choruses get off-beat chord stabs in the busier styles.
                if (sec.motif == 1 && st.drums != 2)
                    for (int e = 1; e < 8; e += 2)
                        for (int note : {chordRoot + 12, third + 12, fifth + 12}) {
                            Note stab;
                            stab.start = t0 + e * eighth + swing;
                            stab.length = eighth * 0.35;
                            stab.hz = Hz(note);
                            stab.wave = Wave::Square;
                            stab.amp = 0.035;
                            stab.decay = 20;
                            stab.sustain = 0.2;
                            stab.cutoff = 2500;
                            stab.release = 0.03;
                            stab.pan = 0.2;
                            Render(out, stab, wrap);
                        }
            }
            if (sec.arp)
                for (int s16 = 0; s16 < 16; ++s16) {
                    const int tones[4] = {chordRoot + 24, third + 24, fifth + 24, chordRoot + 36};
                    const int* order = kArpOrders[st.arpOrder];
                    Note n;
                    n.start = t0 + s16 * sixteenth;
                    n.length = sixteenth * 0.6;
                    n.hz = Hz(tones[order[(s16 + barIndex) % 8]]);
                    n.wave = st.arp;
                    n.amp = 0.05;
                    n.decay = 12;
                    n.sustain = 0.2;
                    n.cutoff = st.arpCutoff;
                    n.release = 0.04;
                    if (bells) {  // FM bells ring longer than the plucked arpeggio
                        n.wave = Wave::Sine;
                        n.fm = 1.8;
                        n.fmRatio = 3.5;
                        n.length = sixteenth * 1.5;
                        n.decay = 7;
                        n.sustain = 0;
                        n.release = 0.15;
                        n.amp = 0.06;
                    }
                    n.pan = (s16 % 2 ? 0.35 : -0.35);
                    Render(melodic, n, wrap);
                }
            if (sec.lead) {
                const std::vector<int>& motif = motifs[size_t(sec.motif) % motifs.size()];
                const int half = (sb % 2) * 8;
                const int shift = (sb / 2) % 2 == 1 ? 2 : 0;  // the answer phrase sits a third higher
                for (int e = 0; e < 8; ++e) {
                    int step = motif[size_t(half + e)];
                    if (step <= kTie) continue;
                    int len = 1;
                    while (e + len < 8 && motif[size_t(half + e + len)] == kTie) ++len;
                    Note n;
                    n.start = t0 + e * eighth + (e % 2 ? swing : 0);
                    n.length = len * eighth * 0.9;
                    int pitch = degree + step + shift;
                    while (pitch > 11) pitch -= 7;  // keep the tune within about an octave and a half
                    n.hz = Hz(ScaleNote(st, pitch) + 24);
                    n.wave = st.lead;
                    n.amp = 0.1;
                    n.attack = 0.01;
                    n.decay = 2;
                    n.sustain = 0.6;
                    n.release = 0.08;
                    n.cutoff = st.leadCutoff;
                    n.cutoffEnd = st.leadCutoff * 0.45;  // each note closes a little: a plucked, vocal edge
                    n.vibratoHz = len > 1 ? 5.5 : 0;
                    n.vibratoDepth = 0.15;
                    n.detune = st.lead == Wave::Saw ? 0.08 : 0;
                    n.pan = -0.1;
                    Render(melodic, n, wrap);
                    if (sec.motif == 1 && sec.pad) {  // big choruses: the tune doubled an octave down
                        Note low = n;
                        low.hz /= 2;
                        low.wave = Wave::Triangle;
                        low.amp = 0.07;
                        low.detune = 0;
                        low.pan = 0.25;
                        Render(melodic, low, wrap);
                    }
                }
            }
            if (sec.drums && sb == 0) {  // a crash marks each new section
                Note crash;
                crash.start = t0;
                crash.length = bar * 0.6;
                crash.hz = 20000;
                crash.wave = Wave::Noise;
                crash.amp = 0.08;
                crash.attack = 0.002;
                crash.decay = 3;
                crash.sustain = 0;
                crash.cutoff = 9000;
                crash.release = 0.1;
                crash.pan = -0.2;
                crash.seed = uint64_t(barIndex + 1000);
                Render(out, crash, wrap);
            }
            if (sec.drums) {
                for (int s16 = 0; s16 < 16; ++s16) {
                    const double t = t0 + s16 * sixteenth + ((s16 / 2) % 2 ? swing : 0) * (s16 % 2 == 0);
                    bool kick = false, snare = false, hat = s16 % 2 == 0;
                    switch (st.drums) {
                        case 0: kick = s16 == 0 || s16 == 8 || s16 == 10; snare = s16 == 4 || s16 == 12; break;
                        case 1: kick = s16 % 4 == 0; snare = s16 == 4 || s16 == 12; hat = s16 % 4 == 2; break;
                        case 2: kick = s16 == 0 || s16 == 14; snare = s16 == 8; break;
                        default: kick = s16 == 0 || s16 == 6 || s16 == 10; snare = s16 == 4 || s16 == 12 || s16 == 15; hat = true; break;
                    }
                    if (sectionEnd && s16 >= 12) snare = true;  // a fill into the next section
                    if (kick) {
                        Note k;
                        k.start = t;
                        k.length = 0.16;
                        k.hz = 150;
                        k.hzEnd = 45;
                        k.wave = Wave::Sine;
                        k.amp = 0.42;
                        k.attack = 0.001;
                        k.decay = 18;
                        k.sustain = 0;
                        k.release = 0.02;
                        Render(out, k, wrap);
                    }
                    if (snare) {
                        Note sn;
                        sn.start = t;
                        sn.length = 0.14;
                        sn.hz = 20000;
                        sn.wave = Wave::Noise;
                        sn.amp = sectionEnd && s16 >= 12 ? 0.12 + 0.02 * (s16 - 12) : 0.2;
                        sn.attack = 0.001;
                        sn.decay = 22;
                        sn.sustain = 0;
                        sn.cutoff = 6000;
                        sn.release = 0.02;
                        sn.seed = uint64_t(barIndex * 16 + s16 + 7);
                        Render(out, sn, wrap);
                        Note body = sn;
                        body.wave = Wave::Triangle;
                        body.hz = 190;
                        body.hzEnd = 150;
                        body.amp = 0.15;
                        body.cutoff = 0;
                        Render(out, body, wrap);
                    }
                    if (hat) {
                        Note h;
                        h.start = t;
                        h.length = 0.03;
                        h.hz = 20000;
                        h.wave = Wave::Noise;
                        h.amp = 0.06;
                        h.attack = 0.001;
                        h.release = 0.02;
                        h.pan = 0.25;
                        h.seed = uint64_t(barIndex * 31 + s16);
                        Render(out, h, wrap);
                    }
                }
            }
        }
    }
    Echo(melodic, beat * 0.75, 0.35, st.echo, wrap);
    for (size_t i = 0; i < out.Frames(); ++i) {
        out.left[i] += melodic.left[i];
        out.right[i] += melodic.right[i];
    }
    out.Normalise(0.8f);
    if (!a.loops) out.FadeEdges(0.5, 4.0);
    return out;
}

}  // namespace forge
// clang-format on
