#include "Dsp.h"

#include <algorithm>
#include <cmath>

namespace assetgen::dsp {

double Noise::uniform() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_ / 4294967296.0;
}

BandPass::BandPass(double centreHz, double q) {
    const double w0 = kTwoPi * centreHz / kSampleRate;
    const double alpha = std::sin(w0) / (2 * q);
    const double a0 = 1 + alpha;
    b0_ = alpha / a0;
    b2_ = -alpha / a0;
    a1_ = -2 * std::cos(w0) / a0;
    a2_ = (1 - alpha) / a0;
}

double BandPass::operator()(double input) {
    const double output = b0_ * input + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = input;
    y2_ = y1_;
    y1_ = output;
    return output;
}

std::vector<float> silence(double seconds) {
    return std::vector<float>(static_cast<std::size_t>(seconds * kSampleRate), 0.0f);
}

void fadeEdges(std::vector<float>& samples, double seconds) {
    const std::size_t length =
        std::min(samples.size() / 2, static_cast<std::size_t>(seconds * kSampleRate));
    for (std::size_t i = 0; i < length; ++i) {
        const float gain = static_cast<float>(i) / static_cast<float>(length);
        samples[i] *= gain;
        samples[samples.size() - 1 - i] *= gain;
    }
}

void normalise(std::vector<float>& samples, double peak) {
    float loudest = 0;
    for (float sample : samples)
        loudest = std::max(loudest, std::fabs(sample));
    if (loudest == 0)
        return;
    const float gain = static_cast<float>(peak) / loudest;
    for (float& sample : samples)
        sample *= gain;
}

} // namespace assetgen::dsp
