#include "Sounds.h"

#include "Dsp.h"

#include <cmath>

namespace assetgen {

namespace {

using namespace dsp;

double seconds(std::size_t index) {
    return static_cast<double>(index) / kSampleRate;
}

// A soft key tick: a short, high, quickly damped click with a breath of noise.
std::vector<float> keyTick() {
    std::vector<float> out = silence(0.05);
    Noise noise(0x7A11);
    BandPass air(3500, 2);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = seconds(i);
        out[i] = static_cast<float>(std::sin(kTwoPi * 1800 * t) * std::exp(-t / 0.006) +
                                    0.5 * air(noise.white()) * std::exp(-t / 0.004));
    }
    fadeEdges(out, 0.001);
    normalise(out, 0.45);
    return out;
}

// A mellow tone with a few harmonics, rising quickly and dying away.
void addTone(std::vector<float>& out, double start, double length, double hz, double decay) {
    const auto first = static_cast<std::size_t>(start * kSampleRate);
    const auto count = static_cast<std::size_t>(length * kSampleRate);
    for (std::size_t i = 0; i < count && first + i < out.size(); ++i) {
        const double t = seconds(i);
        const double envelope =
            std::min(1.0, t / 0.015) * std::exp(-t / decay) * std::min(1.0, (length - t) / 0.03);
        const double phase = kTwoPi * hz * t;
        out[first + i] += static_cast<float>(
            envelope * (std::sin(phase) + 0.3 * std::sin(2 * phase) + 0.1 * std::sin(3 * phase)));
    }
}

// "Not quite": two gentle tones stepping down.
std::vector<float> notQuite() {
    std::vector<float> out = silence(0.6);
    addTone(out, 0.0, 0.24, 392.0, 0.2);   // G
    addTone(out, 0.25, 0.34, 311.1, 0.25); // E flat
    normalise(out, 0.5);
    return out;
}

// About three seconds of a small audience clapping: each clapper claps a few times a second
// with a little jitter, each clap a burst of noise coloured by that clapper's hands.
std::vector<float> applause() {
    const double length = 3.2;
    std::vector<float> out = silence(length);
    Noise noise(0xC1A9);
    constexpr int kClappers = 16;
    for (int clapper = 0; clapper < kClappers; ++clapper) {
        std::vector<float> hands = silence(length);
        const double rate = 3.6 + 1.6 * noise.uniform();
        for (double t = 0.05 * noise.uniform(); t < length - 0.05;
             t += (0.8 + 0.4 * noise.uniform()) / rate) {
            const auto at = static_cast<std::size_t>(t * kSampleRate);
            const double loudness = 0.6 + 0.4 * noise.uniform();
            for (std::size_t i = 0; i < 400 && at + i < hands.size(); ++i)
                hands[at + i] +=
                    static_cast<float>(loudness * noise.white() * std::exp(-seconds(i) / 0.006));
        }
        BandPass colour(900 + 1600 * noise.uniform(), 1.3);
        for (std::size_t i = 0; i < out.size(); ++i)
            out[i] += static_cast<float>(colour(hands[i]));
    }
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = seconds(i);
        out[i] *= static_cast<float>(std::min(1.0, t / 0.25) * std::min(1.0, (length - t) / 1.0));
    }
    normalise(out, 0.8);
    return out;
}

// A light blip that rises, for every press of a screen button.
std::vector<float> blip() {
    std::vector<float> out = silence(0.09);
    double phase = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = seconds(i);
        const double hz = 700 + 350 * (t / 0.09);
        phase += kTwoPi * hz / kSampleRate;
        const double envelope = std::min(1.0, t / 0.005) * std::exp(-t / 0.03);
        out[i] = static_cast<float>(envelope * (std::sin(phase) + 0.2 * std::sin(2 * phase)));
    }
    fadeEdges(out, 0.003);
    normalise(out, 0.4);
    return out;
}

// One croak syllable: a buzzy low voice pulsing quickly, shaped by two mouth resonances.
void addCroak(std::vector<float>& out, double start, double length, double hz) {
    BandPass low(450, 3);
    BandPass high(1300, 4);
    const auto first = static_cast<std::size_t>(start * kSampleRate);
    double phase = 0;
    for (std::size_t i = 0; first + i < out.size() && seconds(i) < length; ++i) {
        const double t = seconds(i);
        phase += (hz * (1 + 0.15 * t / length)) / kSampleRate;
        const double buzz = 2 * (phase - std::floor(phase)) - 1; // sawtooth
        const double pulse = std::pow(std::sin(M_PI * 28 * t), 2);
        const double envelope = std::min(1.0, t / 0.01) * std::min(1.0, (length - t) / 0.03);
        const double voice = buzz * pulse * envelope;
        out[first + i] += static_cast<float>(low(voice) + 0.6 * high(voice));
    }
}

// "Rib-bit".
std::vector<float> ribbit() {
    std::vector<float> out = silence(0.4);
    addCroak(out, 0.0, 0.13, 95);
    addCroak(out, 0.19, 0.14, 112);
    fadeEdges(out, 0.002);
    normalise(out, 0.7);
    return out;
}

} // namespace

std::vector<Sound> synthesiseSounds() {
    return {
        {"type.wav", keyTick()},          {"wronganswer2.wav", notQuite()},
        {"applauselong.wav", applause()}, {"navigate.wav", blip()},
        {"ribbit.wav", ribbit()},
    };
}

} // namespace assetgen
