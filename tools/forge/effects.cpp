// Sound effects, each shaped for its moment: a quick enemy zap, a bubbly crab shot, a light
// volley click that can repeat every 65 ms, blasts of three sizes, jingles and stings.
#include <cmath>
#include <functional>
#include <map>

#include "families.h"
#include "synth.h"

namespace forge {

namespace {

Note Tone(double start, double length, double hz, Wave wave, double amp) {
    Note n;
    n.start = start;
    n.length = length;
    n.hz = hz;
    n.wave = wave;
    n.amp = amp;
    return n;
}

void Blast(Sound& s, double length, double bright, double thumpHz, double amp, uint64_t seed) {
    Note noise = Tone(0, length, 20000, Wave::Noise, amp);
    noise.attack = 0.003;
    noise.decay = 3.5 / length;
    noise.sustain = 0;
    noise.cutoff = bright;
    noise.cutoffEnd = 220;
    noise.release = 0.05;
    noise.seed = seed;
    Render(s, noise);
    Note crackle = noise;
    crackle.hz = 2500;
    crackle.amp = amp * 0.5;
    crackle.cutoff = bright * 0.6;
    crackle.seed = seed + 1;
    crackle.pan = 0.3;
    Render(s, crackle);
    Note thump = Tone(0, length * 0.5, thumpHz, Wave::Sine, amp * 1.1);
    thump.hzEnd = thumpHz * 0.35;
    thump.decay = 6 / length;
    thump.sustain = 0;
    Render(s, thump);
}

Sound Make(const std::string& v, uint64_t seed) {
    if (v == "enemy_shot") {
        Sound s = Sound::OfSeconds(0.2);
        Note z = Tone(0, 0.16, 1400, Wave::Square, 0.35);
        z.hzEnd = 380;
        z.decay = 14;
        z.sustain = 0;
        z.cutoff = 5000;
        Render(s, z);
        Note n = Tone(0, 0.05, 9000, Wave::Noise, 0.15);
        n.decay = 60;
        n.sustain = 0;
        Render(s, n);
        return s;
    }
    if (v == "crab_shot") {
        Sound s = Sound::OfSeconds(0.32);
        Note b = Tone(0, 0.28, 520, Wave::Triangle, 0.5);
        b.hzEnd = 130;
        b.vibratoHz = 28;
        b.vibratoDepth = 2.5;
        b.decay = 8;
        b.sustain = 0;
        Render(s, b);
        Note n = Tone(0, 0.2, 3000, Wave::Noise, 0.18);
        n.cutoff = 2500;
        n.decay = 15;
        n.sustain = 0;
        Render(s, n);
        return s;
    }
    if (v == "hero_volley") {
        Sound s = Sound::OfSeconds(0.07);
        Note p = Tone(0, 0.055, 1900, Wave::Pulse25, 0.22);
        p.hzEnd = 900;
        p.decay = 40;
        p.sustain = 0;
        p.release = 0.01;
        p.cutoff = 7000;
        Render(s, p);
        Note n = Tone(0, 0.02, 12000, Wave::Noise, 0.1);
        n.release = 0.01;
        Render(s, n);
        return s;
    }
    if (v == "blast_small") {
        Sound s = Sound::OfSeconds(0.75);
        Blast(s, 0.65, 6000, 140, 0.55, seed);
        return s;
    }
    if (v == "blast_big") {
        Sound s = Sound::OfSeconds(1.5);
        Blast(s, 1.35, 4500, 90, 0.6, seed);
        Blast(s, 1.0, 2500, 60, 0.35, seed + 9);
        return s;
    }
    if (v == "hero_death") {
        Sound s = Sound::OfSeconds(1.6);
        Note fall = Tone(0, 0.9, 900, Wave::Saw, 0.3);
        fall.hzEnd = 50;
        fall.cutoff = 3000;
        fall.cutoffEnd = 300;
        fall.vibratoHz = 12;
        fall.vibratoDepth = 0.6;
        Render(s, fall);
        Blast(s, 1.45, 5000, 110, 0.5, seed);
        return s;
    }
    if (v == "pickup") {
        Sound s = Sound::OfSeconds(0.5);
        const double notes[] = {72, 76, 79, 84, 88};
        for (int i = 0; i < 5; ++i) {
            Note n = Tone(i * 0.06, 0.1, MidiToHz(notes[i]), Wave::Square, 0.22);
            n.decay = 10;
            n.sustain = 0.3;
            n.release = 0.12;
            n.pan = (i - 2) * 0.15;
            Render(s, n);
        }
        return s;
    }
    if (v == "bonus_tick") {
        Sound s = Sound::OfSeconds(0.35);
        Note a = Tone(0, 0.06, MidiToHz(83), Wave::Square, 0.25);
        a.release = 0.02;
        Render(s, a);
        Note b = Tone(0.06, 0.18, MidiToHz(88), Wave::Square, 0.25);
        b.decay = 10;
        b.sustain = 0;
        b.release = 0.08;
        Render(s, b);
        return s;
    }
    if (v == "curtain") {
        Sound s = Sound::OfSeconds(1.1);
        Note whoosh = Tone(0, 0.7, 20000, Wave::Noise, 0.35);
        whoosh.attack = 0.4;
        whoosh.cutoff = 400;
        whoosh.cutoffEnd = 4000;
        whoosh.release = 0.05;
        whoosh.seed = seed;
        Render(s, whoosh);
        Note thud = Tone(0.7, 0.35, 110, Wave::Sine, 0.7);
        thud.hzEnd = 45;
        thud.decay = 10;
        thud.sustain = 0;
        Render(s, thud);
        Note clank = Tone(0.7, 0.3, 620, Wave::Square, 0.12);
        clank.fm = 3;
        clank.fmRatio = 1.41;
        clank.decay = 14;
        clank.sustain = 0;
        clank.cutoff = 3000;
        Render(s, clank);
        return s;
    }
    if (v == "gameover") {
        Sound s = Sound::OfSeconds(2.4);
        const double notes[] = {67, 63, 60, 55};
        for (int i = 0; i < 4; ++i) {
            Note n = Tone(i * 0.32, i == 3 ? 1.2 : 0.28, MidiToHz(notes[i]), Wave::Saw, 0.28);
            n.detune = 0.12;
            n.cutoff = 1800;
            n.cutoffEnd = i == 3 ? 300 : 1200;
            n.release = 0.15;
            n.vibratoHz = i == 3 ? 5 : 0;
            n.vibratoDepth = 0.3;
            Render(s, n);
            Note low = n;
            low.hz /= 2;
            low.amp = 0.2;
            Render(s, low);
        }
        return s;
    }
    if (v == "fanfare") {
        Sound s = Sound::OfSeconds(2.8);
        const double notes[] = {72, 72, 72, 79, 76, 79, 84};
        const double times[] = {0, 0.14, 0.28, 0.42, 0.84, 1.0, 1.16};
        const double lengths[] = {0.1, 0.1, 0.1, 0.36, 0.14, 0.14, 1.2};
        for (int i = 0; i < 7; ++i) {
            Note n = Tone(times[i], lengths[i], MidiToHz(notes[i]), Wave::Saw, 0.24);
            n.detune = 0.1;
            n.cutoff = 4000;
            n.release = 0.1;
            n.vibratoHz = i == 6 ? 6 : 0;
            n.vibratoDepth = 0.2;
            Render(s, n);
        }
        for (double chord : {60.0, 64.0, 67.0}) {
            Note n = Tone(1.16, 1.2, MidiToHz(chord), Wave::Square, 0.1);
            n.cutoff = 2500;
            n.release = 0.3;
            Render(s, n);
        }
        for (double t : {0.0, 0.42, 1.16}) {
            Note k = Tone(t, 0.2, 120, Wave::Sine, 0.5);
            k.hzEnd = 45;
            k.decay = 18;
            k.sustain = 0;
            Render(s, k);
        }
        return s;
    }
    if (v == "boss_jingle") {
        Sound s = Sound::OfSeconds(1.6);
        for (int i = 0; i < 6; ++i) {
            Note n = Tone(i * 0.22, 0.16, MidiToHz(i % 2 == 0 ? 81 : 76), Wave::Square, 0.24);
            n.release = 0.04;
            n.cutoff = 5000;
            Render(s, n);
            Note lo = n;
            lo.hz /= 4;
            lo.wave = Wave::Triangle;
            lo.amp = 0.3;
            Render(s, lo);
        }
        return s;
    }
    if (v == "roar") {
        Sound s = Sound::OfSeconds(1.1);
        Note g = Tone(0, 0.9, 120, Wave::Saw, 0.45);
        g.hzEnd = 55;
        g.attack = 0.05;
        g.fm = 4;
        g.fmRatio = 0.5;
        g.vibratoHz = 17;
        g.vibratoDepth = 1.2;
        g.cutoff = 1600;
        g.cutoffEnd = 500;
        g.release = 0.15;
        Render(s, g);
        Note n = Tone(0, 0.9, 800, Wave::Noise, 0.25);
        n.cutoff = 1200;
        n.attack = 0.05;
        n.release = 0.15;
        n.seed = seed;
        Render(s, n);
        return s;
    }
    if (v == "insect_arrival") {
        Sound s = Sound::OfSeconds(1.9);
        for (int k = 0; k < 2; ++k) {
            Note b = Tone(0, 1.6, k == 0 ? 110 : 113, Wave::Saw, 0.3);
            b.hzEnd = 220;
            b.attack = 0.3;
            b.vibratoHz = 26;
            b.vibratoDepth = 1.5;
            b.cutoff = 2500;
            b.release = 0.25;
            b.pan = k == 0 ? -0.4 : 0.4;
            Render(s, b);
        }
        return s;
    }
    if (v == "xorg_arrival") {
        Sound s = Sound::OfSeconds(2.6);
        for (double semis : {0.0, 0.15, 7.0, 12.1}) {
            Note d = Tone(0, 2.0, MidiToHz(33 + semis), Wave::Saw, 0.2);
            d.attack = 0.8;
            d.cutoff = 200;
            d.cutoffEnd = 2400;
            d.release = 0.5;
            d.pan = semis > 6 ? 0.3 : -0.3;
            Render(s, d);
        }
        Note n = Tone(0, 2.0, 20000, Wave::Noise, 0.15);
        n.attack = 1.5;
        n.cutoff = 300;
        n.cutoffEnd = 3000;
        n.release = 0.5;
        n.seed = seed;
        Render(s, n);
        return s;
    }
    // xorg_change: a metallic sweep up and a zap.
    Sound s = Sound::OfSeconds(1.6);
    Note sweep = Tone(0, 1.0, 200, Wave::Square, 0.22);
    sweep.hzEnd = 1600;
    sweep.fm = 5;
    sweep.fmRatio = 1.5;
    sweep.cutoff = 5000;
    sweep.release = 0.1;
    Render(s, sweep);
    Note zap = Tone(1.0, 0.45, 2400, Wave::Saw, 0.3);
    zap.hzEnd = 80;
    zap.decay = 6;
    zap.sustain = 0;
    zap.release = 0.1;
    Render(s, zap);
    Blast(s, 0.5, 3000, 80, 0.3, seed);
    return s;
}

}  // namespace

Sound MakeEffect(const Asset& a) {
    Sound s = Make(a.variant, a.seed);
    s.Normalise(a.variant == "hero_volley" ? 0.45f : 0.85f);
    s.FadeEdges(0.002, 0.01);
    return s;
}

}  // namespace forge
