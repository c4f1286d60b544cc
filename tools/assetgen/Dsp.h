// Small signal-processing kit for the synthesised sounds. Everything is deterministic: the
// noise comes from a fixed-seed generator, so every build writes the same bytes.
#pragma once

#include <cstdint>
#include <vector>

namespace assetgen::dsp {

inline constexpr int kSampleRate = 22050;
inline constexpr double kTwoPi = 6.283185307179586;

// xorshift32: tiny, fast and the same on every platform.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state_(seed ? seed : 1u) {}
    double uniform(); // in [0, 1)
    double white() { return uniform() * 2.0 - 1.0; }

private:
    std::uint32_t state_;
};

// A band-pass filter with 0 dB gain at its centre frequency.
class BandPass {
public:
    BandPass(double centreHz, double q);
    double operator()(double input);

private:
    double b0_, b2_, a1_, a2_;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

std::vector<float> silence(double seconds);

// Multiplies a short linear fade into the start and end, so no sound starts or stops with a click.
void fadeEdges(std::vector<float>& samples, double seconds);

// Scales the sound so that its loudest sample has magnitude peak (< 1).
void normalise(std::vector<float>& samples, double peak);

} // namespace assetgen::dsp
