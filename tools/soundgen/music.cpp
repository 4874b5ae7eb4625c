// "Quorvane": the background loop. 120 beats a minute, 32 bars in D minor: a theme, a softer
// second theme, the theme again over running arpeggios, and a breakdown that builds back
// into the theme. Everything is written into one loop-long buffer; sounds that ring past the
// end continue at the start, so the loop has no seam.
#include <string>
#include <vector>

#include "dsp.h"
#include "sounds.h"

namespace tsn::snd {
namespace {

constexpr double kBeat = 0.5;  // seconds
constexpr int kBars = 32;

long At(double beats) {
    return long(beats * kBeat * kRate);
}

// Chord of a bar: bass root (MIDI) and whether the third is minor.
struct Chord {
    int root;
    bool minor;
};
const Chord kDm{38, true}, kBb{34, false}, kC{36, false}, kF{41, false}, kGm{43, true},
    kA{33, false}, kAm{33, true};

Chord ChordOfBar(int bar) {
    static const Chord a[8] = {kDm, kDm, kBb, kC, kDm, kF, kGm, kA};
    static const Chord b[8] = {kBb, kC, kAm, kDm, kGm, kC, kF, kA};
    static const Chord c[8] = {kDm, kBb, kGm, kA, kDm, kF, kGm, kA};
    const int section = bar / 8, i = bar % 8;
    return section == 1 ? b[i] : (section == 3 ? c[i] : a[i]);
}

// Melodies in eighth notes: "A4:3" is A4 held three eighths, "-:2" a rest of two.
const char* kThemeA[8] = {"A4:3 F4:1 D5:2 C5:1 A4:1",   "D5:3 E5:1 F5:2 E5:1 D5:1",
                          "F5:3 D5:1 Bb4:2 D5:2",       "C5:3 E5:1 G5:2 E5:1 C5:1",
                          "A5:3 F5:1 D5:2 F5:1 A5:1",   "G5:2 F5:2 E5:2 C5:2",
                          "D5:3 Bb4:1 G4:2 Bb4:1 D5:1", "C#5:3 E5:1 A4:4"};
const char* kThemeB[8] = {
    "F5:6 D5:2",       "E5:6 G5:2",      "E5:4 C5:2 A4:2",      "D5:6 -:2",
    "Bb4:3 D5:1 G5:4", "G5:3 E5:1 C5:4", "A5:3 G5:1 F5:2 E5:2", "E5:4 C#5:2 A4:2"};

struct Note {
    double beat;  // start within the bar
    double length;
    int midi;  // -1 for a rest
};

std::vector<Note> ParseBar(const std::string& text) {
    std::vector<Note> notes;
    double beat = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t end =
            text.find(' ', pos) == std::string::npos ? text.size() : text.find(' ', pos);
        const std::string tok = text.substr(pos, end - pos);
        pos = end + 1;
        const size_t colon = tok.find(':');
        const double len = std::stoi(tok.substr(colon + 1)) * 0.5;
        int midi = -1;
        if (tok[0] != '-') {
            static const int pc[7] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
            int p = pc[tok[0] - 'A'];
            size_t k = 1;
            if (tok[k] == '#') ++p, ++k;
            if (tok[k] == 'b') --p, ++k;
            midi = 12 * (tok[k] - '0' + 1) + p;
        }
        notes.push_back({beat, len, midi});
        beat += len;
    }
    return notes;
}

double Attack(double s, double time) {
    return s < time ? s / time : 1.0;
}
// Gate with a short release after the note's length.
double Release(double s, double length, double time) {
    return s < length ? 1.0 : (s < length + time ? 1.0 - (s - length) / time : 0.0);
}

void Bass(Track& t, double beat, double beats, int midi, double gain) {
    const double f = NoteHz(midi), len = beats * kBeat;
    const long first = At(beat), n = long((len + 0.03) * kRate);
    for (long i = 0; i < n; ++i) {
        const double s = double(i) / kRate;
        double v = 0;
        for (int k = 1; k <= 6; ++k)
            v += Sine(k * f * s) / k * (k == 1 ? 1.0 : Decay(s, 0.08 * 2 / k));
        t.add(first + i,
              v * gain * Attack(s, 0.004) * Release(s, len, 0.03) * (0.6 + 0.4 * Decay(s, 0.2)));
    }
}

void Pad(Track& t, double beat, double beats, const Chord& c, double gain) {
    const int third = c.minor ? 3 : 4;
    const int voices[3] = {c.root + 24, c.root + 24 + third, c.root + 24 + 7};
    const double len = beats * kBeat;
    const long first = At(beat), n = long((len + 0.5) * kRate);
    for (int v = 0; v < 3; ++v) {
        const double f = NoteHz(voices[v]);
        for (long i = 0; i < n; ++i) {
            const double s = double(i) / kRate;
            const double tone =
                Sine(f * 0.9985 * s) + Sine(f * 1.0015 * s + 0.3) + 0.2 * Sine(2 * f * s);
            t.add(first + i, tone * gain * Attack(s, 0.3) * Release(s, len, 0.5));
        }
    }
}

void Pluck(Track& t, double beat, int midi, double gain) {
    const double f = NoteHz(midi);
    const long first = At(beat), n = long(0.3 * kRate);
    for (long i = 0; i < n; ++i) {
        const double s = double(i) / kRate;
        const double v = Sine(f * s) + Sine(3 * f * s) / 3 * Decay(s, 0.04) +
                         Sine(5 * f * s) / 5 * Decay(s, 0.02);
        t.add(first + i, v * gain * Attack(s, 0.002) * Decay(s, 0.07) * Release(s, 0.25, 0.05));
    }
}

void Lead(Track& t, double beat, double beats, int midi, double gain) {
    const double f = NoteHz(midi), len = beats * kBeat - 0.02;
    const long first = At(beat), n = long((len + 0.08) * kRate);
    for (long i = 0; i < n; ++i) {
        const double s = double(i) / kRate;
        const double vib = s > 0.15 ? 0.35 * (s - 0.15 < 0.2 ? (s - 0.15) / 0.2 : 1.0) : 0.0;
        const double ph = f * s + vib * Sine(5.5 * s) / 6.0 * f / 440.0;
        const double v = Sine(ph) - Sine(3 * ph) / 9 + Sine(5 * ph) / 25 + 0.15 * Sine(2 * ph);
        t.add(first + i,
              v * gain * Attack(s, 0.012) * Release(s, len, 0.08) * (0.75 + 0.25 * Decay(s, 0.3)));
    }
}

void Kick(Track& t, double beat, double gain) {
    const long first = At(beat), n = long(0.35 * kRate);
    double phase = 0;
    for (long i = 0; i < n; ++i) {
        const double s = double(i) / kRate;
        phase += (45 + 85 * Decay(s, 0.03)) / kRate;
        t.add(first + i, Sine(phase) * gain * Attack(s, 0.001) * Decay(s, 0.12));
    }
}

void Snare(Track& t, double beat, double gain, uint32_t seed) {
    Noise noise(seed);
    LowPass lp;
    const long first = At(beat), n = long(0.25 * kRate);
    for (long i = 0; i < n; ++i) {
        const double s = double(i) / kRate;
        const double x = noise.next();
        const double bright = x - lp.run(x, 0.15);
        const double v = bright * Decay(s, 0.08) + 0.5 * Sine(190 * s) * Decay(s, 0.04);
        t.add(first + i, v * gain * Attack(s, 0.001));
    }
}

void Hat(Track& t, double beat, double gain, double tau, uint32_t seed) {
    Noise noise(seed);
    LowPass lp;
    const long first = At(beat), n = long((tau * 6) * kRate);
    for (long i = 0; i < n; ++i) {
        const double s = double(i) / kRate;
        const double x = noise.next();
        t.add(first + i, (x - lp.run(x, 0.5)) * gain * Attack(s, 0.0008) * Decay(s, tau));
    }
}

}  // namespace

