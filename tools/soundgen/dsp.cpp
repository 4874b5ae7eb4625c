#include "dsp.h"

#include <array>

namespace tsn::snd {
namespace {

constexpr int kTableSize = 4096;
constexpr double kTwoPi = 6.28318530717958647692;

const std::array<double, kTableSize + 1>& SineTable() {
    static const std::array<double, kTableSize + 1> table = [] {
        std::array<double, kTableSize + 1> t{};
        for (int i = 0; i <= kTableSize; ++i) {
            // Taylor series on [-pi, pi] after reducing the index to a half turn.
            const int k = i % kTableSize;
            double x = kTwoPi * double(k) / kTableSize;
            if (x > kTwoPi / 2) x -= kTwoPi;
            double term = x, sum = x;
            for (int n = 1; n <= 12; ++n) {
                term = -term * x * x / double((2 * n) * (2 * n + 1));
                sum += term;
            }
            t[size_t(i)] = sum;
        }
        return t;
    }();
    return table;
}

}  // namespace

double Sine(double turns) {
    double t = turns - double(int64_t(turns));
    if (t < 0) t += 1.0;
    const double pos = t * kTableSize;
    const int i = int(pos);
    const double frac = pos - double(i);
    const auto& table = SineTable();
    return table[size_t(i)] + (table[size_t(i) + 1] - table[size_t(i)]) * frac;
}

double Decay(double t, double tau) {
    if (t <= 0) return 1.0;
    if (t > 60 * tau) return 0.0;
    // e^-x = (e^(-x/1024))^1024, with the small power from its series.
    const double x = t / tau / 1024.0;
    double v = 1.0 - x + x * x / 2.0 - x * x * x / 6.0 + x * x * x * x / 24.0;
    for (int i = 0; i < 10; ++i) v *= v;
    return v;
}

double NoteHz(double note) {
    static const double semitone[12] = {1.0,
                                        1.0594630943592953,
                                        1.1224620483093730,
                                        1.1892071150027210,
                                        1.2599210498948732,
                                        1.3348398541700344,
                                        1.4142135623730951,
                                        1.4983070768766815,
                                        1.5874010519681994,
                                        1.6817928305074290,
                                        1.7817974362806785,
                                        1.8877486253633868};
    int n = int(note) - 69;
    const double cents = note - double(int(note));  // fractional notes: linear between steps
    double f = 440.0;
    while (n < 0) {
        n += 12;
        f /= 2.0;
    }
    while (n >= 12) {
        n -= 12;
        f *= 2.0;
    }
    f *= semitone[n];
    return f * (1.0 + cents * 0.0594630943592953);
}

std::vector<int16_t> ToPcm(const std::vector<double>& mix, int peak, int fadeSamples) {
    double top = 0;
    for (double v : mix) top = v > top ? v : (-v > top ? -v : top);
    const double gain = top > 0 ? double(peak) / top : 0;
    std::vector<int16_t> out(mix.size());
    const long n = long(mix.size());
    for (long i = 0; i < n; ++i) {
        double v = mix[size_t(i)] * gain;
        if (fadeSamples > 0) {
            const long edge = i < n - 1 - i ? i : n - 1 - i;
            if (edge < fadeSamples) {
                const double f = double(edge) / fadeSamples;
                v *= f * f * (3 - 2 * f);
            }
        }
        const double r = v >= 0 ? v + 0.5 : v - 0.5;
        out[size_t(i)] = int16_t(long(r));
    }
    return out;
}

}  // namespace tsn::snd
