#pragma once
// Small synthesis toolkit. Only +, -, *, / and table look-ups are used on floating-point values,
// so every machine and every optimisation level renders the same samples.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tsn::snd {

inline constexpr int kRate = 44100;

// Sine of a phase given in turns, from a table with linear interpolation.
double Sine(double turns);
// exp(-t / tau) for t >= 0, by repeated squaring of a series value (no library calls).
double Decay(double t, double tau);
// Frequency of a MIDI note number (69 = 440 Hz, 12 notes an octave).
double NoteHz(double note);

// Linear congruential noise in [-1, 1).
class Noise {
public:
    explicit Noise(uint32_t seed) : state_(seed) {}
    double next() {
        state_ = state_ * 1664525u + 1013904223u;
        return double(state_ >> 8) / 8388608.0 - 1.0;
    }

private:
    uint32_t state_;
};

// One-pole low-pass; the coefficient is the fraction of the gap closed per sample.
struct LowPass {
    double y = 0;
    double run(double x, double k) { return y += k * (x - y); }
};

// Mix buffer of one loop or one effect; notes written past the end wrap to the start when
// `wrap` is set, so a looping track has no seam.
class Track {
public:
    Track(size_t length, bool wrap) : data_(length, 0.0), wrap_(wrap) {}
    void add(long index, double v) {
        if (wrap_) {
            const long n = long(data_.size());
            index %= n;
            if (index < 0) index += n;
        } else if (index < 0 || index >= long(data_.size())) {
            return;
        }
        data_[size_t(index)] += v;
    }
    size_t size() const { return data_.size(); }
    const std::vector<double>& data() const { return data_; }
    std::vector<double>& data() { return data_; }

private:
    std::vector<double> data_;
    bool wrap_;
};

// Scales to the given peak and rounds to 16-bit samples; optional fades of `fadeSamples` at
// both ends end the sound on silence.
std::vector<int16_t> ToPcm(const std::vector<double>& mix, int peak, int fadeSamples);

}  // namespace tsn::snd
