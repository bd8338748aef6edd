#pragma once
// The ten sound effects of the game: name, format, exact sizes and recipe.

#include <cstddef>
#include <string>
#include <vector>

#include "wavewriter.h"

namespace gensounds {

struct EffectFormat {
    std::string name;       // file name without ".wav"
    std::string title;      // what it is, for the reader and the INFO chunk
    int channels;           // 1 mono, 2 stereo
    std::size_t dataBytes;  // sample data bytes, exactly
    std::size_t fileBytes;  // whole file, exactly
};

const std::vector<EffectFormat>& effectFormats();

// Renders one effect; the clip holds exactly effect.dataBytes of samples.
PcmClip renderEffect(const EffectFormat& effect);

}  // namespace gensounds
