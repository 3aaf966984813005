// Writes sound buffers as 16-bit mono PCM WAV files (RIFF).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Synth.h"

namespace soundgen {

// Rounds to 16-bit samples, clipping anything beyond full scale.
std::vector<std::int16_t> ToPcm16(const Buffer& buffer);
std::vector<std::uint8_t> EncodeWav(const std::vector<std::int16_t>& pcm, int rate = SampleRate);
void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace soundgen
