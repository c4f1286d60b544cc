// The program's five sounds, synthesised.
#pragma once

#include <string>
#include <vector>

namespace assetgen {

struct Sound {
    std::string fileName;
    std::vector<float> samples; // mono, dsp::kSampleRate, within -1..1
};

std::vector<Sound> synthesiseSounds();

} // namespace assetgen
