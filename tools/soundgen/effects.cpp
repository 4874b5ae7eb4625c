// Seven short effects, each shaped for its event and faded in and out over a few samples so
// that nothing clicks.
#include "dsp.h"
#include "sounds.h"

namespace tsn::snd {
namespace {

constexpr int kFade = 88;  // 2 ms

size_t Samples(double seconds) {
    return size_t(seconds * kRate);
}

// A heavy boulder lands: a falling low thump with a short gritty knock.
std::vector<int16_t> Zonk() {
    Track t(Samples(0.24), false);
    Noise noise(101);
    LowPass grit, body;
    double phase = 0;
    for (size_t i = 0; i < t.size(); ++i) {
        const double s = double(i) / kRate;
        const double f = 55 + 110 * Decay(s, 0.035);
        phase += f / kRate;
        const double thump = Sine(phase) * Decay(s, 0.07);
        const double knock = grit.run(noise.next(), 0.18) * Decay(s, 0.018) * 2.2;
        const double rumble = body.run(noise.next(), 0.02) * Decay(s, 0.08) * 3.0;
        t.add(long(i), thump + knock + rumble);
    }
    return ToPcm(t.data(), kEffectPeak, kFade);
}

// An Infotron is taken: a bright two-note chime going up.
std::vector<int16_t> Infotron() {
    Track t(Samples(0.34), false);
    const double notes[2] = {NoteHz(88), NoteHz(95)};  // E6, B6
    const double starts[2] = {0.0, 0.065};
    for (int n = 0; n < 2; ++n) {
        const size_t first = Samples(starts[n]);
        for (size_t i = first; i < t.size(); ++i) {
            const double s = double(i - first) / kRate;
            const double f = notes[n];
            const double attack = s < 0.003 ? s / 0.003 : 1.0;
            const double v = Sine(f * s) + 0.3 * Sine(2 * f * s) * Decay(s, 0.05) +
                             0.12 * Sine(2.76 * f * s) * Decay(s, 0.03);
            t.add(long(i), v * attack * Decay(s, n == 0 ? 0.06 : 0.09) * (n == 0 ? 0.8 : 1.0));
        }
    }
    return ToPcm(t.data(), kEffectPeak, kFade);
}

// A bug sparks: crackling bursts over a mains-like buzz.
std::vector<int16_t> Bug() {
    Track t(Samples(0.36), false);
    Noise noise(303), gate(304);
    LowPass hp;
    double burst = 0;
    for (size_t i = 0; i < t.size(); ++i) {
        const double s = double(i) / kRate;
        if (i % 220 == 0) burst = gate.next() > 0.1 ? 1.0 : 0.15;
        const double n = noise.next();
        const double crackle = (n - hp.run(n, 0.25)) * burst;
        double buzz = 0;
        for (int k = 1; k <= 9; k += 2) buzz += Sine(100.0 * k * s) / k;
        const double env = (s < 0.01 ? s / 0.01 : 1.0) * Decay(s, 0.16);
        t.add(long(i), (crackle * 0.9 + buzz * 0.45) * env);
    }
    return ToPcm(t.data(), kEffectPeak, kFade);
}

// A blast: a noise burst whose brightness falls away, over a deep boom.
std::vector<int16_t> Explosion() {
    Track t(Samples(1.15), false);
    Noise noise(505);
    LowPass a, b;
    double phase = 0;
    for (size_t i = 0; i < t.size(); ++i) {
        const double s = double(i) / kRate;
        const double k = 0.02 + 0.35 * Decay(s, 0.12);
        const double rush = b.run(a.run(noise.next(), k), k) * Decay(s, 0.32);
        phase += (35 + 45 * Decay(s, 0.15)) / kRate;
        const double boom = Sine(phase) * Decay(s, 0.22);
        const double attack = s < 0.004 ? s / 0.004 : 1.0;
        t.add(long(i), (rush * 2.2 + boom) * attack);
    }
    return ToPcm(t.data(), kEffectPeak, kFade);
}

// Something heavy is shoved: a short scrape with a low grind.
std::vector<int16_t> Push() {
    Track t(Samples(0.26), false);
    Noise noise(707);
    LowPass lo, hi;
    for (size_t i = 0; i < t.size(); ++i) {
        const double s = double(i) / kRate;
        const double n = noise.next();
        const double band = lo.run(n, 0.12) - hi.run(n, 0.03);
        const double wobble = 0.75 + 0.25 * Sine(23 * s);
        const double grind = Sine(90 * s + 0.3 * Sine(13 * s)) * 0.35;
        const double env = (s < 0.025 ? s / 0.025 : 1.0) * (s > 0.16 ? Decay(s - 0.16, 0.03) : 1.0);
        t.add(long(i), (band * 2.5 * wobble + grind) * env);
    }
    return ToPcm(t.data(), kEffectPeak, kFade);
}

// Leaving the level: a quick rising arpeggio that rings out.
std::vector<int16_t> Exit() {
    Track t(Samples(0.95), false);
    const int notes[6] = {72, 76, 79, 84, 88, 91};  // C major, two octaves up
    for (int n = 0; n < 6; ++n) {
        const size_t first = Samples(0.07 * n);
        const double f = NoteHz(notes[n]);
        for (size_t i = first; i < t.size(); ++i) {
            const double s = double(i - first) / kRate;
            const double attack = s < 0.004 ? s / 0.004 : 1.0;
            const double tone = Sine(f * s) + 0.25 * Sine(2 * f * s) + 0.1 * Sine(3.01 * f * s);
            t.add(long(i), tone * attack * Decay(s, n == 5 ? 0.25 : 0.12) * 0.5);
        }
    }
    return ToPcm(t.data(), kEffectPeak, kFade);
}

// Murphy eats a base: a soft, short crunch.
std::vector<int16_t> Base() {
    Track t(Samples(0.11), false);
    Noise noise(909);
    LowPass lp;
    for (size_t i = 0; i < t.size(); ++i) {
        const double s = double(i) / kRate;
        const double k = 0.08 + 0.3 * Decay(s, 0.02);
        const double crunch =
            lp.run(noise.next(), k) * (Noise(uint32_t(i / 300)).next() > -0.3 ? 1.0 : 0.4);
        const double blip = Sine(320 * s - 2000 * s * s) * Decay(s, 0.02) * 0.4;  // 320 Hz falling
        t.add(long(i), (crunch * 1.6 + blip) * (s < 0.003 ? s / 0.003 : 1.0) * Decay(s, 0.035));
    }
    return ToPcm(t.data(), kEffectPeak, kFade);
}

}  // namespace

const std::vector<Effect>& Effects() {
    static const std::vector<Effect> all = {{"Zonk.wav", Zonk}, {"Infotron.wav", Infotron},
                                            {"Bug.wav", Bug},   {"Explosion.wav", Explosion},
                                            {"Push.wav", Push}, {"Exit.wav", Exit},
                                            {"Base.wav", Base}};
    return all;
}

}  // namespace tsn::snd
