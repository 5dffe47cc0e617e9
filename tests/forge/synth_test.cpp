// The synthesis kit: notes sound where and how long they should, at the pitch asked for, and
// loops carry their tails round to the start.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "synth.h"

namespace {

using forge::Note;
using forge::Sound;

size_t FirstNonZero(const std::vector<float>& v) {
    for (size_t i = 0; i < v.size(); ++i)
        if (v[i] != 0.0f) return i;
    return v.size();
}
size_t LastNonZero(const std::vector<float>& v, size_t below = SIZE_MAX) {
    for (size_t i = std::min(below, v.size()); i-- > 0;)
        if (v[i] != 0.0f) return i;
    return v.size();
}
int Crossings(const std::vector<float>& v, size_t from, size_t to) {
    int n = 0;
    for (size_t i = from + 1; i < to; ++i) n += (v[i - 1] < 0) != (v[i] < 0);
    return n;
}

Note SineNote(double start, double length, double hz) {
    Note n;
    n.start = start;
    n.length = length;
    n.hz = hz;
    n.wave = forge::Wave::Sine;
    n.amp = 0.5;
    n.attack = 0.001;
    n.release = 0.01;
    return n;
}

TEST(Synth, PitchesFollowTheMidiScale) {
    EXPECT_DOUBLE_EQ(forge::MidiToHz(69), 440.0);
    EXPECT_NEAR(forge::MidiToHz(81), 880.0, 1e-9);
    EXPECT_NEAR(forge::MidiToHz(60), 261.6256, 1e-3);
}

TEST(Synth, ANoteSoundsFromItsStartUntilItsReleaseEnds) {
    Sound s(44100);
    forge::Render(s, SineNote(0.25, 0.5, 441));
    EXPECT_EQ(FirstNonZero(s.left), 11025u + 1);  // the attack starts from silence
    // 0.5 s held plus 0.01 s release: 22050 + 441 frames after the start.
    EXPECT_NEAR(double(LastNonZero(s.left)), 11025 + 22050 + 441, 2);
    // 441 Hz: two crossings per cycle; a quarter of a second holds 110.25 cycles.
    EXPECT_NEAR(Crossings(s.left, 11025 + 441, 11025 + 441 + 11025), 220, 2);
}

TEST(Synth, SlidesArriveAtTheirEndPitch) {
    Sound s(44100);
    Note n = SineNote(0, 1.0, 1000);
    n.hzEnd = 250;
    forge::Render(s, n);
    EXPECT_NEAR(Crossings(s.left, 0, 4410), 2 * 100 * 0.95, 20);     // near 1000 Hz at first
    EXPECT_NEAR(Crossings(s.left, 39690, 44100), 2 * 25 * 1.05, 6);  // near 250 Hz at the end
}

TEST(Synth, PanningHardLeftLeavesTheRightChannelSilent) {
    Sound s(4410);
    Note n = SineNote(0, 0.05, 441);
    n.pan = -1;
    forge::Render(s, n);
    EXPECT_GT(s.Peak(), 0.3f);
    float right = 0;
    for (float v : s.right) right = std::max(right, std::fabs(v));
    EXPECT_LT(right, 1e-6f);
}

TEST(Synth, InALoopATailPastTheEndLandsAtTheStart) {
    Sound plain(44100), loop(44100);
    Note n = SineNote(0.9, 0.3, 441);  // runs 0.21 s past the end
    forge::Render(plain, n, false);
    forge::Render(loop, n, true);
    EXPECT_EQ(FirstNonZero(plain.left), 39691u);
    EXPECT_LT(FirstNonZero(loop.left), 10u);
    // 0.3 s held and 0.01 s of release from 0.9 s: 13670 frames, the last 9261 of them wrapped.
    EXPECT_NEAR(double(LastNonZero(loop.left, 39690)), 9260, 2);
}

TEST(Synth, EchoRepeatsAfterItsDelayAndWrapsInALoop) {
    Sound s(1000);
    s.left[100] = s.right[100] = 1.0f;
    forge::Echo(s, 200.5 / 44100, 0.5, 0.5, false);
    EXPECT_FLOAT_EQ(s.left[300], 0.5f);
    EXPECT_FLOAT_EQ(s.left[500], 0.25f);
    EXPECT_FLOAT_EQ(s.left[200], 0.0f);

    Sound loop(1000);
    loop.left[900] = loop.right[900] = 1.0f;
    forge::Echo(loop, 200.5 / 44100, 0.0, 0.5, true);
    EXPECT_FLOAT_EQ(loop.left[100], 0.5f);  // 900 + 200 wraps to 100
}

TEST(Synth, FadesAndNormalisingShapeTheWholeSound) {
    Sound s(1000);
    for (size_t i = 0; i < 1000; ++i) s.left[i] = s.right[i] = 0.25f;
    s.FadeEdges(100.5 / 44100, 200.5 / 44100);
    EXPECT_FLOAT_EQ(s.left[0], 0.0f);
    EXPECT_NEAR(s.left[50], 0.125f, 1e-6);
    EXPECT_FLOAT_EQ(s.left[500], 0.25f);
    EXPECT_LT(s.left[999], 0.01f);
    s.Normalise(0.8f);
    EXPECT_FLOAT_EQ(s.Peak(), 0.8f);
    EXPECT_FLOAT_EQ(s.left[500], 0.8f);
}

}  // namespace
