#pragma once
// The bytes of the settings file zelvan.ini, laid out as the settings table
// (settingstable.h) says.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/engine/scores.h"
#include "core/settings/options.h"

namespace zelvan {

std::vector<std::uint8_t> encodeSettings(const Options& options, const Scores& scores);

// Reads a file's bytes over the values already held (the defaults, at
// start-up). Settings wholly or partly past the end keep the value held; an
// address shorter than its length byte keeps the characters present. Values
// the program never writes are brought into range as the table says.
void decodeSettings(const std::uint8_t* data, std::size_t size, Options& options, Scores& scores);

}  // namespace zelvan