std::vector<int16_t> RenderMusic() {
    Track t(size_t(At(kBars * 4.0)), true);
    uint32_t seed = 1;
    for (int bar = 0; bar < kBars; ++bar) {
        const double b0 = bar * 4.0;
        const int section = bar / 8, i = bar % 8;
        const Chord c = ChordOfBar(bar);
        const bool breakdown = section == 3 && i < 4;

        Pad(t, b0, 4, c, 0.055);

        // Bass: eighth notes walking between root, octave and fifth; long notes in the breakdown.
        if (breakdown) {
            Bass(t, b0, 3.9, c.root, 0.3);
        } else {
            static const int walk[8] = {0, 0, 12, 0, 7, 0, 12, 7};
            for (int k = 0; k < 8; ++k) Bass(t, b0 + k * 0.5, 0.45, c.root + walk[k], 0.3);
        }

        // Arpeggio in sixteenths over the upper chord tones.
        if (section > 0) {
            const int third = c.minor ? 3 : 4;
            const int tones[4] = {c.root + 36, c.root + 36 + third, c.root + 36 + 7, c.root + 48};
            static const int order[8] = {0, 1, 2, 1, 3, 2, 1, 2};
            for (int k = 0; k < 16; ++k)
                Pluck(t, b0 + k * 0.25, tones[order[k % 8]], k % 4 == 0 ? 0.075 : 0.055);
        }

        // The tune, with two echoes.
        const char* line = nullptr;
        if (section == 0 || section == 2) line = kThemeA[i];
        if (section == 1) line = kThemeB[i];
        if (section == 3 && i >= 4) line = kThemeA[i];
        if (line != nullptr)
            for (const Note& n : ParseBar(line)) {
                if (n.midi < 0) continue;
                Lead(t, b0 + n.beat, n.length, n.midi, 0.2);
                Lead(t, b0 + n.beat + 0.75, n.length, n.midi, 0.06);
                Lead(t, b0 + n.beat + 1.5, n.length, n.midi, 0.025);
            }

        // Drums in sixteenth steps.
        for (int step = 0; step < 16; ++step) {
            const double at = b0 + step * 0.25;
            const bool kick = step == 0 || step == 8 || (bar % 2 == 1 && step == 11);
            if (kick && !breakdown) Kick(t, at, 0.55);
            if (step == 4 || step == 12) Snare(t, at, breakdown ? 0.12 : 0.28, seed++);
            if (bar == kBars - 1 && step >= 8 && step % 4 != 0)
                Snare(t, at, 0.08 + 0.02 * (step - 8), seed++);
            if (step % 2 == 0) {
                const bool open = step == 14 && bar % 4 == 3;
                Hat(t, at, step % 4 == 2 ? 0.08 : 0.05, open ? 0.09 : 0.018, seed++);
            }
        }
    }
    return ToPcm(t.data(), kMusicPeak, 0);
}

}  // namespace tsn::snd
